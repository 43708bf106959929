// formatNumber on every double bit pattern (subnormals, ±0, ±huge, NaN, infinities): never a crash,
// the text follows its pattern's grammar, the two two-decimal patterns differ only in the zero
// before the full stop, the text reads back close to the value and matches as an answer.
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/number.h"

namespace {

using kairo::Pattern;

void require(bool condition) {
  if (!condition) std::abort();
}

bool isDigits(const std::string& s) {
  return s.find_first_not_of("0123456789") == std::string::npos;
}

// [-]whole.fraction: whole without a leading zero (Zero2: exactly "0" when the value is below one),
// at most `places` decimals without a trailing zero, no minus on a zero.
void checkGrammar(const std::string& text, Pattern pattern) {
  const std::size_t places = pattern == Pattern::Hash3 ? 3 : 2;
  const bool negative = !text.empty() && text[0] == '-';
  const std::string body = text.substr(negative ? 1 : 0);
  const auto point = body.find('.');
  require(point != std::string::npos);
  const std::string whole = body.substr(0, point), fraction = body.substr(point + 1);
  require(isDigits(whole) && isDigits(fraction));
  require(fraction.size() <= places);
  require(fraction.empty() || fraction.back() != '0');
  if (pattern == Pattern::Zero2)
    require(!whole.empty() && (whole == "0" || whole[0] != '0'));
  else
    require(whole.empty() || whole[0] != '0');
  const bool zero = (whole.empty() || whole == "0") && fraction.empty();
  require(!(negative && zero));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);

  const QString hash2 = kairo::formatNumber(value, Pattern::Hash2);
  const QString zero2 = kairo::formatNumber(value, Pattern::Zero2);
  const QString hash3 = kairo::formatNumber(value, Pattern::Hash3);
  if (!std::isfinite(value)) {
    require(hash2.isEmpty() && zero2.isEmpty() && hash3.isEmpty());
    require(!kairo::answerMatches(value, Pattern::Zero2, u"0"));
    return 0;
  }
  checkGrammar(hash2.toStdString(), Pattern::Hash2);
  checkGrammar(zero2.toStdString(), Pattern::Zero2);
  checkGrammar(hash3.toStdString(), Pattern::Hash3);

  // "#.##" is "0.##" without the zero before the full stop.
  QString withoutZero = zero2;
  if (withoutZero.startsWith(u"0.")) withoutZero.remove(0, 1);
  if (withoutZero.startsWith(u"-0.")) withoutZero.remove(1, 1);
  require(withoutZero == hash2);

  // Every shown text, typed back, is the right answer.
  require(kairo::answerMatches(value, Pattern::Hash2, hash2));
  require(kairo::answerMatches(value, Pattern::Zero2, zero2));
  require(kairo::answerMatches(value, Pattern::Hash3, hash3));

  const double magnitude = std::fabs(value);
  if (magnitude < 1e12) {
    // Off by at most the decimals' half unit plus the twelve-digit rounding before it.
    const double slack = 1e-15 + 6e-12 * magnitude;
    require(std::fabs(kairo::readTypedNumber(zero2) - value) <= 0.005 + slack);
    require(std::fabs(kairo::readTypedNumber(hash3) - value) <= 0.0005 + slack);
    // One more decimal typed is a different number, so a wrong answer.
    require(!kairo::answerMatches(value, Pattern::Zero2, zero2 + QStringLiteral("1")));
  }
  return 0;
}
