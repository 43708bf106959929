// Decoding of circuit codes, without windows: the steps of the documented example codes, odd
// characters, and every code that must be turned down.
#include "core/circuit_code.h"

#include <QTest>

#include "core/exercise_state.h"
#include "support/test_main.h"

using kairo::ElementStep;
using kairo::ExerciseState;
using kairo::FinishStep;
using kairo::ReplayPlan;
using kairo::ReplayStep;
using kairo::SourceStep;

namespace {

// One line per step, so a failure shows the whole plan.
QStringList describe(const ReplayPlan& plan) {
  QStringList out;
  for (const ReplayStep& step : plan.steps) {
    if (const auto* s = std::get_if<SourceStep>(&step))
      out << QStringLiteral("source %1 %2").arg(s->voltageE).arg(s->label);
    else if (const auto* e = std::get_if<ElementStep>(&step))
      out << QStringLiteral("element %1 kind %2 value %3 x %4 [%5 %6] %7%8")
                 .arg(e->position)
                 .arg(e->kind)
                 .arg(e->value)
                 .arg(e->reactance)
                 .arg(e->kindLabel(), e->valueLabel, e->textLabel, e->separator);
    else if (const auto* f = std::get_if<FinishStep>(&step))
      out << QStringLiteral("finish %1 %2")
                 .arg(f->allResistors() ? "beginner" : "intermediate", f->classLabel());
    else
      out << QStringLiteral("-");
  }
  return out;
}

QStringList plan(const QString& code, const ExerciseState& state = {}) {
  const auto decoded = kairo::decodeCircuitCode(code, state);
  if (!decoded) return {QStringLiteral("rejected")};
  return describe(*decoded);
}

ExerciseState applied(const QString& code, ExerciseState state) {
  const auto decoded = kairo::decodeCircuitCode(code, state);
  if (decoded)
    for (const ReplayStep& step : decoded->steps) kairo::applyStep(state, step);
  return state;
}

// A problem left by an earlier generation: 20 Ω, 3 µF capacitor, 40 Ω; miss counter at 2.
ExerciseState earlierProblem() {
  ExerciseState s;
  s.voltageE = 70;
  s.resistance1 = 20;
  s.lcValue2 = 3;
  s.reactance2 = -100.0 / 3;
  s.resistance3 = 40;
  s.lcValue3 = 9;
  s.kind1 = 1, s.kind2 = 2, s.kind3 = 1;
  s.missCount = 2;
  return s;
}

}  // namespace

class CircuitCode : public QObject {
  Q_OBJECT

