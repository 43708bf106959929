#pragma once

#include <QFont>
#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;

namespace kairo {

// The colours of a face: its plate shades from `light` through `body` to `dark`, its rim from
// `dark` to `rim`; the text's drop shadow is `shadow`.
struct FacePalette {
  QRgb light, body, dark, rim, shadow;
};

// The look of a picture button's face: a rounded, bevelled, glossy plate, bold white text with a
// drop shadow, and for the three courses a row of stars for their level.
struct FaceStyle {
  const char* name;  // tells the styles apart in the pixmap cache
  FacePalette colours;
  int stars;
  double textPixels;  // the text's size; shrunk only for a text that would not fit
};

// The style of a face by its source text (the untranslated text of the layout tables); nullptr
// for a text that has no face.
const FaceStyle* faceStyle(const QString& source);

// The text of a face as it is drawn: its font, its one or two lines, and for each line its
// baseline origin and the rectangle its glyphs take, in pixels of a face of the given size.
struct FaceText {
  QFont font;
  double pixels = 0;
  QStringList lines;
  QList<QPointF> origins;
  QList<QRectF> boxes;
};
FaceText fitFaceText(const QString& text, const FaceStyle& style, const QSizeF& size);

// Where a face's text may go: inside the plate, clear of its rounded ends and of the stars.
QRectF faceTextRoom(const FaceStyle& style, const QSizeF& size);

// Draws the face with `text` over (0, 0, size) in the painter's pixels.
void paintFace(QPainter& painter, const QSizeF& size, const QString& text, const FaceStyle& style);

// A picture drawn once per `key`, size and pixel ratio by `paint` (antialiased, on a transparent
// ground) and kept in the shared pixmap cache; every later paint only copies it.
QPixmap cachedPicture(const QString& key, const QSize& size, qreal ratio,
                      const std::function<void(QPainter&)>& paint);

// The face drawn once per text, style, size and pixel ratio and kept in the shared pixmap cache:
// equal buttons on different windows share one pixmap.
QPixmap facePixmap(const QString& text, const FaceStyle& style, const QSize& size, qreal ratio);

}  // namespace kairo
