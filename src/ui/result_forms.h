#pragma once

#include <QWidget>

#include "ui/form.h"
#include "ui/screen_registry.h"

namespace kairo {

class Session;

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

enum class ResultKind {
  Correct,    // "正解画面": "正解！" and one button (NEXT or END), optionally a pass line
  Incorrect,  // "不正解画面": "不正解！", "もう一度計算しなおして下さい。", "戻る" back to the
              // exercise
  Selection,  // "選択画面": "不正解！", "もう一度やり直す" and "どこで間違ったか調べる"
};

// One small result window of a course. Window position and client size in twips.
struct ResultForm {
  ScreenId id;
  ResultKind kind;
  int left, top, width, height;
  Rect label1;
  Rect command1;
  // Label2 (incorrect screens, pass screens) or Command2 (selection screens).
  Rect second = {};
  // Correct screens: the face of Command1, and the pass line with its font if any.
  const char* face = nullptr;
  const char* pass = nullptr;
  FontSpec passFont = {};
  // Incorrect screens: the exercise their "戻る" returns to.
  ScreenId back = {};
};

// Rows of the course tables: window (left, top, width, height), then the controls' rectangles.
constexpr ResultForm correctForm(ScreenId id, Rect window, Rect label1, Rect command1,
                                 const char* face) {
  return {.id = id,
          .kind = ResultKind::Correct,
          .left = window.left,
          .top = window.top,
          .width = window.width,
          .height = window.height,
          .label1 = label1,
          .command1 = command1,
          .face = face};
}
constexpr ResultForm incorrectForm(ScreenId id, Rect window, Rect label1, Rect label2,
                                   Rect command1, ScreenId back) {
  return {.id = id,
          .kind = ResultKind::Incorrect,
          .left = window.left,
          .top = window.top,
          .width = window.width,
          .height = window.height,
          .label1 = label1,
          .command1 = command1,
          .second = label2,
          .back = back};
}
constexpr ResultForm selectionForm(ScreenId id, Rect window, Rect label1, Rect command1,
                                   Rect command2) {
  return {.id = id,
          .kind = ResultKind::Selection,
          .left = window.left,
          .top = window.top,
          .width = window.width,
          .height = window.height,
          .label1 = label1,
          .command1 = command1,
          .second = command2};
}

// The shapes of the alternating-current courses' result windows, placed at `left`, `top`: a
// correct window with "NEXT", an incorrect one whose "戻る" goes `back`, a selection window with
// "もう一度やり直す" on the left edge and "どこで間違ったか調べる" against the right edge, and a
// pass window with its line above "END".
constexpr ResultForm nextForm(ScreenId id, int left, int top) {
  return correctForm(id, {left, top, 4680, 3192}, {600, 360, 3735, 1095}, {1560, 2160, 1215, 735},
                     QT_TRANSLATE_NOOP("Kairo", "NEXT"));
}
constexpr ResultForm backForm(ScreenId id, int left, int top, int height, ScreenId back) {
  return incorrectForm(id, {left, top, 4680, height}, {480, 360, 3855, 1215},
                       {360, 1680, 4095, 375}, {1680, 2400, 1215, 735}, back);
}
constexpr ResultForm choiceForm(ScreenId id, int left, int top, int width, int height) {
  constexpr int kReviewWidth = 2535;
  return selectionForm(id, {left, top, width, height}, {480, 240, 3855, 1215}, {0, 2160, 2415, 855},
                       {width - kReviewWidth, 2160, kReviewWidth, 855});
}
constexpr ResultForm passForm(ScreenId id, int left, int top, const char* pass) {
  return {.id = id,
          .kind = ResultKind::Correct,
          .left = left,
          .top = top,
          .width = 4680,
          .height = 3204,
          .label1 = {480, 240, 2652, 732},
          .command1 = {1680, 2160, 1215, 735},
          .second = {120, 1200, 4092, 852},
          .face = QT_TRANSLATE_NOOP("Kairo", "END"),
          .pass = pass,
          .passFont = {Face::Gothic, 28.2, true}};
}

// Builds the window hidden. An incorrect screen's "戻る" is wired here (open the exercise, hide
// itself, the count goes on); the other buttons are the course's to wire.
QWidget* buildResultForm(Session& app, const ResultForm& result);

// The end screen "終了画面" of a course: the formula of two elements in parallel, named by
// `sentence` ("二つの抵抗をR1,R2とすると、") and written as `formula`. Its "END" is the course's.
QWidget* buildEndForm(ScreenId id, int left, int top, int width, int height, const char* sentence,
                      const char* formula);

}  // namespace kairo
