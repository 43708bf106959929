#include "diagram/text_placement.h"

#include <QFontMetricsF>
#include <QTest>
#include <array>
#include <cmath>
#include <numbers>
#include <unordered_map>

#include "core/exercise_state.h"
#include "core/expected.h"
#include "core/number.h"
#include "courses/beginner/beginner.h"
#include "courses/intermediate/intermediate.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "support/test_main.h"
#include "ui/form.h"

using namespace kairo;
using namespace kairo::intermediate;

namespace {

// A stroke as the checker sees it: its box, and for a slanted line or an arc points along it no
// further apart than the margin the boxes are widened by, so no crossing slips between two points.
struct Stroke {
  QRectF bounds;
  std::vector<QPointF> points;  // empty: a straight wire, its box is the stroke
};

bool touch(const QRectF& a, const QRectF& b) {
  return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
         b.top() <= a.bottom();
}

Stroke strokeThrough(const std::vector<QPointF>& points) {
  Stroke stroke{QRectF(points.front(), points.front()), points};
  for (QPointF p : points)
    stroke.bounds.setCoords(
        std::min(stroke.bounds.left(), p.x()), std::min(stroke.bounds.top(), p.y()),
        std::max(stroke.bounds.right(), p.x()), std::max(stroke.bounds.bottom(), p.y()));
  return stroke;
}

Stroke strokeOf(const Canvas::Line& line, double spacing) {
  if (line.from.x() == line.to.x() || line.from.y() == line.to.y())
    return {QRectF(line.from, line.to).normalized(), {}};
  const QPointF d = line.to - line.from;
  const int n = int(std::ceil(std::hypot(d.x(), d.y()) / spacing));
  std::vector<QPointF> points;
  for (int k = 0; k <= n; ++k) points.push_back(line.from + d * k / n);
  return strokeThrough(points);
}

Stroke strokeOf(const Canvas::Arc& arc, double spacing) {
  double span = arc.end - arc.start;
  if (span < 0) span += 2 * std::numbers::pi;
  const int n = int(std::ceil(span * std::max(arc.rx, arc.ry) / spacing));
  std::vector<QPointF> points;
  for (int k = 0; k <= n; ++k) {
    const double a = arc.start + span * k / n;
    points.emplace_back(arc.centre.x() + arc.rx * std::cos(a),
                        arc.centre.y() - arc.ry * std::sin(a));
  }
  return strokeThrough(points);
}

// Finds the text boxes that touch a stroke or an earlier text, each box widened by a margin.
class Collisions {
 public:
  explicit Collisions(double margin) : margin_(margin) {}

  long onStrokes = 0, onTexts = 0, outside = 0;
  QStringList faults;  // the first few, described

  void check(const char* drawing, const std::vector<Canvas::Item>& items,
             const std::vector<QRectF>& boxes, const QStringList& texts, const QRectF& visible) {
    // The same few pictures come back in every drawing: each is followed once.
    std::size_t key = items.size();
    const auto mix = [&key](double v) { key = qHashMulti(key, v); };
    for (const Canvas::Item& item : items) {
      if (const auto* arc = std::get_if<Canvas::Arc>(&item)) {
        for (double v : {arc->centre.x(), arc->centre.y(), arc->rx, arc->ry, arc->start, arc->end})
          mix(v);
      } else if (const auto* line = std::get_if<Canvas::Line>(&item)) {
        for (double v : {line->from.x(), line->from.y(), line->to.x(), line->to.y()}) mix(v);
      }
    }
    auto it = pictures_.find(key);
    if (it == pictures_.end()) {
      std::vector<Stroke> strokes;
      for (const Canvas::Item& item : items) {
        if (const auto* arc = std::get_if<Canvas::Arc>(&item))
          strokes.push_back(strokeOf(*arc, margin_));
        else if (const auto* line = std::get_if<Canvas::Line>(&item))
          strokes.push_back(strokeOf(*line, margin_));
      }
      it = pictures_.emplace(key, std::move(strokes)).first;
    }
    const std::vector<Stroke>& strokes = it->second;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const QRectF zone = boxes[i].adjusted(-margin_, -margin_, margin_, margin_);
      const auto fault = [&](long& count, const QString& what) {
        ++count;
        if (faults.size() < 10)
          faults << QStringLiteral("%1: \"%2\" %3").arg(QString::fromUtf8(drawing), texts[i], what);
      };
      if (!visible.contains(boxes[i])) fault(outside, "outside");
      for (std::size_t j = 0; j < i; ++j)
        if (touch(zone, boxes[j])) fault(onTexts, "on \"" + texts[j] + "\"");
      for (const Stroke& stroke : strokes) {
        if (!touch(zone, stroke.bounds)) continue;
        bool hit = stroke.points.empty();
        for (QPointF p : stroke.points) hit = hit || zone.contains(p);
        if (hit) {
          fault(onStrokes, "on a stroke");
          break;
        }
      }
    }
  }

