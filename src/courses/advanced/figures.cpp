#include "courses/advanced/figures.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <vector>

#include "core/exercise_state.h"
#include "core/number.h"
#include "courses/advanced/quantities.h"
#include "diagram/canvas.h"

namespace kairo::advanced {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The figures stand in the band below the circuit, whose bottom wire runs at y 2000, across the
// whole picture, each centred in it. Twips.
constexpr double kBandTop = 2150;
constexpr QRectF kBand{kFigureBox.left() + 20, kBandTop, kFigureBox.width() - 40,
                       kFigureBox.bottom() - 20 - kBandTop};
constexpr double kGap = 25;  // between a stroke and the text that names it

// A triangle's base at its longest: a flat one stays about as wide as the circuit. The angle's
// arc is at least this far out and long enough to see on a narrow angle.
constexpr double kLongestBase = 2100;
constexpr double kArcRadius = 250;
constexpr double kArcLength = 150;

// The longest arrow of the phasors. The currents, at four fifths of it, fit the band's height with
// their texts beside their heads whatever their angles in the course's circuits; the voltages
// shrink to fit where they would not. Shorter arrows keep a length that still shows their head, and
// the real axis runs at least this far left of the origin.
constexpr double kLongestArrow = 640;
constexpr double kShortestArrow = 120;
constexpr double kHead = 80;
constexpr double kAxisStub = 100;

// The ends of an arrowhead's two barbs: as long as the head is wide, shrunk on a short arrow.
std::array<QPointF, 2> barbsOf(QPointF from, QPointF to) {
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  if (length == 0) return {to, to};
  const double back = std::min(kHead, 0.4 * length);
  const QPointF u = d / length, n(-u.y(), u.x());
  return {to - u * back + n * back / 2, to - u * back - n * back / 2};
}

// Moves everything laid out around (0, 0) so that what `extent` covers is centred in the band.
QPointF centredInBand(const QRectF& extent) {
  return kBand.center() - extent.center();
}

// One figure's strokes and texts on the canvas.
class Figure {
 public:
  explicit Figure(Canvas& canvas) : canvas_(canvas), metrics_(emFont(canvas.font())) {}

  // Measuring is the slow part of drawing: each text is measured once.
  QSizeF size(const QString& text) {
    auto it = sizes_.constFind(text);
    if (it == sizes_.cend())
      it = sizes_.insert(text, {metrics_.horizontalAdvance(text), metrics_.height()});
    return *it;
  }

  void line(QPointF from, QPointF to, const QColor& colour = kForeground) {
    if (from != to) canvas_.drawLine(from.x(), from.y(), to.x(), to.y(), colour);
  }

  void arrow(QPointF from, QPointF to, const QColor& colour) {
    if (from == to) return;
    line(from, to, colour);
    for (QPointF barb : barbsOf(from, to)) line(to, barb, colour);
  }

  void arc(QPointF centre, double radius, double fromDegrees, double toDegrees) {
    canvas_.drawArc(centre.x(), centre.y(), radius, kForeground, fromDegrees * kRadiansPerDegree,
                    toDegrees * kRadiansPerDegree);
  }

  // Prints `text` with its top-left corner at `at`, kept inside the band.
  void label(const QString& text, QPointF at) {
    const QSizeF box = size(text);
    canvas_.moveTo(std::clamp(at.x(), kBand.left(), kBand.right() - box.width()),
                   std::clamp(at.y(), kBand.top(), kBand.bottom() - box.height()));
    canvas_.printItems({text});
  }

 private:
  // Texts are kTextEm high at any scale: measured that many pixels high, a pixel is a twip.
  static QFont emFont(QFont font) {
    font.setPixelSize(int(Canvas::kTextEm));
    return font;
  }

