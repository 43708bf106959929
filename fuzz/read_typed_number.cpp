// readTypedNumber on arbitrary text: never NaN, never a crash or undefined behaviour, and the
// reading's own rules hold (skipped characters, a stopping character, the sign, plain decimals
// agree with std::from_chars).
#include <QString>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/number.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

bool same(double a, double b) {
  return a == b;
}

bool isSkipped(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// A text of ASCII digits with at most one full stop reads as std::from_chars reads it.
void compareWithFromChars(const QString& text, double value) {
  std::string plain;
  for (QChar c : text) {
    if (isSkipped(c)) continue;
    if (c.unicode() > 127) return;
    plain.push_back(static_cast<char>(c.unicode()));
  }
  if (plain.empty() || plain.size() > 400) return;
  if (plain.find_first_not_of("0123456789.") != std::string::npos) return;
  if (plain.find('.') != plain.rfind('.')) return;
  if (plain.find_first_of("0123456789") == std::string::npos) return;
  double expected = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), expected);
  if (error == std::errc::result_out_of_range) {
    // Too large, or too small for a subnormal: decided by the whole part.
    const std::string whole = plain.substr(0, plain.find('.'));
    expected = whole.find_first_not_of('0') != std::string::npos ? HUGE_VAL : 0.0;
  } else {
    require(error == std::errc() && end == plain.data() + plain.size());
  }
  require(same(value, expected));
}

void check(const QString& text, std::uint8_t where) {
  const double value = kairo::readTypedNumber(text);
  require(!std::isnan(value));
  require(!(value == 0.0 && std::signbit(value)));

  // Skipped characters change nothing, wherever they stand.
  require(same(kairo::readTypedNumber(QStringLiteral(" \t\r\n") + text), value));
  QString spaced = text;
  spaced.insert(where % (text.size() + 1), u' ');
  require(same(kairo::readTypedNumber(spaced), value));

  // A character that continues no number changes nothing behind the text.
  require(same(kairo::readTypedNumber(text + QStringLiteral("Ω")), value));

  // A minus sign in front of an unsigned number negates it.
  qsizetype first = 0;
  while (first < text.size() && isSkipped(text[first])) ++first;
  const char16_t lead = first < text.size() ? text[first].unicode() : u'\0';
  if ((lead >= u'0' && lead <= u'9') || lead == u'.' || lead == u'&')
    require(same(kairo::readTypedNumber(QStringLiteral("-") + text), value == 0.0 ? 0.0 : -value));

  // Typed with the input method on, the same characters in full width read the same.
  QString wide = text;
  bool ascii = true;
  for (QChar& c : wide) {
    if (c.unicode() > 127) ascii = false;
    if (c.unicode() > u' ' && c.unicode() < 127) c = QChar(char16_t(c.unicode() + 0xFEE0));
    if (c.unicode() == u' ') c = QChar(u'\u3000');
  }
  if (ascii) require(same(kairo::readTypedNumber(wide), value));

  compareWithFromChars(text, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint8_t where = size > 0 ? data[0] : 0;
  // The bytes as UTF-8 text, and as UTF-16 code units (lone surrogates included).
  check(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        where);
  QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
  std::memcpy(units.data(), data, size / 2 * 2);
  check(units, where);
  return 0;
}
