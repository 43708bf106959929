// The seven exercise windows of the intermediate course as layout tables.
#include <initializer_list>
#include <vector>

#include "courses/intermediate/intermediate.h"
#include "ui/form.h"

namespace kairo::intermediate {

namespace {

// ---- One answer row: label, real part, "+j(", imaginary part, ")", unit ----

struct RowNames {
  const char *label, *re, *plus, *im, *close, *unit;
  const char* text;      // "Z=", "I1=", ...
  const char* unitText;  // "Ω" or "A"
};

// Left edges of the six controls of a row.
struct Columns {
  int label, re, plus, im, close, unit;
};

// Kind and sizes of the six controls: answer boxes on the exercise, red labels in the answer frame.
struct RowShape {
  Kind valueKind;
  Tint valueTint;
  int labelWidth, reWidth, plusWidth, imWidth, closeWidth, unitWidth;
  int textHeight, valueHeight;
};

constexpr RowShape kNormaliBoxes{Kind::TextBox, Tint::Default, 252, 735, 252,
                                 855,           132,           132, 252, 270};
constexpr RowShape kImpedanceBoxes{Kind::TextBox, Tint::Default, 255, 735, 255,
                                   855,           135,           255, 255, 270};
constexpr RowShape kCurrentBoxes{Kind::TextBox, Tint::Default, 360, 735, 255,
                                 855,           135,           255, 255, 270};
constexpr RowShape kAnswerLabels{Kind::Label, Tint::Red, 375, 615, 255, 735, 135, 255, 255, 255};

// The rows of the current exercises stand 360 apart; their answer frames share one set of columns.
constexpr int kRowStep = 360;
constexpr Columns kAnswerColumns{120, 600, 1320, 1560, 2400, 2520};

// A layout table under construction, in tab order.
class Table {
 public:
  Table& add(std::initializer_list<ControlRow> rows) {
    // One row at a time: GCC 12 misreads a range insert from a short list as an overflow.
    for (const ControlRow& row : rows) rows_.push_back(row);
    return *this;
  }
  Table& row(const RowNames& n, const RowShape& s, Columns x, int y, const char* frame) {
    return add({
        {n.label, Kind::Label, n.text, x.label, y, s.labelWidth, s.textHeight, frame},
        {n.re, s.valueKind, "", x.re, y, s.reWidth, s.valueHeight, frame, s.valueTint},
        {n.plus, Kind::Label, "+j(", x.plus, y, s.plusWidth, s.textHeight, frame},
        {n.im, s.valueKind, "", x.im, y, s.imWidth, s.valueHeight, frame, s.valueTint},
        {n.close, Kind::Label, ")", x.close, y, s.closeWidth, s.textHeight, frame},
        {n.unit, Kind::Label, n.unitText, x.unit, y, s.unitWidth, s.textHeight, frame},
    });
  }
  // The question, in the question frame, set in the one size of every question.
  Table& question(const char* name, const char* text, int left, int top, int width, int height) {
    return add({{name, Kind::Label, text, left, top, width, height, "Frame2", Tint::Default,
                 kQuestionFont}});
  }
  // Consecutive current rows, kRowStep apart.
  Table& rows(std::initializer_list<RowNames> names, const RowShape& s, Columns x, int y,
              const char* frame) {
    for (const RowNames& n : names) {
      row(n, s, x, y, frame);
      y += kRowStep;
    }
    return *this;
  }
  std::span<const ControlRow> controls() const { return rows_; }

