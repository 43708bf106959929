// The advanced course through its windows: the worked values accepted, answers just outside the
// tolerances refused, every path of the flow with its figures, and the codes it replays.
#include <QTest>
#include <QTextBrowser>
#include <cmath>
#include <complex>
#include <numbers>

#include "courses/advanced/windows.h"
#include "diagram/canvas.h"
#include "support/driver.h"
#include "support/test_main.h"
#include "support/worked.h"

using namespace kairo;
using namespace kairo::test;
using namespace kairo::screens;

namespace {

const char* const kPolar[] = {"txtZ", "txtTheta"};
const char* const kPower[] = {"txtP", "txtQ", "txtS", "txtPF"};
const char* const kCurrents[] = {"txtI1", "txtTh1", "txtI2", "txtTh2", "txtI3", "txtTh3"};

QString twoDecimals(double x) {
  return QString::number(std::round(x * 100) / 100, 'f', 2);
}

class Hard {
 public:
  Hard() { app.start(); }
  void replay(const QString& code) {
    d.type(StartF, "passtxt", code);
    d.click(StartF, "Command5");
  }
  template <std::size_t N>
  void type(ScreenId id, const char* const (&boxes)[N], const QList<double>& values) {
    for (std::size_t i = 0; i < N; ++i) d.type(id, boxes[i], twoDecimals(values[qsizetype(i)]));
  }
  template <std::size_t N>
  void answer(ScreenId id, const char* const (&boxes)[N], const QList<double>& values) {
    type(id, boxes, values);
    d.click(id, "cmdkaitou");
  }
  void miss(ScreenId id, int times = 1) {
    for (int i = 0; i < times; ++i) d.click(id, "cmdkaitou");
  }
  QStringList drawn() { return app.canvas().printedTexts(); }
  QStringList visible() { return d.visibleScreens(); }

  Application app;
  Driver d{app};
};

QStringList names(std::initializer_list<ScreenId> ids) {
  QStringList out;
  for (ScreenId id : ids) out << id.name();
  out.sort();
  return out;
}

bool hasAll(const QStringList& drawn, const QStringList& texts) {
  for (const QString& text : texts)
    if (!drawn.contains(text)) return false;
  return true;
}

}  // namespace

class AdvancedCourse : public QObject {
  Q_OBJECT

 private slots:
  // HARD opens the course on a clean slate; "start" poses a problem with "3" as its class.
  void startsClean() {
    Hard h;
    h.d.click(StartF, "Command4");
    QCOMPARE(h.visible(), names({Hardi, SetForm}));
    QCOMPARE(h.d.text(Hardi, "Label6"), "0");
    QVERIFY(h.drawn().isEmpty());
    h.d.click(Hardi, "cmdSuuti");
    QCOMPARE(h.d.text(SetForm, "lblxx"), "3");
    QCOMPARE(h.drawn().size(), 4);  // three elements and the source voltage
  }

  // The document's worked values, typed to two decimals, pass all three questions; each "NEXT"
  // draws its figure beside a fresh circuit and the pass draws the phasor diagram.
  void workedValuesPass_data() {
    QTest::addColumn<QString>("code");
    QTest::newRow("a1235473") << "a1235473";
    QTest::newRow("a3124353") << "a3124353";
    QTest::newRow("51234a53") << "51234a53";
  }
  void workedValuesPass() {
    QFETCH(QString, code);
    const Worked w(code);
    Hard h;
    h.replay(code);
    QCOMPARE(h.visible(), names({Hardi, SetForm}));
    h.answer(Hardi, kPolar, w.polar());
    QCOMPARE(h.d.text(Hardi, "lblA"), "正解！！");
    // 解き方 opens on the stage answered, and only on it.
    h.d.click(SetForm, "cmdSolution");
    const QString solution = h.d.control<QTextBrowser>(Tokikata, "txtSolution")->toPlainText();
    QVERIFY(solution.contains("問題１") && !solution.contains("問題２"));
    h.d.click(Tokikata, "cmdClose");
    h.d.click(HardiSeikai, "Command1");
    QCOMPARE(h.visible(), names({HardP, SetForm}));
    QCOMPARE(h.drawn().size(), 8);  // the circuit's four texts and the triangle's four
    h.answer(HardP, kPower, w.power());
    h.d.click(HardPSeikai, "Command1");
    QCOMPARE(h.visible(), names({HardAA, SetForm}));
    h.answer(HardAA, kCurrents, w.currents());
    QCOMPARE(h.visible(), names({HardAASeikai, SetForm}));
    QCOMPARE(h.d.text(HardAASeikai, "Label2"), "上級合格です！");
    if (code == "a1235473")
      QVERIFY2(hasAll(h.drawn(),
                      {"E=100V∠0°", "I1=1.58A∠37.87°", "I2=2.46A∠37.87°", "I3=0.88A∠-142.13°"}),
               qPrintable(h.drawn().join(" | ")));
    QCOMPARE(h.drawn().size(), 8);
    h.d.click(HardAASeikai, "Command1");
    QCOMPARE(h.visible(), names({StartF}));
  }

