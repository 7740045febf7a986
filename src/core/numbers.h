#pragma once

#include <QRect>
#include <QString>
#include <optional>

// Numbers stand in lists as decimal text: digits alone, a minus sign only for
// negative values, no blanks, no leading zeros.
QString decimalText(qint64 value);

// The decimal number at the start of a text (blanks before it are skipped);
// a text that does not start with a number reads as 0.
double leadingNumber(const QString &text);

// The whole text read as a number, or nothing when it is not one.
std::optional<double> strictNumber(const QString &text);

// The nearest 16-bit or 32-bit integer, an exact half going to the even
// neighbour; values outside the range stop at its ends.
qint16 toInt16(double value);
qint32 toInt32(double value);

// Positions and sizes are kept in twips: 1440 to the inch, so 15 twips make
// one device-independent pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;
int twipsToPixels(double twips);
QRect twipsRect(int left, int top, int width, int height);
