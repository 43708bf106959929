#include "ui/button_face.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>
#include <QPolygonF>
#include <QScreen>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

#include "ui/form.h"

namespace kairo {
namespace {

// Sizes of the faces were drawn in twips; 15 twips to the pixel.
constexpr double tw(double twips) {
  return twips / 15.0;
}

constexpr FacePalette kGreen{0xffb4f08c, 0xff46b43a, 0xff23761e, 0xff14480f, 0xff0d3a09};
constexpr FacePalette kBlue{0xffa9cdfa, 0xff3a7fe0, 0xff1b4c9e, 0xff0f2c60, 0xff0a2250};
constexpr FacePalette kRed{0xffffa294, 0xffd4372b, 0xff861812, 0xff4a0906, 0xff3c0603};
constexpr FacePalette kTeal{0xff9be3ea, 0xff22a0b3, 0xff0f6673, 0xff083f47, 0xff06353c};

// The courses by colour and stars; the other faces by the place they stand in: the opening
// screen, small buttons inside an exercise window, the result windows, the drawing screen, the
// side-by-side pair of the miss screens (one size, so the two match).
constexpr FaceStyle kEasy{"easy", kGreen, 1, tw(310)};
constexpr FaceStyle kNormal{"normal", kBlue, 2, tw(310)};
constexpr FaceStyle kHard{"hard", kRed, 3, tw(310)};
constexpr FaceStyle kOpening{"opening", kTeal, 0, tw(330)};
constexpr FaceStyle kInline{"inline", kTeal, 0, tw(225)};
constexpr FaceStyle kResult{"result", kTeal, 0, tw(350)};
constexpr FaceStyle kSolution{"solution", kTeal, 0, tw(300)};
constexpr FaceStyle kPair{"pair", kTeal, 0, tw(212)};

struct FaceOfText {
  const char* source;
  const FaceStyle* style;
};
constexpr FaceOfText kFaces[] = {
    {"説明", &kOpening},
    {"EASY", &kEasy},
    {"NORMAL", &kNormal},
    {"HARD", &kHard},
    {"start", &kInline},
    {"解答チェック", &kInline},
    {"NEXT", &kResult},
    {"戻る", &kResult},
    {"END", &kResult},
    {"解き方", &kSolution},
    {"もう一度やり直す", &kPair},
    {"どこで間違ったか調べる", &kPair},
};

// The visual middle of capitals and of kana and kanji sits 0.37 em above the baseline; a face
// centres it.
constexpr double kMiddle = 0.37;
constexpr double kPitch = 1.1;  // between the baselines of a two-line text, in ems
// A text is kept on one line as long as it need not shrink below this share of its size, and
// further while two lines would not be clearly larger.
constexpr double kOneLineShare = 0.8;
constexpr double kTwoLinesGain = 1.15;
constexpr double kSmallest = 7.0;  // pixels

double border(const QSizeF& size) {
  return size.height() < tw(700) ? tw(30) : tw(40);
}
double cornerRadius(const QSizeF& size) {
  return std::min(size.width(), size.height()) * 0.22;
}
double textMiddle(const FaceStyle& style, const QSizeF& size) {
  return style.stars ? size.height() * 0.40 : size.height() / 2;
}
double starRadius(const QSizeF& size) {
  return size.height() * 0.095;
}
double starCentre(const QSizeF& size) {
  return size.height() * 0.76;
}

int screenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

// The faces are sized in pixels like the windows, so their text is too, whatever the screen's
// logical dots per inch.
QFont faceFont(double pixels) {
  QFont font = screenFont({Face::Gothic, 0, true});
  font.setPointSizeF(pixels * 72.0 / screenDpi());
  return font;
}

FaceText layOut(const QStringList& lines, double pixels, const FaceStyle& style,
                const QSizeF& size) {
  FaceText text;
  text.font = faceFont(pixels);
  text.pixels = pixels;
  text.lines = lines;
  const QFontMetricsF metrics(text.font);
  const double first =
      textMiddle(style, size) + kMiddle * pixels - (lines.size() - 1) * kPitch * pixels / 2;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QPointF origin((size.width() - metrics.horizontalAdvance(lines[i])) / 2,
                         first + i * kPitch * pixels);
    text.origins << origin;
    text.boxes << metrics.tightBoundingRect(lines[i]).translated(origin);
  }
  return text;
}

bool fits(const FaceText& text, const QRectF& room) {
  return std::all_of(text.boxes.begin(), text.boxes.end(),
                     [&](const QRectF& box) { return room.contains(box); });
}

// The largest size, not above the style's nor below `lowest`, at which the lines fit; the first
// guess scales the style's size to the room's width.
std::optional<FaceText> largestFitting(const QStringList& lines, const FaceStyle& style,
                                       const QSizeF& size, double lowest) {
  const QRectF room = faceTextRoom(style, size);
  const FaceText full = layOut(lines, style.textPixels, style, size);
  if (fits(full, room)) return full;
  double widest = 0;
  for (const QRectF& box : full.boxes) widest = std::max(widest, box.width());
  double pixels = std::min(style.textPixels, style.textPixels * room.width() / widest);
  for (; pixels >= lowest; pixels -= 0.25)
    if (FaceText text = layOut(lines, pixels, style, size); fits(text, room)) return text;
  return std::nullopt;
}

// The two lines that are most even, broken where the language allows a break (between words, or
// between kana and kanji); an explicit line break in a translation wins.
QStringList twoLines(const QString& text, const QFont& font) {
  if (const qsizetype newline = text.indexOf(u'\n'); newline >= 0)
    return {text.left(newline).trimmed(), text.mid(newline + 1).trimmed()};
  const QFontMetricsF metrics(font);
  QStringList best;
  double bestWidth = 0;
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
  for (qsizetype at = breaks.toNextBoundary(); at > 0 && at < text.size();
       at = breaks.toNextBoundary()) {
    const QStringList lines{text.left(at).trimmed(), text.mid(at).trimmed()};
    if (lines[0].isEmpty() || lines[1].isEmpty()) continue;
    const double width =
        std::max(metrics.horizontalAdvance(lines[0]), metrics.horizontalAdvance(lines[1]));
    if (best.isEmpty() || width < bestWidth) {
      best = lines;
      bestWidth = width;
    }
  }
  return best;
}

QLinearGradient vertical(const QRectF& box, std::initializer_list<QGradientStop> stops) {
  QLinearGradient gradient(box.topLeft(), box.bottomLeft());
  gradient.setStops(QGradientStops(stops));
  return gradient;
}

QColor withAlpha(QRgb rgb, double alpha) {
  QColor colour = QColor::fromRgb(rgb);
  colour.setAlphaF(float(alpha));
  return colour;
}

void paintStar(QPainter& painter, QPointF centre, double radius) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? radius : radius * 0.45;
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
  }
  painter.setBrush(
      vertical(star.boundingRect(), {{0, QColor(0xff, 0xf6, 0xb0)}, {1, QColor(0xf2, 0xb4, 0)}}));
  QPen pen(QColor(0x5a, 0x3d, 0x00), radius * 0.1);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawPolygon(star);
}

}  // namespace