 private slots:
  void documentedCodes_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("mixed") << "3213a451"
                           << QStringList{"source 30 3",
                                          "element 1 kind 2 value 10 x -10 [2 a] Z1:",
                                          "element 2 kind 1 value 40 x 0 [1 4] Z2:",
                                          "element 3 kind 3 value 5 x 50 [3 5] Z3:",
                                          "-",
                                          "-",
                                          "-",
                                          "finish intermediate 2"};
    // The kinds decide the course; the eighth character only has to be there.
    QTest::newRow("resistors") << "a1115562"
                               << QStringList{"source 100 a",
                                              "element 1 kind 1 value 50 x 0 [1 5] R1=",
                                              "element 2 kind 1 value 50 x 0 [1 5] R2=",
                                              "element 3 kind 1 value 60 x 0 [1 6] R3=",
                                              "-",
                                              "-",
                                              "-",
                                              "finish beginner 1"};
    QTest::newRow("kind 4") << "51432511"
                            << QStringList{"source 50 5", "element 1 kind 1 value 20 x 0 [1 2] Z1:",
                                           "-",           "element 3 kind 3 value 1 x 10 [3 1] Z3:",
                                           "-",           "-",
                                           "-",           "finish intermediate 2"};
    QTest::newRow("tenth steps") << "a123aaa1"
                                 << QStringList{"source 100 a",
                                                "element 1 kind 1 value 100 x 0 [1 a] Z1:",
                                                "element 2 kind 2 value 10 x -10 [2 a] Z2:",
                                                "element 3 kind 3 value 10 x 100 [3 a] Z3:",
                                                "-",
                                                "-",
                                                "-",
                                                "finish intermediate 2"};
    QTest::newRow("longer") << "2111123x!?"
                            << QStringList{"source 20 2",
                                           "element 1 kind 1 value 10 x 0 [1 1] R1=",
                                           "element 2 kind 1 value 20 x 0 [1 2] R2=",
                                           "element 3 kind 1 value 30 x 0 [1 3] R3=",
                                           "-",
                                           "-",
                                           "-",
                                           "finish beginner 1",
                                           "-",
                                           "-"};
    QTest::newRow("seven") << "2223456"
                           << QStringList{"source 20 2",
                                          "element 1 kind 2 value 4 x -25 [2 4] Z1:",
                                          "element 2 kind 2 value 5 x -20 [2 5] Z2:",
                                          "element 3 kind 3 value 6 x 60 [3 6] Z3:",
                                          "-",
                                          "-",
                                          "-"};
    QTest::newRow("empty") << "" << QStringList{};
    // A short code without a resistor needs no circuit class: the odd kind is just skipped.
    QTest::newRow("short, odd kind")
        << "6x3" << QStringList{"source 60 6", "-", "element 2 kind 3 value 0 x 0 [3 0] Z2:"};
    QTest::newRow("short, resistors")
        << "4111"
        << QStringList{
               "source 40 4", "element 1 kind 1 value 0 x 0 [1 0] R1=",
               "element 2 kind 1 value 0 x 0 [1 0] R2=", "element 3 kind 1 value 0 x 0 [1 0] R3="};
    // One character is one position, however many UTF-16 units it takes.
    QTest::newRow("wide character") << QString::fromUtf8("7333123\xF0\x9F\x98\x80")
                                    << QStringList{"source 70 7",
                                                   "element 1 kind 3 value 1 x 10 [3 1] Z1:",
                                                   "element 2 kind 3 value 2 x 20 [3 2] Z2:",
                                                   "element 3 kind 3 value 3 x 30 [3 3] Z3:",
                                                   "-",
                                                   "-",
                                                   "-",
                                                   "finish intermediate 2"};
  }
  void documentedCodes() {
    QFETCH(QString, code);
    QFETCH(QStringList, steps);
    QCOMPARE(plan(code, earlierProblem()), steps);
  }

  // Typed with the input method on, full-width characters read as their ASCII forms, and "あ"
  // (the key "a" with the input method on) as "a".
  void fullWidthCodes() {
    QCOMPARE(plan("３２１３ａ４５１"), plan("3213a451"));
    QCOMPARE(plan("５\u3000"), plan("5 "));
    QCOMPARE(plan("あ１２３５４７２"), plan("a1235472"));
    QCOMPARE(plan("あ１２３５４７２").first(), QString("source 100 a"));
  }

  // A refused code says which position is wrong and what it may hold.
  void refusalReasons_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("why");
    QTest::newRow("kind letter") << "5x225532"
                                 << "2文字目（素子1の種類）は 1〜3 です。";
    QTest::newRow("0 V") << "01235472"
                         << "1文字目（電源電圧）は 1〜9 か a です。";
    QTest::newRow("kana value") << "a1235い72"
                                << "6文字目（素子2の値）は 1〜9 か a です。";
    QTest::newRow("capacitor 0") << "51211052"
                                 << "6文字目（素子2の値）はコンデンサでは 1〜9 か a です。";
    QTest::newRow("resonance") << "51235252"
                               << "この回路には答えがありません（共振など）。";
  }
  void refusalReasons() {
    QFETCH(QString, code);
    QFETCH(QString, why);
    QString said;
    QVERIFY(!kairo::decodeCircuitCode(code, ExerciseState{}, &said));
    QCOMPARE(said, why);
  }

  void reactancesAreExact() {
    // −100 / C and 10 × L, without single-precision rounding: 3 µF is −33.33…, not −33.333332.
    const auto decoded = kairo::decodeCircuitCode(u"52333372", ExerciseState{});
    QVERIFY(decoded);
    const auto& capacitor = std::get<ElementStep>(decoded->steps[1]);
    QVERIFY(qAbs(capacitor.reactance - (-100.0 / 3.0)) < 1e-12);
    QCOMPARE(std::get<ElementStep>(decoded->steps[3]).reactance, 70.0);
  }

  void stateWrites() {
    // A capacitor over the earlier resistor, a coil over the earlier capacitor, and kind 4 keeping
    // element 3 as it was.
    const ExerciseState s = applied("823478a2", earlierProblem());
    QCOMPARE(s.voltageE, 80.0);
    QCOMPARE(s.kind1, 2);
    QCOMPARE(s.lcValue1, 7);
    QCOMPARE(s.resistance1, 0);
    QVERIFY(qAbs(s.reactance1 - (-100.0 / 7.0)) < 1e-12);
    QCOMPARE(s.kind2, 3);
    QCOMPARE(s.lcValue2, 8);
    QCOMPARE(s.resistance2, 0);
    QCOMPARE(s.reactance2, 80.0);
    QCOMPARE(s.kind3, 1);
    QCOMPARE(s.resistance3, 40);
    QCOMPARE(s.lcValue3, 9);
    QCOMPARE(s.missCount, 0);  // a complete code starts a fresh question

    // A resistor over a capacitor keeps the L/C value and drops the reactance; a short code keeps
    // the miss counter.
    const ExerciseState r = applied("9111456", earlierProblem());
    QCOMPARE(r.resistance2, 50);
    QCOMPARE(r.reactance2, 0.0);
    QCOMPARE(r.lcValue2, 3);
    QCOMPARE(r.kind2, 1);
    QCOMPARE(r.missCount, 2);
  }

  void rejected_data() {
    QTest::addColumn<QString>("code");
    // Kind characters that are not digits, where a resistor or a complete code needs them.
    QTest::newRow("letter beside resistor") << "51x1";
    QTest::newRow("letter, complete") << "5x225532";
    QTest::newRow("upper-case tenth kind") << "5A2255a2";
    QTest::newRow("blank kind, complete") << "52 3456a2";
    // A resistor in a code too short to hold the three kinds.
    QTest::newRow("one resistor") << "51";
    QTest::newRow("resistor second") << "531";
    // Capacitors without a value.
    QTest::newRow("capacitor, no value") << "52";
    QTest::newRow("capacitor, no value, long") << "533255";
    QTest::newRow("capacitor, zero") << "51211052";
    QTest::newRow("capacitor, letter") << "5233x55";
    QTest::newRow("capacitor, upper-case A") << "5222A11";
    QTest::newRow("capacitor, full-width A") << "5222Ａ11";
    // Sources and values that are no step: a letter, a blank, a sign, a kana; and a 0 V source.
    QTest::newRow("source letter") << "x";
    QTest::newRow("odd values") << "a133A -";
    QTest::newRow("upper-case source") << "A1235472";
    QTest::newRow("zero volts") << "01235472";
    QTest::newRow("kana value") << "a1235い72";
    // Complete codes without an answer: resonant branches, a zero combined impedance, zero
    // branches.
    QTest::newRow("2 uF with 5 mH") << "51235252";
    QTest::newRow("10 uF with 1 mH") << "51321a12";
    QTest::newRow("zero impedance") << "a323a622";
    QTest::newRow("zero resistors") << "51110002";
    QTest::newRow("zero coils") << "51330002";
  }
  void rejected() {
    QFETCH(QString, code);
    QCOMPARE(plan(code, earlierProblem()), QStringList{"rejected"});
  }

  void answerUsesKeptElements() {
    // Element 2 keeps the earlier element when its kind digit is 4: with an earlier 10 µF
    // capacitor it cancels the 1 mH coil of element 3; with the earlier resistor it does not.
    ExerciseState resonant;
    resonant.lcValue2 = 10;
    resonant.reactance2 = -10;
    resonant.kind2 = 2;
    QCOMPARE(plan("51432511", resonant), QStringList{"rejected"});
    ExerciseState fresh;
    QVERIFY(kairo::decodeCircuitCode(u"51432511", fresh));
    // With every kind skipped the whole circuit is the earlier one.
    QVERIFY(kairo::decodeCircuitCode(u"30000000", earlierProblem()));
    QCOMPARE(plan("30000000", ExerciseState{}), QStringList{"rejected"});
    // Short codes open nothing, so they need no answer.
    QCOMPARE(plan("5123525").size(), 7);
  }
};

KAIRO_TEST_CASE(CircuitCode)
#include "circuit_code.moc"
