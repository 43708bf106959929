// What the windows show belongs to the problem on the drawing: the worked solution locks with a
// new course or code, reviews draw the circuit the checks use, a passed review closes, a code typed
// with the input method replays what it says or says why not, and Enter never wastes a try.
#include <QTest>
#include <QTextBrowser>

#include "courses/intermediate/ac_support.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test;
using namespace kairo::screens;

namespace {

void replay(Driver& d, const QString& code) {
  d.type(StartF, "passtxt", code);
  d.click(StartF, "Command5");
}

// The combined impedance of a1235472 (50 Ω, 4 µF, 7 mH at 100 V) answered right.
void answerImpedance(Driver& d) {
  d.type(Normali, "txtrr", "50");
  d.type(Normali, "txtjj", "-38.89");
  d.click(Normali, "cmdkaitou");
}

QString panel(Driver& d) {
  QString code;
  for (const char* label : {"lblE", "lbls1", "lbls2", "lbls3", "lblz1", "lblz2", "lblz3", "lblxx"})
    code += d.text(SetForm, label);
  return code;
}

}  // namespace

class OnScreen : public QObject {
  Q_OBJECT

 private slots:
  // 解き方, earned on one problem, shows nothing of the next: whichever way the next one comes.
  void solutionLocksForTheNextProblem_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("code");
    QTest::newRow("EASY") << "Command3"
                          << "";
    QTest::newRow("NORMAL") << "Command2"
                            << "";
    QTest::newRow("full code") << "Command5"
                               << "51115361";
    QTest::newRow("short code") << "Command5"
                                << "a33";
  }
  void solutionLocksForTheNextProblem() {
    QFETCH(QString, button);
    QFETCH(QString, code);
    Application app;
    Driver d(app);
    app.start();
    replay(d, "a1235472");
    answerImpedance(d);
    d.click(SetForm, "cmdSolution");
    QVERIFY(d.visible(Tokikata));
    d.click(SetForm, "Command1");
    d.type(StartF, "passtxt", code);
    d.click(StartF, button.toLatin1().constData());
    QVERIFY(!d.control<QAbstractButton>(SetForm, "cmdSolution")->isEnabled());
    QVERIFY(!d.visible(Tokikata));
    QVERIFY(d.control<QTextBrowser>(Tokikata, "txtSolution")->toPlainText().isEmpty());
  }

  // A replay keeping element 2 of a beginner problem (kind digit 4) reviews that resistor, which
  // the check computes with, beside the coil of element 3.
  void reviewDrawsTheCheckedCircuit() {
    Application app;
    Driver d(app);
    app.start();
    d.click(StartF, "Command3");
    d.click(EasyR1, "cmdSuuti");
    const int kept = app.state().resistance2;
    d.click(SetForm, "Command1");
    replay(d, "51432511");
    for (int miss = 0; miss < 3; ++miss) d.click(Normali, "cmdkaitou");
    d.click(NormaliFuseikai2, "Command2");
    QCOMPARE(app.canvas().printedTexts(),
             (QStringList{QStringLiteral("z2: %1 Ω").arg(kept), QStringLiteral("Z3: 1 mH")}));
  }

  // The review of I1 passed, "NEXT" leaves the currents exercise alone with the drawing.
  void passedReviewCloses() {
    Application app;
    Driver d(app);
    app.start();
    replay(d, "a1235472");
    answerImpedance(d);
    d.click(NormaliSeikai, "Command1");
    for (int miss = 0; miss < 3; ++miss) d.click(NormalAA, "cmdkaitou");
    d.click(NormalAAFuseikai3, "Command2");
    d.type(NormalAA3, "txtArr1", "1.25");
    d.type(NormalAA3, "txtAjj1", "0.97");
    d.click(NormalAA3, "cmdkaitou");
    d.click(NormalAAHeiSeikai, "Command1");
    QCOMPARE(d.visibleScreens(), names({Normali, NormalAA2, SetForm}));
  }

  // Typed with the input method on: "あ" is the key "a". A code that describes no problem changes
  // nothing and says why under the box, until the box is edited.
  void codesTypedWithTheInputMethod_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("why");
    QTest::newRow("kana a") << "あ１２３５４７２"
                            << "";
    QTest::newRow("0 V") << "０１２３５４７２"
                         << "1文字目（電源電圧）は 1〜9 か a です。";
    QTest::newRow("other kana") << "あ１２３５い７２"
                                << "6文字目（素子2の値）は 1〜9 か a です。";
    QTest::newRow("kind letter") << "5x225532"
                                 << "2文字目（素子1の種類）は 1〜3 です。";
  }
  void codesTypedWithTheInputMethod() {
    QFETCH(QString, code);
    QFETCH(QString, why);
    Application app;
    Driver d(app);
    app.start();
    replay(d, "51115361");
    d.click(SetForm, "Command1");
    replay(d, code);
    QCOMPARE(d.text(StartF, "lblCodeError"), why);
    if (why.isEmpty()) {
      QCOMPARE(panel(d), "a1235472");
      QCOMPARE(app.state().voltageE, 100.0);
      QCOMPARE(d.visibleScreens(), names({Normali, SetForm}));
      return;
    }
    QCOMPARE(d.visibleScreens(), names({StartF}));
    QCOMPARE(panel(d), "51115361");
    QCOMPARE(d.text(StartF, "passtxt"), code);
    QTest::keyClick(d.control<QLineEdit>(StartF, "passtxt"), Qt::Key_Backspace);
    QCOMPARE(d.text(StartF, "lblCodeError"), "");
  }

  // Enter with a box of the question still empty moves on to it; it checks once all are filled.
  void enterChecksOnlyAFullAnswer() {
    Application app;
    Driver d(app);
    app.start();
    replay(d, "a1235472");
    d.type(Normali, "txtrr", "50");
    QTest::keyClick(d.control<QLineEdit>(Normali, "txtrr"), Qt::Key_Return);
    QCOMPARE(d.text(Normali, "Label6"), "0");
    QVERIFY(!d.visible(NormaliFuseikai1));
    QCOMPARE(d.form(Normali)->focusWidget(), d.control<QLineEdit>(Normali, "txtjj"));
    d.type(Normali, "txtjj", "-38.89");
    QTest::keyClick(d.control<QLineEdit>(Normali, "txtjj"), Qt::Key_Return);
    QVERIFY(d.visible(NormaliSeikai));
  }
};

KAIRO_TEST_CASE(OnScreen)
#include "on_screen.moc"
