// The ten exercise windows of the advanced course: each one check row, and the window's answer
// rows built from that row, so every box and answer label is named once.
#include <QString>
#include <vector>

#include "core/translate.h"
#include "courses/advanced/advanced.h"
#include "courses/advanced/answers.h"
#include "courses/advanced/quantities.h"
#include "ui/form.h"

namespace kairo::advanced {
namespace {

using namespace screens;

// ---- What each box stands for ----

constexpr AnswerField kPolarBoxes[] = {quantityField("txtZ", zMagnitude, acceptsMagnitude),
                                       quantityField("txtTheta", zAngle, acceptsAngle)};
constexpr AnswerField kPolarLabels[] = {quantityField("LabelZ", zMagnitude),
                                        quantityField("LabelTheta", zAngle)};
constexpr AnswerField kRectangularBoxes[] = {quantityField("txtrr", zReal, acceptsMagnitude),
                                             quantityField("txtjj", zImaginary, acceptsMagnitude)};
constexpr AnswerField kRectangularLabels[] = {quantityField("Labelrr", zReal),
                                              quantityField("Labeljj", zImaginary)};
constexpr AnswerField kPowerBoxes[] = {
    quantityField("txtP", activePower, acceptsPower),
    quantityField("txtQ", reactivePower, acceptsPower),
    quantityField("txtS", apparentPower, acceptsPower),
    quantityField("txtPF", powerFactorPercent, acceptsPowerFactor)};
constexpr AnswerField kPowerLabels[] = {
    quantityField("LabelP", activePower), quantityField("LabelQ", reactivePower),
    quantityField("LabelS", apparentPower), quantityField("LabelPF", powerFactorPercent)};
constexpr AnswerField kApparentBoxes[] = {
    quantityField("txtI", current1Magnitude, acceptsMagnitude),
    quantityField("txtS", apparentPower, acceptsPower)};
constexpr AnswerField kApparentLabels[] = {quantityField("LabelI", current1Magnitude),
                                           quantityField("LabelS", apparentPower)};
// I1 first: the third miss on HardAA looks at its two boxes alone.
constexpr AnswerField kPhasorBoxes[] = {quantityField("txtI1", current1Magnitude, acceptsMagnitude),
                                        quantityField("txtTh1", current1Angle, acceptsAngle),
                                        quantityField("txtI2", current2Magnitude, acceptsMagnitude),
                                        quantityField("txtTh2", current2Angle, acceptsAngle),
                                        quantityField("txtI3", current3Magnitude, acceptsMagnitude),
                                        quantityField("txtTh3", current3Angle, acceptsAngle)};
constexpr AnswerField kPhasorLabels[] = {
    quantityField("LabelI1", current1Magnitude), quantityField("LabelTh1", current1Angle),
    quantityField("LabelI2", current2Magnitude), quantityField("LabelTh2", current2Angle),
    quantityField("LabelI3", current3Magnitude), quantityField("LabelTh3", current3Angle)};
constexpr AnswerField kI1Boxes[] = {quantityField("txtArr1", current1Real, acceptsMagnitude),
                                    quantityField("txtAjj1", current1Imaginary, acceptsMagnitude)};
constexpr AnswerField kI1Labels[] = {quantityField("LabelArr1", current1Real),
                                     quantityField("LabelAjj1", current1Imaginary)};
constexpr AnswerField kV23Boxes[] = {quantityField("txtV", v23Magnitude, acceptsMagnitude),
                                     quantityField("txtThV", v23Angle, acceptsAngle)};
constexpr AnswerField kV23Labels[] = {quantityField("LabelV", v23Magnitude),
                                      quantityField("LabelThV", v23Angle)};

// ---- The checks: first attempts, second chances and reviews ----

constexpr int kPolarStage = 1, kPowerStage = 2, kPhasorStage = 3;

constexpr CheckSpec first(ScreenId screen, std::span<const AnswerField> boxes, ScreenId correct,
                          ScreenId incorrect, ScreenId selection, int stage) {
  return {.screen = screen,
          .computation = Computation::Currents,
          .pattern = Pattern::Zero2,
          .boxes = boxes,
          .correct = correct,
          .incorrect = incorrect,
          .hasVerdict = true,
          .selection = selection,
          .unlocks = stage};
}
// Second chances and reviews show every answer at the third miss, and on a right answer too.
constexpr CheckSpec followUp(ScreenId screen, std::span<const AnswerField> boxes,
                             std::span<const AnswerField> labels, ScreenId correct,
                             ScreenId incorrect, int stage) {
  CheckSpec check = first(screen, boxes, correct, incorrect, {}, stage);
  check.followUp = true;
  check.answers = labels;
  check.answerOnCorrect = true;
  check.end = HardEND;
  return check;
}

constexpr CheckSpec kChecks[] = {
    first(Hardi, kPolarBoxes, HardiSeikai, HardiFuseikai1, HardiFuseikai2, kPolarStage),
    followUp(Hardi2, kPolarBoxes, kPolarLabels, HardiSeikai, Hardi2Fuseikai1, kPolarStage),
    followUp(HardiChoku, kRectangularBoxes, kRectangularLabels, HardiChokuSeikai,
             HardiChokuFuseikai1, 0),
    first(HardP, kPowerBoxes, HardPSeikai, HardPFuseikai1, HardPFuseikai2, kPowerStage),
    followUp(HardP2, kPowerBoxes, kPowerLabels, HardPSeikai, HardP2Fuseikai1, kPowerStage),
    followUp(HardPS, kApparentBoxes, kApparentLabels, HardPSSeikai, HardPSFuseikai1, 0),
    [] {
      // Right |I1| and ∠I1 at the third miss lead to the divider, else to I1 itself.
      CheckSpec check =
          first(HardAA, kPhasorBoxes, HardAASeikai, HardAAFuseikai1, HardAAFuseikai2, kPhasorStage);
      check.firstCurrentBoxes = 2;
      check.selectionOtherwise = HardAAFuseikai3;
      return check;
    }(),
    followUp(HardAA2, kPhasorBoxes, kPhasorLabels, HardAASeikai, HardAA2Fuseikai1, kPhasorStage),
    followUp(HardAA3, kI1Boxes, kI1Labels, HardAAHeiSeikai, HardAA3Fuseikai1, 0),
    followUp(HardAAHei, kV23Boxes, kV23Labels, HardAAHeiSeikai, HardAAHeiFuseikai1, 0),
};

// ---- The windows ----

// What stands beside each box: its caption and unit.
struct BoxText {
  const char* box;
  const char* caption;
  const char* unit;
};
constexpr BoxText kBoxTexts[] = {
    {"txtZ", "|Z|=", "Ω"},    {"txtTheta", "θ=", "°"},
    {"txtrr", "R=", "Ω"},     {"txtjj", "X=", "Ω"},
    {"txtP", "P=", "W"},      {"txtQ", "Q=", "var"},
    {"txtS", "S=", "V·A"},    {"txtPF", QT_TRANSLATE_NOOP("Kairo", "力率="), "%"},
    {"txtI", "|I1|=", "A"},   {"txtI1", "|I1|=", "A"},
    {"txtTh1", "∠I1=", "°"},  {"txtI2", "|I2|=", "A"},
    {"txtTh2", "∠I2=", "°"},  {"txtI3", "|I3|=", "A"},
    {"txtTh3", "∠I3=", "°"},  {"txtArr1", "a=", "A"},
    {"txtAjj1", "b=", "A"},   {"txtV", "|V23|=", "V"},
    {"txtThV", "∠V23=", "°"},
};

const BoxText& textsOf(const char* box) {
  for (const BoxText& texts : kBoxTexts)
    if (ScreenId{texts.box} == ScreenId{box}) return texts;
  Q_UNREACHABLE();
  return kBoxTexts[0];
}

constexpr const char* kOmega = QT_TRANSLATE_NOOP("Kairo", "ただし、ω＝１０^4 rad/s とする。");
constexpr const char* kPrecision = QT_TRANSLATE_NOOP(
    "Kairo", "途中の計算は有効数字４桁以上で行い、答えは小数点以下２桁まで求めなさい。");

struct Exercise {
  ScreenId id;
  const char* caption;
  const char* question;  // before the precision sentence and ω
  bool precision;        // the question asks for four significant figures along the way
};

constexpr const char* kPolarQuestion = QT_TRANSLATE_NOOP(
    "Kairo",
    "電源電圧 E は実効値とする。合成インピーダンス Z の大きさ |Z| [Ω] と偏角 θ [°] を求めなさい。"
    "θ は電流が電圧より遅れる（誘導性の）とき正、進む（容量性の）とき負とする。");
constexpr const char* kPowerQuestion = QT_TRANSLATE_NOOP(
    "Kairo",
    "電源が回路に供給する有効電力 P [W]、無効電力 Q [var]、皮相電力 S [V·A] と力率 [%] "
    "を求めなさい。Q は遅れ（誘導性）を正、進み（容量性）を負とする。");
constexpr const char* kPhasorQuestion = QT_TRANSLATE_NOOP(
    "Kairo",
    "電源電圧 E の位相を 0° として、電流 I1、I2、I3 の大きさ [A] と位相角 [°] を求めなさい。"
    "位相角は −180° より大きく 180° 以下とし、E より進むとき正とする。");

constexpr Exercise kExercises[] = {
    {Hardi, QT_TRANSLATE_NOOP("Kairo", "問題１"), kPolarQuestion, true},
    {Hardi2, QT_TRANSLATE_NOOP("Kairo", "問題１"), kPolarQuestion, true},
    {HardiChoku, QT_TRANSLATE_NOOP("Kairo", "問題１"),
     QT_TRANSLATE_NOOP("Kairo", "合成インピーダンス Z を Z＝R＋jX の形で求めなさい。"), false},
    {HardP, QT_TRANSLATE_NOOP("Kairo", "問題２"), kPowerQuestion, true},
    {HardP2, QT_TRANSLATE_NOOP("Kairo", "問題２"), kPowerQuestion, true},
    {HardPS, QT_TRANSLATE_NOOP("Kairo", "問題２"),
     QT_TRANSLATE_NOOP("Kairo",
                       "電源から流れる電流の大きさ |I1| [A] と皮相電力 S [V·A] を求めなさい。"),
     true},
    {HardAA, QT_TRANSLATE_NOOP("Kairo", "問題３"), kPhasorQuestion, true},
    {HardAA2, QT_TRANSLATE_NOOP("Kairo", "問題３"), kPhasorQuestion, true},
    {HardAA3, QT_TRANSLATE_NOOP("Kairo", "問題３"),
     QT_TRANSLATE_NOOP("Kairo",
                       "電源電圧 E の位相を 0° として、電流 I1 を I1＝a＋jb の形で求めなさい。"),
     false},
    {HardAAHei, QT_TRANSLATE_NOOP("Kairo", "問題３"),
     QT_TRANSLATE_NOOP(
         "Kairo",
         "電源電圧 E の位相を 0° として、並列部分（素子2と素子3）にかかる電圧 V23 の大きさ [V] "
         "と位相角 [°] を求めなさい。"),
     true},
};

// Window geometry in twips. The questions are long: the windows are wider than the intermediate
// course's, and each question takes the lines its text needs.
constexpr int kWidth = 5400;
constexpr int kInner = kWidth - 480;  // frame contents
constexpr int kCell = kInner / 2;     // two answers side by side
constexpr int kRowStep = 400;
constexpr int kLinePitch = 204;  // 8.5 pt lines

// The lines the question takes at its font across the frame, in whatever language, and one to
// spare.
int questionHeight(const QString& text) {
  FitLabel probe(text);
  probe.setFont(screenFont(kQuestionFont));
  probe.setWordWrap(true);
  probe.setGeometry(0, 0, px(kInner), 1 << 14);
  const int lines = int(probe.shownLines().size()) + 1;
  return lines * kLinePitch + 60;
}

// Rows of one window, kept alive with their names and texts while the window is built.
class Layout {
 public:
  void add(const char* name, Kind kind, const char* text, int left, int top, int width, int height,
           const char* frame = nullptr, Tint tint = Tint::Default, FontSpec font = {}) {
    names_.push_back(QByteArray(name));
    texts_.push_back(QByteArray(text));
    rows_.push_back({nullptr, kind, nullptr, left, top, width, height, frame, tint, font});
  }
  // Answers two to a row: caption, box (or red answer label) and unit.
  int answers(std::span<const AnswerField> fields, bool labels, int top, const char* frame) {
    int y = top;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const QByteArray control(fields[i].control);
      const QByteArray suffix = control.mid(labels ? 5 : 3);
      const BoxText& texts = textsOf(("txt" + suffix).constData());
      const int x = 120 + int(i % 2) * kCell;
      y = top + int(i / 2) * kRowStep;
      const QByteArray prefix = labels ? "Ans" : "";
      add(prefix + "Cap" + suffix, Kind::Label, texts.caption, x, y, 660, 270, frame);
      add(control, labels ? Kind::Label : Kind::TextBox, "", x + 680, y, 1000, 270, frame,
          labels ? Tint::Red : Tint::Default);
      add(prefix + "Unit" + suffix, Kind::Label, texts.unit, x + 1720, y, 600, 270, frame);
    }
    return y + kRowStep;
  }
  // The rows, pointing at the names and texts kept here (final once nothing is added).
  std::span<const ControlRow> finished() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      rows_[i].name = names_[i].constData();
      rows_[i].text = texts_[i].constData();
    }
    return rows_;
  }

 private:
  std::vector<QByteArray> names_, texts_;
  std::vector<ControlRow> rows_;
};

