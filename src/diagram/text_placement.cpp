#include "diagram/text_placement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kairo {

namespace {

constexpr double kFullTurn = 2.0 * std::numbers::pi;
// Arcs are followed as chords this many to the full turn: on the largest loop (200 twips) a chord
// strays less than half a twip from the curve.
constexpr int kChordsPerTurn = 128;

// Closed-interval overlap: a wire is a box of no width and must still count.
bool touches(const QRectF& a, const QRectF& b) {
  return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
         b.top() <= a.bottom();
}

// Whether the segment a–b enters the box (Liang–Barsky clipping).
bool segmentCrosses(QPointF a, QPointF b, const QRectF& box) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0, t1 = 1;
  const auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  return clip(-dx, a.x() - box.left()) && clip(dx, box.right() - a.x()) &&
         clip(-dy, a.y() - box.top()) && clip(dy, box.bottom() - a.y());
}

QPointF onArc(const Canvas::Arc& arc, double angle) {
  // Counter-clockwise on the screen, whose y runs downwards.
  return {arc.centre.x() + arc.rx * std::cos(angle), arc.centre.y() - arc.ry * std::sin(angle)};
}

void include(QRectF& box, QPointF p) {
  box.setCoords(std::min(box.left(), p.x()), std::min(box.top(), p.y()),
                std::max(box.right(), p.x()), std::max(box.bottom(), p.y()));
}

// A line, or an arc followed as chords worked out only when a text comes near it.
struct Stroke {
  QRectF bounds;
  QPointF from{}, to{};
  const Canvas::Arc* arc = nullptr;
  double span = 0;
  mutable std::vector<QPointF> chords{};

  bool crosses(const QRectF& box) const {
    if (!touches(box, bounds)) return false;
    if (!arc) return segmentCrosses(from, to, box);
    if (chords.empty()) {
      const int n = std::max(1, int(std::ceil(span / kFullTurn * kChordsPerTurn)));
      for (int k = 0; k <= n; ++k) chords.push_back(onArc(*arc, arc->start + span * k / n));
    }
    for (std::size_t i = 0; i + 1 < chords.size(); ++i)
      if (segmentCrosses(chords[i], chords[i + 1], box)) return true;
    return false;
  }
};

std::vector<Stroke> strokesOf(const std::vector<Canvas::Item>& items) {
  std::vector<Stroke> strokes;
  strokes.reserve(items.size());
  for (const Canvas::Item& item : items) {
    if (const auto* line = std::get_if<Canvas::Line>(&item)) {
      strokes.push_back({.bounds = QRectF(line->from, line->to).normalized(),
                         .from = line->from,
                         .to = line->to});
    } else if (const auto* arc = std::get_if<Canvas::Arc>(&item)) {
      Stroke stroke{.bounds = {}, .arc = arc, .span = arc->end - arc->start};
      if (stroke.span < 0) stroke.span += kFullTurn;
      // The box of the ends and of every axis end the arc passes.
      const QPointF first = onArc(*arc, arc->start);
      stroke.bounds = QRectF(first, first);
      include(stroke.bounds, onArc(*arc, arc->start + stroke.span));
      for (int quarter = 0; quarter < 4; ++quarter) {
        const double angle = quarter * kFullTurn / 4;
        const double along =
            std::fmod(std::fmod(angle - arc->start, kFullTurn) + kFullTurn, kFullTurn);
        if (along <= stroke.span) include(stroke.bounds, onArc(*arc, angle));
      }
      strokes.push_back(stroke);
    }
  }
  return strokes;
}

// The moves a text may make, shortest first; moves of equal length go round clockwise on the
// screen from "right", so the same drawing always gets the same places.
const std::vector<QPointF>& moves() {
  static const std::vector<QPointF> sorted = [] {
    struct Move {
      int dx, dy;
      int length2;
      double angle;
    };
    const int reach = int(TextPlacer::kReach / TextPlacer::kStep);
    std::vector<Move> all;
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx)
        if (dx * dx + dy * dy <= reach * reach) {
          double angle = std::atan2(dy, dx);
          if (angle < 0) angle += kFullTurn;
          all.push_back({dx, dy, dx * dx + dy * dy, angle});
        }
    std::sort(all.begin(), all.end(), [](const Move& a, const Move& b) {
      return a.length2 != b.length2 ? a.length2 < b.length2 : a.angle < b.angle;
    });
    std::vector<QPointF> out;
    out.reserve(all.size());
    for (const Move& m : all) out.emplace_back(m.dx * TextPlacer::kStep, m.dy * TextPlacer::kStep);
    return out;
  }();
  return sorted;
}

}  // namespace

TextPlacer::TextPlacer(const QFont& font, double pixelsPerTwip, const QRectF& bounds)
    : metrics_(font), pixelsPerTwip_(pixelsPerTwip), bounds_(bounds) {}

QSizeF TextPlacer::sizeOf(const QString& text) {
  auto it = sizes_.constFind(text);
  if (it == sizes_.cend())
    it = sizes_.insert(
        text, QSizeF(metrics_.horizontalAdvance(text), metrics_.height()) / pixelsPerTwip_);
  return *it;
}

std::vector<QRectF> TextPlacer::place(const std::vector<Canvas::Item>& items) {
  const std::vector<Stroke> strokes = strokesOf(items);
  std::vector<QRectF> placed;
  placed.reserve(items.size());
  const auto clear = [&](const QRectF& box) {
    if (!bounds_.contains(box)) return false;
    const QRectF zone = box.adjusted(-kClearance, -kClearance, kClearance, kClearance);
    for (const QRectF& other : placed)
      if (touches(zone, other)) return false;
    return std::none_of(strokes.begin(), strokes.end(),
                        [&](const Stroke& stroke) { return stroke.crosses(zone); });
  };
  for (const Canvas::Item& item : items) {
    const auto* text = std::get_if<Canvas::Text>(&item);
    if (!text) continue;
    const QRectF asDrawn(text->at, sizeOf(text->text));
    QRectF box = asDrawn;  // nowhere clear within reach: the text stays at its point
    for (QPointF move : moves()) {
      if (clear(asDrawn.translated(move))) {
        box = asDrawn.translated(move);
        break;
      }
    }
    placed.push_back(box);
  }
  return placed;
}

}  // namespace kairo
