#pragma once

#include <QWidget>
#include <array>

#include "core/content.h"

class PictureBox;
class StringList;

// The picture store: keeps the picture of each item and its flag, and shows
// one picture enlarged in a small tool window of its own.
class Zorva_Graphika : public QWidget {
  Q_OBJECT

 public:
  explicit Zorva_Graphika(const Content &content);

  // Graphika(0) is the display box; Graphika(1..30) keep the pictures.
  std::array<PictureBox *, Content::kPictureBoxes + 1> Graphika{};
  StringList *Spis_graf = nullptr;  // Spis_graf(0), the picture flags

  // Outer size of the window, frame included, in twips.
  void setOuterSizeInTwips(double width, double height);
  QSize outerSizeInTwips() const;
};