const CheckSpec& checkOf(ScreenId id) {
  for (const CheckSpec& check : kChecks)
    if (check.screen == id) return check;
  Q_UNREACHABLE();
  return kChecks[0];
}

}  // namespace

std::span<const CheckSpec> checks() {
  return kChecks;
}

QWidget* createExercise(ScreenId id) {
  const Exercise* exercise = nullptr;
  for (const Exercise& e : kExercises)
    if (e.id == id) exercise = &e;
  if (!exercise) return nullptr;
  const CheckSpec& check = checkOf(id);

  // The question is put together from its sentences in the language shown; the builder then
  // finds no translation of the whole and shows it as it is.
  const QString question = translated(exercise->question) +
                           (exercise->precision ? translated(kPrecision) : QString()) +
                           translated(kOmega);
  const QByteArray questionText = question.toUtf8();
  Layout layout;
  int frameTop = 120;
  if (id == Hardi) {
    layout.add("cmdSuuti", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "start"), 120, 120, 855,
               375);
    layout.add("Label10", Kind::Label,
               QT_TRANSLATE_NOOP(
                   "Kairo", "左のスタートボタンをクリックして開始すると，回路図が表示されます。"),
               1080, 120, kWidth - 1200, 420);
    frameTop = 660;
  }
  const int questionTop = 300;
  const int questionBottom = questionTop + questionHeight(question);
  layout.add("Label9", Kind::Label, questionText.constData(), 120, questionTop, kInner,
             questionBottom - questionTop, "Frame2", Tint::Default, kQuestionFont);
  int y = layout.answers(check.boxes, false, questionBottom + 120, "Frame2") + 80;
  layout.add("cmdkaitou", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "解答チェック"),
             kInner / 2 - 667 + 120, y, 1335, 375, "Frame2");
  layout.add("lblA", Kind::Label, "", kInner / 2 + 800 + 120, y, 1200, 375, "Frame2", Tint::Blue);
  y += 480;
  layout.add(
      "Label78", Kind::Label,
      check.followUp
          ? QT_TRANSLATE_NOOP(
                "Kairo", "解答チェックは三回行えます。三回目でも間違えますと答えを表示します。")
          : QT_TRANSLATE_NOOP("Kairo", "解答チェックは三回行えます。"),
      120, y, kInner, 480, "Frame2");
  y += 560;
  layout.add("Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "ミスした回数"), 120, y, 975, 255,
             "Frame2");
  layout.add("Label6", Kind::Label, "", 1200, y, 375, 255, "Frame2", Tint::Red);
  const int frameHeight = y + 375;

  std::vector<ControlRow> rows;
  rows.push_back(
      {"Frame2", Kind::Frame, exercise->caption, 120, frameTop, kWidth - 240, frameHeight});
  int height = frameTop + frameHeight + 120;
  const QByteArray answerCaption =
      QCoreApplication::translate("Kairo", "%1の答え").arg(translated(exercise->caption)).toUtf8();
  if (!check.answers.empty()) {
    const int bottom = layout.answers(check.answers, true, 300, "Frame1");
    rows.push_back(
        {"Frame1", Kind::Frame, answerCaption.constData(), 120, height, kWidth - 240, bottom + 60});
    height += bottom + 180;
  }
  for (const ControlRow& row : layout.finished()) rows.push_back(row);
  return buildForm(
      FormSpec{id.utf8, exercise->caption, kWidth, height, 6300, 4500, Background::Default, rows});
}

}  // namespace kairo::advanced
