#include "courses/advanced/figures.h"

#include <QPainterPath>
#include <QTest>
#include <algorithm>
#include <numbers>

#include "core/ac_problem.h"
#include "core/circuit_code.h"
#include "core/expected.h"
#include "courses/advanced/quantities.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "support/test_main.h"
#include "ui/form.h"

using namespace kairo;
using namespace kairo::advanced;

namespace {

// Under the sanitizers a drawing costs some fifty times as much: there every eleventh circuit.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kStride = 11;
#else
constexpr int kStride = 1;
#endif

constexpr void (*kFigures[])(Canvas&, const ExerciseState&) = {
    drawImpedanceTriangle, drawPowerTriangle, drawVoltagePhasors, drawPhasorDiagram};

ExerciseState circuitOf(const AcProblem& problem) {
  ExerciseState state;
  state.originX = state.originY = 1000;
  state.branch2X = 2000;
  state.branch3X = 3000;
  applyProblem(state, problem);
  return state;
}

// The lines and arcs from item `first` on, as the canvas paints them; a text gives an empty path.
std::vector<QPainterPath> strokesOf(const std::vector<Canvas::Item>& items, std::size_t first) {
  std::vector<QPainterPath> strokes;
  for (auto item = items.begin() + first; item != items.end(); ++item) {
    QPainterPath& path = strokes.emplace_back();
    if (const auto* line = std::get_if<Canvas::Line>(&*item)) {
      path.moveTo(line->from);
      path.lineTo(line->to);
    } else if (const auto* arc = std::get_if<Canvas::Arc>(&*item)) {
      const QRectF box(arc->centre - QPointF(arc->rx, arc->ry), QSizeF(2 * arc->rx, 2 * arc->ry));
      const double degrees = 180 / std::numbers::pi, span = arc->end - arc->start;
      path.arcMoveTo(box, arc->start * degrees);
      path.arcTo(box, arc->start * degrees,
                 (span < 0 ? span + 2 * std::numbers::pi : span) * degrees);
    }
  }
  return strokes;
}

}  // namespace

class FiguresTest : public QObject {
  Q_OBJECT

 private slots:
  void texts() {
    QCOMPARE(figureNumber(2.5), "2.5");
    QCOMPARE(figureNumber(-0.004), "0");  // never "-0"
    const struct {
      AcProblem problem;
      const char* figures[4];
    } cases[] = {
        {{{1, 2, 3}, {5, 4, 7}, 10},  // a1235473
         {"R=50Ω X=-38.89Ω |Z|=63.34Ω θ=-37.87°", "P=124.62W Q=-96.92var S=157.87V·A θ=-37.87°",
          "E=100V∠0° V1=78.94V∠37.87° V23=61.39V∠-52.13°",
          "E=100V∠0° I1=1.58A∠37.87° I2=2.46A∠37.87° I3=0.88A∠-142.13°"}},
        // 31124453: Q is exactly -5.625 and rounds away from zero; |Z| drops its trailing zero.
        {{{1, 1, 2}, {4, 4, 5}, 3},
         {"R=48Ω X=-16Ω |Z|=50.6Ω θ=-18.43°", "P=16.88W Q=-5.63var S=17.79V·A θ=-18.43°",
          "E=30V∠0° V1=23.72V∠18.43° V23=10.61V∠-45°",
          "E=30V∠0° I1=0.59A∠18.43° I2=0.27A∠-45° I3=0.53A∠45°"}},
        // 12132aa3: the reactances cancel, flat triangles still name their zero side.
        {{{2, 1, 3}, {2, 10, 10}, 1},
         {"R=50Ω X=0Ω |Z|=50Ω θ=0°", "P=2W Q=0var S=2V·A θ=0°",
          "E=10V∠0° V1=10V∠-90° V23=14.14V∠45°", "E=10V∠0° I1=0.2A∠0° I2=0.14A∠45° I3=0.14A∠-45°"}},
    };
    for (const auto& c : cases) {
      for (int f = 0; f < 4; ++f) {
        Canvas canvas;
        canvas.setFont(screenFont());
        kFigures[f](canvas, *solved(circuitOf(c.problem)));
        QCOMPARE(canvas.printedTexts().join(' '), QString::fromUtf8(c.figures[f]));
      }
    }
  }

  // Each figure beside every circuit the course poses, on the drawing screen at its size: no
  // stroke of the figure enters the circuit's box or leaves the picture, the circuit's texts stay
  // where they were, and every text stands clear of the strokes and the other texts.
  void figuresStandClearOfTheCircuit() {
    Canvas canvas;
    canvas.setFont(screenFont());
    canvas.resize(735, 588);
    const double pixel = 1 / canvas.view().m11();  // the width of a stroke
    QStringList faults;
    long drawings = 0;
    for (int n = 0; n < 270000 && faults.size() < 10; n += kStride) {
      const int kinds = n / 10000, steps = n / 10 % 1000;
      const AcProblem problem{{kinds / 9 + 1, kinds / 3 % 3 + 1, kinds % 3 + 1},
                              {steps / 100 + 1, steps / 10 % 10 + 1, steps % 10 + 1},
                              n % 10 + 1};
      ExerciseState state = circuitOf(problem);
      if (!isAdvancedCircuit(state) || !withinGeneratorLimits(state)) continue;
      canvas.clearCanvas();
      drawWholeCircuit(canvas, state, "Z", ":");
      const std::size_t first = canvas.items().size();
      const std::vector<QRectF> circuitTexts = canvas.placedTexts();
      const std::vector<QPainterPath> circuit = strokesOf(canvas.items(), 0);
      QRectF circuitBox;
      for (const QPainterPath& s : circuit) circuitBox |= s.boundingRect();
      for (int f = 0; f < 4; ++f, ++drawings) {
        canvas.clearCanvas();
        drawWholeCircuit(canvas, state, "Z", ":");
        kFigures[f](canvas, *solved(state));
        const auto fault = [&](const QString& what) {
          faults << encodeCircuitCode(problem.voltageStep, problem.kinds, problem.steps) +
                        QStringLiteral(" figure %1: ").arg(f) + what;
        };
        std::vector<QPainterPath> strokes = strokesOf(canvas.items(), first);
        for (const QPainterPath& s : strokes)
          if (s.intersects(circuitBox) ||
              (Canvas::kPictureBox | s.boundingRect()) != Canvas::kPictureBox)
            fault("a stroke on the circuit or outside the picture");
        const std::vector<QRectF>& boxes = canvas.placedTexts();
        if (!std::equal(circuitTexts.begin(), circuitTexts.end(), boxes.begin()))
          fault("the circuit's texts moved");
        strokes.insert(strokes.end(), circuit.begin(), circuit.end());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
          const QRectF zone = boxes[i].adjusted(-pixel, -pixel, pixel, pixel);
          if (std::any_of(boxes.begin(), boxes.begin() + i,
                          [&](const QRectF& b) { return zone.intersects(b); }) ||
              std::any_of(strokes.begin(), strokes.end(),
                          [&](const QPainterPath& s) { return s.intersects(zone); }))
            fault(canvas.printedTexts()[i] + " on a stroke or another text");
        }
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    if (kStride == 1) QCOMPARE(drawings, 4 * 152936);
  }
};

#include "figures_test.moc"
KAIRO_TEST_CASE(FiguresTest)