 private:
  std::vector<ControlRow> rows_;
};

// ---- Texts ----

constexpr const char* kThreeChecks = QT_TRANSLATE_NOOP(
    "Kairo", "解答チェックは三回行えます。三回目でも間違えますと答えを表示します。");

// The ideographic-space runs are layout filler that pushes the next sentence to a new line.
constexpr const char* kNormaliQuestion = QT_TRANSLATE_NOOP(
    "Kairo",
    "合成インピーダンスを小数点以下２桁までで求めなさい。得られた数値は下の空白に入力して下さい。"
    "　　　　　　　　　　"
    "　　　　　　　　　　"
    "　　"  // 22
    "ただし、ω＝１０ ^4rad/sとする。");
constexpr const char* kNormali2Question = QT_TRANSLATE_NOOP(
    "Kairo",
    "合成インピーダンスを小数点以下2桁までで求めなさい。得られた数値は下の空白に入力してください。"
    "　"
    "ただし、ω=１０＾4rad/sとする。");
constexpr const char* kNormaliHeiQuestion = QT_TRANSLATE_NOOP(
    "Kairo",
    "合成インピーダンス小数点以下2桁までで求めなさい。得られた数値を下の空白に入力してください。"
    "ただし、ω=１０＾4rad/sとする。");
constexpr const char* kNormalAAQuestion =
    QT_TRANSLATE_NOOP("Kairo",
                      "I1, I2, I3に流れるそれぞれの電流を小数点以下２桁までで答えなさい。"
                      "得られた数値は下の空白に入力して下さい。ただし、ω=１０＾4rad/sとする。");
constexpr const char* kNormalAA2Question =
    QT_TRANSLATE_NOOP("Kairo",
                      "I1, I2, I3に流れるそれぞれの電流を小数点以下２桁までで答えなさい。"
                      "得られた数値を下の空白に入力して下さい。"
                      "　　　　　"  // 5
                      "ただし、ω=１０＾4rad/sとする。");
constexpr const char* kNormalAA3Question =
    QT_TRANSLATE_NOOP("Kairo",
                      "合成抵抗Zに流れる電流を小数点以下２桁までで答えなさい。"
                      "得られた数値を下の空白に入力して下さい。ただし、ω=１０＾4rad/sとする。");
constexpr const char* kNormalAAHeiQuestion =
    QT_TRANSLATE_NOOP("Kairo",
                      "I1の電流の答えは正解です。"
                      "　　　　　　　　　　"  // 10
                      "それでは、 並列接続では電流はどのように分配されるでしょうか？"
                      "I2、I3に流れる電流を小数点以下２桁までで答えなさい。"
                      "得られた数値は下の空白に入力して下さい。"
                      "　　　　　　　　　"  // 9
                      "ただし、ω=１０＾4rad/sとする。");

// ---- Row names ----

constexpr RowNames kZBoxes{"Label21", "txtrr", "Label67", "txtjj", "Label7", "Label1", "Z=", "Ω"};
constexpr RowNames kA1Boxes{"Label21", "txtrr", "Label67", "txtjj", "Label7", "Label1", "A1=", "Ω"};
constexpr RowNames kZAnswer{"Label14", "Labelrr", "Label15", "Labeljj",
                            "Label8",  "Label2",  "Z=",      "Ω"};

constexpr RowNames kI1Boxes{"Label21", "txtArr1", "Label29", "txtAjj1",
                            "Label7",  "Label1",  "I1=",     "A"};
constexpr RowNames kI2Boxes{"Label22", "txtArr2", "Label13", "txtAjj2",
                            "Label8",  "Label2",  "I2=",     "A"};
constexpr RowNames kI3Boxes{"Label23", "txtArr3", "Label17", "txtAjj3",
                            "Label9",  "Label3",  "I3=",     "A"};
constexpr RowNames kIBoxes{"Label21", "txtArr1", "Label29", "txtAjj1",
                           "Label7",  "Label1",  "I=",      "A"};
// NormalAA並 numbers its unit labels from 1.
constexpr RowNames kI2BoxesHei{"Label22", "txtArr2", "Label13", "txtAjj2",
                               "Label8",  "Label1",  "I2=",     "A"};
constexpr RowNames kI3BoxesHei{"Label23", "txtArr3", "Label17", "txtAjj3",
                               "Label9",  "Label2",  "I3=",     "A"};

constexpr RowNames kI1Answer{"Label14", "LabelArr1", "Label15", "LabelAjj1",
                             "Label11", "Label4",    "I1=",     "A"};
constexpr RowNames kI2Answer{"Label16", "LabelArr2", "Label18", "LabelAjj2",
                             "Label12", "Label10",   "I2=",     "A"};
constexpr RowNames kI3Answer{"Label19", "LabelArr3", "Label20", "LabelAjj3",
                             "Label24", "Label25",   "I3=",     "A"};
constexpr RowNames kA1Answer{"Label14", "LabelArr1", "Label15", "LabelAjj1",
                             "Label11", "Label2",    "A1=",     "A"};
constexpr RowNames kI2AnswerHei{"Label16", "LabelArr2", "Label18", "LabelAjj2",
                                "Label12", "Label3",    "I2=",     "A"};
constexpr RowNames kI3AnswerHei{"Label19", "LabelArr3", "Label20", "LabelAjj3",
                                "Label24", "Label4",    "I3=",     "A"};

// ---- The seven screens ----

Table normali() {
  Table t;
  t.add({
      {"cmdSuuti", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "start"), 0, 240, 855, 375},
      {"Label10", Kind::Label,
       QT_TRANSLATE_NOOP("Kairo",
                         "左のスタートボタンをクリックして開始すると，回路図が表示されます。"),
       960, 240, 2895, 615},
      {"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題1"), 120, 1080, 3735, 3855},
      {"Label9", Kind::Label, kNormaliQuestion, 120, 480, 3492, 732, "Frame2", Tint::Default,
       kQuestionFont},
  });
  t.row(kZBoxes, kNormaliBoxes, {120, 480, 1320, 1560, 2520, 2640}, 1680, "Frame2");
  t.add({
      {"cmdkaitou", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "解答チェック"), 960, 2040,
       1335, 375, "Frame2"},
      {"lblA", Kind::Label, "", 2520, 2040, 1092, 372, "Frame2", Tint::Blue},
      {"Label78", Kind::Label, kThreeChecks, 120, 2520, 3252, 372, "Frame2"},
      {"Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "ミスした回数"), 120, 3000, 972, 252,
       "Frame2"},
      {"Label6", Kind::Label, "", 1200, 3000, 252, 252, "Frame2", Tint::Red},
  });
  return t;
}

