#include "core/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace kairo {

namespace {

// ---------------------------------------------------------------------------------------------
// Reading

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Characters a student may type anywhere in a number without changing it (after folding).
bool isSkipped(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Walks a text one significant character at a time; skipped characters are never seen.
// Past the end peek() gives 0, which continues no number.
class Cursor {
 public:
  explicit Cursor(QStringView text) : text_(text) { skip(); }
  char16_t peek() const { return pos_ < text_.size() ? foldWidth(text_[pos_].unicode()) : u'\0'; }
  void next() {
    ++pos_;
    skip();
  }

 private:
  void skip() {
    while (pos_ < text_.size() && isSkipped(foldWidth(text_[pos_].unicode()))) ++pos_;
  }
  QStringView text_;
  qsizetype pos_ = 0;
};

// Only ASCII digits (and their full-width forms, folded before) count: other scripts' digits end a
// number.
int digitValue(char16_t c, int base) {
  int value = base;
  if (c >= u'0' && c <= u'9') value = c - u'0';
  if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
  return value < base ? value : -1;
}

// A whole number after "&H" or "&O". It is read as an unsigned value of any size: "&HFFFF" is
// 65535, not a 16-bit -1 (a typed answer is never meant as a bit pattern), and a value too large
// for a double becomes +infinity like any other number that is too large.
double readWholeNumber(Cursor& in, int base) {
  double value = 0.0;
  for (int digit; (digit = digitValue(in.peek(), base)) >= 0; in.next())
    value = value * base + digit;
  return value;
}

// Significant digits kept for the conversion. A double's correctly rounded value depends only on
// the first 768 significant digits and on whether any nonzero digit follows, so the rest of a very
// long number is replaced by one sticky '1'; this keeps the reading linear in the text's length.
constexpr std::size_t kKeptDigits = 800;
// Exponent digits beyond this value cannot change the result (it is then 0 or infinity already),
// and clamping keeps the accumulation from overflowing whatever the text.
constexpr std::int64_t kExponentClamp = 1'000'000'000;

bool isDecimalDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Digits with at most one full stop, then an optional exponent (E or D in either case).
double readDecimal(Cursor& in) {
  std::string digits;  // significant digits, without leading zeros
  bool droppedNonzero = false;
  // The value is 0.<digits> × 10^(shift + exponent).
  std::int64_t shift = 0;
  bool seenPoint = false;
  for (char16_t c = in.peek();; c = in.peek()) {
    if (c == u'.' && !seenPoint) {
      seenPoint = true;
    } else if (isDecimalDigit(c)) {
      if (digits.empty() && c == u'0') {
        if (seenPoint) --shift;
      } else {
        if (!seenPoint) ++shift;
        if (digits.size() < kKeptDigits)
          digits.push_back(static_cast<char>(c));
        else if (c != u'0')
          droppedNonzero = true;
      }
    } else {
      break;
    }
    in.next();
  }

  std::int64_t exponent = 0;
  const char16_t marker = in.peek();
  if (marker == u'E' || marker == u'e' || marker == u'D' || marker == u'd') {
    in.next();
    bool negative = false;
    if (in.peek() == u'+' || in.peek() == u'-') {
      negative = in.peek() == u'-';
      in.next();
    }
    for (; isDecimalDigit(in.peek()); in.next())
      exponent = std::min(exponent * 10 + (in.peek() - u'0'), kExponentClamp);
    if (negative) exponent = -exponent;
  }

  if (digits.empty()) return 0.0;
  if (droppedNonzero) digits.push_back('1');
  const std::int64_t scale = shift + exponent;
  // 0.1 × 10^400 is beyond any double, 10^-400 below the smallest subnormal.
  if (scale > 400) return kInfinity;
  if (scale < -400) return 0.0;
  std::string text = "0." + digits + "e" + std::to_string(scale);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) return scale > 0 ? kInfinity : 0.0;
  return value;
}

// ---------------------------------------------------------------------------------------------
// Writing

// A finite double as positional decimal digits, rounded to a number of significant digits.
// `whole` has no leading zeros and `fraction` no trailing zeros, so a zero has both empty.
struct DecimalParts {
  bool negative = false;
  std::string whole;
  std::string fraction;
  bool isZero() const { return whole.empty() && fraction.empty(); }

  void trim() {
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    fraction.erase(fraction.find_last_not_of('0') + 1);
  }
};

DecimalParts decimalParts(double value, int significantDigits) {
  // "[-]d.ddde±x": at most 17 significant digits and a three-digit exponent.
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                     std::chars_format::scientific, significantDigits - 1);
  const char* p = buffer;
  DecimalParts parts;
  if (*p == '-') {
    parts.negative = true;
    ++p;
  }
  std::string digits;
  for (; p != written.ptr && *p != 'e'; ++p)
    if (*p != '.') digits.push_back(*p);
  int exponent = 0;
  if (p != written.ptr) ++p;
  if (p != written.ptr && *p == '+') ++p;  // from_chars takes a minus but no plus
  std::from_chars(p, written.ptr, exponent);

