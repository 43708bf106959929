// A problem replayed from its code is solved through the windows to the pass screen of its course.
#include <QTest>
#include <complex>

#include "app/application.h"
#include "support/driver.h"
#include "support/test_main.h"

using kairo::Application;
using kairo::ScreenId;
namespace screens = kairo::screens;
using kairo::test::Driver;
using Cx = std::complex<double>;

namespace {

// An answer as a student types it: two decimals.
QString typed(double x) {
  return QString::number(x, 'f', 2);
}

void replay(Driver& d, const QString& code) {
  d.type(screens::StartF, "passtxt", code);
  d.click(screens::StartF, "Command5");
}

struct Circuit {
  double e;
  Cx z1, z2, z3;
  Cx total() const { return z1 + z2 * z3 / (z2 + z3); }
  Cx i1() const { return e / total(); }
  // Each branch takes the other branch's share of the total current.
  Cx i2() const { return i1() * z3 / (z2 + z3); }
  Cx i3() const { return i1() * z2 / (z2 + z3); }
};

// The answers of a beginner screen (one part each) or an intermediate one (real, imaginary).
struct Worked {
  QStringList impedance;
  QStringList currents;  // I1, I2, I3 (beginner) or I1 re, im, I2 re, im, I3 re, im
  bool right;
};

}  // namespace

Q_DECLARE_METATYPE(Worked)

class ReplayCourses : public QObject {
  Q_OBJECT