Table normali2() {
  Table t;
  t.add({{"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題1"), 240, 360, 4212, 2775}});
  t.question("Label9", kNormali2Question, 120, 360, 3972, 612);
  t.row(kA1Boxes, kImpedanceBoxes, {120, 480, 1320, 1560, 2520, 2640}, 1080, "Frame2");
  t.add({
      {"cmdkaitou", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "解答チェック"), 840, 1440,
       1335, 375, "Frame2"},
      {"lblA", Kind::Label, "", 2400, 720, 975, 375, "Frame2", Tint::Blue},
      {"Label78", Kind::Label, kThreeChecks, 120, 1920, 3255, 375, "Frame2"},
      {"Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "ミスした回数"), 120, 2400, 975, 255,
       "Frame2"},
      {"Label6", Kind::Label, "", 1200, 2400, 255, 255, "Frame2", Tint::Red},
      {"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題1の答え"), 240, 3240, 3495, 615},
  });
  t.row(kZAnswer, kAnswerLabels, {120, 600, 1320, 1680, 2520, 2760}, 240, "Frame1");
  return t;
}

Table normaliHei() {
  Table t;
  t.add({{"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題1a"), 360, 240, 4092, 3012}});
  t.question("Label9", kNormaliHeiQuestion, 120, 360, 3852, 732);
  t.row(kA1Boxes, kImpedanceBoxes, {240, 600, 1440, 1680, 2640, 2760}, 1320, "Frame2");
  t.add({
      {"cmdkaitou", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "解答チェック"), 1080, 1680,
       1335, 375, "Frame2"},
      {"lblA", Kind::Label, "", 2520, 1680, 855, 375, "Frame2", Tint::Blue},
      {"Label78", Kind::Label, kThreeChecks, 120, 2160, 3255, 375, "Frame2"},
      {"Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "ミスした回数"), 240, 2640, 975, 255,
       "Frame2"},
      {"Label6", Kind::Label, "", 1320, 2640, 255, 255, "Frame2", Tint::Red},
      {"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題1a"), 480, 3480, 3495, 615},
  });
  t.row(kZAnswer, kAnswerLabels, {120, 600, 1320, 1680, 2520, 2640}, 240, "Frame1");
  return t;
}

Table normalAA() {
  Table t;
  t.add({{"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題2"), 120, 240, 4095, 3495}});
  t.question("Label1111", kNormalAAQuestion, 120, 360, 3732, 612);
  t.rows({kI1Boxes, kI2Boxes, kI3Boxes}, kCurrentBoxes, {600, 960, 1680, 1920, 2880, 3000}, 1200,
         "Frame2");
  t.add({
      {"cmdkaitou", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "解答チェック"), 1200, 2280,
       1335, 375, "Frame2"},
      {"Label78", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "解答チェックは三回行えます。"), 240,
       2760, 3255, 255, "Frame2"},
      {"Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "ミスした回数"), 240, 3120, 975, 255,
       "Frame2"},
      {"Label6", Kind::Label, "", 1320, 3120, 255, 255, "Frame2", Tint::Red},
  });
  return t;
}

