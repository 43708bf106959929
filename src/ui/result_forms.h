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

// Builds the window hidden. An incorrect screen's "戻る" is wired here (open the exercise, hide
// itself, the count goes on); the other buttons are the course's to wire.
QWidget* buildResultForm(Session& app, const ResultForm& result);

// The end screen "終了画面" of a course: the formula of two elements in parallel, named by
// `sentence` ("二つの抵抗をR1,R2とすると、") and written as `formula`. Its "END" is the course's.
QWidget* buildEndForm(ScreenId id, int left, int top, int width, int height, const char* sentence,
                      const char* formula);

}  // namespace kairo
