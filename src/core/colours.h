#pragma once

#include <QColor>

class QWidget;

// Colours are kept as 0x00BBGGRR numbers: red in the low byte.
QColor colourFromNumber(qint64 number);
qint64 numberFromRgb(int red, int green, int blue);

// Background and text colour of a window, label, list or text box.
void setBackground(QWidget &widget, const QColor &colour);
void setTextColour(QWidget &widget, const QColor &colour);