  void verifyNone() {
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QCOMPARE(onStrokes, 0);
    QCOMPARE(onTexts, 0);
    QCOMPARE(outside, 0);
  }

 private:
  double margin_;
  std::unordered_map<std::size_t, std::vector<Stroke>> pictures_;
};

// Builds drawings on one canvas the size of the drawing screen and checks, over all of them, that
// no text box (as wide and high as the font metrics say) touches a stroke or another text or
// leaves the picture. A pixel's margin keeps the stroke's own width off the boxes.
class Survey {
 public:
  Survey() {
    canvas_.setFont(screenFont());
    canvas_.resize(735, 588);
    view_ = canvas_.view();
    metrics_.emplace(canvas_.textFont());
    collisions_.emplace(1 / view_.m11());
    visible_ = view_.inverted().mapRect(
        QRectF(0, 0, canvas_.width(), canvas_.height() - Canvas::kControlBand));
  }

  Canvas& canvas() { return canvas_; }

  // Checks what is on the canvas now, then clears it.
  void check(const char* drawing) {
    ++drawings;
    const std::vector<QRectF>& boxes = canvas_.placedTexts();
    const QStringList texts = canvas_.printedTexts();
    QCOMPARE(boxes.size(), std::size_t(texts.size()));
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      auto size = sizes_.constFind(texts[i]);
      if (size == sizes_.cend())
        size = sizes_.insert(
            texts[i],
            QSizeF(metrics_->horizontalAdvance(texts[i]), metrics_->height()) / view_.m11());
      QVERIFY(std::abs(boxes[i].width() - size->width()) < 1e-6 &&
              std::abs(boxes[i].height() - size->height()) < 1e-6);
    }
    collisions_->check(drawing, canvas_.items(), boxes, texts, visible_);
    canvas_.clearCanvas();
  }

  void verifyNone() { collisions_->verifyNone(); }

  long drawings = 0;

 private:
  Canvas canvas_;
  QTransform view_;
  std::optional<QFontMetricsF> metrics_;
  std::optional<Collisions> collisions_;
  QRectF visible_;
  QHash<QString, QSizeF> sizes_;
};

// Under the sanitizers a drawing costs some fifty times as much: there every eleventh circuit,
// which still meets every kind and value at every place, checks the memory handling, and the plain
// build sweeps them all.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kStride = 11;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kStride = 11;
#else
constexpr int kStride = 1;
#endif
#else
constexpr int kStride = 1;
#endif

ExerciseState loadedState() {
  ExerciseState state;
  state.originX = state.originY = state.cursorX = 1000;
  state.branch2X = 2000;
  state.branch3X = 3000;
  return state;
}

}  // namespace

class TextPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void beginnerDrawings() {
    Survey survey;
    Canvas& canvas = survey.canvas();
    ExerciseState state = loadedState();
    for (int n = 0; n < 1000; n += kStride) {
      const int r1 = 10 * (n / 100 + 1), r2 = 10 * (n / 10 % 10 + 1), r3 = 10 * (n % 10 + 1);
      state.resistance1 = r1;
      state.resistance2 = r2;
      state.resistance3 = r3;
      // Every voltage comes round once in ten circuits.
      state.voltageE = (r1 + r2 + r3) % 100 + 10;
      // The new problem, then the arrows added for the currents: they move none of the value
      // texts, so checking the whole covers the circuit before them.
      teiko(canvas, state);
      tateteiko(canvas, state);
      tateteiko0(canvas, state);
      dengen(canvas, state);
      beginner::printValueLabels(canvas, state);
      const std::vector<QRectF> circuit = canvas.placedTexts();
      currentArrows(canvas);
      QVERIFY(std::equal(circuit.begin(), circuit.end(), canvas.placedTexts().begin()));
      survey.check("circuit with arrows");
      // The reviews: the parallel part (the same for every R1), the current split and the
      // total current.
      if (r1 == 10 || kStride > 1) {
        tateteiko(canvas, state);
        tateteiko00(canvas, state);
        printElementValue(canvas, state, 2, 1, "R2", "=");
        printElementValue(canvas, state, 3, 1, "R3", "=");
        survey.check("parallel part");
      }
      tateteiko(canvas, state);
      tateteiko00(canvas, state);
      canvas.moveTo(2000, 500);
      canvas.printItems(
          {"I=", shownNumber(expectedOf(state, Expect::Current1).re, Pattern::Zero2), "A"});
      currentArrow1(canvas);
      branchCurrentArrows(canvas);
      printElementValue(canvas, state, 2, 1, "R2", "=");
      printElementValue(canvas, state, 3, 1, "R3", "=");
      survey.check("current split");
      tateteiko(canvas, state);
      totalCurrentReview(canvas, state, kLightRed);
      canvas.moveTo(4300, 1400);
      canvas.printItems(
          {"R=", shownNumber(expectedOf(state, Expect::ZTotal).re, Pattern::Hash3), "Ω"});
      survey.check("total current");
    }
    survey.verifyNone();
    if (QTest::currentTestFailed()) return;
    qInfo("%ld beginner drawings", survey.drawings);
  }

  void intermediateDrawings() {
    Survey survey;
    Canvas& canvas = survey.canvas();
    ExerciseState state = loadedState();
    AcProblem problem;
    for (int n = 0; n < 27000; n += kStride) {
      const int kinds = n / 1000, steps = n % 1000;
      problem.kinds = {kinds / 9 + 1, kinds / 3 % 3 + 1, kinds % 3 + 1};
      problem.steps = {steps / 100 + 1, steps / 10 % 10 + 1, steps % 10 + 1};
      // Every voltage comes round once in ten circuits.
      problem.voltageStep = (steps + kinds) % 10 + 1;
      applyProblem(state, problem);
      // The new problem, then the arrows added for the currents, as in the beginner course.
      drawWholeCircuit(canvas, state, "Z", ":");
      const std::vector<QRectF> circuit = canvas.placedTexts();
      currentArrows(canvas);
      QVERIFY(std::equal(circuit.begin(), circuit.end(), canvas.placedTexts().begin()));
      survey.check("circuit with arrows");
      if (!hasAnswer(problem)) continue;  // never drawn: the generator draws again
      drawWholeCircuit(canvas, state, "z", ":");
      survey.check("circuit again");
      drawWholeCircuit(canvas, state, "z", "=");
      currentArrows(canvas);
      survey.check("circuit with arrows again");
      if ((steps < 100 && kinds < 9) || kStride > 1) {  // the same for every element 1
        drawParallelPart(canvas, state, ":");
        survey.check("parallel part");
      }
      drawBranchCurrentReview(canvas, state);
      survey.check("branch currents");
      drawTotalCurrentReview(canvas, state);
      survey.check("total current");
    }
    survey.verifyNone();
    if (QTest::currentTestFailed()) return;
    qInfo("%ld intermediate drawings", survey.drawings);
  }

  // On the picture as it used to be, a pixel to 15 twips with the 9 pt font, the texts' points
  // collide: a coil's value runs into the next branch, capacitor plates and zigzags cut the value
  // above them. Each such text moves a short way to a clear place, the same one every time.
  void collidingTextsMoveClear_data() {
    QTest::addColumn<QString>("kinds");
    QTest::newRow("coil in branch 2") << "232";
    QTest::newRow("coils in both branches") << "133";
    QTest::newRow("resistors") << "111";
    QTest::newRow("coil on top") << "321";
  }
  void collidingTextsMoveClear() {
    QFETCH(QString, kinds);
    Canvas canvas;
    ExerciseState state = loadedState();
    AcProblem problem{.steps = {10, 8, 3}, .voltageStep = 10};
    for (int k = 0; k < 3; ++k) problem.kinds[k] = kinds[k].digitValue();
    applyProblem(state, problem);
    drawWholeCircuit(canvas, state, "Z", ":");
    currentArrows(canvas);
    const QRectF screen(0, 0, 11028, 7800);
    TextPlacer placer(screenFont(), 1 / Canvas::kTwipsPerPixel, screen);
    const std::vector<QRectF> boxes = placer.place(canvas.items());

    Collisions collisions(TextPlacer::kClearance - 5);
    collisions.check("old scale", canvas.items(), boxes, canvas.printedTexts(), screen);
    collisions.verifyNone();
    int moved = 0;
    std::size_t i = 0;
    for (const Canvas::Item& item : canvas.items()) {
      if (const auto* text = std::get_if<Canvas::Text>(&item)) {
        const QPointF move = boxes[i++].topLeft() - text->at;
        moved += !move.isNull();
        QVERIFY2(std::hypot(move.x(), move.y()) <= 500, qPrintable(text->text));
      }
    }
    QVERIFY(moved > 0);
    QCOMPARE(placer.place(canvas.items()), boxes);
  }
};

#include "text_placement_test.moc"
KAIRO_TEST_CASE(TextPlacementTest)
