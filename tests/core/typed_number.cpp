#include <QTest>
#include <cmath>
#include <limits>

#include "core/number.h"
#include "support/test_main.h"

class TypedNumberTest : public QObject {
  Q_OBJECT

 private slots:
  void reads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    // Ordinary answers, with the leniency students rely on.
    QTest::newRow("plain") << "36.36" << 36.36;
    QTest::newRow("leading point") << ".09" << 0.09;
    QTest::newRow("trailing point") << "35." << 35.0;
    QTest::newRow("trailing zeros") << "35.00" << 35.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("minus") << "-12.3" << -12.3;
    QTest::newRow("minus point") << "-.5" << -0.5;
    QTest::newRow("blank between digits") << "1 2.5" << 12.5;
    QTest::newRow("blanks everywhere") << " - 1 2 . 5 e 1 " << -125.0;
    QTest::newRow("tab lf cr") << "\t3\n.\r25" << 3.25;
    QTest::newRow("unit after") << "12.5Ω" << 12.5;
    QTest::newRow("comma stops") << "12,5" << 12.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    // Exponents with E or D in either case.
    QTest::newRow("E") << "1E2" << 100.0;
    QTest::newRow("D") << "1D2" << 100.0;
    QTest::newRow("lower d negative") << "25d-2" << 0.25;
    QTest::newRow("bare E") << "12E" << 12.0;
    QTest::newRow("E sign only") << "12e-" << 12.0;
    // Whole numbers in other bases.
    QTest::newRow("hex") << "&H7FFF" << 32767.0;
    QTest::newRow("hex not wrapped") << "&HFFFF" << 65535.0;
    QTest::newRow("hex lower, negative") << "-&h1f" << -31.0;
    QTest::newRow("hex stops at point") << "&H1.8" << 1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal lower stops at 8") << "&o178" << 15.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("unknown base") << "&B101" << 0.0;
    QTest::newRow("hex without digits") << "&Hz" << 0.0;
    // No number at all reads 0.
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("minus zero") << "-0" << 0.0;
    QTest::newRow("double sign") << "--1" << 0.0;
    // Full-width forms typed with the input method on read as their ASCII forms; other scripts'
    // digits still end a number.
    QTest::newRow("full-width digits") << "３５" << 35.0;
    QTest::newRow("digit then full-width") << "3５" << 35.0;
    QTest::newRow("full-width answer") << "０．７１" << 0.71;
    QTest::newRow("full-width with unit") << "１２．５Ω" << 12.5;
    QTest::newRow("full-width signs") << "－１＋" << -1.0;
    QTest::newRow("minus sign") << "−3.5" << -3.5;
    QTest::newRow("full-width exponent") << "２Ｅ２ｄ" << 200.0;
    QTest::newRow("full-width hex") << "＆ｈ１Ｆ" << 31.0;
    QTest::newRow("ideographic space") << "１　２" << 12.0;
    QTest::newRow("full-width comma stops") << "１２，５" << 12.0;
    QTest::newRow("arabic-indic digit") << "٣" << 0.0;
    QTest::newRow("emoji") << "😀12" << 0.0;
    QTest::newRow("digits then emoji") << "12😀3" << 12.0;
    QTest::newRow("nul") << QString(QChar(0)) + "5" << 0.0;
    QTest::newRow("no-break space") << "1\u00a02" << 1.0;
    // Range limits.
    QTest::newRow("huge") << "1e999" << std::numeric_limits<double>::infinity();
    QTest::newRow("huge negative") << "-1e999" << -std::numeric_limits<double>::infinity();
    QTest::newRow("tiny") << "1e-999" << 0.0;
    QTest::newRow("largest") << "1.7976931348623157e308" << 1.7976931348623157e308;
    QTest::newRow("just over largest") << "1.8e308" << std::numeric_limits<double>::infinity();
    QTest::newRow("subnormal") << "4.9406564584124654e-324" << 4.9406564584124654e-324;
    QTest::newRow("zero with huge exponent") << "0e999999" << 0.0;
    QTest::newRow("exponent digits overflow int") << "1e99999999999999999999" << HUGE_VAL;
    QTest::newRow("leading zeros") << "000000.000125e3" << 0.125;
    QTest::newRow("many hex digits") << "&H" + QString(300, 'F') << HUGE_VAL;
  }
  void reads() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = kairo::readTypedNumber(text);
    QVERIFY2(value == expected, qPrintable(QString::number(value, 'g', 17)));
    QVERIFY(!std::signbit(value) || expected < 0);  // "-0" is plain 0
  }

  // Very long texts still read correctly rounded, and quickly.
  void longTexts() {
    const QString digits(100000, '7');
    QVERIFY(kairo::readTypedNumber(digits) == HUGE_VAL);
    QVERIFY(kairo::readTypedNumber("." + digits) == 7.0 / 9.0);
    QVERIFY(kairo::readTypedNumber(QString(100000, '0') + "42") == 42.0);
    QVERIFY(kairo::readTypedNumber("0." + QString(99990, '0') + "1e99995") == 1e4);
    QVERIFY(kairo::readTypedNumber(QString(100000, ' ') + "9") == 9.0);
    QVERIFY(kairo::readTypedNumber("1e" + QString(100000, '9')) == HUGE_VAL);
    // Exactly halfway between two doubles, decided only by a nonzero digit far behind.
    const QString half = "9007199254740993";  // 2^53 + 1
    QVERIFY(kairo::readTypedNumber(half) == 9007199254740992.0);
    QVERIFY(kairo::readTypedNumber(half + "." + QString(5000, '0') + "1") == 9007199254740994.0);
    QVERIFY(kairo::readTypedNumber(QString(100000, QChar(0xD83D))) == 0.0);  // lone surrogates
  }
};

KAIRO_TEST_CASE(TypedNumberTest)
#include "typed_number.moc"
