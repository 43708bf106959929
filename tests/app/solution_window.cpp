// "解き方" opens only on what the student has answered or been shown, per problem, and shows the
// stages earned so far.
#include <QAbstractButton>
#include <QTest>
#include <QTextBrowser>

#include "courses/beginner/course_expect.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test::easy;
using namespace kairo::screens;

namespace {

QString shown(EasyCourse& d) {
  return d.control<QTextBrowser>(Tokikata, "txtSolution")->toPlainText();
}

bool enabled(EasyCourse& d) {
  return d.control<QAbstractButton>(SetForm, "cmdSolution")->isEnabled();
}

}  // namespace

class SolutionWindow : public QObject {
  Q_OBJECT

 private slots:
  // Locked after "start"; the combined resistance earns its stage, the currents theirs, the window
  // following while open; a new problem locks both and hides the window.
  void stagesFollowTheAnswers() {
    Application app;
    EasyCourse d(app);
    d.begin({50, 30, 60, 50});
    QVERIFY(!enabled(d));
    d.resistance(EasyR1, "70");
    QVERIFY(enabled(d));
    d.click(SetForm, "cmdSolution");
    QVERIFY(d.visible(Tokikata));
    QVERIFY(shown(d).contains("R = 50 + 20"));
    QVERIFY(!shown(d).contains("I1"));

    d.click(EasyRSeikai, "Command1");
    d.currents(EasyA, ".71", ".48", ".24");
    QVERIFY(shown(d).contains("R = 50 + 20"));
    QVERIFY(shown(d).contains("I2 ≒ 0.48 A"));

    d.click(EasyR1, "cmdSuuti");
    QVERIFY(!enabled(d));
    QVERIFY(!d.visible(Tokikata));
  }

  // A follow-up's third miss shows the answer, and so its stage; Escape and "閉じる" hide the
  // window.
  void aRevealedAnswerUnlocks() {
    Application app;
    EasyCourse d(app);
    d.begin({50, 30, 60, 50});
    for (int miss = 0; miss < 3; ++miss) d.resistance(EasyR1, "1");
    d.click(EasyRFuseikai2, "Command1");
    for (int miss = 0; miss < 2; ++miss) d.resistance(EasyR2, "1");
    QVERIFY(!enabled(d));
    d.resistance(EasyR2, "1");
    QVERIFY(enabled(d));
    d.click(SetForm, "cmdSolution");
    QTest::keyClick(d.control<QTextBrowser>(Tokikata, "txtSolution"), Qt::Key_Escape);
    QVERIFY(!d.visible(Tokikata));
    d.click(SetForm, "cmdSolution");
    d.click(Tokikata, "cmdClose");
    QVERIFY(!d.visible(Tokikata));
  }
};

KAIRO_TEST_CASE(SolutionWindow)
#include "solution_window.moc"