  // The first digit stands for 10^exponent.
  const int wholeDigits = exponent + 1;
  if (wholeDigits <= 0) {
    parts.fraction.assign(static_cast<std::size_t>(-wholeDigits), '0');
    parts.fraction += digits;
  } else {
    const auto taken = std::min(static_cast<std::size_t>(wholeDigits), digits.size());
    parts.whole = digits.substr(0, taken);
    parts.whole.append(static_cast<std::size_t>(wholeDigits) - taken, '0');
    parts.fraction = digits.substr(taken);
  }
  parts.trim();
  return parts;
}

// Rounds to `places` decimals, a 5 in the next place away from zero, by digit arithmetic on the
// decimal text (never on the binary value, which may lie just below the half).
void roundToPlaces(DecimalParts& parts, std::size_t places) {
  if (parts.fraction.size() <= places) return;
  const bool up = parts.fraction[places] >= '5';
  parts.fraction.resize(places);
  if (up) {
    std::string all = parts.whole + parts.fraction;
    auto i = all.size();
    while (i > 0 && all[i - 1] == '9') all[--i] = '0';
    if (i == 0)
      all.insert(all.begin(), '1');
    else
      ++all[i - 1];
    parts.whole = all.substr(0, all.size() - places);
    parts.fraction = all.substr(all.size() - places);
  }
  parts.trim();
}

// What the student's answer is rounded from: the value as twelve significant digits, so that
// results of the complex operations that land a rounding error below a half (7.874999999999995
// for 7.875) still round as the exact value does.
constexpr int kComparedDigits = 12;
// Numbers written on the drawing show up to fifteen significant digits.
constexpr int kPrintedDigits = 15;

}  // namespace

char16_t foldWidth(char16_t c) {
  if (c >= u'\uFF01' && c <= u'\uFF5E') return char16_t(c - 0xFEE0);  // "０", "．", "ｅ", "＆", ...
  if (c == u'\u2212') return u'-';                                    // the minus sign
  if (c == u'\u3000') return u' ';                                    // the ideographic space
  return c;
}

double readTypedNumber(QStringView text) {
  Cursor in(text);
  bool negative = false;
  if (in.peek() == u'+' || in.peek() == u'-') {
    negative = in.peek() == u'-';
    in.next();
  }
  double magnitude = 0.0;
  if (in.peek() == u'&') {
    in.next();
    const char16_t letter = in.peek();
    const int base = (letter == u'H' || letter == u'h')   ? 16
                     : (letter == u'O' || letter == u'o') ? 8
                                                          : 0;
    if (base != 0) {
      in.next();
      magnitude = readWholeNumber(in, base);
    }
  } else {
    magnitude = readDecimal(in);
  }
  // "-0" reads as plain 0.
  if (magnitude == 0.0) return 0.0;
  return negative ? -magnitude : magnitude;
}

// Infinity and NaN have no decimal form and give the empty text; answerMatches() treats such an
// expected value as matching nothing.
QString formatNumber(double value, Pattern pattern) {
  if (!std::isfinite(value)) return {};
  DecimalParts parts = decimalParts(value, kComparedDigits);
  roundToPlaces(parts, pattern == Pattern::Hash3 ? 3 : 2);
  std::string text;
  if (parts.negative && !parts.isZero()) text += '-';
  text += parts.whole.empty() && pattern == Pattern::Zero2 ? std::string("0") : parts.whole;
  text += '.';
  text += parts.fraction;
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString shownNumber(double value, Pattern pattern) {
  QString text = formatNumber(value, pattern);
  if (text == QLatin1String(".")) text = QStringLiteral("0.");
  return text;
}

bool answerMatches(double expected, Pattern pattern, QStringView typed) {
  if (!std::isfinite(expected)) return false;
  const double typedValue = readTypedNumber(typed);
  if (!std::isfinite(typedValue)) return false;
  // A lone "." (an expected value that rounds to zero under "#.##") reads 0, so typing 0 is right.
  return readTypedNumber(formatNumber(expected, pattern)) == typedValue;
}

// Infinity and NaN print as " 0 ": the drawing never shows "inf" or "nan". Very large and very
// small magnitudes are written out in full positional digits (1e300 as 301 digits).
QString printedNumber(double value) {
  if (!std::isfinite(value)) return QStringLiteral(" 0 ");
  const DecimalParts parts = decimalParts(value, kPrintedDigits);
  std::string text(1, parts.negative && !parts.isZero() ? '-' : ' ');
  if (parts.isZero()) {
    text += '0';
  } else {
    text += parts.whole;
    if (!parts.fraction.empty()) text += '.' + parts.fraction;
  }
  text += ' ';
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kairo
