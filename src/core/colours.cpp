#include "core/colours.h"

#include <QAbstractScrollArea>
#include <QPalette>
#include <QWidget>

QColor colourFromNumber(qint64 number) {
  return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}

qint64 numberFromRgb(int red, int green, int blue) {
  return red + 256 * green + 256 * 256 * qint64(blue);
}

// Lists and text boxes paint their background in the Base role, windows and
// labels in the Window role; only that role changes, so the children of a
// window keep their own defaults.
void setBackground(QWidget &widget, const QColor &colour) {
  QPalette palette = widget.palette();
  const bool textField = qobject_cast<QAbstractScrollArea *>(&widget) != nullptr;
  palette.setColor(textField ? QPalette::Base : QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(!textField);
}

void setTextColour(QWidget &widget, const QColor &colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget.setPalette(palette);
}
