#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "app/application.h"
#include "courses/beginner/windows.h"
#include "courses/intermediate/windows.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "support/test_main.h"

using namespace kairo;

namespace {

const char* const kPanel[] = {"lblE",  "lbls1", "lbls2", "lbls3",
                              "lblz1", "lblz2", "lblz3", "lblxx"};

QWidget* setForm(Application& app) {
  return app.screens().form(screens::SetForm);
}

void drawBeginnerCircuit(Application& app) {
  Canvas& canvas = app.canvas();
  teiko(canvas, app.state());
  tateteiko0(canvas, app.state());
  tateteiko(canvas, app.state());
  dengen(canvas, app.state());
  canvas.moveTo(2430, 650);
  canvas.printItems({"R1", "=", 50, "Ω"});
  canvas.moveTo(1300, 1450);
  canvas.printItems({50.0, "V"});
}

}  // namespace

class SetFormTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutAndLoadTimeCursor() {
    Application app;
    app.state().elementIndex = 2;
    QWidget* window = setForm(app);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->objectName(), QString("SetForm"));
    QCOMPARE(window->windowTitle(), QString("描画画面"));

    // Form_Load sets the drawing cursor and nothing else.
    const ExerciseState& state = app.state();
    QCOMPARE(state.branch2X, 2000);
    QCOMPARE(state.originY, 1000);
    QCOMPARE(state.originX, 1000);
    QCOMPARE(state.cursorX, 1000);
    QCOMPARE(state.branch3X, 3000);
    QCOMPARE(state.elementIndex, 2);
    QCOMPARE(state.missCount, 0);

    // The canvas fills the 11028 × 8820 client area under the button and the panel.
    auto* canvas = window->findChild<Canvas*>("canvas");
    QVERIFY(canvas);
    QCOMPARE(&app.canvas(), canvas);
    QCOMPARE(canvas->geometry(), QRect(0, 0, 735, 588));
    QCOMPARE(window->children().indexOf(canvas), 0);  // lowest in the stacking order
    QVERIFY(canvas->items().empty());

    auto* back = window->findChild<QAbstractButton*>("Command1");
    QVERIFY(back);
    QCOMPARE(back->geometry(), QRect(8, 520, 81, 49));
    auto* frame = window->findChild<QGroupBox*>("Frame1");
    QVERIFY(frame);
    QCOMPARE(frame->title(), QString("回路コード"));
    QCOMPARE(frame->geometry(), QRect(104, 528, 129, 41));
    const int lefts[] = {16, 25, 34, 43, 53, 62, 71, 80};  // twips ÷ 15, rounded
    for (int i = 0; i < 8; ++i) {
      auto* label = frame->findChild<QLabel*>(kPanel[i]);
      QVERIFY2(label, kPanel[i]);
      QVERIFY(label->text().isEmpty());
      QCOMPARE(label->geometry(), QRect(lefts[i], 16, 9, 17));
    }

    // Loaded once: later uses keep whatever the screens set.
    app.state().cursorX = 3000;
    app.open(screens::SetForm);
    app.hide(screens::SetForm);
    QCOMPARE(app.state().cursorX, 3000);
  }

  void hidingEmptiesTheCanvasButNotThePanel() {
    Application app;
    app.open(screens::SetForm);
    QWidget* window = setForm(app);
    app.setText(screens::SetForm, "lblE", "5");
    app.setText(screens::SetForm, "lblxx", "1");
    drawBeginnerCircuit(app);
    Canvas& canvas = app.canvas();
    QVERIFY(!canvas.items().empty());
    QCOMPARE(window->accessibleDescription(), QString("R1= 50 Ω\n 50 V"));

    app.hide(screens::SetForm);
    QVERIFY(canvas.items().empty());
    QCOMPARE(canvas.currentPoint(), QPointF(0, 0));
    QVERIFY(window->accessibleDescription().isEmpty());
    QCOMPARE(app.text(screens::SetForm, "lblE"), QString("5"));
    QCOMPARE(app.text(screens::SetForm, "lblxx"), QString("1"));

    // Shown again, it is white until something draws on it.
    app.open(screens::SetForm);
    QVERIFY(canvas.items().empty());
    const QImage picture = canvas.grab().toImage();
    QCOMPARE(picture.pixelColor(150, 100), QColor(Qt::white));
  }

  void backReturnsToTheStartScreen() {
    Application app;
    const ScreenId open[] = {screens::SetForm,  screens::EasyR1,    screens::EasyRHeiFuseikai1,
                             screens::Setsumei, screens::NormalAA3, screens::NormalAAFuseikai2};
    for (ScreenId id : open) app.open(id);
    app.setText(screens::SetForm, "lblz1", "3");
    drawBeginnerCircuit(app);
    app.state().missCount = 2;
    app.state().cursorX = 3000;
    app.state().unitText = "V";

    app.screens().control<QAbstractButton>(screens::SetForm, "Command1")->click();

    QVERIFY(app.screens().isVisible(screens::StartF));
    QCOMPARE(app.screens().visibleCount(), 1);
    QVERIFY(app.canvas().items().empty());
    QCOMPARE(app.text(screens::SetForm, "lblz1"), QString("3"));
    QCOMPARE(app.state().missCount, 2);
    QCOMPARE(app.state().cursorX, 3000);
    QCOMPARE(app.state().unitText, QString("V"));
    QCOMPARE(app.state().originX, 1000);
  }
};

#include "setform_test.moc"
KAIRO_TEST_CASE(SetFormTest)
