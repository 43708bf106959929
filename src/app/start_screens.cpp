// The start screen, the explanation screen and the placeholder screen, with their buttons.
#include <QAbstractButton>
#include <QLineEdit>

#include "app/application.h"
#include "app/replay.h"
#include "ui/code_panel.h"
#include "ui/form.h"

namespace kairo {
namespace {

constexpr ControlRow kStartControls[] = {
    {"Image1", Kind::Picture, ":/title.svg", 960, 480, 5400, 660},
    {"Label2", Kind::Label, "まずはココを見て下さい。", 2280, 2760, 2775, 255},
    {"Picture1", Kind::Picture, ":/arrow.svg", 3360, 3000, 216, 456},
    {"Command1", Kind::PictureButton, "説明", 3000, 3600, 975, 615},
    {"Label1", Kind::Label, "問題コード入力：", 3960, 3120, 1335, 255},
    {"passtxt", Kind::TextBox, "", 5280, 3120, 1455, 270},
    {"Label7", Kind::Label,
     " 以前の問題を行う場合はコードを  入力して下さい。新しい問題を解く  "
     "場合は入力しなくていいです。",
     4440, 3480, 2655, 615},
    {"Command5", Kind::Button, "コード実行", 5280, 4080, 1335, 375},
    // Why the code in the box was refused; empty otherwise.
    {"lblCodeError", Kind::Label, "", 3960, 4500, 3135, 375, nullptr, Tint::Red},
    {"Command6", Kind::Button, "終了", 360, 3960, 852, 492},
    {"Command3", Kind::PictureButton, "EASY", 360, 4920, 1575, 1215},
    {"Command2", Kind::PictureButton, "NORMAL", 2760, 4920, 1575, 1215},
    {"Command4", Kind::PictureButton, "HARD", 5160, 4920, 1575, 1215},
};

constexpr ControlRow kExplanationControls[] = {
    {"Command1", Kind::Button, "戻る", 6360, 2880, 1095, 495},
};

constexpr ControlRow kHardControls[] = {
    {"Label1",
     Kind::Label,
     "工事中です",
     600,
     600,
     4812,
     972,
     nullptr,
     Tint::Default,
     {Face::Gothic, 36, true}},
    {"Command1", Kind::Button, "戻る", 2520, 2640, 972, 492},
};

constexpr FormSpec kStartF{"StartF", "表紙", 7212, 6432, -1, -1, Background::Metal, kStartControls};
constexpr FormSpec kSetsumei{
    "説明", "説明", 8148, 4224, -1, -1, Background::Explanation, kExplanationControls};
constexpr FormSpec kHard{"Hard", "工事中", 6108, 3912, -1, -1, Background::White, kHardControls};

// A new course shows nothing of the problem before: no code, no worked solution.
void clearCodePanel(Application& app) {
  showCircuitCode(app, {});
  app.lockSolution();
}

// NORMAL: the intermediate course starts on Normali with every answer field it names emptied.
void startIntermediate(Application& app) {
  app.open(ScreenId::SetForm);
  app.open(ScreenId::Normali);
  app.hide(ScreenId::StartF);
  app.state().missCount = 0;
  app.setMissLabel(ScreenId::Normali, 0);
  app.setMissLabel(ScreenId::NormalAA, 0);
  app.clear(ScreenId::Normali, {"lblA", "txtrr", "txtjj"});
  app.clear(ScreenId::Normali2, {"txtrr", "txtjj", "Labelrr", "Labeljj"});
  app.setMissLabel(ScreenId::Normali2, 0);
  app.clear(ScreenId::NormalAA, {"txtArr1", "txtArr2", "txtArr3", "txtAjj1", "txtAjj2", "txtAjj3"});
  clearCodePanel(app);
}

// EASY: hiding the drawing screen before showing it leaves its canvas empty.
void startBeginner(Application& app) {
  app.hide(ScreenId::SetForm);
  app.open(ScreenId::SetForm);
  app.open(ScreenId::EasyR1);
  app.hide(ScreenId::StartF);
  app.state().missCount = 0;
  app.clear(ScreenId::EasyA, {"txtArr1", "txtArr2", "txtArr3"});
  app.setMissLabel(ScreenId::EasyR1, 0);
  app.setMissLabel(ScreenId::EasyA, 0);
  app.clear(ScreenId::EasyR1, {"lblA", "txtZR"});
  app.clear(ScreenId::EasyA2, {"txtArr1", "txtArr2", "txtArr3"});
  clearCodePanel(app);
}

QWidget* createStartF(Application& app) {
  QWidget* form = buildForm(kStartF);
  onClick(form, "Command1", [&app] { app.open(ScreenId::Setsumei); });
  onClick(form, "Command2", [&app] { startIntermediate(app); });
  onClick(form, "Command3", [&app] { startBeginner(app); });
  onClick(form, "Command4", [&app] {
    app.open(ScreenId::Hard);
    app.hide(ScreenId::StartF);
  });
  onClick(form, "Command5", [&app] { replayCode(app); });
  onClick(form, "Command6", [&app] { app.quit(); });
  // Enter in the code box runs the code, as the button beside it does.
  auto* code = form->findChild<QLineEdit*>(QStringLiteral("passtxt"));
  auto* run = form->findChild<QAbstractButton*>(QStringLiteral("Command5"));
  QObject::connect(code, &QLineEdit::returnPressed, run, &QAbstractButton::click);
  // A refusal speaks of the code that was refused, not of the one being corrected.
  auto* why = findControl<QLabel>(form, QStringLiteral("lblCodeError"));
  QObject::connect(code, &QLineEdit::textChanged, why, [why] { why->clear(); });
  return form;
}

// The two "戻る" buttons: back to the start screen, hiding their own window.
QWidget* createReturning(Application& app, const FormSpec& layout, ScreenId self) {
  QWidget* form = buildForm(layout);
  onClick(form, "Command1", [&app, self] {
    app.open(ScreenId::StartF);
    app.hide(self);
  });
  return form;
}

}  // namespace

QWidget* createAppScreen(Application& app, ScreenId id) {
  switch (id) {
    case ScreenId::StartF:
      return createStartF(app);
    case ScreenId::Setsumei:
      return createReturning(app, kSetsumei, id);
    default:
      return createReturning(app, kHard, ScreenId::Hard);
  }
}

}  // namespace kairo
