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
using kairo::test::Driver;

class StartScreens : public QObject {
  Q_OBJECT

 private slots:
  void startShowsOnlyTheStartScreen() {
    Application app;
    Driver d(app);
    QVERIFY(!d.created(ScreenId::StartF));
    app.start();
    QCOMPARE(d.visibleScreens(), QStringList{"StartF"});
    QWidget* start = d.form(ScreenId::StartF);
    QCOMPARE(start->windowTitle(), QString("表紙"));
    QCOMPARE(start->size(), QSize(481, 429));  // 7212 × 6432 twips
    QCOMPARE(d.control<QWidget>(ScreenId::StartF, "Command5")->geometry(), QRect(352, 272, 89, 25));
    QCOMPARE(d.text(ScreenId::StartF, "Label1"), QString("問題コード入力："));
    // Only the start screen exists: every other window waits for its first use.
    for (int i = 0; i < kairo::kScreenCount; ++i)
      if (static_cast<ScreenId>(i) != ScreenId::StartF)
        QVERIFY(!d.created(static_cast<ScreenId>(i)));
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
    app.setText(ScreenId::EasyA, "txtArr1", "12");
    QWidget* first = d.form(ScreenId::EasyA);
    QVERIFY(d.created(ScreenId::EasyA));
    QVERIFY(!d.visible(ScreenId::EasyA));
    app.clear(ScreenId::EasyA, {"txtArr1"});
    app.open(ScreenId::EasyA);
    QVERIFY(d.visible(ScreenId::EasyA));
    QCOMPARE(d.form(ScreenId::EasyA), first);
    QCOMPARE(d.text(ScreenId::EasyA, "txtArr1"), QString());
    // Hiding keeps contents.
    app.setText(ScreenId::EasyA, "txtArr2", "0.5");
    app.hide(ScreenId::EasyA);
    app.open(ScreenId::EasyA);
    QCOMPARE(d.text(ScreenId::EasyA, "txtArr2"), QString("0.5"));
    // Hiding a never-created window creates it, hidden.
    app.hide(ScreenId::NormalEND);
    QVERIFY(d.created(ScreenId::NormalEND));
    QVERIFY(!d.visible(ScreenId::NormalEND));
    // Only the drawing screen runs code on creation.
    QCOMPARE(app.state().originX, 0);
    d.form(ScreenId::SetForm);
    QCOMPARE(app.state().originX, 1000);
    QCOMPARE(app.state().branch3X, 3000);
  }

  void explanationOpensOnceBesideTheStartScreen() {
    Application app;
    Driver d(app);
    app.start();
    d.click(ScreenId::StartF, "Command1");
    QWidget* explanation = d.form(ScreenId::Setsumei);
    d.click(ScreenId::StartF, "Command1");
    QCOMPARE(d.form(ScreenId::Setsumei), explanation);
    QCOMPARE(d.visibleScreens(), (QStringList{"StartF", "説明"}));
    QCOMPARE(explanation->windowTitle(), QString("説明"));
    d.click(ScreenId::Setsumei, "Command1");
    QCOMPARE(d.visibleScreens(), QStringList{"StartF"});
  }

  void hardAndBackKeepsTheCode() {
    Application app;
    Driver d(app);
    app.start();
    d.type(ScreenId::StartF, "passtxt", "3213a45");
    d.click(ScreenId::StartF, "Command4");
    QCOMPARE(d.visibleScreens(), QStringList{"Hard"});
    QCOMPARE(d.text(ScreenId::Hard, "Label1"), QString("工事中です"));
    QCOMPARE(d.form(ScreenId::Hard)->windowTitle(), QString("工事中"));
    d.click(ScreenId::Hard, "Command1");
    QCOMPARE(d.visibleScreens(), QStringList{"StartF"});
    QCOMPARE(d.text(ScreenId::StartF, "passtxt"), QString("3213a45"));
  }

