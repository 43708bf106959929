// The seven exercise windows of the beginner course as layout tables.
#include "courses/beginner/beginner.h"
#include "ui/form.h"

namespace kairo::beginner {
namespace {

constexpr const char* kCheckFace = QT_TRANSLATE_NOOP("Kairo", "解答チェック");
constexpr const char* kThreeChecks = QT_TRANSLATE_NOOP("Kairo", "解答チェックは三回行えます。");
constexpr const char* kThreeChecksThenAnswer = QT_TRANSLATE_NOOP(
    "Kairo", "解答チェックは三回行えます。三回目でも間違えますと答えを表示します。");
constexpr const char* kMissCaption = QT_TRANSLATE_NOOP("Kairo", "ミスした回数");
constexpr const char* kResistanceQuestion = QT_TRANSLATE_NOOP(
    "Kairo", "合成抵抗を小数点以下２桁までで求めなさい。得られた数値を下の空白に入力して下さい。");

// ---- Combined resistance: EasyR1, then EasyR2 and EasyR並 ----

constexpr ControlRow kEasyR1Controls[] = {
    {"cmdSuuti", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "start"), 120, 360, 975, 375},
    {"Label10", Kind::Label,
     QT_TRANSLATE_NOOP("Kairo", "左の問題ボタンをクリックすると、回路図が表示されます。"), 1320,
     360, 3255, 495},
    {"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題１"), 240, 1080, 3735, 2415},
    {"Label9", Kind::Label,
     QT_TRANSLATE_NOOP(
         "Kairo",
         "合成抵抗を小数点以下２桁までで求めなさい。得られた数値は下の空白に入力して下さい。"),
     120, 240, 3492, 372, "Frame1", Tint::Default, kQuestionFont},
    {"Label11", Kind::Label, "R=", 720, 840, 252, 252, "Frame1"},
    {"txtZR", Kind::TextBox, "", 960, 840, 855, 270, "Frame1"},
    {"Label12", Kind::Label, "Ω", 1920, 840, 132, 252, "Frame1"},
    {"lblA", Kind::Label, "", 2280, 960, 1215, 255, "Frame1", Tint::Blue},
    {"cmdKaitou", Kind::PictureButton, kCheckFace, 960, 1200, 1335, 375, "Frame1"},
    {"Label5", Kind::Label, kThreeChecks, 360, 1680, 2175, 255, "Frame1"},
    {"Label8", Kind::Label, kMissCaption, 240, 2040, 975, 255, "Frame1"},
    {"Label6", Kind::Label, "", 1320, 2040, 255, 255, "Frame1", Tint::Red},
};

// Rows EasyR2 and EasyR並 share: the lower half of the question frame and the answer frame's
// contents.
constexpr ControlRow kRCheck{"cmdKaitou", Kind::PictureButton, kCheckFace, 960, 1200, 1335, 375,
                             "Frame1"};
constexpr ControlRow kRThreeChecks{"Label5", Kind::Label, kThreeChecksThenAnswer, 120, 1680, 3255,
                                   375,      "Frame1"};
constexpr ControlRow kRMissCaption{"Label8", Kind::Label, kMissCaption, 240,
                                   2280,     975,         255,          "Frame1"};
constexpr ControlRow kRMiss{"Label6", Kind::Label, "", 1320, 2280, 255, 255, "Frame1", Tint::Red};
constexpr ControlRow kRAnswerCaption{"Label7", Kind::Label, "R=", 360, 240, 255, 255, "fraKotae"};
constexpr ControlRow kRAnswer{"lblZR", Kind::Label, "", 600, 240, 615, 255, "fraKotae", Tint::Red};
constexpr ControlRow kRAnswerUnit{"Label13", Kind::Label, "Ω", 1320, 240, 135, 255, "fraKotae"};

