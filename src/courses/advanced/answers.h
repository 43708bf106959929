#pragma once

#include <QStringView>
#include <optional>

namespace kairo::advanced {

// How the advanced course judges a typed answer. Its questions ask for values worked out by hand
// with rounded intermediates, so an answer is accepted within a tolerance of the exact value
// instead of having to match its two-decimal form.

// The typed text read as the drill reads every answer (full-width forms folded, blanks skipped,
// reading stops at the first character that cannot continue the number, so "37.87°" reads 37.87),
// with the input method's long-vowel mark "ー" and the hyphen "‐" read as a minus sign. Nothing
// when no digit is read: an empty box, "abc", "-" or "." is a miss even where the answer is 0. A
// number too large for a double reads as infinity, which no exact value accepts.
std::optional<double> readAnswer(QStringView typed);

// Each accepts the typed answer when it reads within its tolerance of the exact value, bounds
// included:
// magnitudes and rectangular parts in Ω, A and V, ±max(0.01, 0.2 % of |exact|);
bool acceptsMagnitude(double exact, QStringView typed);
// angles in degrees, ±0.1° measured around the circle (179.99 is 0.01° from −180);
bool acceptsAngle(double exact, QStringView typed);
// the power factor in percent, ±0.2;
bool acceptsPowerFactor(double exact, QStringView typed);
// active, reactive and apparent power, ±max(0.01, 0.5 % of |exact|).
bool acceptsPower(double exact, QStringView typed);

}  // namespace kairo::advanced
