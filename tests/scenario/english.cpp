// Each course passed with the English catalogue installed: the windows are built in English and
// the verdicts, the pass lines and the questions read as the student sees them.
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTranslator>
#include <complex>
#include <numbers>

#include "app/language.h"
#include "courses/advanced/windows.h"
#include "courses/beginner/course_expect.h"
#include "courses/intermediate/ac_support.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test;
using namespace kairo::screens;
using Cx = std::complex<double>;

namespace {

QString twoDecimals(double x) {
  return QString::number(std::round(x * 100) / 100, 'f', 2);
}

QString shown(Driver& d, ScreenId id, const char* label) {
  return d.control<QLabel>(id, label)->text();
}

}  // namespace

class English : public QObject {
  Q_OBJECT

  QTranslator* translator_ = nullptr;

 private slots:
  void initTestCase() { QVERIFY((translator_ = installTranslation(*languageOf(u"en")))); }
  void cleanupTestCase() {
    QCoreApplication::removeTranslator(translator_);
    delete translator_;
  }

  void beginner() {
    Application app;
    easy::EasyCourse d(app);
    const easy::Problem p = d.begin();
    QCOMPARE(d.form(EasyR1)->windowTitle(), "Problem 1");
    QVERIFY(shown(d, EasyR1, "Label9").startsWith(u"Find the combined resistance"));
    d.resistance(EasyR1, "1");
    QCOMPARE(shown(d, EasyRFuseikai1, "Label1"), "Incorrect!");
    d.click(EasyRFuseikai1, "Command1");
    d.resistance(EasyR1, easy::typed(p.total()));
    QCOMPARE(d.text(EasyR1, "lblA"), "Correct!!");
    QCOMPARE(shown(d, EasyRSeikai, "Label1"), "Correct!");
    d.click(EasyRSeikai, "Command1");
    d.currents(EasyA, easy::typed(p.current(1)), easy::typed(p.current(2)),
               easy::typed(p.current(3)));
    QCOMPARE(shown(d, EasyASeikai, "Label2"), "EASY passed");
  }

  void intermediate() {
    AcCourse c;
    QCOMPARE(c.d.form(Normali)->findChild<QGroupBox*>("Frame2")->title(), "Problem 1");
    c.typeImpedance(Normali);
    c.check(Normali);
    QCOMPARE(c.d.text(Normali, "lblA"), "Correct!!");
    c.d.click(NormaliSeikai, "Command1");
    QVERIFY(shown(c.d, NormalAA, "Label1111").contains(u"Take ω = 10^4 rad/s."));
    for (int k = 1; k <= 3; ++k) c.typeCurrent(NormalAA, k);
    c.check(NormalAA);
    QCOMPARE(shown(c.d, NormalAASeikai, "Label2"), "NORMAL passed");
  }

  // 100 V; 50 Ω, 4 µF and 7 mH, worked out with std::complex.
  void advanced() {
    Application app;
    Driver d(app);
    app.start();
    d.type(StartF, "passtxt", "a1235473");
    d.click(StartF, "Command5");
    const Cx z2(0, -25), z3(0, 70), z = Cx(50, 0) + z2 * z3 / (z2 + z3), i1 = 100.0 / z;
    const Cx i2 = i1 * z3 / (z2 + z3), i3 = i1 * z2 / (z2 + z3);
    const auto deg = [](Cx c) { return std::arg(c) * 180 / std::numbers::pi; };
    const auto answer = [&](ScreenId id, std::initializer_list<std::pair<const char*, double>> in) {
      for (const auto& [box, value] : in) d.type(id, box, twoDecimals(value));
      d.click(id, "cmdkaitou");
    };
    QVERIFY(shown(d, Hardi, "Label9").startsWith(u"The source voltage E is an rms value."));
    answer(Hardi, {{"txtZ", std::abs(z)}, {"txtTheta", deg(z)}});
    QCOMPARE(d.text(Hardi, "lblA"), "Correct!!");
    d.click(HardiSeikai, "Command1");
    const double p = std::norm(i1) * z.real(), s = 100 * std::abs(i1);
    QCOMPARE(shown(d, HardP, "CapPF"), "pf=");
    answer(HardP,
           {{"txtP", p}, {"txtQ", std::norm(i1) * z.imag()}, {"txtS", s}, {"txtPF", 100 * p / s}});
    d.click(HardPSeikai, "Command1");
    answer(HardAA, {{"txtI1", std::abs(i1)},
                    {"txtTh1", deg(i1)},
                    {"txtI2", std::abs(i2)},
                    {"txtTh2", deg(i2)},
                    {"txtI3", std::abs(i3)},
                    {"txtTh3", deg(i3)}});
    QCOMPARE(shown(d, HardAASeikai, "Label2"), "HARD passed");
  }
};

KAIRO_TEST_CASE(English)
#include "english.moc"
