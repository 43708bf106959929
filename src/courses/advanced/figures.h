#pragma once

#include <QRectF>
#include <QString>

namespace kairo {

class Canvas;
struct ExerciseState;

namespace advanced {

// The drawing screen's picture in this course: the circuit, and the band below it where the
// figures stand (twips).
inline constexpr QRectF kFigureBox{1200, 400, 4200, 2900};

// A number as the figures write it: rounded half away from zero to two decimals, without trailing
// zeros or a trailing full stop, and never "-0" ("100", "2.5", "-5.63").
QString figureNumber(double value);

// The figures drawn beside the whole circuit, right of its last branch, from a state whose
// expected values are computed (solved()). Each adds its strokes and its texts to the canvas and
// assumes only the circuit is there already.

// R along the real axis, X up (inductive) or down (capacitive), |Z| as the hypotenuse and the
// angle θ marked at the origin: "R=50Ω", "X=-38.89Ω", "|Z|=63.34Ω", "θ=-37.87°".
void drawImpedanceTriangle(Canvas& canvas, const ExerciseState& solved);
// The same for the powers: "P=124.62W", "Q=-96.92var", "S=157.87V·A", "θ=-37.87°".
void drawPowerTriangle(Canvas& canvas, const ExerciseState& solved);
// E on the positive real axis, V1 = I1·z1 and V23 as arrows from the origin at one scale:
// "E=100V∠0°", "V1=78.94V∠37.87°", "V23=61.39V∠-52.13°".
void drawVoltagePhasors(Canvas& canvas, const ExerciseState& solved);
// E on the positive real axis at its own scale, I1, I2 and I3 at one current scale:
// "E=100V∠0°", "I1=1.58A∠37.87°", "I2=2.46A∠37.87°", "I3=0.88A∠-142.13°".
void drawPhasorDiagram(Canvas& canvas, const ExerciseState& solved);

}  // namespace advanced
}  // namespace kairo
