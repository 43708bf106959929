#include <QTest>
#include <limits>

#include "core/number.h"
#include "support/test_main.h"

using kairo::Pattern;

Q_DECLARE_METATYPE(kairo::Pattern)

class AnswerMatchingTest : public QObject {
  Q_OBJECT

 private slots:
  void matches_data() {
    QTest::addColumn<double>("expected");
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    const double third = 400.0 / 11.0;
    QTest::newRow("36.36") << third << Pattern::Hash2 << "36.36" << true;
    QTest::newRow("36.364") << third << Pattern::Hash2 << "36.364" << false;
    QTest::newRow("36.37") << third << Pattern::Hash2 << "36.37" << false;
    QTest::newRow("36,36") << third << Pattern::Hash2 << "36,36" << false;
    QTest::newRow("3636e-2") << third << Pattern::Hash2 << "3636e-2" << true;
    QTest::newRow("35") << 35.0 << Pattern::Hash2 << "35" << true;
    QTest::newRow("35.0") << 35.0 << Pattern::Hash2 << "35.0" << true;
    QTest::newRow("35.00") << 35.0 << Pattern::Hash2 << "35.00" << true;
    QTest::newRow("35 with unit") << 35.0 << Pattern::Hash2 << " 35 Ω" << true;
    QTest::newRow(".09") << 1.0 / 11.0 << Pattern::Hash2 << ".09" << true;
    QTest::newRow("0.09") << 1.0 / 11.0 << Pattern::Hash2 << "0.09" << true;
    QTest::newRow("12.50") << 12.5 << Pattern::Zero2 << "12.50" << true;
    QTest::newRow("12.499 vs 12.4999") << 12.4999 << Pattern::Zero2 << "12.499" << false;
    QTest::newRow("12.5 vs 12.4999") << 12.4999 << Pattern::Zero2 << "12.5" << true;
    QTest::newRow("rounded half up") << 7.874999999999995 << Pattern::Zero2 << "7.88" << true;
    QTest::newRow("negative") << -16.0 << Pattern::Zero2 << "-16" << true;
    QTest::newRow("sign missing") << -16.0 << Pattern::Zero2 << "16" << false;
    QTest::newRow("negative half") << -0.125 << Pattern::Zero2 << "-.13" << true;
    QTest::newRow("hash3") << third << Pattern::Hash3 << "36.364" << true;
    // An empty box or letters read 0: wrong unless the answer really rounds to zero.
    QTest::newRow("empty") << 0.71 << Pattern::Hash2 << "" << false;
    QTest::newRow("letters") << 0.71 << Pattern::Hash2 << "abc" << false;
    QTest::newRow("zero typed for zero") << 0.0 << Pattern::Zero2 << "0" << true;
    QTest::newRow("lone point expected") << 0.004 << Pattern::Hash2 << "0" << true;
    QTest::newRow("lone point, typed point") << -0.004 << Pattern::Hash2 << "." << true;
    QTest::newRow("lone point, empty box") << 0.004 << Pattern::Hash2 << "" << true;
    QTest::newRow("lone point, 0.01") << 0.004 << Pattern::Hash2 << "0.01" << false;
    // Nothing infinite ever matches.
    QTest::newRow("huge typed") << 1e300 << Pattern::Zero2 << "1e999" << false;
    QTest::newRow("expected inf") << std::numeric_limits<double>::infinity() << Pattern::Zero2
                                  << "1e999" << false;
    QTest::newRow("expected nan, typed 0")
        << std::numeric_limits<double>::quiet_NaN() << Pattern::Zero2 << "0" << false;
  }
  void matches() {
    QFETCH(double, expected);
    QFETCH(Pattern, pattern);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QCOMPARE(kairo::answerMatches(expected, pattern, typed), right);
  }

  // Reading and showing ignore the user's locale: the full stop is the only separator.
  void ignoresLocale() {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool point = kairo::answerMatches(12.5, Pattern::Zero2, u"12.5");
    const bool comma = kairo::answerMatches(12.5, Pattern::Zero2, u"12,5");
    const QString shown = kairo::formatNumber(12.5, Pattern::Zero2);
    QLocale::setDefault(saved);
    QVERIFY(point);
    QVERIFY(!comma);
    QCOMPARE(shown, QStringLiteral("12.5"));
  }
};

KAIRO_TEST_CASE(AnswerMatchingTest)
#include "answer_matching.moc"
