#include "diagram/canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <numbers>
#include <utility>

#include "app/form.h"

namespace kairo {

namespace {

constexpr double kFullTurn = 2.0 * std::numbers::pi;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};

QPen cosmeticPen(const QColor& colour) {
  QPen pen(colour);
  pen.setWidth(1);
  pen.setCosmetic(true);  // one pixel wide whatever the twip scale
  return pen;
}

QPainterPath arcPath(const Canvas::Arc& arc) {
  const QRectF box(arc.centre.x() - arc.rx, arc.centre.y() - arc.ry, 2 * arc.rx, 2 * arc.ry);
  // An arc whose end lies before its start runs on counter-clockwise through 0.
  double span = arc.end - arc.start;
  if (span < 0) span += kFullTurn;
  QPainterPath path;
  // Qt counts degrees counter-clockwise as seen on the screen, the same sense as the drawing.
  path.arcMoveTo(box, arc.start * kDegreesPerRadian);
  path.arcTo(box, arc.start * kDegreesPerRadian, span * kDegreesPerRadian);
  return path;
}

}  // namespace

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
  setFont(screenFont());
  setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent covers every pixel with the white ground
}

void Canvas::drawLine(double x1, double y1, double x2, double y2, std::optional<QColor> colour) {
  append(Line{{x1, y1}, {x2, y2}, colour.value_or(kForeground)});
  current_ = {x2, y2};
}

void Canvas::drawLineTo(double x2, double y2, std::optional<QColor> colour) {
  drawLine(current_.x(), current_.y(), x2, y2, colour);
}

void Canvas::drawArc(double cx, double cy, double radius, std::optional<QColor> colour,
                     std::optional<double> start, std::optional<double> end,
                     std::optional<double> aspect) {
  const double a = aspect.value_or(1.0);
  // Below 1 the radius is the horizontal semi-axis, from 1 on the vertical one.
  const double rx = a < 1.0 ? radius : radius / a;
  const double ry = a < 1.0 ? radius * a : radius;
  append(Arc{{cx, cy},
             rx,
             ry,
             start.value_or(0.0),
             end.value_or(kFullTurn),
             colour.value_or(kForeground)});
  current_ = {cx, cy};
}

bool Canvas::append(Item item) {
  // Searched from the end: a repeat is most often of something just drawn.
  for (auto it = items_.rbegin(); it != items_.rend(); ++it)
    if (*it == item) return false;
  items_.push_back(std::move(item));
  update();
  return true;
}

void Canvas::clearCanvas() {
  const bool hadTexts = !printedTexts().isEmpty();
  items_.clear();
  current_ = {0, 0};
  update();
  if (hadTexts) emit textsChanged();
}

void Canvas::moveTo(double x, double y) {
  current_ = {x, y};
}

void Canvas::printItems(std::initializer_list<PrintItem> items) {
  QString text;
  for (const PrintItem& item : items) text += item.text;
  const bool added = append(Text{current_, text});
  current_ = {0.0, current_.y() + lineStep()};
  if (added) emit textsChanged();
}

QStringList Canvas::printedTexts() const {
  QStringList texts;
  for (const Item& item : items_)
    if (const auto* text = std::get_if<Text>(&item)) texts << text->text;
  return texts;
}

double Canvas::lineStep() const {
  return QFontMetricsF(font()).lineSpacing() * kTwipsPerPixel;
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setBrush(Qt::NoBrush);
  // Half a pixel puts whole-pixel coordinates on pixel centres, so straight wires stay crisp.
  const QTransform twipsToPixels =
      QTransform::fromTranslate(0.5, 0.5).scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
  const QFontMetricsF metrics(font());
  painter.setFont(font());
  for (const Item& item : items_) {
    std::visit(Overloaded{
                   [&](const Line& line) {
                     painter.setTransform(twipsToPixels);
                     painter.setPen(cosmeticPen(line.colour));
                     painter.drawLine(line.from, line.to);
                   },
                   [&](const Arc& arc) {
                     painter.setTransform(twipsToPixels);
                     painter.setPen(cosmeticPen(arc.colour));
                     painter.drawPath(arcPath(arc));
                   },
                   [&](const Text& text) {
                     // Text keeps the font's pixel size: only its position is scaled.
                     painter.resetTransform();
                     painter.setPen(kForeground);
                     const QPointF topLeft = text.at / kTwipsPerPixel;
                     painter.drawText(topLeft + QPointF(0, metrics.ascent()), text.text);
                   },
               },
               item);
  }
}

}  // namespace kairo