Table normalAA2() {
  Table t;
  t.add({{"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題2"), 240, 120, 3495, 3735}});
  t.question("Label1111", kNormalAA2Question, 240, 360, 3132, 852);
  t.rows({kI1Boxes, kI2Boxes, kI3Boxes}, kCurrentBoxes, {480, 840, 1560, 1800, 2760, 2880}, 1320,
         "Frame2");
  t.add({
      {"cmdkaitou", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "解答チェック"), 1200, 2400,
       1335, 375, "Frame2"},
      {"Label78", Kind::Label, kThreeChecks, 120, 2880, 3255, 465, "Frame2"},
      {"Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "ミスした回数"), 120, 3360, 975, 255,
       "Frame2"},
      {"Label6", Kind::Label, "", 1200, 3360, 255, 255, "Frame2", Tint::Red},
      {"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題２の答え"), 480, 3960, 3015, 1575},
  });
  t.rows({kI1Answer, kI2Answer, kI3Answer}, kAnswerLabels, kAnswerColumns, 360, "Frame1");
  return t;
}

Table normalAA3() {
  Table t;
  t.add({{"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題2a"), 240, 120, 3852, 3252}});
  t.question("Label1111", kNormalAA3Question, 120, 240, 3612, 612);
  t.row(kIBoxes, kCurrentBoxes, {360, 720, 1440, 1680, 2640, 2760}, 960, "Frame2");
  t.add({
      {"cmdkaitou", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "解答チェック"), 960, 1320,
       1335, 375, "Frame2"},
      {"Label78", Kind::Label, kThreeChecks, 240, 1800, 3255, 465, "Frame2"},
      {"Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "ミスした回数"), 120, 2280, 975, 255,
       "Frame2"},
      {"Label6", Kind::Label, "", 1200, 2280, 255, 255, "Frame2", Tint::Red},
      {"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題２の答え"), 480, 3480, 2895, 735},
  });
  t.row(kA1Answer, kAnswerLabels, kAnswerColumns, 360, "Frame1");
  return t;
}

Table normalAAHei() {
  Table t;
  t.add({
      {"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題2b"), 120, 120, 3975, 3492},
      {"Label1111", Kind::Label, kNormalAAHeiQuestion, 240, 240, 3492, 1092, "Frame2",
       Tint::Default, kQuestionFont},
  });
  t.rows({kI2BoxesHei, kI3BoxesHei}, kCurrentBoxes, {480, 840, 1560, 1800, 2760, 2880}, 1440,
         "Frame2");
  t.add({
      {"cmdkaitou", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "解答チェック"), 1080, 2160,
       1335, 375, "Frame2"},
      {"lblA", Kind::Label, "", 2760, 2040, 972, 612, "Frame2"},
      {"Label78", Kind::Label, kThreeChecks, 120, 2640, 3255, 465, "Frame2"},
      {"Label5", Kind::Label, QT_TRANSLATE_NOOP("Kairo", "ミスした回数"), 120, 3120, 975, 255,
       "Frame2"},
      {"Label6", Kind::Label, "", 1200, 3120, 255, 255, "Frame2", Tint::Red},
      {"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題２の答え"), 120, 3840, 3015, 975},
  });
  t.rows({kI2AnswerHei, kI3AnswerHei}, kAnswerLabels, kAnswerColumns, 240, "Frame1");
  return t;
}

struct ExerciseScreen {
  ScreenId id;
  const char* caption;
  int left, top, width, height;
  Table (*controls)();
};

constexpr ExerciseScreen kExercises[] = {
    {screens::Normali, QT_TRANSLATE_NOOP("Kairo", "問題１"), 6216, 3420, 4116, 5184, normali},
    {screens::Normali2, QT_TRANSLATE_NOOP("Kairo", "問題１"), 6012, 4368, 4512, 4068, normali2},
    {screens::NormaliHei, QT_TRANSLATE_NOOP("Kairo", "問題１a"), 2496, 4368, 5232, 4188,
     normaliHei},
    {screens::NormalAA, QT_TRANSLATE_NOOP("Kairo", "問題２"), 132, 3744, 4248, 3876, normalAA},
    {screens::NormalAA2, QT_TRANSLATE_NOOP("Kairo", "問題２"), 216, 3384, 4044, 5616, normalAA2},
    {screens::NormalAA3, QT_TRANSLATE_NOOP("Kairo", "問題２a"), 2868, 4404, 4212, 4272, normalAA3},
    {screens::NormalAAHei, QT_TRANSLATE_NOOP("Kairo", "問題２b"), 2904, 3708, 4224, 4908,
     normalAAHei},
};

}  // namespace

QWidget* createExercise(ScreenId id) {
  for (const ExerciseScreen& screen : kExercises) {
    if (screen.id != id) continue;
    const Table table = screen.controls();
    return buildForm(FormSpec{id.utf8, screen.caption, screen.width, screen.height, screen.left,
                              screen.top, Background::Default, table.controls()});
  }
  return nullptr;
}

}  // namespace kairo::intermediate
