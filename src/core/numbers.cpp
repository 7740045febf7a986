#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

QString decimalText(qint64 value) { return QString::number(value); }

namespace {

// Length of the number that starts at `from`: optional sign, digits, an
// optional fraction. Zero when no digit is found.
qsizetype numberLength(const QString &text, qsizetype from) {
  qsizetype at = from;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) ++at;
  qsizetype digits = 0;
  auto skipDigits = [&] {
    while (at < text.size() && text[at] >= u'0' && text[at] <= u'9') {
      ++at;
      ++digits;
    }
  };
  skipDigits();
  if (at < text.size() && text[at] == u'.') {
    ++at;
    skipDigits();
  }
  return digits > 0 ? at - from : 0;
}

}  // namespace

double leadingNumber(const QString &text) {
  qsizetype from = 0;
  while (from < text.size() && text[from].isSpace()) ++from;
  const qsizetype length = numberLength(text, from);
  return length > 0 ? text.mid(from, length).toDouble() : 0.0;
}

std::optional<double> strictNumber(const QString &text) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty() || numberLength(trimmed, 0) != trimmed.size())
    return std::nullopt;
  return trimmed.toDouble();
}

namespace {

template <typename Integer>
Integer nearestInteger(double value) {
  constexpr double low = std::numeric_limits<Integer>::min();
  constexpr double high = std::numeric_limits<Integer>::max();
  if (std::isnan(value)) return 0;
  return Integer(std::clamp(std::nearbyint(value), low, high));
}

}  // namespace

qint16 toInt16(double value) { return nearestInteger<qint16>(value); }
qint32 toInt32(double value) { return nearestInteger<qint32>(value); }

int twipsToPixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }

QRect twipsRect(int left, int top, int width, int height) {
  return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
               twipsToPixels(height));
}
