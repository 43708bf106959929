// The start screen and the explanation screen, with their buttons.
#include <QAbstractButton>
#include <QLineEdit>

#include "app/application.h"
#include "app/replay.h"
#include "ui/form.h"

namespace kairo {
namespace {

constexpr ControlRow kStartControls[] = {
    {"Image1", Kind::Title, QT_TRANSLATE_NOOP("Kairo", "回路計算ドリル"), 960, 480, 5400, 660},
    {"Label2", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "まずはココを見て下さい。"), 2280, 2760,
     2775, 255},
    {"Picture1", Kind::Picture, ":/arrow.svg", 3360, 3000, 216, 456},
    {"Command1", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "説明"), 3000, 3600, 975, 615},
    {"Label1", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "問題コード入力："), 3960, 3120, 1335, 255},
    {"passtxt", Kind::TextBox, "", 5280, 3120, 1455, 270},
    {"Label7", Kind::Label,
     QT_TRANSLATE_NOOP("Kairo",
                       " 以前の問題を行う場合はコードを  入力して下さい。新しい問題を解く  "
                       "場合は入力しなくていいです。"),
     4440, 3480, 2655, 615},
    {"Command5", Kind::Button, QT_TRANSLATE_NOOP("Kairo", "コード実行"), 5280, 4080, 1335, 375},
    // Why the code in the box was refused; empty otherwise. Tall enough for two lines: it is
    // filled after the window is built, when the builder no longer sizes it.
    {"lblCodeError", Kind::Label, "", 3960, 4500, 3135, 420, nullptr, Tint::Red},
    {"Command6", Kind::Button, QT_TRANSLATE_NOOP("Kairo", "終了"), 360, 3960, 852, 492},
    // The learning record, in the free corner above 終了.
    {"cmdRecord", Kind::Button, QT_TRANSLATE_NOOP("Kairo", "記録"), 360, 3360, 852, 492},
    {"Command3", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "EASY"), 360, 4920, 1575, 1215},
    {"Command2", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "NORMAL"), 2760, 4920, 1575, 1215},
    {"Command4", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "HARD"), 5160, 4920, 1575, 1215},
};

constexpr ControlRow kExplanationControls[] = {
    {"Command1", Kind::Button, QT_TRANSLATE_NOOP("Kairo", "戻る"), 6360, 2880, 1095, 495},
};

constexpr FormSpec kStartF{
    "StartF",      QT_TRANSLATE_NOOP("Kairo", "表紙"), 7212, 6432, -1, -1, Background::Metal,
    kStartControls};
constexpr FormSpec kSetsumei{"説明",
                             QT_TRANSLATE_NOOP("Kairo", "説明"),
                             8148,
                             4224,
                             -1,
                             -1,
                             Background::Explanation,
                             kExplanationControls};

QWidget* createStartF(Application& app) {
  QWidget* form = buildForm(kStartF);
  onClick(form, "Command1", [&app] { app.open(screens::Setsumei); });
  for (const CourseDefinition* course : app.courses())
    onClick(form, course->startButton, [&app, course] { app.startCourse(*course); });
  onClick(form, "Command5", [&app] { replayCode(app); });
  onClick(form, "Command6", [&app] { app.quit(); });
  onClick(form, "cmdRecord", [&app] { app.open(screens::Kiroku); });
  // Enter in the code box runs the code, as the button beside it does.
  auto* code = form->findChild<QLineEdit*>(QStringLiteral("passtxt"));
  auto* run = form->findChild<QAbstractButton*>(QStringLiteral("Command5"));
  QObject::connect(code, &QLineEdit::returnPressed, run, &QAbstractButton::click);
  // A refusal speaks of the code that was refused, not of the one being corrected.
  auto* why = findControl<QLabel>(form, QStringLiteral("lblCodeError"));
  QObject::connect(code, &QLineEdit::textChanged, why, [why] { why->clear(); });
  return form;
}

// The explanation's "戻る": back to the start screen, hiding its own window.
QWidget* createReturning(Application& app, const FormSpec& layout, ScreenId self) {
  QWidget* form = buildForm(layout);
  onClick(form, "Command1", [&app, self] {
    app.open(screens::StartF);
    app.hide(self);
  });
  return form;
}

}  // namespace

QWidget* createAppScreen(Application& app, ScreenId id) {
  if (id == screens::StartF) return createStartF(app);
  return createReturning(app, kSetsumei, id);
}

}  // namespace kairo