  Canvas& canvas_;
  QFontMetricsF metrics_;
  QHash<QString, QSizeF> sizes_;
};

// The box of `size` with the point that `align` names at `at`.
QRectF aligned(QSizeF size, QPointF at, Qt::Alignment align) {
  QPointF topLeft = at;
  if (align & Qt::AlignRight) topLeft.rx() -= size.width();
  if (align & Qt::AlignHCenter) topLeft.rx() -= size.width() / 2;
  if (align & Qt::AlignBottom) topLeft.ry() -= size.height();
  if (align & Qt::AlignVCenter) topLeft.ry() -= size.height() / 2;
  return {topLeft, size};
}

QString angleText(double degrees) {
  QString text = figureNumber(degrees);
  // Angles run over (−180°, 180°]: one just above −180° that rounds to it reads 180.
  if (text == QLatin1String("-180")) text = QStringLiteral("180");
  return text + QStringLiteral("°");
}

QString polarText(const QString& name, Complex value, const QString& unit) {
  return name + QStringLiteral("=") + figureNumber(magnitude(value)) + unit + QStringLiteral("∠") +
         angleText(angleDegrees(value));
}

struct TriangleTexts {
  QString base, height, hypotenuse, angle;
};

// A right triangle with `base` along the real axis, `height` up when positive, the hypotenuse from
// the origin and the angle between them marked. The longer side fills its room, so the triangle
// keeps its true shape at any size of the values.
void drawTriangle(Canvas& canvas, double base, double height, double angleDegrees,
                  const TriangleTexts& texts) {
  // A height that is only the rounding residue of cancelling reactances lies flat like zero.
  if (std::abs(height) <= 1e-9 * std::abs(base)) height = 0;
  const bool down = height < 0;
  Figure figure(canvas);
  const QSizeF baseSize = figure.size(texts.base);
  // The height fills the band but for the base's text on the far side of the base.
  double scale = std::numeric_limits<double>::infinity();
  if (base > 0) scale = kLongestBase / base;
  if (height != 0)
    scale = std::min(scale, (kBand.height() - baseSize.height() - kGap) / std::abs(height));
  if (!std::isfinite(scale)) scale = 0;

  // Laid out with the origin at (0, 0) first, then centred in the band.
  const QPointF origin(0, 0), foot(base * scale, 0), tip(foot.x(), -height * scale);
  // The base's text under (or over) the base, but not out beyond the origin where the angle's
  // text stands; the height's text right of the height; the angle's left of the origin.
  QRectF boxes[4];
  boxes[0] =
      aligned(baseSize, {std::max(0.0, (foot.x() - baseSize.width()) / 2), down ? -kGap : kGap},
              Qt::AlignLeft | (down ? Qt::AlignBottom : Qt::AlignTop));
  boxes[1] = aligned(figure.size(texts.height), {foot.x() + kGap, tip.y() / 2},
                     Qt::AlignLeft | Qt::AlignVCenter);
  // The hypotenuse's text outside it: the box's corner nearest the line a gap off the line, slid
  // along it to where the box's middle comes closest to the line's middle (over a flat hypotenuse,
  // beside a steep one).
  const double hypotenuse = std::hypot(tip.x(), tip.y());
  const QPointF d = hypotenuse > 0 ? tip / hypotenuse : QPointF(1, 0);
  const QPointF outward = down ? QPointF(-d.y(), d.x()) : QPointF(d.y(), -d.x());
  const QSizeF hypotenuseSize = figure.size(texts.hypotenuse);
  const double slide =
      std::clamp(d.x() * hypotenuseSize.width() / 2 - std::abs(d.y()) * hypotenuseSize.height() / 2,
                 -hypotenuse / 2, hypotenuse / 2);
  boxes[2] = aligned(hypotenuseSize, tip / 2 + d * slide + outward * kGap,
                     Qt::AlignRight | (down ? Qt::AlignTop : Qt::AlignBottom));
  boxes[3] = aligned(figure.size(texts.angle), {-kGap, 0}, Qt::AlignRight | Qt::AlignVCenter);

  QRectF extent = QRectF(origin, tip).normalized();
  for (const QRectF& box : boxes) extent |= box;
  const QPointF shift = centredInBand(extent);
  figure.line(origin + shift, foot + shift);
  figure.line(foot + shift, tip + shift);
  figure.line(origin + shift, tip + shift);
  // The arc stays inside the triangle, short of the foot.
  const double angle = std::abs(angleDegrees * kRadiansPerDegree);
  const double radius = std::min({std::max(kArcRadius, angle > 0 ? kArcLength / angle : 0.0),
                                  0.6 * foot.x(), 0.4 * hypotenuse});
  if (angle * radius >= 1)
    figure.arc(origin + shift, radius, std::min(0.0, angleDegrees), std::max(0.0, angleDegrees));
  const QString* names[] = {&texts.base, &texts.height, &texts.hypotenuse, &texts.angle};
  for (int i = 0; i < 4; ++i) figure.label(*names[i], boxes[i].topLeft() + shift);
}

struct Phasor {
  Complex value;
  double scale;  // twips per unit
  QColor colour;
  QString text;
};

// Arrows from one origin on the real axis, each named beside its head: right of it when the arrow
// points right or straight up or down, left of it otherwise, clear of the barbs.
void drawPhasors(Canvas& canvas, std::initializer_list<Phasor> phasors) {
  Figure figure(canvas);
  std::vector<QPointF> tips;
  double top = 0, bottom = 0, textHeight = 0;
  for (const Phasor& p : phasors) {
    tips.push_back(QPointF(p.value.re, -p.value.im) * p.scale);
    top = std::min(top, tips.back().y());
    bottom = std::max(bottom, tips.back().y());
    textHeight = std::max(textHeight, figure.size(p.text).height());
  }
  // All at one scale, smaller where arrows far up and far down would push their texts out.
  const double fit = bottom > top ? (kBand.height() - textHeight) / (bottom - top) : 1;
  for (QPointF& tip : tips) {
    if (fit < 1) tip *= fit;
    const double length = std::hypot(tip.x(), tip.y());
    if (length > 0 && length < kShortestArrow) tip *= kShortestArrow / length;
  }

  // Laid out with the origin at (0, 0) first, then centred in the band.
  std::vector<QRectF> texts;
  double axisLeft = -kAxisStub;
  QRectF extent(QPointF(axisLeft, 0), QPointF(0, 0));
  auto tip = tips.begin();
  for (const Phasor& p : phasors) {
    const std::array<QPointF, 2> barbs = barbsOf({0, 0}, *tip);
    const bool right = tip->x() >= -1e-9 * std::abs(tip->y());
    const double side = right ? std::max({tip->x(), barbs[0].x(), barbs[1].x()}) + kGap
                              : std::min({tip->x(), barbs[0].x(), barbs[1].x()}) - kGap;
    texts.push_back(aligned(figure.size(p.text), {side, tip->y()},
                            (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter));
    axisLeft = std::min(axisLeft, tip->x());
    extent |= texts.back();
    extent |= QRectF(barbs[0], barbs[1]).normalized();
    extent |= QRectF(QPointF(0, 0), *tip++).normalized();
  }
  const QPointF shift = centredInBand(extent);
  // The real axis left of the origin; E draws its positive part.
  figure.line(QPointF(axisLeft, 0) + shift, shift);
  tip = tips.begin();
  for (const Phasor& p : phasors) figure.arrow(shift, *tip++ + shift, p.colour);
  auto text = texts.begin();
  for (const Phasor& p : phasors) figure.label(p.text, (text++)->topLeft() + shift);
}

}  // namespace

QString figureNumber(double value) {
  QString text = formatNumber(value, Pattern::Zero2);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text.isEmpty() ? QStringLiteral("0") : text;
}

void drawImpedanceTriangle(Canvas& canvas, const ExerciseState& solved) {
  drawTriangle(canvas, zReal(solved), zImaginary(solved), zAngle(solved),
               {QStringLiteral("R=") + figureNumber(zReal(solved)) + QStringLiteral("Ω"),
                QStringLiteral("X=") + figureNumber(zImaginary(solved)) + QStringLiteral("Ω"),
                QStringLiteral("|Z|=") + figureNumber(zMagnitude(solved)) + QStringLiteral("Ω"),
                QStringLiteral("θ=") + angleText(zAngle(solved))});
}

void drawPowerTriangle(Canvas& canvas, const ExerciseState& solved) {
  drawTriangle(canvas, activePower(solved), reactivePower(solved), zAngle(solved),
               {QStringLiteral("P=") + figureNumber(activePower(solved)) + QStringLiteral("W"),
                QStringLiteral("Q=") + figureNumber(reactivePower(solved)) + QStringLiteral("var"),
                QStringLiteral("S=") + figureNumber(apparentPower(solved)) + QStringLiteral("V·A"),
                QStringLiteral("θ=") + angleText(zAngle(solved))});
}

void drawVoltagePhasors(Canvas& canvas, const ExerciseState& solved) {
  const Complex e{solved.voltageE, 0.0}, v1 = voltage1(solved), v23 = voltage23(solved);
  const double longest = std::max({magnitude(e), magnitude(v1), magnitude(v23)});
  const double scale = longest > 0 ? kLongestArrow / longest : 0;
  const QString volts = QStringLiteral("V");
  drawPhasors(canvas, {{e, scale, kForeground, polarText(QStringLiteral("E"), e, volts)},
                       {v1, scale, kForeground, polarText(QStringLiteral("V1"), v1, volts)},
                       {v23, scale, kForeground, polarText(QStringLiteral("V23"), v23, volts)}});
}

void drawPhasorDiagram(Canvas& canvas, const ExerciseState& solved) {
  const Complex e{solved.voltageE, 0.0};
  const Complex i1 = solved.current1, i2 = solved.current2, i3 = solved.current3;
  // E alone at the full length; the longest current a little shorter, so that a current in phase
  // with E still shows its own head.
  const double longest = std::max({magnitude(i1), magnitude(i2), magnitude(i3)});
  const double scale = longest > 0 ? 0.8 * kLongestArrow / longest : 0;
  const double eScale = e.re > 0 ? kLongestArrow / e.re : 0;
  const QString amperes = QStringLiteral("A");
  drawPhasors(canvas,
              {{e, eScale, kForeground, polarText(QStringLiteral("E"), e, QStringLiteral("V"))},
               {i1, scale, kLightRed, polarText(QStringLiteral("I1"), i1, amperes)},
               {i2, scale, kLightRed, polarText(QStringLiteral("I2"), i2, amperes)},
               {i3, scale, kLightRed, polarText(QStringLiteral("I3"), i3, amperes)}});
}

}  // namespace kairo::advanced