constexpr ControlRow kEasyR2Controls[] = {
    {"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題１"), 240, 480, 4092, 2775},
    {"Label9", Kind::Label, kResistanceQuestion, 240, 240, 3612, 492, "Frame1", Tint::Default,
     kQuestionFont},
    {"Label11", Kind::Label, "R=", 1080, 840, 255, 255, "Frame1"},
    {"txtZR", Kind::TextBox, "", 1320, 840, 855, 270, "Frame1"},
    {"Label12", Kind::Label, "Ω", 2280, 840, 135, 255, "Frame1"},
    {"lblA", Kind::Label, "", 2520, 1080, 1212, 252, "Frame1", Tint::Blue},
    kRCheck,
    kRThreeChecks,
    kRMissCaption,
    kRMiss,
    {"fraKotae", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題１の答え"), 240, 3600, 3855, 615},
    kRAnswerCaption,
    kRAnswer,
    kRAnswerUnit,
};

constexpr ControlRow kEasyRHeiControls[] = {
    {"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題１a"), 600, 480, 3855, 2775},
    {"Label9", Kind::Label, kResistanceQuestion, 120, 240, 3492, 492, "Frame1", Tint::Default,
     kQuestionFont},
    {"Label11", Kind::Label, "R=", 720, 960, 255, 255, "Frame1"},
    {"txtZR", Kind::TextBox, "", 960, 960, 855, 270, "Frame1"},
    {"Label12", Kind::Label, "Ω", 1920, 960, 135, 255, "Frame1"},
    {"lblA", Kind::Label, "", 2280, 960, 975, 255, "Frame1", Tint::Blue},
    kRCheck,
    kRThreeChecks,
    kRMissCaption,
    kRMiss,
    {"fraKotae", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題１aの答え"), 600, 3600, 3855, 615},
    kRAnswerCaption,
    kRAnswer,
    kRAnswerUnit,
};

// ---- Branch currents: EasyA and EasyA2, then EasyA3 and EasyA並 ----

// The three current boxes stand at the same places on EasyA and EasyA2.
constexpr ControlRow kI1Caption{"Label21", Kind::Label, "I1=", 360, 1080, 252, 252, "Frame2"};
constexpr ControlRow kI1Box{"txtArr1", Kind::TextBox, "", 720, 1080, 735, 270, "Frame2"};
constexpr ControlRow kI1Unit{"Label47", Kind::Label, "A", 1440, 1080, 132, 252, "Frame2"};
constexpr ControlRow kI2Caption{"Label22", Kind::Label, "I2=", 1680, 1080, 252, 252, "Frame2"};
constexpr ControlRow kI2Box{"txtArr2", Kind::TextBox, "", 2040, 1080, 735, 270, "Frame2"};
constexpr ControlRow kI2Unit{"Label13", Kind::Label, "A", 2760, 1080, 132, 252, "Frame2"};
constexpr ControlRow kI3Caption{"Label23", Kind::Label, "I3=", 360, 1440, 252, 252, "Frame2"};
constexpr ControlRow kI3Box{"txtArr3", Kind::TextBox, "", 720, 1440, 735, 270, "Frame2"};
constexpr ControlRow kI3Unit{"Label17", Kind::Label, "A", 1440, 1440, 132, 252, "Frame2"};

// The first line of the answer frame "問題２の答え" of EasyA2 and EasyA3.
constexpr ControlRow kI1AnswerCaption{"Label14", Kind::Label, "I1=", 120,
                                      360,       375,         255,   "Frame1[1]"};
constexpr ControlRow kI1Answer{"LabelArr1", Kind::Label, "",          600,      360,
                               615,         255,         "Frame1[1]", Tint::Red};
constexpr ControlRow kI1AnswerUnit{"Label15", Kind::Label, "A", 1320, 360, 135, 255, "Frame1[1]"};

constexpr ControlRow kEasyAControls[] = {
    {"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題2"), 120, 240, 3612, 3012},
    {"Label1111", Kind::Label,
     QT_TRANSLATE_NOOP("Kairo",
                       "I1, I2, I3に流れるそれぞれの電流を小数点以下２桁までで答えなさい。"
                       "得られた数値を下の空白に入力してください。"),
     240, 360, 3132, 612, "Frame2", Tint::Default, kQuestionFont},
    kI1Caption,
    kI1Box,
    kI1Unit,
    kI2Caption,
    kI2Box,
    kI2Unit,
    kI3Caption,
    kI3Box,
    kI3Unit,
    {"cmdkaitou", Kind::PictureButton, kCheckFace, 840, 1800, 1335, 375, "Frame2"},
    {"Label5[1]", Kind::Label, kThreeChecks, 120, 2280, 2292, 252, "Frame2"},
    {"Label5[0]", Kind::Label, kMissCaption, 120, 2640, 972, 252, "Frame2"},
    {"Label6", Kind::Label, "", 1200, 2640, 372, 252, "Frame2", Tint::Red},
};

