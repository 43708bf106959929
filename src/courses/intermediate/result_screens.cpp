// The correct, incorrect, selection and end screens of the alternating-current course and what
// their buttons do.
#include "courses/intermediate/course.h"
#include "courses/intermediate/drawings.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "ui/result_forms.h"
#include "ui/session.h"

namespace kairo {

namespace {

using enum ScreenId;

constexpr int kCorrectWidth = 4680;

// The text places these windows; inside, they share the beginner course's layout.
constexpr ResultForm correct(ScreenId id, int left, int top) {
  return correctForm(id, {left, top, kCorrectWidth, 3192}, {600, 360, 3735, 1095},
                     {1560, 2160, 1215, 735}, "NEXT");
}

constexpr ResultForm incorrect(ScreenId id, int left, int top, int height, ScreenId back) {
  return incorrectForm(id, {left, top, 4680, height}, {480, 360, 3855, 1215},
                       {360, 1680, 4095, 375}, {1680, 2400, 1215, 735}, back);
}

// "もう一度やり直す" on the left edge, "どこで間違ったか調べる" against the right edge.
constexpr ResultForm selection(ScreenId id, int left, int top, int width, int height) {
  constexpr int kReviewWidth = 2535;
  return selectionForm(id, {left, top, width, height}, {480, 240, 3855, 1215}, {0, 2160, 2415, 855},
                       {width - kReviewWidth, 2160, kReviewWidth, 855});
}

constexpr ResultForm kResults[] = {
    correct(NormaliSeikai, 2664, 5100),
    correct(NormaliHeiSeikai, 2544, 5220),
    correct(NormalAAHeiSeikai, 2820, 5016),
    {.id = NormalAASeikai,
     .kind = ResultKind::Correct,
     .left = 2820,
     .top = 4812,
     .width = kCorrectWidth,
     .height = 3204,
     .label1 = {480, 240, 2652, 732},
     .command1 = {1680, 2160, 1215, 735},
     .second = {120, 1200, 4092, 852},
     .face = "END",
     .pass = "中級合格です！",
     .passFont = {Face::Gothic, 28.2, true}},
    incorrect(NormaliFuseikai1, 5808, 432, 3192, Normali),
    incorrect(Normali2Fuseikai1, 5808, 384, 3192, Normali2),
    incorrect(NormaliHeiFuseikai1, 5760, 468, 3192, NormaliHei),
    incorrect(NormalAAFuseikai1, 5676, 516, 3192, NormalAA),
    incorrect(NormalAA2Fuseikai1, 5760, 552, 3204, NormalAA2),
    incorrect(NormalAA3Fuseikai1, 5640, 636, 3192, NormalAA3),
    incorrect(NormalAAHeiFuseikai1, 5724, 468, 3192, NormalAAHei),
    selection(NormaliFuseikai2, 2496, 5100, 5052, 3192),
    selection(NormalAAFuseikai2, 2700, 5016, 5004, 3204),
    selection(NormalAAFuseikai3, 2664, 4896, 4956, 3192),
};

// ---- Buttons ----

// Leaving NormalAA after its third miss: its answers and count start afresh, before the next
// exercise opens with the count it starts from.
void resetNormalAA(Session& app) {
  app.setMissLabel(NormalAA, 0);
  app.clear(NormalAA, {"txtArr1", "txtAjj1", "txtArr2", "txtAjj2", "txtArr3", "txtAjj3"});
  app.state().missCount = 0;
}

void retryCurrents(Session& app, ScreenId self) {
  resetNormalAA(app);
  app.open(NormalAA2);
  app.hide({NormalAA, self});
}

void wire(Session& app, QWidget* form, ScreenId id) {
  switch (id) {
    case NormaliSeikai:
      onClick(form, "Command1", [&app] {
        currentArrows(app.canvas());
        app.state().missCount = 0;
        app.open(NormalAA);
        app.hide(NormaliSeikai);
      });
      break;
    case NormaliFuseikai2:
      onClick(form, "Command1", [&app] {
        app.state().missCount = 0;
        app.open(Normali2);
        app.hide({NormaliFuseikai2, Normali});
      });
      onClick(form, "Command2", [&app] {
        app.state().missCount = 0;
        app.clear(NormaliHei, {"txtrr", "txtjj", "Labelrr", "Labeljj", "lblA"});
        app.open(NormaliHei);
        app.hide({NormaliFuseikai2, Normali});
        app.canvas().clearCanvas();
        drawParallelPart(app.canvas(), app.state(), QStringLiteral(":"));
      });
      break;
    case NormaliHeiSeikai:
      onClick(form, "Command1", [&app] {
        app.canvas().clearCanvas();
        app.state().missCount = 0;
        drawWholeCircuit(app.canvas(), app.state(), QStringLiteral("z"), QStringLiteral(":"));
        app.open(Normali2);
        app.hide({NormaliHei, NormaliHeiSeikai});
      });
      break;
    case NormalAASeikai:
    case NormalEND:
      // The course is over, and no window of it stays behind.
      onClick(form, "Command1", [&app] { app.returnToStart(); });
      break;
    case NormalAAFuseikai2:
      onClick(form, "Command1", [&app] { retryCurrents(app, NormalAAFuseikai2); });
      onClick(form, "Command2", [&app] {
        resetNormalAA(app);
        app.open(NormalAAHei);
        app.hide({NormalAAFuseikai3, NormalAAFuseikai2, NormalAA});
        app.canvas().clearCanvas();
        drawBranchCurrentReview(app.canvas(), app.state());
      });
      break;
    case NormalAAFuseikai3:
      onClick(form, "Command1", [&app] { retryCurrents(app, NormalAAFuseikai3); });
      onClick(form, "Command2", [&app] {
        resetNormalAA(app);
        app.open(NormalAA3);
        app.hide({NormalAAFuseikai3, NormalAA});
        app.canvas().clearCanvas();
        drawTotalCurrentReview(app.canvas(), app.state());
      });
      break;
    case NormalAAHeiSeikai:
      onClick(form, "Command1", [&app] {
        app.canvas().clearCanvas();
        app.state().missCount = 0;
        app.open(NormalAA2);
        drawWholeCircuit(app.canvas(), app.state(), QStringLiteral("z"), QStringLiteral("="));
        app.hide({NormalAAHei, NormalAA3, NormalAAHeiSeikai, NormalAA});
        currentArrows(app.canvas());
      });
      break;
    default:
      break;
  }
}

}  // namespace

QWidget* createAcResult(Session& app, ScreenId id) {
  QWidget* form = nullptr;
  if (id == NormalEND) {
    form = buildEndForm(NormalEND, 1512, 2760, 7140, 5952, "二つのインピーダンスをZ1,Z2とすると、",
                        "　Z=　Z１・Z2/（Z1+Z2）");
  } else {
    for (const ResultForm& result : kResults)
      if (result.id == id) form = buildResultForm(app, result);
  }
  if (form) wire(app, form, id);
  return form;
}

}  // namespace kairo