const FaceStyle* faceStyle(const QString& source) {
  for (const auto& face : kFaces)
    if (source == QString::fromUtf8(face.source)) return face.style;
  return nullptr;
}

QRectF faceTextRoom(const FaceStyle& style, const QSizeF& size) {
  const double pad = std::max(0.07 * size.width(), tw(100));
  const double edge = border(size);
  const double bottom =
      style.stars ? starCentre(size) - starRadius(size) - 1 : size.height() - edge;
  return QRectF(QPointF(pad, edge), QPointF(size.width() - pad, bottom));
}

FaceText fitFaceText(const QString& text, const FaceStyle& style, const QSizeF& size) {
  const QString simple = QString(text).replace(u'\n', u' ').simplified();
  std::optional<FaceText> one =
      largestFitting({simple}, style, size, style.textPixels * kOneLineShare);
  if (one) return *one;
  one = largestFitting({simple}, style, size, kSmallest);
  const QStringList lines = twoLines(text.trimmed(), faceFont(style.textPixels));
  std::optional<FaceText> two;
  if (!lines.isEmpty()) two = largestFitting(lines, style, size, kSmallest);
  if (one && (!two || one->pixels * kTwoLinesGain >= two->pixels)) return *one;
  if (two) return *two;
  // Nothing fits even at the smallest size: draw it there, centred, the ends cut off by the face.
  return layOut({simple}, kSmallest, style, size);
}