constexpr ControlRow kEasyA2Controls[] = {
    {"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題2"), 0, 120, 3495, 3132},
    {"Label1111", Kind::Label,
     QT_TRANSLATE_NOOP("Kairo",
                       "I1, I2, I3に流れるそれぞれの電流を小数点以下２桁までで答えなさい。"
                       "得られた数値は下の空白に入力して下さい。"),
     120, 360, 3252, 612, "Frame2", Tint::Default, kQuestionFont},
    kI1Caption,
    kI1Box,
    kI1Unit,
    kI2Caption,
    kI2Box,
    kI2Unit,
    kI3Caption,
    kI3Box,
    kI3Unit,
    {"cmdkaitou", Kind::PictureButton, kCheckFace, 960, 1800, 1335, 375, "Frame2"},
    {"Label5[1]", Kind::Label, kThreeChecksThenAnswer, 120, 2280, 3252, 372, "Frame2"},
    {"Label5[0]", Kind::Label, kMissCaption, 120, 2760, 972, 252, "Frame2"},
    {"Label6", Kind::Label, "", 1320, 2760, 372, 252, "Frame2", Tint::Red},
    {"Frame1[1]", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題２の答え"), 120, 3360, 3015, 1095},
    kI1AnswerCaption,
    kI1Answer,
    kI1AnswerUnit,
    {"Label16", Kind::Label, "I2=", 1560, 360, 375, 255, "Frame1[1]"},
    {"LabelArr2", Kind::Label, "", 2040, 360, 615, 255, "Frame1[1]", Tint::Red},
    {"Label18", Kind::Label, "A", 2760, 360, 135, 255, "Frame1[1]"},
    {"Label19", Kind::Label, "I3=", 120, 720, 375, 255, "Frame1[1]"},
    {"LabelArr3", Kind::Label, "", 600, 720, 615, 255, "Frame1[1]", Tint::Red},
    {"Label20", Kind::Label, "A", 1320, 720, 135, 255, "Frame1[1]"},
};

constexpr ControlRow kEasyA3Controls[] = {
    {"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題２ｂ"), 120, 120, 3612, 3012},
    {"Label1111", Kind::Label,
     QT_TRANSLATE_NOOP("Kairo",
                       "合成抵抗Rに流れる電流を小数点以下２桁までで答えなさい。"
                       "得られた数値は下の空白に入力して下さい。"),
     120, 360, 3372, 612, "Frame2", Tint::Default, kQuestionFont},
    {"Label21", Kind::Label, "I=", 360, 1080, 252, 252, "Frame2"},
    kI1Box,
    kI1Unit,
    {"cmdkaitou", Kind::PictureButton, kCheckFace, 720, 1440, 1335, 375, "Frame2"},
    {"Label5[1]", Kind::Label, kThreeChecksThenAnswer, 120, 2040, 3252, 372, "Frame2"},
    {"Label5[0]", Kind::Label, kMissCaption, 120, 2520, 972, 252, "Frame2"},
    {"Label6", Kind::Label, "", 1320, 2520, 372, 252, "Frame2", Tint::Red},
    {"Frame1[1]", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題２の答え"), 120, 3360, 3015, 735},
    kI1AnswerCaption,
    kI1Answer,
    kI1AnswerUnit,
};

