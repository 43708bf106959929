#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <variant>
#include <vector>

#include "core/exercise_state.h"

namespace kairo {

// The eight-character circuit code: source, three kinds, three values, circuit class. Decoding is
// kept apart from the windows: it says what each character does, the replay handler does it.

// Position 1: the source voltage and its panel character.
struct SourceStep {
  double voltageE = 0.0;
  QString label;  // lblE
};

// Position 2, 3 or 4 holding "1", "2" or "3": element `position` of that kind with its value
// (read from the character four places further on).
struct ElementStep {
  int position = 1;  // 1 series element, 2 and 3 the parallel branches
  int kind = 1;      // 1 resistor, 2 capacitor, 3 coil
  int value = 0;     // Ω for a resistor, µF for a capacitor, mH for a coil
  double reactance = 0.0;
  QString valueLabel;  // lblz1..lblz3: the value character as the generators write it
  QString textLabel;   // "R1".."R3" in an all-resistor circuit, otherwise "Z1".."Z3"
  QString separator;   // "=" with the R names, ":" with the Z names

  QString kindLabel() const { return QString::number(kind); }
};

// Position 8: the code is complete. Its character names the course where a course claims it;
// otherwise the kinds decide the course, the source symbol and the class label.
struct FinishStep {
  bool resistorsOnly = false;
  char32_t classChar = 0;  // the eighth character, folded

  bool allResistors() const { return resistorsOnly; }
  QString classLabel() const { return allResistors() ? QStringLiteral("1") : QStringLiteral("2"); }
};

// What one character of the code does; monostate for the characters that only repeat the source
// text (values, characters after the eighth, kind digits other than 1 to 3).
using ReplayStep = std::variant<std::monostate, SourceStep, ElementStep, FinishStep>;

struct ReplayPlan {
  // One step per character, in order. The source text is written again after every step.
  std::vector<ReplayStep> steps;
};

// Decodes `code` against the current exercise state (elements whose kind digit is not 1 to 3 keep
// the current values). The code is read as the code box folds it: full-width forms as ASCII, "あ"
// as "a". No plan when the code cannot describe a problem: a source or value that is neither a
// digit nor "a", a 0 V source, a kind character that is not a digit where the kinds matter, a
// resistor in a code too short to tell the circuit class, a capacitor without a value, or a
// complete code whose circuit has no combined impedance or no currents; `why` then gets a sentence
// for the student naming the position and what it may hold.
std::optional<ReplayPlan> decodeCircuitCode(QStringView code, const ExerciseState& current,
                                            QString* why = nullptr);

// The code the generators write: the voltage in tens of volts, the three kinds, the three value
// steps (tens of Ω, µF or mH) with "a" for the tenth step, and the class: `classChar` where the
// course has one of its own, else "1" for three resistors, otherwise "2".
QString encodeCircuitCode(int voltageStep, const std::array<int, 3>& kinds,
                          const std::array<int, 3>& steps, QChar classChar = QChar());

// The sentence that tells the student what position `position` of a code may hold ("2文字目（素子1
// の種類）は 1〜3 です。").
QString codePositionRefusal(int position, QStringView allowed);

// The code as the code box reads it: full-width forms as ASCII, "あ" as "a", one entry per
// character.
QList<char32_t> foldedCode(QStringView code);

// The exercise-state writes of one step: voltage, element fields and kind, and the miss counter
// reset when the code is complete. Panel labels and drawing are the handler's.
void applyStep(ExerciseState& state, const ReplayStep& step);

}  // namespace kairo
