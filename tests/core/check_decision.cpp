// The answer-check protocol decided without a window: what one press does to the state and, in
// order, to the windows.
#include <QTest>

#include "core/check.h"
#include "support/test_main.h"

using namespace kairo;
using Outcome = CheckOutcome;

namespace {

// The protocol knows windows by name only; these are the beginner course's.
constexpr ScreenId EasyR1{"EasyR1"}, EasyR2{"EasyR2"}, EasyA{"EasyA"}, EasyA2{"EasyA2"},
    EasyASeikai{"EasyA正解"}, EasyAFuseikai1{"EasyA不正解1"}, EasyA2Fuseikai1{"EasyA2不正解1"},
    EasyAFuseikai2{"EasyA不正解2"}, EasyAFuseikai3{"EasyA不正解3"}, EasyREND{"EasyREND"};

// 50, 30, 60 Ω at 50 V: R = 70, I1 = 5/7, I2 = 10/21, I3 = 5/21.
ExerciseState seventy(int missCount) {
  ExerciseState s;
  s.resistance1 = 50, s.resistance2 = 30, s.resistance3 = 60, s.voltageE = 50;
  s.missCount = missCount;
  return s;
}

constexpr AnswerField kCurrents[] = {
    {"txtArr1", Expect::Current1}, {"txtArr2", Expect::Current2}, {"txtArr3", Expect::Current3}};
constexpr AnswerField kAnswers[] = {{"LabelArr1", Expect::Current1},
                                    {"LabelArr2", Expect::Current2}};
constexpr ScreenId kThird[] = {EasyR1, EasyR2};

constexpr CheckSpec kFirst{.screen = EasyA,
                           .computation = Computation::Currents,
                           .pattern = Pattern::Hash2,
                           .boxes = kCurrents,
                           .correct = EasyASeikai,
                           .incorrect = EasyAFuseikai1,
                           .hasVerdict = true,
                           .selection = EasyAFuseikai2,
                           .firstCurrentBoxes = 1,
                           .selectionOtherwise = EasyAFuseikai3};
constexpr CheckSpec kFollowUp{.screen = EasyA2,
                              .computation = Computation::Currents,
                              .pattern = Pattern::Hash2,
                              .boxes = kCurrents,
                              .correct = EasyASeikai,
                              .incorrect = EasyA2Fuseikai1,
                              .followUp = true,
                              .answers = kAnswers,
                              .answerPattern = Pattern::Zero2,
                              .answerOnCorrect = true,
                              .end = EasyREND,
                              .hideAtThird = kThird};

QString label6(int count) {
  return QString::number(count);
}

}  // namespace

Q_DECLARE_METATYPE(const CheckSpec*)
Q_DECLARE_METATYPE(std::vector<Outcome::Effect>)

class CheckDecision : public QObject {
  Q_OBJECT

 private slots:
  void presses_data() {
    QTest::addColumn<const CheckSpec*>("check");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("missesBefore");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<std::vector<Outcome::Effect>>("effects");
    const QStringList right{".71", "０．４８", ".24"}, firstOnly{".71", "1", "1"};
    using S = Outcome::SetText;
    using O = Outcome::Open;
    using H = Outcome::Hide;
    QTest::newRow("right, after two misses")
        << &kFirst << right << 2 << true
        << std::vector<Outcome::Effect>{S{"lblA", "正解！！"}, H{EasyAFuseikai1}, O{EasyASeikai}};
    QTest::newRow("first miss") << &kFirst << firstOnly << 0 << false
                                << std::vector<Outcome::Effect>{S{"Label6", label6(1)},
                                                                O{EasyAFuseikai1}};
    QTest::newRow("third miss, I1 right")
        << &kFirst << firstOnly << 2 << false
        << std::vector<Outcome::Effect>{S{"Label6", label6(3)}, O{EasyAFuseikai1},
                                        O{EasyAFuseikai2}, H{EasyAFuseikai1}};
    QTest::newRow("third miss, I1 wrong")
        << &kFirst << QStringList{"1", ".48", ".24"} << 2 << false
        << std::vector<Outcome::Effect>{S{"Label6", label6(3)}, O{EasyAFuseikai1},
                                        O{EasyAFuseikai3}, H{EasyAFuseikai1}};
    QTest::newRow("fourth miss on a first attempt")
        << &kFirst << firstOnly << 3 << false
        << std::vector<Outcome::Effect>{S{"Label6", label6(4)}, O{EasyAFuseikai1}};
    QTest::newRow("follow-up right: answers shown")
        << &kFollowUp << right << 0 << true
        << std::vector<Outcome::Effect>{S{"LabelArr1", "0.71"}, S{"LabelArr2", "0.48"},
                                        H{EasyA2Fuseikai1}, O{EasyASeikai}};
    QTest::newRow("follow-up third miss") << &kFollowUp << firstOnly << 2 << false
                                          << std::vector<Outcome::Effect>{S{"Label6", label6(3)},
                                                                          O{EasyA2Fuseikai1},
                                                                          S{"LabelArr1", "0.71"},
                                                                          S{"LabelArr2", "0.48"},
                                                                          O{EasyREND},
                                                                          H{EasyA2Fuseikai1},
                                                                          H{EasyR1},
                                                                          H{EasyR2}};
    QTest::newRow("follow-up fourth miss")
        << &kFollowUp << firstOnly << 3 << false
        << std::vector<Outcome::Effect>{S{"Label6", label6(4)}, O{EasyA2Fuseikai1},
                                        Outcome::ReturnToStart{}};
  }
  void presses() {
    QFETCH(const CheckSpec*, check);
    QFETCH(QStringList, typed);
    QFETCH(int, missesBefore);
    QFETCH(bool, correct);
    QFETCH(std::vector<Outcome::Effect>, effects);
    const std::optional<Outcome> outcome = decideCheck(*check, typed, seventy(missesBefore));
    QVERIFY(outcome);
    QCOMPARE(outcome->correct, correct);
    QCOMPARE(outcome->state.missCount, missesBefore + (correct ? 0 : 1));
    QCOMPARE(outcome->state.current2.re, 10.0 / 21.0);  // computed from the circuit
    QVERIFY(outcome->effects == effects);
  }

  // Without a circuit to check against a press decides nothing, and changes nothing.
  void noAnswerNoOutcome() {
    QVERIFY(!decideCheck(kFirst, {"0", "0", "0"}, ExerciseState{}));
    ExerciseState resonance = seventy(0);
    resonance.resistance2 = resonance.resistance3 = 0;
    resonance.reactance2 = -10, resonance.reactance3 = 10;
    QVERIFY(!decideCheck(kFollowUp, {}, resonance));
  }
};

KAIRO_TEST_CASE(CheckDecision)
#include "check_decision.moc"
