// The result, selection and end windows of the intermediate course and what their buttons do.
#include "courses/intermediate/intermediate.h"
#include "ui/result_forms.h"

namespace kairo::intermediate {

namespace {

using namespace screens;
using namespace route;

// The text places these windows; inside, they share the shapes of the alternating-current
// courses.
constexpr ResultForm kResults[] = {
    nextForm(NormaliSeikai, 2664, 5100),
    nextForm(NormaliHeiSeikai, 2544, 5220),
    nextForm(NormalAAHeiSeikai, 2820, 5016),
    passForm(NormalAASeikai, 2820, 4812, QT_TRANSLATE_NOOP("Kairo", "中級合格です！")),
    backForm(NormaliFuseikai1, 5808, 432, 3192, Normali),
    backForm(Normali2Fuseikai1, 5808, 384, 3192, Normali2),
    backForm(NormaliHeiFuseikai1, 5760, 468, 3192, NormaliHei),
    backForm(NormalAAFuseikai1, 5676, 516, 3192, NormalAA),
    backForm(NormalAA2Fuseikai1, 5760, 552, 3204, NormalAA2),
    backForm(NormalAA3Fuseikai1, 5640, 636, 3192, NormalAA3),
    backForm(NormalAAHeiFuseikai1, 5724, 468, 3192, NormalAAHei),
    choiceForm(NormaliFuseikai2, 2496, 5100, 5052, 3192),
    choiceForm(NormalAAFuseikai2, 2700, 5016, 5004, 3204),
    choiceForm(NormalAAFuseikai3, 2664, 4896, 4956, 3192),
};

// ---- Buttons ----

// Normali正解 "NEXT": on to the currents, the arrows added to the circuit on screen.
constexpr RouteStep kImpedanceToCurrents[] = {draw(drawArrows), resetMisses, open(NormalAA),
                                              hide(NormaliSeikai)};
// Normali不正解2 "もう一度やり直す": the same question on Normali2.
constexpr RouteStep kRetryImpedance[] = {resetMisses, open(Normali2), hide(NormaliFuseikai2),
                                         hide(Normali)};
// Normali不正解2 "どこで間違ったか調べる": the parallel part alone on Normali並.
constexpr RouteStep kReviewParallelPart[] = {
    resetMisses,   reset(NormaliHei), open(NormaliHei),        hide(NormaliFuseikai2),
    hide(Normali), clearCanvas,       draw(drawParallelReview)};
// Normali並正解 "NEXT": the whole circuit again, and the whole impedance on Normali2.
constexpr RouteStep kParallelToImpedance[] = {resetMisses, draw(drawImpedanceAgain), open(Normali2),
                                              hide(NormaliHei), hide(NormaliHeiSeikai)};
// NormalAA不正解2 / NormalAA不正解3 "もう一度やり直す": NormalAA's answers and count start afresh
// before the currents are asked again on NormalAA2.
constexpr RouteStep kRetryCurrentsAfterSplit[] = {reset(NormalAA), resetMisses, open(NormalAA2),
                                                  hide(NormalAA), hide(NormalAAFuseikai2)};
constexpr RouteStep kRetryCurrentsAfterTotal[] = {reset(NormalAA), resetMisses, open(NormalAA2),
                                                  hide(NormalAA), hide(NormalAAFuseikai3)};
// NormalAA不正解2 "どこで間違ったか調べる": I1 was right; how does it split into I2 and I3?
constexpr RouteStep kReviewCurrentSplit[] = {
    reset(NormalAA),         resetMisses,    open(NormalAAHei), hide(NormalAAFuseikai3),
    hide(NormalAAFuseikai2), hide(NormalAA), clearCanvas,       draw(drawBranchCurrentReview)};
// NormalAA不正解3 "どこで間違ったか調べる": I1 was wrong; the source and the combined impedance.
constexpr RouteStep kReviewTotalCurrent[] = {reset(NormalAA),
                                             resetMisses,
                                             open(NormalAA3),
                                             hide(NormalAAFuseikai3),
                                             hide(NormalAA),
                                             clearCanvas,
                                             draw(drawTotalCurrentReview)};
// NormalAA並正解 "NEXT": the whole circuit with values and arrows, and the currents on NormalAA2;
// neither review stays open.
constexpr RouteStep kReviewToCurrents[] = {
    clearCanvas,       resetMisses,     open(NormalAA2),         draw(drawCurrentsAgain),
    hide(NormalAAHei), hide(NormalAA3), hide(NormalAAHeiSeikai), hide(NormalAA)};
// NormalAA正解 and NormalEND "END": the course is over, and no window of it stays behind.
constexpr RouteStep kLeaveCourse[] = {toStart};

constexpr Route kRoutes[] = {
    {NormaliSeikai, "Command1", kImpedanceToCurrents},
    {NormaliHeiSeikai, "Command1", kParallelToImpedance},
    {NormalAAHeiSeikai, "Command1", kReviewToCurrents},
    {NormalAASeikai, "Command1", kLeaveCourse},
    {NormalEND, "Command1", kLeaveCourse},
    {NormaliFuseikai2, "Command1", kRetryImpedance},
    {NormaliFuseikai2, "Command2", kReviewParallelPart},
    {NormalAAFuseikai2, "Command1", kRetryCurrentsAfterSplit},
    {NormalAAFuseikai2, "Command2", kReviewCurrentSplit},
    {NormalAAFuseikai3, "Command1", kRetryCurrentsAfterTotal},
    {NormalAAFuseikai3, "Command2", kReviewTotalCurrent},
};

// NORMAL on the start screen: the course starts on Normali with its answers emptied.
constexpr RouteStep kStart[] = {open(SetForm),  open(Normali),   hide(StartF),   resetMisses,
                                reset(Normali), reset(NormalAA), reset(Normali2)};

}  // namespace

std::span<const Route> routes() {
  return kRoutes;
}

std::span<const RouteStep> startSteps() {
  return kStart;
}

QWidget* createResult(Session& app, ScreenId id) {
  if (id == NormalEND)
    return buildEndForm(NormalEND, 1512, 2760, 7140, 5952,
                        QT_TRANSLATE_NOOP("Kairo", "二つのインピーダンスをZ1,Z2とすると、"),
                        QT_TRANSLATE_NOOP("Kairo", "　Z=　Z１・Z2/（Z1+Z2）"));
  for (const ResultForm& result : kResults)
    if (result.id == id) return buildResultForm(app, result);
  return nullptr;
}

}  // namespace kairo::intermediate
