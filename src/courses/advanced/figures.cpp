#include "courses/advanced/figures.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>

#include "core/exercise_state.h"
#include "core/number.h"
#include "courses/advanced/quantities.h"
#include "diagram/canvas.h"

namespace kairo::advanced {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The figures stand in the picture's top-right corner: right of the circuit, whose last branch
// reaches x 4262 with a coil, and clear of that branch's value (from y 1200, x 4350–4760 for a
// coil). Twips.
constexpr double kLeft = 4400;
constexpr double kRight = 5380;
constexpr double kGap = 25;  // between a stroke and the text that names it

// A triangle's real side and how far its height may reach: up from the lower line when inductive,
// down from the upper one when capacitive, with room for the real side's text on the other side
// and for the hypotenuse's text above the top wire of the circuit (y 1000).
struct Axis {
  double y, reach;
};
constexpr Axis kInductive{810, 390};
constexpr Axis kCapacitive{560, 540};

// The phasors' origin, the length of the longest arrow and how far the axis runs beyond it: the
// arrows stay above the branch's value and right of the circuit below y 800.
constexpr QPointF kOrigin{4930, 790};
constexpr double kRadius = 380;
constexpr double kAxisOverhang = 50;
// The phasors' texts, one under the other below the branch's value, flush right.
constexpr QPointF kList{kRight, 1370};
constexpr double kListStep = 150;

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
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0) return;
    line(from, to, colour);
    // The shape of the circuit's arrowheads (as long as wide), shrunk on a short arrow.
    const double back = std::min(70.0, 0.4 * length);
    const QPointF u = d / length, n(-u.y(), u.x());
    line(to, to - u * back + n * back / 2, colour);
    line(to, to - u * back - n * back / 2, colour);
  }

  void arc(QPointF centre, double radius, double fromDegrees, double toDegrees) {
    canvas_.drawArc(centre.x(), centre.y(), radius, kForeground, fromDegrees * kRadiansPerDegree,
                    toDegrees * kRadiansPerDegree);
  }

  // Prints `text` with the point of its box that `align` names at `at`, the box kept inside the
  // picture.
  void label(const QString& text, QPointF at, Qt::Alignment align) {
    const QSizeF box = size(text);
    double x = at.x(), y = at.y();
    if (align & Qt::AlignRight) x -= box.width();
    if (align & Qt::AlignHCenter) x -= box.width() / 2;
    if (align & Qt::AlignBottom) y -= box.height();
    if (align & Qt::AlignVCenter) y -= box.height() / 2;
    const QRectF& picture = Canvas::kPictureBox;
    canvas_.moveTo(std::clamp(x, picture.left(), picture.right() - box.width()),
                   std::clamp(y, picture.top(), picture.bottom() - box.height()));
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
  const Axis axis = down ? kCapacitive : kInductive;
  Figure figure(canvas);
  // The height's text stands right of the triangle.
  const double width = kRight - kGap - figure.size(texts.height).width() - kLeft;
  double scale = std::numeric_limits<double>::infinity();
  if (base > 0) scale = width / base;
  if (height != 0) scale = std::min(scale, axis.reach / std::abs(height));
  if (!std::isfinite(scale)) scale = 0;
  const QPointF origin(kLeft, axis.y), foot(kLeft + base * scale, axis.y),
      tip(foot.x(), axis.y - height * scale);
  figure.line(origin, foot);
  figure.line(foot, tip);
  figure.line(origin, tip);
  // The arc stays inside the triangle, short of the foot.
  const QPointF along = tip - origin;
  const double hypotenuse = std::hypot(along.x(), along.y());
  const double radius = std::min({150.0, 0.6 * (foot.x() - origin.x()), 0.4 * hypotenuse});
  if (std::abs(angleDegrees * kRadiansPerDegree) * radius >= 1)
    figure.arc(origin, radius, std::min(0.0, angleDegrees), std::max(0.0, angleDegrees));

  // The base's text on the far side of the axis, under (or over) the base, but not out beyond the
  // origin where the angle's text stands.
  const double baseWidth = figure.size(texts.base).width();
  const double baseLeft = std::max(origin.x(), (origin.x() + foot.x() - baseWidth) / 2);
  figure.label(texts.base, {baseLeft, axis.y + (down ? -kGap : kGap)},
               Qt::AlignLeft | (down ? Qt::AlignBottom : Qt::AlignTop));
  figure.label(texts.height, {foot.x() + kGap, (foot.y() + tip.y()) / 2},
               Qt::AlignLeft | Qt::AlignVCenter);

  // The hypotenuse's text outside it: the box's corner nearest the line a gap off the line, slid
  // along it to where the box's middle comes closest to the line's middle (over a flat hypotenuse,
  // beside a steep one).
  const QPointF d = hypotenuse > 0 ? along / hypotenuse : QPointF(1, 0);
  const QPointF outward = down ? QPointF(-d.y(), d.x()) : QPointF(d.y(), -d.x());
  const QSizeF box = figure.size(texts.hypotenuse);
  const double slide = std::clamp(d.x() * box.width() / 2 - std::abs(d.y()) * box.height() / 2,
                                  -hypotenuse / 2, hypotenuse / 2);
  figure.label(texts.hypotenuse, (origin + tip) / 2 + d * slide + outward * kGap,
               Qt::AlignRight | (down ? Qt::AlignTop : Qt::AlignBottom));
  figure.label(texts.angle, {origin.x() - kGap, axis.y}, Qt::AlignRight | Qt::AlignVCenter);
}

struct Phasor {
  Complex value;
  double scale;  // twips per unit
  QColor colour;
  QString text;
};

// Arrows from one origin with the real axis through it. The texts are too wide to stand at the tips
// in the room beside the circuit: they are listed below the arrows, each naming its arrow by its
// angle.
void drawPhasors(Canvas& canvas, std::initializer_list<Phasor> phasors) {
  Figure figure(canvas);
  figure.line({kOrigin.x() - kRadius - kAxisOverhang, kOrigin.y()},
              {kOrigin.x() + kRadius + kAxisOverhang, kOrigin.y()});
  for (const Phasor& p : phasors)
    figure.arrow(kOrigin, kOrigin + QPointF(p.value.re, -p.value.im) * p.scale, p.colour);
  QPointF at = kList;
  for (const Phasor& p : phasors) {
    figure.label(p.text, at, Qt::AlignRight | Qt::AlignTop);
    at.ry() += kListStep;
  }
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
  const double scale = longest > 0 ? kRadius / longest : 0;
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
  const double scale = longest > 0 ? 0.8 * kRadius / longest : 0;
  const double eScale = e.re > 0 ? kRadius / e.re : 0;
  const QString amperes = QStringLiteral("A");
  drawPhasors(canvas,
              {{e, eScale, kForeground, polarText(QStringLiteral("E"), e, QStringLiteral("V"))},
               {i1, scale, kLightRed, polarText(QStringLiteral("I1"), i1, amperes)},
               {i2, scale, kLightRed, polarText(QStringLiteral("I2"), i2, amperes)},
               {i3, scale, kLightRed, polarText(QStringLiteral("I3"), i3, amperes)}});
}

}  // namespace kairo::advanced
