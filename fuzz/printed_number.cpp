// printedNumber on every double bit pattern: never a crash, never "nan" or "inf", the sign place,
// at most fifteen significant digits, and the text reads back as the value to that precision.
#include <QString>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  const std::string text = kairo::printedNumber(value).toStdString();
  if (!std::isfinite(value)) {
    require(text == " 0 ");
    return 0;
  }

  // " " or "-", then 0, a whole number, or a fraction without trailing zeros; then one blank.
  require(text.size() >= 3 && text.back() == ' ');
  require(text[0] == (value < 0 ? '-' : ' '));
  const std::string body = text.substr(1, text.size() - 2);
  const auto point = body.find('.');
  const std::string whole = body.substr(0, point);
  require(whole.find_first_not_of("0123456789") == std::string::npos);
  if (point == std::string::npos) {
    require(body == "0" ? value == 0.0 : (!whole.empty() && whole[0] != '0'));
  } else {
    const std::string fraction = body.substr(point + 1);
    require(whole.empty() || whole[0] != '0');
    require(!fraction.empty() && fraction.find_first_not_of("0123456789") == std::string::npos);
    require(fraction.back() != '0');
  }

  // Significant digits: from the first nonzero digit to the last nonzero one.
  std::string digits = whole + (point == std::string::npos ? "" : body.substr(point + 1));
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  digits.erase(digits.find_last_not_of('0') + 1);
  require(digits.size() <= 15);

  const double back = kairo::readTypedNumber(QString::fromStdString(text));
  if (std::isinf(back))  // fifteen digits of the largest doubles round past the double range
    require(std::signbit(back) == std::signbit(value) && std::fabs(value) > 1.797693134862e308);
  else
    require(std::fabs(back - value) <= 6e-15 * std::fabs(value) + 1e-323);
  return 0;
}
