// The worked problems: each check compares the value it should with the box it should.
#include <QTest>

#include "beginner/course_expect.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test::easy;
using enum ScreenId;

class BeginnerChecks : public QObject {
  Q_OBJECT

 private slots:
  void workedProblems_data() {
    QTest::addColumn<Problem>("p");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QStringList>("currents");
    QTest::addColumn<bool>("right");
    QTest::newRow("50 30 60 50") << Problem{50, 30, 60, 50} << "70"
                                 << QStringList{".71", ".24", ".48"} << true;
    QTest::newRow("branches exchanged")
        << Problem{50, 30, 60, 50} << "70.0" << QStringList{".71", ".48", ".24"} << false;
    QTest::newRow("10 20 70 30") << Problem{10, 20, 70, 30} << "25.56"
                                 << QStringList{"1.17", ".26", ".91"} << true;
    QTest::newRow("20 40 10 90") << Problem{20, 40, 10, 90} << "28"
                                 << QStringList{"3.21", "2.57", "0.64"} << true;
    QTest::newRow("100 100 100 100")
        << Problem{100, 100, 100, 100} << "150" << QStringList{".67", ".33", ".33"} << true;
    QTest::newRow("100 100 10 10")
        << Problem{100, 100, 10, 10} << "109.09" << QStringList{".09", ".08", ".01"} << true;
  }

  void workedProblems() {
    QFETCH(Problem, p);
    QFETCH(QString, r);
    QFETCH(QStringList, currents);
    QFETCH(bool, right);
    Application app;
    Course d(app);
    d.begin(p);
    d.resistance(EasyR1, r);
    QCOMPARE(d.visibleScreens(), names({EasyR1, EasyRSeikai, SetForm}));
    d.click(EasyRSeikai, "Command1");
    d.currents(EasyA, currents[0], currents[1], currents[2]);
    QCOMPARE(d.visible(EasyASeikai), right);
    QCOMPARE(d.visible(EasyAFuseikai1), !right);
  }
};

KAIRO_TEST_CASE(BeginnerChecks)
#include "checks_test.moc"