 private slots:
  // Worked values of the physics, typed as a student types them (full-width forms included)
  // into the windows of a replayed problem: the combined value, then the currents, which the old
  // rule with the branches exchanged no longer passes.
  void workedAnswers_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<Worked>("worked");
    const QStringList seventy{"70"};
    QTest::newRow("50 30 60 Ω, 50 V") << "51115361" << Worked{seventy, {".71", ".48", ".24"}, true};
    QTest::newRow("branches exchanged")
        << "51115361" << Worked{seventy, {".71", ".24", ".48"}, false};
    QTest::newRow("full-width") << "５１１１５３６１"
                                << Worked{{"７０．０"}, {"０．７１", "．４８", "0.24"}, true};
    QTest::newRow("20 40 10 Ω, 90 V")
        << "91112411" << Worked{{"28"}, {"3.21", "0.64", "2.57"}, true};
    QTest::newRow("100 100 10 Ω, 10 V")
        << "1111aa11" << Worked{{"109.09"}, {".09", ".01", ".08"}, true};
    QTest::newRow("10 20 30 Ω, 60 V")
        << "61111231" << Worked{{"22"}, {"2.73", "1.64", "1.09"}, true};
    const QStringList z{"50", "-38.89"};
    QTest::newRow("50 Ω, 4 µF, 7 mH, 100 V")
        << "a1235472" << Worked{z, {"1.25", "0.97", "1.94", "1.51", "-0.69", "-0.54"}, true};
    QTest::newRow("the same, branches exchanged")
        << "a1235472" << Worked{z, {"1.25", "0.97", "-0.69", "-0.54", "1.94", "1.51"}, false};
    QTest::newRow("10 uF, 20 Ω, 2 mH, 50 V: Z = 10")
        << "5213a222" << Worked{{"10", "0"}, {"5", "0", "2.5", "2.5", "2.5", "-2.5"}, true};
  }
  void workedAnswers() {
    QFETCH(QString, code);
    QFETCH(Worked, worked);
    Application app;
    Driver d(app);
    app.start();
    replay(d, code);
    const bool beginner = worked.impedance.size() == 1;
    const ScreenId first = beginner ? screens::EasyR1 : screens::Normali;
    const ScreenId currents = beginner ? screens::EasyA : screens::NormalAA;
    const QStringList impedanceBoxes =
        beginner ? QStringList{"txtZR"} : QStringList{"txtrr", "txtjj"};
    const QStringList currentBoxes =
        beginner ? QStringList{"txtArr1", "txtArr2", "txtArr3"}
                 : QStringList{"txtArr1", "txtAjj1", "txtArr2", "txtAjj2", "txtArr3", "txtAjj3"};
    for (int k = 0; k < impedanceBoxes.size(); ++k)
      d.type(first, qPrintable(impedanceBoxes[k]), worked.impedance[k]);
    d.click(first, beginner ? "cmdKaitou" : "cmdkaitou");
    const ScreenId impedanceRight = beginner ? screens::EasyRSeikai : screens::NormaliSeikai;
    QVERIFY(d.visible(impedanceRight));
    d.click(impedanceRight, "Command1");
    for (int k = 0; k < currentBoxes.size(); ++k)
      d.type(currents, qPrintable(currentBoxes[k]), worked.currents[k]);
    d.click(currents, "cmdkaitou");
    QCOMPARE(d.visible(beginner ? screens::EasyASeikai : screens::NormalAASeikai), worked.right);
    QCOMPARE(d.visible(beginner ? screens::EasyAFuseikai1 : screens::NormalAAFuseikai1),
             !worked.right);
  }

  void beginnerCode() {
    Application app;
    Driver d(app);
    app.start();
    // Two misses on a generated problem first: the replay starts a fresh question.
    d.click(screens::StartF, "Command3");
    d.click(screens::EasyR1, "cmdSuuti");
    for (int miss = 0; miss < 2; ++miss) {
      d.type(screens::EasyR1, "txtZR", "0");
      d.click(screens::EasyR1, "cmdKaitou");
      d.click(screens::EasyRFuseikai1, "Command1");
    }
    QCOMPARE(d.text(screens::EasyR1, "Label6"), QString("2"));
    d.click(screens::SetForm, "Command1");

    // 70 V; 30 Ω in series with two 40 Ω branches.
    const Circuit c{70, 30, 40, 40};
    replay(d, "71113441");
    QCOMPARE(d.visibleScreens(), QStringList({"EasyR1", "SetForm"}));
    QCOMPARE(d.text(screens::EasyR1, "Label6"), QString("0"));
    QCOMPARE(d.text(screens::EasyR1, "txtZR"), QString());

    d.type(screens::EasyR1, "txtZR", "51");
    d.click(screens::EasyR1, "cmdKaitou");
    QCOMPARE(d.text(screens::EasyR1, "Label6"), QString("1"));
    d.click(screens::EasyRFuseikai1, "Command1");

    d.type(screens::EasyR1, "txtZR", typed(c.total().real()));
    d.click(screens::EasyR1, "cmdKaitou");
    QVERIFY(d.visible(screens::EasyRSeikai));
    d.click(screens::EasyRSeikai, "Command1");
    QVERIFY(d.visible(screens::EasyA));

    d.type(screens::EasyA, "txtArr1", typed(c.i1().real()));
    d.type(screens::EasyA, "txtArr2", typed(c.i2().real()));
    d.type(screens::EasyA, "txtArr3", typed(c.i3().real()));
    d.click(screens::EasyA, "cmdkaitou");
    QVERIFY(d.visible(screens::EasyASeikai));
    QCOMPARE(d.text(screens::EasyASeikai, "Label2"), QString("初級合格です！"));
    d.click(screens::EasyASeikai, "Command1");
    QVERIFY(d.visible(screens::StartF));
  }

  void intermediateCode() {
    Application app;
    Driver d(app);
    app.start();
    // 60 V; a 30 Ω resistor in series with two 5 µF capacitors.
    const Circuit c{60, 30, Cx(0, -20), Cx(0, -20)};
    replay(d, "61223552");
    QCOMPARE(d.visibleScreens(), QStringList({"Normali", "SetForm"}));

    d.type(screens::Normali, "txtrr", typed(c.total().real()));
    d.type(screens::Normali, "txtjj", typed(c.total().imag()));
    d.click(screens::Normali, "cmdkaitou");
    QVERIFY(d.visible(screens::NormaliSeikai));
    d.click(screens::NormaliSeikai, "Command1");
    QVERIFY(d.visible(screens::NormalAA));

    const Cx currents[] = {c.i1(), c.i2(), c.i3()};
    const char* re[] = {"txtArr1", "txtArr2", "txtArr3"};
    const char* im[] = {"txtAjj1", "txtAjj2", "txtAjj3"};
    for (int k = 0; k < 3; ++k) {
      d.type(screens::NormalAA, re[k], typed(currents[k].real()));
      d.type(screens::NormalAA, im[k], typed(currents[k].imag()));
    }
    d.click(screens::NormalAA, "cmdkaitou");
    QVERIFY(d.visible(screens::NormalAASeikai));
    QCOMPARE(d.text(screens::NormalAASeikai, "Label2"), QString("中級合格です！"));
  }
};

KAIRO_TEST_CASE(ReplayCourses)
#include "replay_courses.moc"
