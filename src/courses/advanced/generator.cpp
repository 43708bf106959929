// The problem generator of the advanced course, and which codes it replays.
#include "core/ac_problem.h"
#include "core/circuit_code.h"
#include "core/random.h"
#include "courses/advanced/advanced.h"
#include "courses/advanced/quantities.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "ui/code_panel.h"
#include "ui/session.h"

namespace kairo::advanced {
namespace {

constexpr QChar kClass = u'3';

bool posed(const AcProblem& problem) {
  ExerciseState scratch;
  applyProblem(scratch, problem);
  return isAdvancedCircuit(scratch) && withinGeneratorLimits(scratch);
}

bool isStep(char32_t c) {
  return (c >= U'1' && c <= U'9') || c == U'a';
}

}  // namespace

void startProblem(Session& app) {
  // The intermediate course's seven draws, all again until the problem is one a student can
  // answer meaningfully: settled before anything is shown.
  AcProblem problem = drawProblem(app.random());
  while (!posed(problem)) problem = drawProblem(app.random());
  ExerciseState& state = app.state();
  app.beginProblem(course());
  Canvas& canvas = app.canvas();
  canvas.clearCanvas();
  state.missCount = 0;
  state.originX = 1000;
  state.originY = 1000;
  applyProblem(state, problem);
  drawWholeCircuit(canvas, state, QStringLiteral("Z"), QStringLiteral(":"));
  showCircuitCode(app, circuitCode(problem, kClass));
}

std::optional<QString> refusesCode(QStringView code, const ExerciseState& replayed) {
  const QList<char32_t> c = foldedCode(code);
  if (c.size() != 8) return QStringLiteral("上級の回路コードは 8 文字です。");
  for (const int position : {1, 5, 6, 7})
    if (!isStep(c[position - 1])) return codePositionRefusal(position, u"1〜9 か a");
  for (const int position : {2, 3, 4})
    if (c[position - 1] < U'1' || c[position - 1] > U'3')
      return codePositionRefusal(position, u"1〜3");
  if (!isAdvancedCircuit(replayed))
    return QStringLiteral("上級の回路には、抵抗と、コンデンサかコイルが要ります。");
  return std::nullopt;
}

}  // namespace kairo::advanced
