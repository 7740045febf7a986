#pragma once

#include <QList>

class QWidget;
class StringList;

// What the settings dialog reaches of the window whose appearance it edits:
// the appearance record and the controls that "Запис" colours.
class AppearanceTarget {
 public:
  virtual ~AppearanceTarget() = default;

  // Cweta(0), the 19 entries of the appearance record.
  virtual StringList &appearanceRecord() = 0;
  // The surface whose background is the window's background.
  virtual QWidget &formSurface() = 0;
  // The lists, the information text and the status label, in that order.
  virtual QList<QWidget *> textFields() = 0;
  // The lists and the information text, which take the record's font.
  virtual QList<QWidget *> fontFields() = 0;
};