void paintFace(QPainter& painter, const QSizeF& size, const QString& text, const FaceStyle& style) {
  const FacePalette& colours = style.colours;
  const QRectF outer(QPointF(0, 0), size);
  const double radius = cornerRadius(size);
  painter.setPen(Qt::NoPen);
  painter.setBrush(
      vertical(outer, {{0, QColor::fromRgb(colours.dark)}, {1, QColor::fromRgb(colours.rim)}}));
  painter.drawRoundedRect(outer, radius, radius);

  const double edge = border(size);
  const QRectF plate = outer.adjusted(edge, edge, -edge, -edge);
  const double plateRadius = std::max(radius - edge, 0.0);
  painter.setBrush(vertical(plate, {{0, QColor::fromRgb(colours.light)},
                                    {0.5, QColor::fromRgb(colours.body)},
                                    {1, QColor::fromRgb(colours.dark)}}));
  painter.setPen(QPen(withAlpha(0xffffffff, 0.45), tw(12)));
  painter.drawRoundedRect(plate, plateRadius, plateRadius);

  const double inset = edge + tw(20);
  const QRectF gloss(inset, inset, size.width() - 2 * inset, (size.height() - 2 * inset) * 0.46);
  const double glossRadius = std::max(plateRadius - tw(20), 0.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(
      vertical(gloss, {{0, withAlpha(0xffffffff, 0.75)}, {1, withAlpha(0xffffffff, 0.08)}}));
  painter.drawRoundedRect(gloss, glossRadius, glossRadius);

  const FaceText fitted = fitFaceText(text, style, size);
  painter.setFont(fitted.font);
  const double drop = std::max(1.0, fitted.pixels * 0.06);
  for (const auto& [colour, offset] :
       {std::pair{withAlpha(colours.shadow, 0.8), drop}, std::pair{QColor(Qt::white), 0.0}}) {
    painter.setPen(colour);
    for (qsizetype i = 0; i < fitted.lines.size(); ++i)
      painter.drawText(fitted.origins[i] + QPointF(offset, offset), fitted.lines[i]);
  }

  const double starR = starRadius(size);
  const double pitch = starR * 2.4;
  for (int i = 0; i < style.stars; ++i)
    paintStar(painter,
              QPointF(size.width() / 2 + (i - (style.stars - 1) / 2.0) * pitch, starCentre(size)),
              starR);
}

QPixmap cachedPicture(const QString& key, const QSize& size, qreal ratio,
                      const std::function<void(QPainter&)>& paint) {
  const QString sized =
      QStringLiteral("%1x%2@%3:").arg(size.width()).arg(size.height()).arg(ratio) + key;
  QPixmap pixmap;
  if (QPixmapCache::find(sized, &pixmap)) return pixmap;
  pixmap = QPixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  {
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paint(painter);
  }
  QPixmapCache::insert(sized, pixmap);
  return pixmap;
}

QPixmap facePixmap(const QString& text, const FaceStyle& style, const QSize& size, qreal ratio) {
  // The text last, whole: a translation may hold anything, "%1" included.
  return cachedPicture(QStringLiteral("kairo-face:%1:").arg(QLatin1String(style.name)) + text, size,
                       ratio,
                       [&](QPainter& painter) { paintFace(painter, QSizeF(size), text, style); });
}

}  // namespace kairo