  void easyResetsTheBeginnerFields() {
    Application app;
    Driver d(app);
    app.start();
    // Leftovers of an earlier pass on screens that were never shown.
    app.state().missCount = 5;
    app.setText(ScreenId::EasyA2, "txtArr3", "9");
    app.setText(ScreenId::EasyR1, "lblA", "正解！！");
    app.setText(ScreenId::SetForm, "lblz2", "7");
    app.canvas().drawLine(0, 0, 100, 100);
    d.click(ScreenId::StartF, "Command3");
    QCOMPARE(d.visibleScreens(), (QStringList{"EasyR1", "SetForm"}));
    QCOMPARE(app.state().missCount, 0);
    QCOMPARE(d.text(ScreenId::EasyR1, "Label6"), QString("0"));
    QCOMPARE(d.text(ScreenId::EasyA, "Label6"), QString("0"));
    QVERIFY(d.text(ScreenId::EasyR1, "lblA").isEmpty());
    QVERIFY(d.text(ScreenId::EasyA2, "txtArr3").isEmpty());
    for (const char* label : kairo::kCodePanelLabels)
      QVERIFY(d.text(ScreenId::SetForm, label).isEmpty());
    QVERIFY(!d.visible(ScreenId::EasyA));  // cleared, not shown
    QVERIFY(d.created(ScreenId::EasyA2));
    // EASY hides the drawing screen before showing it: the canvas starts empty.
    QVERIFY(app.canvas().items().empty());
  }

  void normalResetsTheIntermediateFields() {
    Application app;
    Driver d(app);
    app.start();
    app.setText(ScreenId::NormalAA, "txtAjj2", "1");
    app.setText(ScreenId::Normali2, "Labeljj", "-3.5");
    app.setText(ScreenId::Normali, "txtrr", "50");
    d.click(ScreenId::StartF, "Command2");
    QCOMPARE(d.visibleScreens(), (QStringList{"Normali", "SetForm"}));
    QCOMPARE(d.text(ScreenId::Normali, "Label6"), QString("0"));
    QCOMPARE(d.text(ScreenId::NormalAA, "Label6"), QString("0"));
    QCOMPARE(d.text(ScreenId::Normali2, "Label6"), QString("0"));
    QVERIFY(d.text(ScreenId::Normali, "txtrr").isEmpty());
    QVERIFY(d.text(ScreenId::NormalAA, "txtAjj2").isEmpty());
    QVERIFY(d.text(ScreenId::Normali2, "Labeljj").isEmpty());
    QVERIFY(!d.visible(ScreenId::NormalAA));
    QVERIFY(!d.visible(ScreenId::Normali2));
  }

  void exitHidesEverythingAndEndsTheProgram() {
    Application app;
    Driver d(app);
    QSignalSpy quit(&app, &Application::quitRequested);
    app.start();
    d.click(ScreenId::StartF, "Command1");
    app.open(ScreenId::SetForm);
    app.open(ScreenId::EasyRSeikai);
    d.click(ScreenId::StartF, "Command6");
    QVERIFY(d.visibleScreens().isEmpty());
    QCOMPARE(quit.count(), 1);
    // Every window of the system but the placeholder was reached (created hidden).
    for (int i = 0; i < kairo::kScreenCount; ++i)
      QCOMPARE(d.created(static_cast<ScreenId>(i)), static_cast<ScreenId>(i) != ScreenId::Hard);
  }

  void exitKeepsThePlaceholderAndTheProgram() {
    Application app;
    Driver d(app);
    QSignalSpy quit(&app, &Application::quitRequested);
    app.start();
    app.open(ScreenId::Hard);
    d.click(ScreenId::StartF, "Command6");
    QCOMPARE(d.visibleScreens(), QStringList{"Hard"});
    QCOMPARE(quit.count(), 0);
  }
};

KAIRO_TEST_CASE(StartScreens)
#include "start_screens.moc"
