// The result, selection and end windows of the beginner course and what their buttons do.
#include "courses/beginner/beginner.h"
#include "ui/result_forms.h"

namespace kairo::beginner {
namespace {

using namespace screens;
using namespace route;

// The rows below read like the screens' tables: window (left, top, width, height), then the
// controls' rectangles.
constexpr auto correct = correctForm;
constexpr auto incorrect = incorrectForm;
constexpr auto selection = selectionForm;

constexpr ResultForm kResults[] = {
    correct(EasyRSeikai, {2904, 5100, 4680, 3192}, {600, 360, 3735, 1095}, {1560, 2160, 1215, 735},
            QT_TRANSLATE_NOOP("Kairo", "NEXT")),
    correct(EasyRHeiSeikai, {2784, 4728, 4680, 3192}, {600, 240, 3735, 1095},
            {1680, 2040, 1215, 735}, QT_TRANSLATE_NOOP("Kairo", "NEXT")),
    correct(EasyAHeiSeikai, {2412, 4524, 4680, 3192}, {600, 240, 3735, 1095},
            {1560, 2160, 1215, 735}, QT_TRANSLATE_NOOP("Kairo", "NEXT")),
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
     .face = QT_TRANSLATE_NOOP("Kairo", "END"),
     .pass = QT_TRANSLATE_NOOP("Kairo", "初級合格です！"),
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

// ---- Buttons ----

// EasyR正解 "NEXT": on to the branch currents, the arrows added to the circuit on screen.
constexpr RouteStep kResistanceToCurrents[] = {draw(drawArrows),  resetMisses,    open(EasyA),
                                               hide(EasyRSeikai), hide(EasyRHei), reset(EasyA)};
// EasyR不正解2 "もう一度やり直す": the same question on EasyR2.
constexpr RouteStep kRetryResistance[] = {resetMisses, open(EasyR2), hide(EasyRFuseikai2),
                                          hide(EasyR1), reset(EasyR1)};
// EasyR不正解2 "どこで間違ったか調べる": the parallel part alone on EasyR並.
constexpr RouteStep kReviewParallelPart[] = {
    resetMisses,  reset(EasyRHei), open(EasyRHei),          hide(EasyRFuseikai2),
    hide(EasyR1), clearCanvas,     draw(drawParallelReview)};
// EasyR並正解 "NEXT": the whole circuit again, and the whole resistance on EasyR2.
constexpr RouteStep kParallelToResistance[] = {resetMisses, open(EasyR2), hide(EasyRHeiSeikai),
                                               draw(drawWholeAgain), reset(EasyR1)};
// EasyA不正解2 / EasyA不正解3 "もう一度やり直す": the three currents again on EasyA2.
constexpr RouteStep kRetryCurrentsAfterSplit[] = {resetMisses, open(EasyA2), hide(EasyA),
                                                  hide(EasyAFuseikai2), reset(EasyA)};
constexpr RouteStep kRetryCurrentsAfterTotal[] = {resetMisses, open(EasyA2), hide(EasyA),
                                                  hide(EasyAFuseikai3), reset(EasyA)};
// EasyA不正解2 "どこで間違ったか調べる": I1 was right; how does it split into I2 and I3?
constexpr RouteStep kReviewCurrentSplit[] = {
    resetMisses, open(EasyAHei), hide(EasyAFuseikai2),        hide(EasyA),
    clearCanvas, reset(EasyA),   draw(drawCurrentSplitReview)};
// EasyA不正解3 "どこで間違ったか調べる": I1 was wrong; the source and the combined resistance.
constexpr RouteStep kReviewTotalCurrent[] = {
    resetMisses, open(EasyA3), hide(EasyAFuseikai3),        hide(EasyA),
    clearCanvas, reset(EasyA), draw(drawTotalCurrentReview)};
// EasyA並正解 "NEXT": the whole circuit with values and arrows, and the three currents on EasyA2.
constexpr RouteStep kReviewToCurrents[] = {draw(drawWholeAgain), resetMisses,          open(EasyA2),
                                           hide(EasyAHei),       hide(EasyAHeiSeikai), hide(EasyA3),
                                           draw(drawArrows)};
// EasyA正解 and EasyREND "END": the course is over, and no window of it stays behind.
constexpr RouteStep kLeaveCourse[] = {toStart};

constexpr Route kRoutes[] = {
    {EasyRSeikai, "Command1", kResistanceToCurrents},
    {EasyRHeiSeikai, "Command1", kParallelToResistance},
    {EasyAHeiSeikai, "Command1", kReviewToCurrents},
    {EasyASeikai, "Command1", kLeaveCourse},
    {EasyREND, "Command1", kLeaveCourse},
    {EasyRFuseikai2, "Command1", kRetryResistance},
    {EasyRFuseikai2, "Command2", kReviewParallelPart},
    {EasyAFuseikai2, "Command1", kRetryCurrentsAfterSplit},
    {EasyAFuseikai2, "Command2", kReviewCurrentSplit},
    {EasyAFuseikai3, "Command1", kRetryCurrentsAfterTotal},
    {EasyAFuseikai3, "Command2", kReviewTotalCurrent},
};

// EASY on the start screen: hiding the drawing screen before showing it leaves its canvas empty.
constexpr RouteStep kStart[] = {hide(SetForm), open(SetForm), open(EasyR1),  hide(StartF),
                                resetMisses,   reset(EasyA),  reset(EasyR1), reset(EasyA2)};

}  // namespace

std::span<const Route> routes() {
  return kRoutes;
}

std::span<const RouteStep> startSteps() {
  return kStart;
}

QWidget* createResult(Session& app, ScreenId id) {
  if (id == EasyREND)
    return buildEndForm(EasyREND, 1680, 2148, 7380, 5904,
                        QT_TRANSLATE_NOOP("Kairo", "二つの抵抗をR1,R2とすると、"),
                        QT_TRANSLATE_NOOP("Kairo", "　R=　R１・R2/（R1+R2）"));
  return buildResultForm(app, resultOf(id));
}

}  // namespace kairo::beginner