  // Each kind of answer just inside its tolerance is accepted, just outside refused.
  void tolerances_data() {
    QTest::addColumn<int>("box");     // index into the power boxes, or 4 for θ
    QTest::addColumn<double>("off");  // how far from the exact value, in tolerances
    QTest::addColumn<bool>("right");
    for (int box = 0; box < 5; ++box)
      for (double off : {-1.1, -0.9, 0.9, 1.1})
        QTest::addRow("%d %+.1f", box, off) << box << off << (std::abs(off) < 1);
  }
  void tolerances() {
    QFETCH(int, box);
    QFETCH(double, off);
    QFETCH(bool, right);
    const Worked w("a1235473");
    Hard h;
    h.replay("a1235473");
    QList<double> polar = w.polar();
    if (box == 4) {
      polar[1] += off * 0.1;
      h.d.type(Hardi, "txtZ", QString::number(polar[0], 'f', 6));
      h.d.type(Hardi, "txtTheta", QString::number(polar[1], 'f', 6));
      h.d.click(Hardi, "cmdkaitou");
      QCOMPARE(h.d.visible(HardiSeikai), right);
      return;
    }
    h.answer(Hardi, kPolar, polar);
    h.d.click(HardiSeikai, "Command1");
    const QList<double> exact = w.power();
    const double tolerance = box == 3 ? 0.2 : std::max(0.01, 0.005 * std::abs(exact[box]));
    for (int i = 0; i < 4; ++i)
      h.d.type(HardP, kPower[i],
               QString::number(exact[i] + (i == box ? off * tolerance : 0.0), 'f', 6));
    h.d.click(HardP, "cmdkaitou");
    QCOMPARE(h.d.visible(HardPSeikai), right);
  }

  // The reviews: the rectangular form, then the triangle and the second chance; the power review
  // likewise; the divider review after a right I1, the I1 review after a wrong one.
  void reviewPaths() {
    const Worked w("a1235473");
    Hard h;
    h.replay("a1235473");
    h.miss(Hardi, 3);
    QCOMPARE(h.visible(), names({Hardi, HardiFuseikai2, SetForm}));
    h.d.click(HardiFuseikai2, "Command2");
    QCOMPARE(h.visible(), names({HardiChoku, SetForm}));
    QCOMPARE(h.drawn().size(), 4);  // a review draws nothing new
    h.d.type(HardiChoku, "txtrr", twoDecimals(w.z.real()));
    h.d.type(HardiChoku, "txtjj", twoDecimals(w.z.imag()));
    h.d.click(HardiChoku, "cmdkaitou");
    h.d.click(HardiChokuSeikai, "Command1");
    QCOMPARE(h.visible(), names({Hardi2, SetForm}));
    QVERIFY(hasAll(h.drawn(), {"R=50Ω", "X=-38.89Ω", "|Z|=63.34Ω", "θ=-37.87°"}));
    QCOMPARE(h.d.text(Hardi2, "Label6"), "0");
    h.answer(Hardi2, kPolar, w.polar());
    h.d.click(HardiSeikai, "Command1");

    h.miss(HardP, 3);
    h.d.click(HardPFuseikai2, "Command2");
    QCOMPARE(h.visible(), names({HardPS, SetForm}));
    h.d.type(HardPS, "txtI", twoDecimals(std::abs(w.i1)));
    h.d.type(HardPS, "txtS", twoDecimals(w.s()));
    h.d.click(HardPS, "cmdkaitou");
    h.d.click(HardPSSeikai, "Command1");
    QCOMPARE(h.visible(), names({HardP2, SetForm}));
    QVERIFY(hasAll(h.drawn(), {"P=124.62W", "Q=-96.92var", "S=157.87V·A"}));
    h.answer(HardP2, kPower, w.power());
    h.d.click(HardPSeikai, "Command1");

    // I1 right, the branches wrong: the voltage across the branches.
    QList<double> wrong = w.currents();
    wrong[2] += 1;
    for (int i = 0; i < 3; ++i) h.answer(HardAA, kCurrents, wrong);
    QCOMPARE(h.visible(), names({HardAA, HardAAFuseikai2, SetForm}));
    h.d.click(HardAAFuseikai2, "Command2");
    h.d.type(HardAAHei, "txtV", twoDecimals(std::abs(w.v23)));
    h.d.type(HardAAHei, "txtThV", twoDecimals(Worked::deg(w.v23)));
    h.d.click(HardAAHei, "cmdkaitou");
    h.d.click(HardAAHeiSeikai, "Command1");
    QCOMPARE(h.visible(), names({HardAA2, SetForm}));
    QVERIFY(hasAll(h.drawn(), {"E=100V∠0°", "V1=78.94V∠37.87°", "V23=61.39V∠-52.13°"}));
    h.answer(HardAA2, kCurrents, w.currents());
    QVERIFY(h.d.visible(HardAASeikai));

    // I1 wrong: I1 in rectangular form.
    h.d.click(HardAASeikai, "Command1");
    h.replay("a1235473");
    h.answer(Hardi, kPolar, w.polar());
    h.d.click(HardiSeikai, "Command1");
    h.answer(HardP, kPower, w.power());
    h.d.click(HardPSeikai, "Command1");
    h.miss(HardAA, 3);
    h.d.click(HardAAFuseikai3, "Command2");
    QCOMPARE(h.visible(), names({HardAA3, SetForm}));
    h.d.type(HardAA3, "txtArr1", twoDecimals(w.i1.real()));
    h.d.type(HardAA3, "txtAjj1", twoDecimals(w.i1.imag()));
    h.d.click(HardAA3, "cmdkaitou");
    QVERIFY(h.d.visible(HardAAHeiSeikai));
  }

