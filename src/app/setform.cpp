#include <QAbstractButton>
#include <QEvent>
#include <array>
#include <utility>
#include <vector>

#include "app/application.h"
#include "diagram/canvas.h"
#include "ui/code_panel.h"
#include "ui/form.h"
#include "ui/screen_registry.h"

namespace kairo {

namespace {

// The button, the code panel and its eight one-character labels, one column per code character,
// and beside the panel the button of the worked solution.
constexpr auto kSetFormControls = [] {
  constexpr int kPanelLefts[] = {240, 375, 510, 645, 795, 930, 1065, 1200};
  std::array<ControlRow, 3 + kCodePanelLabels.size()> rows{{
      {"Command1", Kind::PictureButton, QT_TRANSLATE_NOOP("Kairo", "戻る"), 120, 7800, 1215, 735},
      {"Frame1", Kind::Frame, QT_TRANSLATE_NOOP("Kairo", "回路コード"), 1560, 7920, 1935, 615},
  }};
  for (std::size_t i = 0; i < kCodePanelLabels.size(); ++i)
    rows[2 + i] = {kCodePanelLabels[i], Kind::Label, "", kPanelLefts[i], 240, 135, 255, "Frame1"};
  rows.back() = {"cmdSolution",
                 Kind::PictureButton,
                 QT_TRANSLATE_NOOP("Kairo", "解き方"),
                 3615,
                 7800,
                 1215,
                 735};
  return rows;
}();

constexpr FormSpec kSetForm{.name = "SetForm",
                            .caption = QT_TRANSLATE_NOOP("Kairo", "描画画面"),
                            .width = 11028,
                            .height = 8820,
                            .left = 48,
                            .top = 312,
                            .background = Background::White,
                            .controls = kSetFormControls};

// The drawing screen keeps no copy of its picture: hiding it by program empties the canvas, and
// whatever was drawn while it was hidden never reached the screen, so showing it starts empty too.
// A window minimised and restored by the user is hidden and shown spontaneously and keeps its
// drawing. Closing the window from its title bar leaves the course as "戻る" does: a course
// without its picture could not go on. When the window is enlarged the canvas fills it, and the
// button and the code panel keep their distance from its bottom edge.
class SetFormEvents : public QObject {
 public:
  SetFormEvents(QWidget* window, Canvas* canvas, Application& app)
      : QObject(window), canvas_(canvas), app_(app) {
    for (const char* name : {"Command1", "Frame1", "cmdSolution"}) {
      QWidget* control = findControl<QWidget>(window, QString::fromUtf8(name));
      bottomControls_.push_back({control, window->height() - control->y()});
    }
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if ((event->type() == QEvent::Hide || event->type() == QEvent::Show) && !event->spontaneous()) {
      canvas_->clearCanvas();
    } else if (event->type() == QEvent::Resize) {
      const QRect area = static_cast<QWidget*>(watched)->rect();
      canvas_->setGeometry(area);
      for (const auto& [control, fromBottom] : bottomControls_)
        control->move(control->x(), area.height() - fromBottom);
    } else if (event->type() == QEvent::Close) {
      event->ignore();
      app_.returnToStart();
      return true;
    }
    return false;
  }

 private:
  Canvas* canvas_;
  Application& app_;
  std::vector<std::pair<QWidget*, int>> bottomControls_;
};

}  // namespace

QWidget* createSetForm(Application& app) {
  QWidget* window = buildForm(kSetForm);
  // Unlike the other windows this one may be resized and maximised; the picture scales with it.
  window->setMinimumSize(window->size());
  window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window->setWindowFlag(Qt::WindowMaximizeButtonHint);

  auto* canvas = new Canvas(window);
  canvas->setFont(screenFont());
  canvas->setObjectName(QStringLiteral("canvas"));
  canvas->setGeometry(window->rect());
  canvas->lower();  // under the button and the code panel
  new SetFormEvents(window, canvas, app);

  // Screen readers get the printed values, one per line, in print order.
  QObject::connect(canvas, &Canvas::textsChanged, window, [window, canvas] {
    window->setAccessibleDescription(canvas->printedTexts().join(QLatin1Char('\n')));
  });

  QObject::connect(findControl<QAbstractButton>(window, QStringLiteral("Command1")),
                   &QAbstractButton::clicked, window, [&app] { app.returnToStart(); });

  // The worked solution opens only on what the student has answered or been shown.
  auto* solution = findControl<QAbstractButton>(window, QStringLiteral("cmdSolution"));
  const auto earned = [&app, solution] { solution->setEnabled(app.state().solvedStages != 0); };
  earned();
  QObject::connect(&app, &Session::solutionChanged, solution, earned);
  QObject::connect(solution, &QAbstractButton::clicked, window,
                   [&app] { app.open(screens::Tokikata); });

  // Form_Load: the drawing cursor every course starts from.
  ExerciseState& state = app.state();
  state.branch2X = 2000;
  state.originY = 1000;
  state.originX = 1000;
  state.cursorX = 1000;
  state.branch3X = 3000;
  return window;
}

}  // namespace kairo