constexpr ControlRow kEasyAHeiControls[] = {
    {"Frame2", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題2a"), 120, 120, 3735, 3375},
    // The ideographic spaces push "それでは、" onto a line of its own.
    {"Label1111", Kind::Label,
     QT_TRANSLATE_NOOP("Kairo",
                       "I1の電流の答えは正解です。"
                       "　　　　　　　　　　"
                       "それでは、 並列接続では電流はどのように分配されるでしょうか？"
                       "I2、I3に流れる電流を小数点以下２桁までで答えなさい。得られた数値は下の空白"
                       "に入力して下さい。"),
     120, 360, 3492, 1092, "Frame2", Tint::Default, kQuestionFont},
    {"Label22", Kind::Label, "I2=", 240, 1680, 255, 255, "Frame2"},
    {"txtArr2", Kind::TextBox, "", 480, 1680, 735, 270, "Frame2"},
    {"Label13", Kind::Label, "A", 1200, 1680, 135, 255, "Frame2"},
    {"Label23", Kind::Label, "I3=", 1440, 1680, 255, 255, "Frame2"},
    {"txtArr3", Kind::TextBox, "", 1680, 1680, 735, 270, "Frame2"},
    {"Label17", Kind::Label, "A", 2400, 1680, 135, 255, "Frame2"},
    {"lblA", Kind::Label, "", 2640, 1680, 975, 255, "Frame2", Tint::Blue},
    {"cmdkaitou", Kind::PictureButton, kCheckFace, 840, 1920, 1335, 375, "Frame2"},
    {"Label5[1]", Kind::Label, kThreeChecksThenAnswer, 120, 2400, 3255, 375, "Frame2"},
    {"Label5[0]", Kind::Label, kMissCaption, 240, 2880, 975, 255, "Frame2"},
    {"Label6", Kind::Label, "", 1200, 2880, 375, 255, "Frame2", Tint::Red},
    {"Frame1[1]", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "問題２aの答え"), 240, 3840, 3015, 615},
    {"Label16", Kind::Label, "I2=", 120, 240, 375, 255, "Frame1[1]"},
    {"LabelArr2", Kind::Label, "", 360, 240, 615, 255, "Frame1[1]", Tint::Red},
    {"Label18", Kind::Label, "A", 1200, 240, 135, 255, "Frame1[1]"},
    {"Label15[1]", Kind::Label, "I3=", 1440, 240, 375, 255, "Frame1[1]"},
    {"LabelArr3", Kind::Label, "", 1920, 240, 615, 255, "Frame1[1]", Tint::Red},
    {"Label20", Kind::Label, "A", 2640, 240, 135, 255, "Frame1[1]"},
};

// Window: name, caption, client size, desktop position of the client area.
constexpr FormSpec kExercises[] = {
    {"EasyR1", QT_TRANSLATE_NOOP("Kairo", "問題１"), 4572, 3684, 5844, 4440, Background::Default,
     kEasyR1Controls},
    {"EasyR2", QT_TRANSLATE_NOOP("Kairo", "問題１"), 4452, 4500, 5880, 4032, Background::Default,
     kEasyR2Controls},
    {"EasyR並", QT_TRANSLATE_NOOP("Kairo", "問題１a "), 4884, 4404, 2616, 3744, Background::Default,
     kEasyRHeiControls},
    {"EasyA", QT_TRANSLATE_NOOP("Kairo", "問題２"), 3936, 3420, 84, 4440, Background::Default,
     kEasyAControls},
    {"EasyA2", QT_TRANSLATE_NOOP("Kairo", "問題２"), 4020, 5208, 84, 3420, Background::Default,
     kEasyA2Controls},
    {"EasyA3", QT_TRANSLATE_NOOP("Kairo", "問題２b"), 3972, 4188, 132, 3588, Background::Default,
     kEasyA3Controls},
    {"EasyA並", QT_TRANSLATE_NOOP("Kairo", "問題２a"), 4260, 5280, 2868, 3300, Background::Default,
     kEasyAHeiControls},
};

const FormSpec& layoutOf(ScreenId id) {
  for (const FormSpec& layout : kExercises)
    if (ScreenId{layout.name} == id) return layout;
  Q_UNREACHABLE();
  return kExercises[0];
}

}  // namespace

QWidget* createExercise(ScreenId id) {
  return buildForm(layoutOf(id));
}

}  // namespace kairo::beginner
