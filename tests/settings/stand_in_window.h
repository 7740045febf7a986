#pragma once

#include <QWidget>
#include <array>

#include "core/string_list.h"
#include "settings/appearance_target.h"

class QLabel;
class StringListView;
class TextBox;

// A small window in the place of the test window: a surface with three
// lists, an information text and a status label, and the appearance record
// with its built-in values. Its own colours and font differ from every
// value the record applies, so each change "Запис" makes shows.
class StandInWindow : public AppearanceTarget {
 public:
  StandInWindow();

  StringList &appearanceRecord() override { return record; }
  QWidget &formSurface() override { return form; }
  QList<QWidget *> textFields() override;
  QList<QWidget *> fontFields() override;

  StringList record;
  QWidget form;
  std::array<StringList, 3> lists;
  std::array<StringListView *, 3> views{};
  TextBox *info = nullptr;
  QLabel *status = nullptr;
};

// Starting appearance of the stand-in.
inline const QColor kStandInForm(0, 128, 0);
inline const QColor kStandInField(224, 224, 224);
inline const QColor kStandInText(0, 0, 255);
