// The start screen, the explanation and placeholder screens, and the window lifetime rules,
// driven through the windows.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/application.h"
#include "diagram/canvas.h"
#include "support/driver.h"
#include "support/test_main.h"
#include "ui/code_panel.h"

using kairo::Application;
using kairo::ScreenId;
namespace screens = kairo::screens;
using kairo::test::Driver;

class StartScreens : public QObject {
  Q_OBJECT

 private slots:
  void startShowsOnlyTheStartScreen() {
    Application app;
    Driver d(app);
    QVERIFY(!d.created(screens::StartF));
    app.start();
    QCOMPARE(d.visibleScreens(), QStringList{"StartF"});
    QWidget* start = d.form(screens::StartF);
    QCOMPARE(start->windowTitle(), QString("表紙"));
    QCOMPARE(start->size(), QSize(481, 429));  // 7212 × 6432 twips
    QCOMPARE(d.control<QWidget>(screens::StartF, "Command5")->geometry(), QRect(352, 272, 89, 25));
    QCOMPARE(d.text(screens::StartF, "Label1"), QString("問題コード入力："));
    // Only the start screen exists: every other window waits for its first use.
    for (ScreenId id : app.screens().all())
      if (id != screens::StartF) QVERIFY(!d.created(id));
    const auto& s = app.state();
    QCOMPARE(s.missCount, 0);
    QCOMPARE(s.resistance1 + s.resistance2 + s.resistance3 + s.lcValue1 + s.kind1, 0);
    QCOMPARE(s.voltageE, 0.0);
    QVERIFY(s.unitText.isEmpty());
  }

  void lifetimeRules() {
    Application app;
    Driver d(app);
    // Clearing a box of a never-shown window creates it hidden; showing it later shows the box
    // as cleared, and the window is the same instance.
    app.setText(screens::EasyA, "txtArr1", "12");
    QWidget* first = d.form(screens::EasyA);
    QVERIFY(d.created(screens::EasyA));
    QVERIFY(!d.visible(screens::EasyA));
    app.clear(screens::EasyA, {"txtArr1"});
    app.open(screens::EasyA);
    QVERIFY(d.visible(screens::EasyA));
    QCOMPARE(d.form(screens::EasyA), first);
    QCOMPARE(d.text(screens::EasyA, "txtArr1"), QString());
    // Hiding keeps contents.
    app.setText(screens::EasyA, "txtArr2", "0.5");
    app.hide(screens::EasyA);
    app.open(screens::EasyA);
    QCOMPARE(d.text(screens::EasyA, "txtArr2"), QString("0.5"));
    // Hiding a never-created window creates it, hidden.
    app.hide(screens::NormalEND);
    QVERIFY(d.created(screens::NormalEND));
    QVERIFY(!d.visible(screens::NormalEND));
    // Only the drawing screen runs code on creation.
    QCOMPARE(app.state().originX, 0);
    d.form(screens::SetForm);
    QCOMPARE(app.state().originX, 1000);
    QCOMPARE(app.state().branch3X, 3000);
  }

  void explanationOpensOnceBesideTheStartScreen() {
    Application app;
    Driver d(app);
    app.start();
    d.click(screens::StartF, "Command1");
    QWidget* explanation = d.form(screens::Setsumei);
    d.click(screens::StartF, "Command1");
    QCOMPARE(d.form(screens::Setsumei), explanation);
    QCOMPARE(d.visibleScreens(), (QStringList{"StartF", "説明"}));
    QCOMPARE(explanation->windowTitle(), QString("説明"));
    d.click(screens::Setsumei, "Command1");
    QCOMPARE(d.visibleScreens(), QStringList{"StartF"});
  }

  void easyResetsTheBeginnerFields() {
    Application app;
    Driver d(app);
    app.start();
    // Leftovers of an earlier pass on screens that were never shown.
    app.state().missCount = 5;
    app.setText(screens::EasyA2, "txtArr3", "9");
    app.setText(screens::EasyR1, "lblA", "正解！！");
    app.setText(screens::SetForm, "lblz2", "7");
    app.canvas().drawLine(0, 0, 100, 100);
    d.click(screens::StartF, "Command3");
    QCOMPARE(d.visibleScreens(), (QStringList{"EasyR1", "SetForm"}));
    QCOMPARE(app.state().missCount, 0);
    QCOMPARE(d.text(screens::EasyR1, "Label6"), QString("0"));
    QCOMPARE(d.text(screens::EasyA, "Label6"), QString("0"));
    QVERIFY(d.text(screens::EasyR1, "lblA").isEmpty());
    QVERIFY(d.text(screens::EasyA2, "txtArr3").isEmpty());
    for (const char* label : kairo::kCodePanelLabels)
      QVERIFY(d.text(screens::SetForm, label).isEmpty());
    QVERIFY(!d.visible(screens::EasyA));  // cleared, not shown
    QVERIFY(d.created(screens::EasyA2));
    // EASY hides the drawing screen before showing it: the canvas starts empty.
    QVERIFY(app.canvas().items().empty());
  }

  void normalResetsTheIntermediateFields() {
    Application app;
    Driver d(app);
    app.start();
    app.setText(screens::NormalAA, "txtAjj2", "1");
    app.setText(screens::Normali2, "Labeljj", "-3.5");
    app.setText(screens::Normali, "txtrr", "50");
    d.click(screens::StartF, "Command2");
    QCOMPARE(d.visibleScreens(), (QStringList{"Normali", "SetForm"}));
    QCOMPARE(d.text(screens::Normali, "Label6"), QString("0"));
    QCOMPARE(d.text(screens::NormalAA, "Label6"), QString("0"));
    QCOMPARE(d.text(screens::Normali2, "Label6"), QString("0"));
    QVERIFY(d.text(screens::Normali, "txtrr").isEmpty());
    QVERIFY(d.text(screens::NormalAA, "txtAjj2").isEmpty());
    QVERIFY(d.text(screens::Normali2, "Labeljj").isEmpty());
    QVERIFY(!d.visible(screens::NormalAA));
    QVERIFY(!d.visible(screens::Normali2));
  }

  void exitHidesEverythingAndEndsTheProgram() {
    Application app;
    Driver d(app);
    QSignalSpy quit(&app, &Application::quitRequested);
    app.start();
    d.click(screens::StartF, "Command1");
    app.open(screens::SetForm);
    app.open(screens::EasyRSeikai);
    d.click(screens::StartF, "Command6");
    QVERIFY(d.visibleScreens().isEmpty());
    QCOMPARE(quit.count(), 1);
    // Leaving creates no window that was never used.
    QVERIFY(!d.created(screens::NormalEND));
  }
};

KAIRO_TEST_CASE(StartScreens)
#include "start_screens.moc"
