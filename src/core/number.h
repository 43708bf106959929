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

// What an input method types in full width, as its ASCII form: "０"–"９", "．", "＋", "－", "Ｅ",
// "＆", letters and the other forms of the full-width block; the minus sign U+2212 as "-"; the
// ideographic space as a blank. Any other character is returned as it is.
char16_t foldWidth(char16_t c);

// Lenient reading of a typed answer, full-width forms folded first: blanks anywhere are skipped,
// reading stops at the first character that cannot continue the number, no number reads 0. Never
// fails, whatever the text. A number too large for a double reads as infinity (it then matches no
// expected answer).
double readTypedNumber(QStringView text);

// The value rounded half away from zero by the pattern, trailing zeros dropped, the full stop
// always written ("35.", ".5", "0.5", "-.5"). Always written with a full stop, whatever the locale.
QString formatNumber(double value, Pattern pattern);

// formatNumber for a value shown to the student (answer labels, the drawing): a value that rounds
// to zero reads "0." under every pattern rather than a lone full stop.
QString shownNumber(double value, Pattern pattern);

// True when the typed text reads as the number that formatNumber shows for the expected value.
bool answerMatches(double expected, Pattern pattern, QStringView typed);

// A number as the canvas text output writes it: a blank or "-", the magnitude (whole numbers
// without a full stop, no zero before the full stop below 1, up to 15 significant digits), a blank.
QString printedNumber(double value);

}  // namespace kairo
