#pragma once

#include <QColor>
#include <QString>

namespace kairo {

class Canvas;
struct ExerciseState;

// Element drawing procedures: each draws one element with its wires at the drawing cursor of the
// state. They read only originX, originY, cursorX, branch2X and branch3X and draw no text.
void teiko(Canvas& canvas, const ExerciseState& state);
void kondensa(Canvas& canvas, const ExerciseState& state);
void koiru(Canvas& canvas, const ExerciseState& state);
void tateteiko0(Canvas& canvas, const ExerciseState& state);
void tateteiko(Canvas& canvas, const ExerciseState& state);
void tateteiko00(Canvas& canvas, const ExerciseState& state);
void tatekondensa0(Canvas& canvas, const ExerciseState& state);
void tatekondensa(Canvas& canvas, const ExerciseState& state);
void tatekondensa00(Canvas& canvas, const ExerciseState& state);
void migitatekoiru0(Canvas& canvas, const ExerciseState& state);
void migitatekoiru(Canvas& canvas, const ExerciseState& state);
void migitatekoiru00(Canvas& canvas, const ExerciseState& state);
void dengen(Canvas& canvas, const ExerciseState& state);
void koryudengen(Canvas& canvas, const ExerciseState& state);
void gosei(Canvas& canvas, const ExerciseState& state);

// ---- Drawing fragments shared by the generators, the replay and the review screens ----

// Element at position 1 (series), 2 or 3 (branches) of a whole circuit, by kind (1 resistor,
// 2 capacitor, 3 coil): sets cursorX = 1000 × position and calls teiko/kondensa/koiru,
// tateteiko0/tatekondensa0/migitatekoiru0 or tateteiko/tatekondensa/migitatekoiru. Any other kind
// draws nothing.
void drawElement(Canvas& canvas, ExerciseState& state, int position, int kind);
// The parallel-part variant at position 2 (tateteiko00/tatekondensa00/migitatekoiru00, cursorX =
// 2000) or 3 (as drawElement), for the review drawings that show the two branches alone.
void drawBranchAlone(Canvas& canvas, ExerciseState& state, int position, int kind);
// The source at cursorX = 1000: dengen when allResistors, otherwise koryudengen.
void drawSource(Canvas& canvas, ExerciseState& state, bool allResistors);

// The value text of element `position` with the given kind: moveTo its point (coils at positions 2
// and 3 stand 230 / 300 twips further right), then printItems(label, separator, value, unit):
// a resistor prints its resistance with unitText (unitText is set to "Ω" first), a capacitor its
// lcValue with "uF", a coil its lcValue with "mH". Any other kind prints nothing.
void printElementValue(Canvas& canvas, ExerciseState& state, int position, int kind,
                       const QString& label, const QString& separator);
// unitText := "V"; moveTo(1300, 1450); printItems(voltageE, unitText).
void printSourceVoltage(Canvas& canvas, ExerciseState& state);

// The whole circuit of the exercise state: the three elements, the source, the value texts
// "<letter>k<separator> value unit" and the source voltage. Each element is drawn as the kind its
// values make it (elementKind), so a drawing shows the circuit the checks compute with.
void drawWholeCircuit(Canvas& canvas, ExerciseState& state, const QString& letter,
                      const QString& separator);

// The three labelled current arrows I1, I2, I3 (added to whatever is drawn).
void currentArrows(Canvas& canvas);
// The I1 arrow alone, without its label.
void currentArrow1(Canvas& canvas);
// The labelled I2 and I3 arrows.
void branchCurrentArrows(Canvas& canvas);
// The total-current review frame: the "I" arrow above the top wire, the two voltage arrows, the
// "E= 50 V" text and the box around the combined element (drawn in `boxColour`). The caller draws
// the element (tateteiko or gosei) and prints the combined value at (4300, 1400).
void totalCurrentReview(Canvas& canvas, const ExerciseState& state, const QColor& boxColour);

}  // namespace kairo
