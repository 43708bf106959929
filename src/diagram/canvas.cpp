#include "diagram/canvas.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "core/number.h"
#include "diagram/text_placement.h"

namespace kairo {

namespace {

constexpr double kFullTurn = 2.0 * std::numbers::pi;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};

// Lines are one pixel wide until the picture is this many pixels per twip; beyond, they thicken
// with it.
constexpr double kOnePixelLineScale = 1.0 / 6.0;

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

// The same item drawn again (the same numbers, text and colour) hashes alike.
std::size_t hashOf(const Canvas::Item& item) {
  return std::visit(Overloaded{
                        [](const Canvas::Line& line) {
                          return qHashMulti(0, line.from.x(), line.from.y(), line.to.x(),
                                            line.to.y(), line.colour.rgba());
                        },
                        [](const Canvas::Arc& arc) {
                          return qHashMulti(1, arc.centre.x(), arc.centre.y(), arc.rx, arc.ry,
                                            arc.start, arc.end, arc.colour.rgba());
                        },
                        [](const Canvas::Text& text) {
                          return qHashMulti(2, text.at.x(), text.at.y(), text.text);
                        },
                    },
                    item);
}

}  // namespace

// Numbers given to printItems are written the way printedNumber() writes them.
PrintItem::PrintItem(int number) : text(printedNumber(number)) {}
PrintItem::PrintItem(double number) : text(printedNumber(number)) {}

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent covers every pixel with the white ground
}

Canvas::~Canvas() = default;

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
  // Searched from the end, as a repeat is most often of something just drawn; hashes spare
  // comparing whole items.
  const std::size_t hash = hashOf(item);
  for (std::size_t i = items_.size(); i-- > 0;)
    if (hashes_[i] == hash && items_[i] == item) return false;
  hashes_.push_back(hash);
  items_.push_back(std::move(item));
  invalidate(false);
  update();
  return true;
}

void Canvas::clearCanvas() {
  const bool hadTexts = !printedTexts().isEmpty();
  items_.clear();
  hashes_.clear();
  current_ = {0, 0};
  invalidate(false);
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

QTransform Canvas::viewFor(QSizeF size, const QRectF& box) {
  const double width = size.width() - 2 * kMargin;
  const double height = size.height() - kControlBand - 2 * kMargin;
  const double scale = std::max(1e-3, std::min(width / box.width(), height / box.height()));
  const double left = (size.width() - box.width() * scale) / 2;
  return QTransform::fromTranslate(left - box.left() * scale, kMargin - box.top() * scale)
      .scale(scale, scale);
}

void Canvas::setPictureBox(const QRectF& box) {
  if (box == box_) return;
  box_ = box;
  invalidate(true);
  update();
}

QFont Canvas::textFont() const {
  QFont text = font();
  text.setPixelSize(std::max(1, int(std::lround(kTextEm * view().m11()))));
  return text;
}

const std::vector<QRectF>& Canvas::placedTexts() const {
  if (!placer_) placer_ = std::make_unique<TextPlacer>(textFont(), view().m11(), box_);
  if (!placed_) placed_ = placer_->place(items_);
  return *placed_;
}

void Canvas::invalidate(bool measure) {
  placed_.reset();
  if (measure) placer_.reset();
}

void Canvas::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) invalidate(true);
  QWidget::changeEvent(event);
}

void Canvas::resizeEvent(QResizeEvent* event) {
  invalidate(true);
  QWidget::resizeEvent(event);
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setBrush(Qt::NoBrush);

  // Lines are drawn in device pixels: straight ones have their ends on pixel centres (for an odd
  // width, on pixel edges for an even one) and so cover whole pixels, crisp and in their full
  // colour at any device pixel ratio. The width grows with the picture in whole device pixels.
  const QTransform view = this->view();
  const double ratio = painter.deviceTransform().m11();
  const QTransform toDevice = view * QTransform::fromScale(ratio, ratio);
  const double width =
      std::max(1.0, std::round(ratio * std::max(1.0, view.m11() / kOnePixelLineScale)));
  const bool oddWidth = int(width) % 2 == 1;
  const auto snap = [&](double v) { return oddWidth ? std::floor(v) + 0.5 : std::round(v); };
  const auto pen = [&](const QColor& colour) {
    QPen pen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);  // in device pixels
    return pen;
  };
  painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));  // device pixels
  for (const Item& item : items_) {
    std::visit(Overloaded{
                   [&](const Line& line) {
                     const QPointF from = toDevice.map(line.from), to = toDevice.map(line.to);
                     painter.setPen(pen(line.colour));
                     painter.drawLine(QPointF(snap(from.x()), snap(from.y())),
                                      QPointF(snap(to.x()), snap(to.y())));
                   },
                   [&](const Arc& arc) {
                     painter.setPen(pen(arc.colour));
                     painter.drawPath(toDevice.map(arcPath(arc)));
                   },
                   [&](const Text&) {},
               },
               item);
  }

  // Texts in widget pixels, each where placedTexts() puts it, on a whole device pixel.
  painter.resetTransform();
  const QFont font = textFont();
  const double ascent = QFontMetricsF(font).ascent();
  painter.setFont(font);
  painter.setPen(kForeground);
  const std::vector<QRectF>& placed = placedTexts();
  std::size_t next = 0;
  for (const Item& item : items_) {
    const auto* text = std::get_if<Text>(&item);
    if (!text) continue;
    const QPointF baseline = (view.map(placed[next++].topLeft()) + QPointF(0, ascent)) * ratio;
    painter.drawText(QPointF(std::round(baseline.x()), std::round(baseline.y())) / ratio,
                     text->text);
  }
}

}  // namespace kairo
