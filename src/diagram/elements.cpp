#include "diagram/elements.h"

#include "core/exercise_state.h"
#include "diagram/canvas.h"

namespace kairo {

namespace {

// The drawing's own degree factor, kept as written so arc ends land where they always did.
constexpr double kRadiansPerDegree = 3.14159265 / 180.0;

// A drawing position: (x0, y) of an element and a canvas drawing in the element colour.
struct Pen {
  Canvas& canvas;
  int x0, y;

  void line(int dx1, int dy1, int dx2, int dy2) {
    canvas.drawLine(x0 + dx1, y + dy1, x0 + dx2, y + dy2, kElementColour);
  }
  void to(int dx, int dy) { canvas.drawLineTo(x0 + dx, y + dy, kElementColour); }
  void arc(int dx, int dy, int radius, int startDegrees, int endDegrees, double aspect) {
    canvas.drawArc(x0 + dx, y + dy, radius, kElementColour, startDegrees * kRadiansPerDegree,
                   endDegrees * kRadiansPerDegree, aspect);
  }
};

Pen at(Canvas& canvas, const ExerciseState& state, int column) {
  return Pen{canvas, state.originX + column, state.originY};
}

// The resistor zigzag: six peaks 50 apart, alternately 150 to one side and the other of the wire,
// then back onto the wire. `vertical` turns it from the top wire onto a branch.
void zigzag(Pen& pen, bool vertical) {
  for (int k = 0; k < 6; ++k) {
    const int along = 400 + 50 * k;
    const int across = k % 2 == 0 ? -150 : 150;
    vertical ? pen.to(across, along) : pen.to(along, across);
  }
  vertical ? pen.to(0, 700) : pen.to(700, 0);
}

// The vertical resistor between the two wires of a branch, without the wires.
void verticalResistor(Pen pen) {
  pen.line(0, 0, 0, 350);
  zigzag(pen, true);
  pen.to(0, 1000);
}

// The wires joining a vertical element to the column 1000 to its left: the top one drawn towards
// the element, the bottom one from the element's foot back.
void topWire(Pen pen) {
  pen.line(-1000, 0, 0, 0);
}
void bottomWire(Pen pen) {
  pen.to(-1000, 1000);
}

struct CoilArc {
  int along, radius, start, end;
};

}  // namespace

void teiko(Canvas& canvas, const ExerciseState& state) {
  Pen pen = at(canvas, state, state.cursorX);
  pen.line(0, 0, 350, 0);
  zigzag(pen, false);
  canvas.drawLineTo(pen.x0 + 1000, pen.y);  // the right lead-in is drawn without a colour
}

void kondensa(Canvas& canvas, const ExerciseState& state) {
  Pen pen = at(canvas, state, state.cursorX);
  pen.line(0, 0, 450, 0);
  pen.line(450, -200, 450, 200);
  pen.line(550, -200, 550, 200);
  pen.line(550, 0, 1000, 0);
}

void koiru(Canvas& canvas, const ExerciseState& state) {
  // Four humps rising above the wire, joined by three small loops below it.
  static constexpr CoilArc kArcs[] = {{280, 200, 0, 170}, {400, 200, 0, 180},  {341, 70, 180, 360},
                                      {520, 200, 0, 180}, {461, 70, 180, 360}, {640, 200, 10, 180},
                                      {580, 70, 180, 360}};
  Pen pen = at(canvas, state, state.cursorX);
  pen.line(0, 0, 180, 0);
  for (const CoilArc& arc : kArcs) pen.arc(arc.along, 62, arc.radius, arc.start, arc.end, 2.0);
  pen.line(750, 0, 1000, 0);
}

void tateteiko0(Canvas& canvas, const ExerciseState& state) {
  verticalResistor(at(canvas, state, state.branch2X));
}

void tateteiko(Canvas& canvas, const ExerciseState& state) {
  const Pen pen = at(canvas, state, state.branch3X);
  topWire(pen);
  verticalResistor(pen);
  bottomWire(pen);
}

void tateteiko00(Canvas& canvas, const ExerciseState& state) {
  const Pen pen = at(canvas, state, state.branch2X);
  topWire(pen);
  verticalResistor(pen);
  bottomWire(pen);
}

void tatekondensa0(Canvas& canvas, const ExerciseState& state) {
  Pen pen = at(canvas, state, state.cursorX);
  pen.line(0, 0, 0, 450);
  pen.line(-200, 450, 200, 450);
  pen.line(-200, 550, 200, 550);
  pen.line(0, 550, 0, 1000);
  bottomWire(pen);
}

void tatekondensa(Canvas& canvas, const ExerciseState& state) {
  topWire(at(canvas, state, state.cursorX));
  tatekondensa0(canvas, state);
}

void tatekondensa00(Canvas& canvas, const ExerciseState& state) {
  tatekondensa(canvas, state);
}

void migitatekoiru0(Canvas& canvas, const ExerciseState& state) {
  // Four large loops to the right of the branch, three small ones to its left.
  static constexpr CoilArc kArcs[] = {
      {280, 200, 260, 110}, {400, 200, 260, 100}, {341, 75, 118, 260}, {520, 200, 260, 100},
      {461, 75, 118, 260},  {640, 200, 260, 100}, {580, 75, 118, 260}};
  Pen pen = at(canvas, state, state.cursorX);
  pen.line(0, 0, 0, 180);
  for (const CoilArc& arc : kArcs) pen.arc(62, arc.along, arc.radius, arc.start, arc.end, 0.5);
  pen.line(0, 750, 0, 1000);
  bottomWire(pen);
}

void migitatekoiru(Canvas& canvas, const ExerciseState& state) {
  topWire(at(canvas, state, state.cursorX));
  migitatekoiru0(canvas, state);
}

void migitatekoiru00(Canvas& canvas, const ExerciseState& state) {
  migitatekoiru(canvas, state);
}

void dengen(Canvas& canvas, const ExerciseState& state) {
  Pen pen = at(canvas, state, state.cursorX);
  pen.line(1000, 1000, 0, 1000);
  pen.to(0, 580);
  pen.line(-80, 580, 80, 580);
  pen.line(-200, 500, 200, 500);
  canvas.drawLine(pen.x0, pen.y + 500, pen.x0, pen.y);  // up to the top wire without a colour
}

void koryudengen(Canvas& canvas, const ExerciseState& state) {
  at(canvas, state, state.cursorX).line(1000, 1000, 0, 1000);
  // The symbol keeps its own column whatever cursorX holds.
  Pen symbol = at(canvas, state, 1000);
  symbol.line(0, 1000, 0, 675);
  canvas.drawArc(symbol.x0, symbol.y + 550, 140, kElementColour);
  symbol.arc(-40, 550, 40, 340, 230, 1.0);
  symbol.arc(50, 550, 40, 230, 0, 1.0);
  symbol.line(0, 415, 0, 0);
}

void gosei(Canvas& canvas, const ExerciseState& state) {
  Pen pen = at(canvas, state, state.branch3X);
  topWire(pen);
  pen.line(0, 0, 0, 220);
  pen.line(0, 800, 0, 1000);
  bottomWire(pen);
}

// ---- Fragments ----

void drawElement(Canvas& canvas, ExerciseState& state, int position, int kind) {
  using Procedure = void (*)(Canvas&, const ExerciseState&);
  static constexpr Procedure kProcedures[3][3] = {
      {teiko, kondensa, koiru},
      {tateteiko0, tatekondensa0, migitatekoiru0},
      {tateteiko, tatekondensa, migitatekoiru},
  };
  if (position < 1 || position > 3 || kind < 1 || kind > 3) return;
  state.cursorX = 1000 * position;
  kProcedures[position - 1][kind - 1](canvas, state);
}

void drawBranchAlone(Canvas& canvas, ExerciseState& state, int position, int kind) {
  using Procedure = void (*)(Canvas&, const ExerciseState&);
  static constexpr Procedure kBranch2[3] = {tateteiko00, tatekondensa00, migitatekoiru00};
  if (position != 2) return drawElement(canvas, state, position, kind);
  if (kind < 1 || kind > 3) return;
  state.cursorX = 2000;
  kBranch2[kind - 1](canvas, state);
}

void drawSource(Canvas& canvas, ExerciseState& state, bool allResistors) {
  state.cursorX = 1000;
  allResistors ? dengen(canvas, state) : koryudengen(canvas, state);
}

void printElementValue(Canvas& canvas, ExerciseState& state, int position, int kind,
                       const QString& label, const QString& separator) {
  static constexpr QPoint kLabelAt[3] = {{2430, 650}, {3050, 1200}, {4050, 1200}};
  static constexpr QPoint kCoilLabelAt[3] = {{2430, 650}, {3280, 1200}, {4350, 1200}};
  if (position < 1 || position > 3) return;
  const QPoint at = (kind == 3 ? kCoilLabelAt : kLabelAt)[position - 1];
  switch (kind) {
    case 1:
      state.unitText = QStringLiteral("Ω");
      canvas.moveTo(at.x(), at.y());
      canvas.printItems({label, separator, state.resistance(position), state.unitText});
      break;
    case 2:
      canvas.moveTo(at.x(), at.y());
      canvas.printItems({label, separator, state.lcValue(position), "uF"});
      break;
    case 3:
      canvas.moveTo(at.x(), at.y());
      canvas.printItems({label, separator, state.lcValue(position), "mH"});
      break;
    default:
      break;
  }
}

void printSourceVoltage(Canvas& canvas, ExerciseState& state) {
  state.unitText = QStringLiteral("V");
  canvas.moveTo(1300, 1450);
  canvas.printItems({state.voltageE, state.unitText});
}

void currentArrow1(Canvas& canvas) {
  canvas.drawLine(1800, 800, 2100, 800);
  canvas.drawLineTo(2000, 850);
  canvas.drawLine(2100, 800, 2000, 750);
}

void branchCurrentArrows(Canvas& canvas) {
  // I2 beside the first branch, I3 the same 1000 further right.
  for (int k = 0; k < 2; ++k) {
    const int dx = 1000 * k;
    canvas.moveTo(3400 + dx, 1500);
    canvas.printItems({k == 0 ? "I2" : "I3"});
    canvas.drawLine(3300 + dx, 1500, 3300 + dx, 1800);
    canvas.drawLineTo(3250 + dx, 1700);
    canvas.drawLine(3300 + dx, 1800, 3350 + dx, 1700);
  }
}

void currentArrows(Canvas& canvas) {
  canvas.moveTo(2000, 500);
  canvas.printItems({"I1"});
  currentArrow1(canvas);
  branchCurrentArrows(canvas);
}

void totalCurrentReview(Canvas& canvas, const ExerciseState& state, const QColor& boxColour) {
  canvas.moveTo(3100, 500);
  canvas.printItems({"I"});
  canvas.drawLine(3000, 800, 3300, 800);
  canvas.drawLineTo(3200, 850);
  canvas.drawLine(3300, 800, 3200, 750);
  // The source voltage between the open ends of the two wires: an arrow up and an arrow down.
  canvas.drawLine(3000, 1300, 3000, 1000);
  canvas.drawLineTo(2950, 1100);
  canvas.drawLine(3000, 1000, 3050, 1100);
  canvas.drawLine(3000, 1700, 3000, 2000);
  canvas.drawLineTo(2950, 1900);
  canvas.drawLine(3000, 2000, 3050, 1900);
  canvas.moveTo(2800, 1400);
  canvas.printItems({"E=", state.voltageE, "V"});
  canvas.drawLine(3800, 1200, 4250, 1200, boxColour);
  canvas.drawLineTo(4250, 1800, boxColour);
  canvas.drawLineTo(3800, 1800, boxColour);
  canvas.drawLineTo(3800, 1200, boxColour);
}

void drawWholeCircuit(Canvas& canvas, ExerciseState& state, const QString& letter,
                      const QString& separator) {
  for (int k = 1; k <= 3; ++k) {
    state.elementIndex = k;
    drawElement(canvas, state, k, state.elementKind(k));
  }
  drawSource(canvas, state,
             state.elementKind(1) == 1 && state.elementKind(2) == 1 && state.elementKind(3) == 1);
  for (int k = 1; k <= 3; ++k) {
    state.elementIndex = k;
    state.unitText = QStringLiteral("Ω");
    printElementValue(canvas, state, k, state.elementKind(k), letter + QString::number(k),
                      separator);
  }
  printSourceVoltage(canvas, state);
}

}  // namespace kairo
