#include <QTest>
#include <limits>

#include "core/number.h"
#include "support/test_main.h"

using kairo::Pattern;

namespace {
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

class NumberFormatTest : public QObject {
  Q_OBJECT

 private slots:
  // Each value under the three patterns, rounded by hand from its decimal value.
  void patterns_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("hash2");
    QTest::addColumn<QString>("zero2");
    QTest::addColumn<QString>("hash3");
    QTest::newRow("whole") << 35.0 << "35."
                           << "35."
                           << "35.";
    QTest::newRow("zero") << 0.0 << "."
                          << "0."
                          << ".";
    QTest::newRow("negative zero") << -0.0 << "."
                                   << "0."
                                   << ".";
    QTest::newRow("half") << 0.5 << ".5"
                          << "0.5"
                          << ".5";
    QTest::newRow("negative half") << -0.5 << "-.5"
                                   << "-0.5"
                                   << "-.5";
    QTest::newRow("negative") << -12.3 << "-12.3"
                              << "-12.3"
                              << "-12.3";
    QTest::newRow("400/11") << 400.0 / 11.0 << "36.36"
                            << "36.36"
                            << "36.364";
    QTest::newRow("1/11") << 1.0 / 11.0 << ".09"
                          << "0.09"
                          << ".091";
    // A 5 in the next place rounds away from zero, also when the double lies just below it.
    QTest::newRow(".125") << 0.125 << ".13"
                          << "0.13"
                          << ".125";
    QTest::newRow("-.125") << -0.125 << "-.13"
                           << "-0.13"
                           << "-.125";
    QTest::newRow("2.675") << 2.675 << "2.68"
                           << "2.68"
                           << "2.675";
    QTest::newRow("-1.005") << -1.005 << "-1.01"
                            << "-1.01"
                            << "-1.005";
    QTest::newRow("1.2345") << 1.2345 << "1.23"
                            << "1.23"
                            << "1.235";
    QTest::newRow("7.874999999999995") << 7.874999999999995 << "7.88"
                                       << "7.88"
                                       << "7.875";
    QTest::newRow("just below half") << 0.624999999 << ".62"
                                     << "0.62"
                                     << ".625";
    QTest::newRow("half within 12 digits") << 0.6249999999999 << ".63"
                                           << "0.63"
                                           << ".625";
    QTest::newRow("0.005") << 0.005 << ".01"
                           << "0.01"
                           << ".005";
    QTest::newRow("-0.005") << -0.005 << "-.01"
                            << "-0.01"
                            << "-.005";
    QTest::newRow("0.0005") << 0.0005 << "."
                            << "0."
                            << ".001";
    QTest::newRow("-0.004 to zero") << -0.004 << "."
                                    << "0."
                                    << "-.004";
    QTest::newRow("-0.0004 to zero") << -0.0004 << "."
                                     << "0."
                                     << ".";
    // Carries through the full stop.
    QTest::newRow("99.995") << 99.995 << "100."
                            << "100."
                            << "99.995";
    QTest::newRow("0.999") << 0.999 << "1."
                           << "1."
                           << ".999";
    QTest::newRow("-9.9999") << -9.9999 << "-10."
                             << "-10."
                             << "-10.";
    // Large and tiny magnitudes.
    QTest::newRow("123456789.125") << 123456789.125 << "123456789.13"
                                   << "123456789.13"
                                   << "123456789.125";
    QTest::newRow("1.5e15") << 1.5e15 << "1500000000000000."
                            << "1500000000000000."
                            << "1500000000000000.";
    QTest::newRow("1e300") << 1e300 << "1" + QString(300, '0') + "."
                           << "1" + QString(300, '0') + "."
                           << "1" + QString(300, '0') + ".";
    QTest::newRow("-max") << -std::numeric_limits<double>::max()
                          << "-179769313486" + QString(297, '0') + "."
                          << "-179769313486" + QString(297, '0') + "."
                          << "-179769313486" + QString(297, '0') + ".";
    QTest::newRow("subnormal") << -4.9406564584124654e-324 << "."
                               << "0."
                               << ".";
    // No decimal form at all: nothing is written.
    QTest::newRow("inf") << kInf << ""
                         << ""
                         << "";
    QTest::newRow("-inf") << -kInf << ""
                          << ""
                          << "";
    QTest::newRow("nan") << kNaN << ""
                         << ""
                         << "";
  }
  void patterns() {
    QFETCH(double, value);
    QFETCH(QString, hash2);
    QFETCH(QString, zero2);
    QFETCH(QString, hash3);
    QCOMPARE(kairo::formatNumber(value, Pattern::Hash2), hash2);
    QCOMPARE(kairo::formatNumber(value, Pattern::Zero2), zero2);
    QCOMPARE(kairo::formatNumber(value, Pattern::Hash3), hash3);
  }

  // Numbers on the drawing: sign place, magnitude, one blank.
  void printed_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 50.0 << " 50 ";
    QTest::newRow("negative fraction") << -2.5 << "-2.5 ";
    QTest::newRow("below one") << 0.25 << " .25 ";
    QTest::newRow("negative below one") << -0.05 << "-.05 ";
    QTest::newRow("zero") << 0.0 << " 0 ";
    QTest::newRow("negative zero") << -0.0 << " 0 ";
    QTest::newRow("one third") << 1.0 / 3.0 << " .333333333333333 ";
    QTest::newRow("fifteen digits") << 123456789.123456789 << " 123456789.123457 ";
    QTest::newRow("sum noise") << 0.1 + 0.2 << " .3 ";
    QTest::newRow("almost whole") << 2.9999999999999996 << " 3 ";
    QTest::newRow("small") << 1e-5 << " .00001 ";
    QTest::newRow("large whole") << 1e20 << " 100000000000000000000 ";
    QTest::newRow("reactance") << -100.0 / 3.0 << "-33.3333333333333 ";
    QTest::newRow("most negative")
        << -std::numeric_limits<double>::max() << "-179769313486232" + QString(294, '0') + " ";
    QTest::newRow("inf") << kInf << " 0 ";
    QTest::newRow("-inf") << -kInf << " 0 ";
    QTest::newRow("nan") << kNaN << " 0 ";
  }
  void printed() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(kairo::printedNumber(value), text);
  }
};

KAIRO_TEST_CASE(NumberFormatTest)
#include "number_format.moc"
