#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "core/content.h"
#include "core/string_list.h"

// The data window: the test's phrase lists, title and layout, explanation
// lines and instructions, as read-only lists. It is never shown, so it holds
// its lists without any widget.
class Zorva_danni : public QObject {
  Q_OBJECT

 public:
  explicit Zorva_danni(const Content &content, QObject *parent = nullptr);

  std::array<StringList *, 4> Danni{};
  std::array<StringList *, Content::kExplanationLists + 1> Otgowor{};
  QString Ukazanie;  // Ukazanie(0), the instructions text
};
