// The result, selection and end windows of the advanced course and what their buttons do.
#include "courses/advanced/advanced.h"
#include "ui/result_forms.h"

namespace kairo::advanced {
namespace {

using namespace screens;
using namespace route;

// Correct and selection windows below the drawing, incorrect ones at the top right of the
// desktop, as in the intermediate course.
constexpr ResultForm kResults[] = {
    nextForm(HardiSeikai, 2664, 5100),
    nextForm(HardiChokuSeikai, 2544, 5220),
    nextForm(HardPSeikai, 2664, 5100),
    nextForm(HardPSSeikai, 2544, 5220),
    nextForm(HardAAHeiSeikai, 2820, 5016),
    passForm(HardAASeikai, 2820, 4812, QT_TRANSLATE_NOOP("Kairo", "上級合格です！")),
    backForm(HardiFuseikai1, 5808, 432, 3192, Hardi),
    backForm(Hardi2Fuseikai1, 5808, 384, 3192, Hardi2),
    backForm(HardiChokuFuseikai1, 5760, 468, 3192, HardiChoku),
    backForm(HardPFuseikai1, 5808, 432, 3192, HardP),
    backForm(HardP2Fuseikai1, 5808, 384, 3192, HardP2),
    backForm(HardPSFuseikai1, 5760, 468, 3192, HardPS),
    backForm(HardAAFuseikai1, 5676, 516, 3192, HardAA),
    backForm(HardAA2Fuseikai1, 5760, 552, 3204, HardAA2),
    backForm(HardAA3Fuseikai1, 5640, 636, 3192, HardAA3),
    backForm(HardAAHeiFuseikai1, 5724, 468, 3192, HardAAHei),
    choiceForm(HardiFuseikai2, 2496, 5100, 5052, 3192),
    choiceForm(HardPFuseikai2, 2496, 5100, 5052, 3192),
    choiceForm(HardAAFuseikai2, 2700, 5016, 5004, 3204),
    choiceForm(HardAAFuseikai3, 2664, 4896, 4956, 3192),
};

// ---- Buttons. No window of an earlier question or of a passed review stays open. ----

// 問題１ passed ("NEXT" of Hardi正解): the impedance triangle, and on to the power.
constexpr RouteStep kToPower[] = {
    draw(drawImpedanceFigure), resetMisses, reset(HardP), open(HardP), hide(Hardi), hide(Hardi2),
    hide(HardiSeikai)};
// The polar form's review passed: its triangle, and the question again on Hardi2.
constexpr RouteStep kPolarAgain[] = {
    draw(drawImpedanceFigure), resetMisses,           reset(Hardi2), open(Hardi2),
    hide(HardiChoku),          hide(HardiChokuSeikai)};
// 問題２ passed: the power triangle, and on to the currents.
constexpr RouteStep kToCurrents[] = {draw(drawPowerFigure), resetMisses, reset(HardAA),
                                     open(HardAA),          hide(HardP), hide(HardP2),
                                     hide(HardPSeikai)};
constexpr RouteStep kPowerAgain[] = {draw(drawPowerFigure), resetMisses,  reset(HardP2),
                                     open(HardP2),          hide(HardPS), hide(HardPSSeikai)};
// A current review passed: the voltage phasors, and the currents again on HardAA2.
constexpr RouteStep kCurrentsAgain[] = {draw(drawVoltageFigure), resetMisses,   reset(HardAA2),
                                        open(HardAA2),           hide(HardAA3), hide(HardAAHei),
                                        hide(HardAAHeiSeikai)};
// 問題３ passed: the whole phasor diagram as the pass window opens.
constexpr RouteStep kPassed[] = {draw(drawPhasorFigure), hide(HardAA), hide(HardAA2)};
constexpr RouteStep kLeaveCourse[] = {toStart};

// The selection windows: the question again, or its review (which draws nothing new).
constexpr RouteStep kRetryPolar[] = {resetMisses, reset(Hardi2), open(Hardi2), hide(Hardi),
                                     hide(HardiFuseikai2)};
constexpr RouteStep kReviewPolar[] = {resetMisses, reset(HardiChoku), open(HardiChoku), hide(Hardi),
                                      hide(HardiFuseikai2)};
constexpr RouteStep kRetryPower[] = {resetMisses, reset(HardP2), open(HardP2), hide(HardP),
                                     hide(HardPFuseikai2)};
constexpr RouteStep kReviewPower[] = {resetMisses, reset(HardPS), open(HardPS), hide(HardP),
                                      hide(HardPFuseikai2)};
constexpr RouteStep kRetryCurrentsAfterSplit[] = {resetMisses, reset(HardAA2), open(HardAA2),
                                                  hide(HardAA), hide(HardAAFuseikai2)};
constexpr RouteStep kRetryCurrentsAfterTotal[] = {resetMisses, reset(HardAA2), open(HardAA2),
                                                  hide(HardAA), hide(HardAAFuseikai3)};
constexpr RouteStep kReviewDivider[] = {resetMisses, reset(HardAAHei), open(HardAAHei),
                                        hide(HardAA), hide(HardAAFuseikai2)};
constexpr RouteStep kReviewTotalCurrent[] = {resetMisses, reset(HardAA3), open(HardAA3),
                                             hide(HardAA), hide(HardAAFuseikai3)};

constexpr Route kRoutes[] = {
    {HardiSeikai, "Command1", kToPower},
    {HardiChokuSeikai, "Command1", kPolarAgain},
    {HardPSeikai, "Command1", kToCurrents},
    {HardPSSeikai, "Command1", kPowerAgain},
    {HardAAHeiSeikai, "Command1", kCurrentsAgain},
    {HardAASeikai, nullptr, kPassed},
    {HardAASeikai, "Command1", kLeaveCourse},
    {HardEND, "Command1", kLeaveCourse},
    {HardiFuseikai2, "Command1", kRetryPolar},
    {HardiFuseikai2, "Command2", kReviewPolar},
    {HardPFuseikai2, "Command1", kRetryPower},
    {HardPFuseikai2, "Command2", kReviewPower},
    {HardAAFuseikai2, "Command1", kRetryCurrentsAfterSplit},
    {HardAAFuseikai2, "Command2", kReviewDivider},
    {HardAAFuseikai3, "Command1", kRetryCurrentsAfterTotal},
    {HardAAFuseikai3, "Command2", kReviewTotalCurrent},
};

// HARD on the start screen: hiding the drawing screen before showing it leaves its canvas empty.
constexpr RouteStep kStart[] = {hide(SetForm), open(SetForm), reset(Hardi),
                                open(Hardi),   hide(StartF),  resetMisses};

// The end window: what to learn again, every formula of the course.
constexpr FontSpec kHeadline{Face::Gothic, 36, false};
constexpr FontSpec kMincho{Face::Mincho, 14, true};
constexpr ControlRow kEndControls[] = {
    {"Label1", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "不正解！"), 1800, 240, 2892, 852, nullptr,
     Tint::Default, kHeadline},
    {"Label2",
     Kind::Label,
     QT_TRANSLATE_NOOP("Kairo", "出直してきなさい！！"),
     1560,
     1200,
     3852,
     492,
     nullptr,
     Tint::Red,
     {Face::Gothic, 18, true}},
    {"Label3", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "上級の公式は次のとおりです。"), 360, 1860,
     6372, 420, nullptr, Tint::Default, kMincho},
    {"Label4", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "|Z|＝√（R²＋X²）　θ＝tan⁻¹（X／R）"), 360,
     2400, 6372, 420, nullptr, Tint::Default, kMincho},
    {"Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "P＝EI cos θ　Q＝EI sin θ　S＝EI"), 360,
     2880, 6372, 420, nullptr, Tint::Default, kMincho},
    {"Label6", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "力率＝P／S　I2＝I1・Z3／（Z2＋Z3）"), 360,
     3360, 6372, 420, nullptr, Tint::Default, kMincho},
    {"Label7", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "勉強し直して下さい。"), 360, 3900, 6372,
     420, nullptr, Tint::Default, kMincho},
    {"Command1", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "END"), 2880, 4680, 1215, 735},
};

}  // namespace

std::span<const Route> routes() {
  return kRoutes;
}

std::span<const RouteStep> startSteps() {
  return kStart;
}

QWidget* createResult(Session& app, ScreenId id) {
  if (id == HardEND)
    return buildForm(FormSpec{HardEND.utf8, QT_TRANSLATE_NOOP("Kairo", "終了画面"), 7140, 5640,
                              1512, 2760, Background::Default, kEndControls});
  for (const ResultForm& result : kResults)
    if (result.id == id) return buildResultForm(app, result);
  return nullptr;
}

}  // namespace kairo::advanced
