#pragma once

#include <QString>
#include <QStringView>

namespace kairo {

// The three display patterns of the drill.
enum class Pattern {
  Hash2,  // "#.##": two decimals, no zero before the full stop
  Zero2,  // "0.##": two decimals, at least one integer digit
  Hash3,  // "#.###": three decimals, no zero before the full stop
};

// Lenient reading of a typed answer: blanks anywhere are skipped, reading stops at the first
// character that cannot continue the number, no number reads 0. Never fails, whatever the text.
// A number too large for a double reads as infinity (it then matches no expected answer).
double readTypedNumber(QStringView text);

// The value rounded half away from zero by the pattern, trailing zeros dropped, the full stop
// always written ("35.", ".5", "0.5", "-.5"). Always written with a full stop, whatever the locale.
QString formatNumber(double value, Pattern pattern);

// True when the typed text reads as the number that formatNumber shows for the expected value.
bool answerMatches(double expected, Pattern pattern, QStringView typed);

// A number as the canvas text output writes it: a blank or "-", the magnitude (whole numbers
// without a full stop, no zero before the full stop below 1, up to 15 significant digits), a blank.
QString printedNumber(double value);

}  // namespace kairo
