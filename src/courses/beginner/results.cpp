// The result, selection and end windows of the beginner course, their buttons and the review
// drawings they put on the drawing screen.
#include "core/expected.h"
#include "courses/beginner/beginner.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "ui/check_step.h"
#include "ui/result_forms.h"
#include "ui/session.h"

namespace kairo::beginner {
namespace {

using enum ScreenId;

// The rows below read like the screens' tables: window (left, top, width, height), then the
// controls' rectangles.
constexpr auto correct = correctForm;
constexpr auto incorrect = incorrectForm;
constexpr auto selection = selectionForm;

constexpr ResultForm kResults[] = {
    correct(EasyRSeikai, {2904, 5100, 4680, 3192}, {600, 360, 3735, 1095}, {1560, 2160, 1215, 735},
            "NEXT"),
    correct(EasyRHeiSeikai, {2784, 4728, 4680, 3192}, {600, 240, 3735, 1095},
            {1680, 2040, 1215, 735}, "NEXT"),
    correct(EasyAHeiSeikai, {2412, 4524, 4680, 3192}, {600, 240, 3735, 1095},
            {1560, 2160, 1215, 735}, "NEXT"),
    // The course is passed: a smaller headline and the pass line above "END".
    {.id = EasyASeikai,
     .kind = ResultKind::Correct,
     .left = 2700,
     .top = 4692,
     .width = 4680,
     .height = 3192,
     .label1 = {480, 240, 2652, 732},
     .command1 = {1680, 2160, 1215, 735},
     .second = {120, 1200, 4092, 852},
     .face = "END",
     .pass = "初級合格です！",
     .passFont = {Face::Gothic, 28.2, false}},
    // All at the top right of the desktop, away from the exercises.
    incorrect(EasyRFuseikai1, {5808, 432, 4680, 3192}, {480, 360, 3855, 1215},
              {360, 1680, 4095, 375}, {1680, 2400, 1215, 735}, EasyR1),
    incorrect(EasyR2Fuseikai1, {5760, 384, 4680, 3204}, {480, 240, 3975, 855},
              {360, 1320, 4095, 375}, {1680, 2280, 1215, 735}, EasyR2),
    incorrect(EasyRHeiFuseikai1, {5760, 468, 4680, 3192}, {360, 240, 3855, 855},
              {240, 1440, 4095, 375}, {1680, 2280, 1215, 735}, EasyRHei),
    incorrect(EasyAFuseikai1, {5760, 516, 4680, 3192}, {360, 240, 3975, 855},
              {240, 1320, 4095, 375}, {1680, 2280, 1215, 735}, EasyA),
    incorrect(EasyA2Fuseikai1, {5808, 516, 4680, 3192}, {360, 120, 3975, 855},
              {240, 1200, 4095, 375}, {1560, 2160, 1215, 735}, EasyA2),
    incorrect(EasyA3Fuseikai1, {5724, 516, 4680, 3192}, {480, 240, 3975, 855},
              {360, 1320, 4095, 375}, {1680, 2160, 1215, 735}, EasyA3),
    incorrect(EasyAHeiFuseikai1, {5844, 468, 4692, 3576}, {360, 360, 3975, 855},
              {240, 1440, 4095, 375}, {1560, 2400, 1215, 735}, EasyAHei),
    // Retry on the left, review on the right.
    selection(EasyRFuseikai2, {2748, 4848, 4968, 3240}, {480, 240, 3855, 1215},
              {0, 2160, 2415, 855}, {2520, 2160, 2535, 855}),
    selection(EasyAFuseikai2, {2256, 3744, 5292, 4116}, {480, 600, 3855, 1215},
              {0, 2640, 2535, 855}, {2760, 2640, 2535, 855}),
    selection(EasyAFuseikai3, {2340, 4440, 5100, 3408}, {480, 360, 3855, 1215},
              {0, 2160, 2535, 855}, {2640, 2160, 2535, 855}),
};

const ResultForm& resultOf(ScreenId id) {
  for (const ResultForm& form : kResults)
    if (form.id == id) return form;
  Q_UNREACHABLE();
  return kResults[0];
}

// ---- Drawings on the drawing screen ----

// The whole circuit at the drawing cursor the generation left (no layout field is set here).
void fullCircuit(Canvas& canvas, const ExerciseState& state) {
  canvas.clearCanvas();
  teiko(canvas, state);
  tateteiko0(canvas, state);
  tateteiko(canvas, state);
  dengen(canvas, state);
}

// The two parallel resistors alone, with their wires.
void parallelPart(Canvas& canvas, const ExerciseState& state) {
  tateteiko(canvas, state);
  tateteiko00(canvas, state);
}

void branchLabels(Canvas& canvas, ExerciseState& state) {
  printElementValue(canvas, state, 2, 1, QStringLiteral("R2"), QStringLiteral("="));
  printElementValue(canvas, state, 3, 1, QStringLiteral("R3"), QStringLiteral("="));
}

// ---- Buttons ----

// EasyR正解 "NEXT": on to the branch currents, the arrows added to the circuit on screen.
void resistanceToCurrents(Session& app) {
  currentArrows(app.canvas());
  app.state().missCount = 0;  // before opening: the exercise shows the count it starts from
  app.open(EasyA);
  app.hide(EasyRSeikai);
  app.hide(EasyRHei);
  app.clear(EasyA, {"txtArr1", "txtArr2", "txtArr3"});
}

// EasyR不正解2 "もう一度やり直す": the same question on EasyR2.
void retryResistance(Session& app) {
  app.state().missCount = 0;
  app.open(EasyR2);
  app.hide(EasyRFuseikai2);
  app.hide(EasyR1);
  app.clear(EasyR1, {"txtZR"});
  app.setMissLabel(EasyR1, 0);
}

// EasyR不正解2 "どこで間違ったか調べる": the parallel part alone on EasyR並.
void reviewParallelPart(Session& app) {
  app.state().missCount = 0;
  resetExercise(app, EasyRHei);
  app.open(EasyRHei);
  app.hide(EasyRFuseikai2);
  app.hide(EasyR1);
  Canvas& canvas = app.canvas();
  canvas.clearCanvas();
  parallelPart(canvas, app.state());
  branchLabels(canvas, app.state());
}

// EasyR並正解 "NEXT": the whole circuit again, and the whole resistance on EasyR2.
void parallelToResistance(Session& app) {
  app.state().missCount = 0;
  app.open(EasyR2);
  app.hide(EasyRHeiSeikai);
  Canvas& canvas = app.canvas();
  fullCircuit(canvas, app.state());
  printValueLabels(canvas, app.state());
  app.clear(EasyR1, {"txtZR"});
  app.setMissLabel(EasyR1, 0);
}

// EasyA不正解2 / EasyA不正解3 "もう一度やり直す": the three currents again on EasyA2.
void retryCurrents(Session& app, ScreenId selection) {
  app.state().missCount = 0;
  app.open(EasyA2);
  app.hide(EasyA);
  app.hide(selection);
  resetExercise(app, EasyA);
}

// Leaving EasyA for a review exercise: opened over a cleared drawing, EasyA reset.
void leaveCurrentsFor(Session& app, ScreenId review, ScreenId selection) {
  app.state().missCount = 0;
  app.open(review);
  app.hide(selection);
  app.hide(EasyA);
  app.canvas().clearCanvas();
  resetExercise(app, EasyA);
}

// EasyA不正解2 "どこで間違ったか調べる": I1 was right; how does it split into I2 and I3?
void reviewCurrentSplit(Session& app) {
  leaveCurrentsFor(app, EasyAHei, EasyAFuseikai2);
  Canvas& canvas = app.canvas();
  ExerciseState& state = app.state();
  parallelPart(canvas, state);
  canvas.moveTo(2000, 500);
  canvas.printItems(
      {"I=", shownNumber(expectedOf(state, Expect::Current1).re, Pattern::Zero2), "A"});
  currentArrow1(canvas);
  branchCurrentArrows(canvas);
  branchLabels(canvas, state);
}

// EasyA不正解3 "どこで間違ったか調べる": I1 was wrong; the source and the combined resistance.
void reviewTotalCurrent(Session& app) {
  leaveCurrentsFor(app, EasyA3, EasyAFuseikai3);
  Canvas& canvas = app.canvas();
  ExerciseState& state = app.state();
  tateteiko(canvas, state);
  totalCurrentReview(canvas, state, kLightRed);
  state.unitText = QStringLiteral("Ω");
  canvas.moveTo(4300, 1400);
  canvas.printItems(
      {"R=", shownNumber(expectedOf(state, Expect::ZTotal).re, Pattern::Hash3), state.unitText});
}

// EasyA並正解 "NEXT": the whole circuit with values and arrows, and the three currents on EasyA2.
void reviewToCurrents(Session& app) {
  Canvas& canvas = app.canvas();
  fullCircuit(canvas, app.state());
  app.state().missCount = 0;
  app.open(EasyA2);
  app.hide({EasyAHei, EasyAHeiSeikai, EasyA3});
  printValueLabels(canvas, app.state());
  currentArrows(canvas);
}

// EasyA正解 and EasyREND "END": the course is over, and no window of it stays behind.
void leaveCourse(Session& app) {
  app.returnToStart();
}

}  // namespace

QWidget* createResult(Session& app, ScreenId id) {
  if (id == EasyREND) {
    QWidget* form = buildEndForm(EasyREND, 1680, 2148, 7380, 5904, "二つの抵抗をR1,R2とすると、",
                                 "　R=　R１・R2/（R1+R2）");
    onClick(form, "Command1", [&app] { leaveCourse(app); });
    return form;
  }
  QWidget* form = buildResultForm(app, resultOf(id));
  const auto wire = [&](const char* button, void (*handler)(Session&)) {
    onClick(form, button, [&app, handler] { handler(app); });
  };
  switch (id) {
    case EasyRSeikai:
      wire("Command1", resistanceToCurrents);
      break;
    case EasyRHeiSeikai:
      wire("Command1", parallelToResistance);
      break;
    case EasyAHeiSeikai:
      wire("Command1", reviewToCurrents);
      break;
    case EasyASeikai:
      wire("Command1", leaveCourse);
      break;
    case EasyRFuseikai2:
      wire("Command1", retryResistance);
      wire("Command2", reviewParallelPart);
      break;
    case EasyAFuseikai2:
      wire("Command1", [](Session& a) { retryCurrents(a, EasyAFuseikai2); });
      wire("Command2", reviewCurrentSplit);
      break;
    case EasyAFuseikai3:
      wire("Command1", [](Session& a) { retryCurrents(a, EasyAFuseikai3); });
      wire("Command2", reviewTotalCurrent);
      break;
    default:  // the incorrect-answer screens: "戻る" is the builder's
      break;
  }
  return form;
}

}  // namespace kairo::beginner
