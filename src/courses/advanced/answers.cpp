#include "courses/advanced/answers.h"

#include <QString>
#include <algorithm>
#include <cmath>

#include "core/number.h"

namespace kairo::advanced {

namespace {

// Minus signs an input method may type that the drill's reader does not know.
bool isExtraMinus(char16_t c) {
  return c == u'\u30FC' || c == u'\u2010';
}

bool isBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigitOf(char16_t c, int base) {
  const int value = c >= u'0' && c <= u'9'   ? c - u'0'
                    : c >= u'a' && c <= u'f' ? c - u'a' + 10
                    : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                             : base;
  return value < base;
}

// Whether the reader takes a digit from the text, which it otherwise reads as 0: after blanks and
// a sign, a digit, a full stop and a digit, or "&H"/"&O" and a digit of that base.
bool readsDigit(QStringView text) {
  char16_t first[4] = {};  // the first significant characters are all it takes
  int count = 0;
  for (qsizetype i = 0; i < text.size() && count < 4; ++i) {
    const char16_t c = foldWidth(text[i].unicode());
    if (!isBlank(c)) first[count++] = c;
  }
  const char16_t* c = first + (first[0] == u'+' || first[0] == u'-' ? 1 : 0);
  if (c[0] == u'&') {
    const int base = c[1] == u'H' || c[1] == u'h' ? 16 : c[1] == u'O' || c[1] == u'o' ? 8 : 0;
    return base != 0 && isDigitOf(c[2], base);
  }
  return isDigitOf(c[0], 10) || (c[0] == u'.' && isDigitOf(c[1], 10));
}

// Bounds taken inclusive: a value typed exactly on one (79.2 for 79.0 within 0.2) must not fall
// out through the binary rounding of the difference.
bool within(double distance, double tolerance) {
  return distance <= tolerance * (1.0 + 1e-9);
}

bool acceptsWithin(double exact, QStringView typed, double tolerance) {
  const std::optional<double> value = readAnswer(typed);
  return value && std::isfinite(exact) && std::isfinite(*value) &&
         within(std::abs(*value - exact), tolerance);
}

}  // namespace

std::optional<double> readAnswer(QStringView typed) {
  if (std::none_of(typed.begin(), typed.end(), [](QChar c) { return isExtraMinus(c.unicode()); })) {
    if (!readsDigit(typed)) return std::nullopt;
    return readTypedNumber(typed);
  }
  QString text = typed.toString();
  for (QChar& c : text)
    if (isExtraMinus(c.unicode())) c = u'-';
  return readAnswer(text);
}

bool acceptsMagnitude(double exact, QStringView typed) {
  return acceptsWithin(exact, typed, std::max(0.01, 0.002 * std::abs(exact)));
}

bool acceptsAngle(double exact, QStringView typed) {
  const std::optional<double> value = readAnswer(typed);
  if (!value || !std::isfinite(exact) || !std::isfinite(*value)) return false;
  const double apart = std::fmod(std::abs(*value - exact), 360.0);
  return within(std::min(apart, 360.0 - apart), 0.1);
}

bool acceptsPowerFactor(double exact, QStringView typed) {
  return acceptsWithin(exact, typed, 0.2);
}

bool acceptsPower(double exact, QStringView typed) {
  return acceptsWithin(exact, typed, std::max(0.01, 0.005 * std::abs(exact)));
}

}  // namespace kairo::advanced
