#include "courses/advanced/answers.h"

#include <QTest>

#include "support/test_main.h"

namespace adv = kairo::advanced;

namespace {
// Read: the typed text reads as `exact`; otherwise the accept function of that name.
enum class Judge { Read, Magnitude, Angle, PowerFactor, Power };
}  // namespace

Q_DECLARE_METATYPE(Judge)

class AdvancedAnswersTest : public QObject {
  Q_OBJECT

 private slots:
  void judges_data() {
    QTest::addColumn<Judge>("judge");
    QTest::addColumn<double>("exact");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    const auto row = [](const char* name, Judge judge, double exact, const char* typed, bool ok) {
      QTest::newRow(name) << judge << exact << QString::fromUtf8(typed) << ok;
    };
    row("unit after the number", Judge::Read, 37.87, "37.87°", true);
    row("long-vowel mark as minus", Judge::Read, -37.87, "ー37.87", true);
    row("hyphen as minus", Judge::Read, -5, "\u2010 5", true);
    row("full width", Judge::Read, -12.5, "－１２．５", true);
    row("zero is a number", Judge::Read, 0, " 0 ", true);
    row("no zero before the point", Judge::Read, -0.5, "－．５", true);
    row("empty", Judge::Read, 0, "", false);
    row("letters", Judge::Read, 0, "abc", false);
    row("sign alone", Judge::Read, 0, "ー", false);
    row("point alone", Judge::Read, 0, ".", false);
    row("exponent alone", Judge::Read, 0, "e5", false);

    row("Ω on the upper bound", Judge::Magnitude, 100, "100.2", true);
    row("Ω past the lower bound", Judge::Magnitude, 100, "99.79", false);
    row("small A, 0.01 floor", Judge::Magnitude, 1, "1.01", true);
    row("small A, past the floor", Judge::Magnitude, 1, "1.02", false);
    row("sign missing", Judge::Magnitude, -38.89, "38.89", false);
    row("empty box for 0", Judge::Magnitude, 0, "", false);
    row("0 for 0", Judge::Magnitude, 0, "0", true);
    row("too large", Judge::Magnitude, 1e300, "1e999", false);

    row("-180 is 180", Judge::Angle, -180, "179.99", true);
    row("across ±180 on the bound", Judge::Angle, 179.95, "-179.95", true);
    row("across ±180 past the bound", Judge::Angle, 179.95, "-179.94", false);
    row("a turn apart", Judge::Angle, -0.02, "359.95", true);
    row("angle past the bound", Judge::Angle, 37.87, "37.98", false);
    row("angle sign", Judge::Angle, -37.87, "37.87", false);
    row("angle typed with ー", Judge::Angle, -37.87, "ー３７．８７", true);

    row("力率 on the bound", Judge::PowerFactor, 79, "79.2", true);
    row("力率 past the bound", Judge::PowerFactor, 78.94, "79.15", false);
    row("力率 as a fraction", Judge::PowerFactor, 78.94, "0.79", false);

    row("W on the bound", Judge::Power, 200, "201", true);
    row("W past the bound", Judge::Power, 200, "201.01", false);
    row("var sign", Judge::Power, -96.92, "96.92", false);
    row("0 var within the floor", Judge::Power, 0, "-0.01", true);
    row("0 var past the floor", Judge::Power, 0, "0.02", false);
  }
  void judges() {
    QFETCH(Judge, judge);
    QFETCH(double, exact);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    switch (judge) {
      case Judge::Read:
        QCOMPARE(adv::readAnswer(typed) == exact, accepted);
        break;
      case Judge::Magnitude:
        QCOMPARE(adv::acceptsMagnitude(exact, typed), accepted);
        break;
      case Judge::Angle:
        QCOMPARE(adv::acceptsAngle(exact, typed), accepted);
        break;
      case Judge::PowerFactor:
        QCOMPARE(adv::acceptsPowerFactor(exact, typed), accepted);
        break;
      case Judge::Power:
        QCOMPARE(adv::acceptsPower(exact, typed), accepted);
        break;
    }
  }
};

KAIRO_TEST_CASE(AdvancedAnswersTest)
#include "answers_test.moc"
