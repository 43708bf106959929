// A problem replayed from its code is solved through the windows to the pass screen of its course.
#include <QTest>
#include <complex>

#include "app/application.h"
#include "support/driver.h"
#include "support/test_main.h"

using kairo::Application;
using kairo::ScreenId;
using kairo::test::Driver;
using Cx = std::complex<double>;

namespace {

// An answer as a student types it: two decimals.
QString typed(double x) {
  return QString::number(x, 'f', 2);
}

void replay(Driver& d, const QString& code) {
  d.type(ScreenId::StartF, "passtxt", code);
  d.click(ScreenId::StartF, "Command5");
}

// The two branches are equal, so the currents the two branch rows ask for are the same whichever
// way the total current is split.
struct Circuit {
  double e;
  Cx z1, z2, z3;
  Cx total() const { return z1 + z2 * z3 / (z2 + z3); }
  Cx i1() const { return e / total(); }
  Cx i2() const { return i1() * z2 / (z2 + z3); }
  Cx i3() const { return i1() * z3 / (z2 + z3); }
};

}  // namespace

class ReplayCourses : public QObject {
  Q_OBJECT

 private slots:
  void beginnerCode() {
    Application app;
    Driver d(app);
    app.start();
    // Two misses on a generated problem first: the replay starts a fresh question.
    d.click(ScreenId::StartF, "Command3");
    d.click(ScreenId::EasyR1, "cmdSuuti");
    for (int miss = 0; miss < 2; ++miss) {
      d.type(ScreenId::EasyR1, "txtZR", "0");
      d.click(ScreenId::EasyR1, "cmdKaitou");
      d.click(ScreenId::EasyRFuseikai1, "Command1");
    }
    QCOMPARE(d.text(ScreenId::EasyR1, "Label6"), QString("2"));
    d.click(ScreenId::SetForm, "Command1");

    // 70 V; 30 Ω in series with two 40 Ω branches.
    const Circuit c{70, 30, 40, 40};
    replay(d, "71113441");
    QCOMPARE(d.visibleScreens(), QStringList({"EasyR1", "SetForm"}));
    QCOMPARE(d.text(ScreenId::EasyR1, "Label6"), QString("0"));
    QCOMPARE(d.text(ScreenId::EasyR1, "txtZR"), QString());

    d.type(ScreenId::EasyR1, "txtZR", "51");
    d.click(ScreenId::EasyR1, "cmdKaitou");
    QCOMPARE(d.text(ScreenId::EasyR1, "Label6"), QString("1"));
    d.click(ScreenId::EasyRFuseikai1, "Command1");

    d.type(ScreenId::EasyR1, "txtZR", typed(c.total().real()));
    d.click(ScreenId::EasyR1, "cmdKaitou");
    QVERIFY(d.visible(ScreenId::EasyRSeikai));
    d.click(ScreenId::EasyRSeikai, "Command1");
    QVERIFY(d.visible(ScreenId::EasyA));

    d.type(ScreenId::EasyA, "txtArr1", typed(c.i1().real()));
    d.type(ScreenId::EasyA, "txtArr2", typed(c.i2().real()));
    d.type(ScreenId::EasyA, "txtArr3", typed(c.i3().real()));
    d.click(ScreenId::EasyA, "cmdkaitou");
    QVERIFY(d.visible(ScreenId::EasyASeikai));
    QCOMPARE(d.text(ScreenId::EasyASeikai, "Label2"), QString("初級合格です！"));
    d.click(ScreenId::EasyASeikai, "Command1");
    QVERIFY(d.visible(ScreenId::StartF));
  }

  void intermediateCode() {
    Application app;
    Driver d(app);
    app.start();
    // 60 V; a 30 Ω resistor in series with two 5 µF capacitors.
    const Circuit c{60, 30, Cx(0, -20), Cx(0, -20)};
    replay(d, "61223552");
    QCOMPARE(d.visibleScreens(), QStringList({"Normali", "SetForm"}));

    d.type(ScreenId::Normali, "txtrr", typed(c.total().real()));
    d.type(ScreenId::Normali, "txtjj", typed(c.total().imag()));
    d.click(ScreenId::Normali, "cmdkaitou");
    QVERIFY(d.visible(ScreenId::NormaliSeikai));
    d.click(ScreenId::NormaliSeikai, "Command1");
    QVERIFY(d.visible(ScreenId::NormalAA));

    const Cx currents[] = {c.i1(), c.i2(), c.i3()};
    const char* re[] = {"txtArr1", "txtArr2", "txtArr3"};
    const char* im[] = {"txtAjj1", "txtAjj2", "txtAjj3"};
    for (int k = 0; k < 3; ++k) {
      d.type(ScreenId::NormalAA, re[k], typed(currents[k].real()));
      d.type(ScreenId::NormalAA, im[k], typed(currents[k].imag()));
    }
    d.click(ScreenId::NormalAA, "cmdkaitou");
    QVERIFY(d.visible(ScreenId::NormalAASeikai));
    QCOMPARE(d.text(ScreenId::NormalAASeikai, "Label2"), QString("中級合格です！"));
  }
};

KAIRO_TEST_CASE(ReplayCourses)
#include "replay_courses.moc"
