#pragma once

#include <QImage>
#include <QStringList>
#include <vector>

#include "diagram/canvas.h"

namespace kairo::test {

// The drawing's own degree factor: arcs are compared in the degrees the drawings are written in.
inline constexpr double kDegreesPerRadian = 180.0 / 3.14159265;

inline QString point(QPointF p) {
  return QStringLiteral("(%1,%2)").arg(QString::number(p.x()), QString::number(p.y()));
}

// One text line per display-list entry, so a comparison names the first entry that differs.
inline QString describe(const Canvas::Item& item) {
  if (const auto* line = std::get_if<Canvas::Line>(&item))
    return QStringLiteral("line %1-%2 %3")
        .arg(point(line->from), point(line->to), line->colour.name());
  if (const auto* arc = std::get_if<Canvas::Arc>(&item))
    return QStringLiteral("arc %1 %2x%3 %4..%5 %6")
        .arg(point(arc->centre), QString::number(arc->rx), QString::number(arc->ry),
             QString::number(arc->start * kDegreesPerRadian, 'f', 3),
             QString::number(arc->end * kDegreesPerRadian, 'f', 3), arc->colour.name());
  const auto& text = std::get<Canvas::Text>(item);
  return QStringLiteral("text %1 %2").arg(point(text.at), text.text);
}

inline QStringList describe(const std::vector<Canvas::Item>& items) {
  QStringList out;
  for (const auto& item : items) out << describe(item);
  return out;
}

// An expected drawing written down from the element tables: lines, chains of lines from the
// last point, arcs with their semi-axes and angles in degrees, and texts.
class Expected {
 public:
  Expected& line(double x1, double y1, double x2, double y2,
                 const QColor& colour = kElementColour) {
    entries_ << describe(Canvas::Line{{x1, y1}, {x2, y2}, colour});
    last_ = {x2, y2};
    return *this;
  }
  Expected& to(double x, double y, const QColor& colour = kElementColour) {
    return line(last_.x(), last_.y(), x, y, colour);
  }
  Expected& arc(double cx, double cy, double rx, double ry, double startDegrees, double endDegrees,
                const QColor& colour = kElementColour) {
    entries_ << describe(Canvas::Arc{{cx, cy},
                                     rx,
                                     ry,
                                     startDegrees / kDegreesPerRadian,
                                     endDegrees / kDegreesPerRadian,
                                     colour});
    return *this;
  }
  Expected& text(double x, double y, const QString& text) {
    entries_ << describe(Canvas::Text{{x, y}, text});
    return *this;
  }
  Expected& then(const Expected& more) {
    entries_ << more.entries_;
    last_ = more.last_;
    return *this;
  }
  const QStringList& entries() const { return entries_; }

 private:
  QStringList entries_;
  QPointF last_;
};

// True when some pixel within `radius` of (x, y) (canvas pixels) is not white.
inline bool inkNear(const QImage& image, double x, double y, int radius = 1) {
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx) {
      const QPoint p(int(x) + dx, int(y) + dy);
      if (image.rect().contains(p) && image.pixelColor(p) != QColor(Qt::white)) return true;
    }
  return false;
}

}  // namespace kairo::test