  // A second chance missed three times shows every answer and the end window; a fourth miss leaves
  // the course.
  void secondChanceRunsOut() {
    Hard h;
    h.replay("a1235473");
    h.miss(Hardi, 3);
    h.d.click(HardiFuseikai2, "Command1");
    QCOMPARE(h.visible(), names({Hardi2, SetForm}));
    h.miss(Hardi2, 3);
    QCOMPARE(h.d.text(Hardi2, "LabelZ"), "63.34");
    QCOMPARE(h.d.text(Hardi2, "LabelTheta"), "-37.87");
    QVERIFY(h.d.visible(HardEND));
    h.miss(Hardi2);
    QCOMPARE(h.visible(), names({StartF}));
  }

  // Codes with "3" as their class replay only when strictly well formed; the line under the box
  // says why not, and nothing else changes.
  void strictCodes_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("why");
    QTest::newRow("full width") << "ａ１２３５４７３"
                                << "";
    QTest::newRow("no reactance") << "a1115563"
                                  << "上級の回路には、抵抗と、コンデンサかコイルが要ります。";
    QTest::newRow("no resistor") << "a3321113"
                                 << "上級の回路には、抵抗と、コンデンサかコイルが要ります。";
    QTest::newRow("resonance") << "512341a3"
                               << "この回路には答えがありません（共振など）。";
    QTest::newRow("kind a") << "51a34573"
                            << "3文字目（素子2の種類）は 1〜3 です。";
    QTest::newRow("value b") << "a12354b3"
                             << "7文字目（素子3の値）は 1〜9 か a です。";
    QTest::newRow("value 0") << "a1235403"
                             << "7文字目（素子3の値）は 1〜9 か a です。";
    QTest::newRow("nine") << "a12354733"
                          << "上級の回路コードは 8 文字です。";
  }
  void strictCodes() {
    QFETCH(QString, code);
    QFETCH(QString, why);
    Hard h;
    h.replay("51115361");
    h.d.click(SetForm, "Command1");
    h.replay(code);
    QCOMPARE(h.d.text(StartF, "lblCodeError"), why);
    QCOMPARE(h.visible(), why.isEmpty() ? names({Hardi, SetForm}) : names({StartF}));
    QCOMPARE(h.d.text(SetForm, "lblxx"), why.isEmpty() ? "3" : "1");
  }
};

KAIRO_TEST_CASE(AdvancedCourse)
#include "advanced_course.moc"
