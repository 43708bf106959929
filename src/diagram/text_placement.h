#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "diagram/canvas.h"

namespace kairo {

// Finds where the texts of a drawing can stand without touching a line, an arc or another text.
// The drawings give each text a point meant for a smaller font on a smaller picture; a text that
// would collide there moves the shortest distance that clears it. Texts are placed in print order,
// each clear of the ones before it, so adding to a drawing leaves the earlier texts where they
// were unless a new line runs through them.
class TextPlacer {
 public:
  // Gap kept between a text's box and anything else, in twips.
  static constexpr double kClearance = 15;
  // The grid of positions tried around a text's point, and how far from it a text may move.
  static constexpr double kStep = 10;
  static constexpr double kReach = 1200;

  // `font` is the font the texts are painted in at `pixelsPerTwip`; every placed box stays inside
  // `bounds` (twips).
  TextPlacer(const QFont& font, double pixelsPerTwip, const QRectF& bounds);

  // A text's box in twips: its advance by the font's height, with the top-left at (0, 0).
  QSizeF sizeOf(const QString& text);
  // The box of every text of `items`, in print order.
  std::vector<QRectF> place(const std::vector<Canvas::Item>& items);

 private:
  QFontMetricsF metrics_;
  double pixelsPerTwip_;
  QRectF bounds_;
  QHash<QString, QSizeF> sizes_;  // the same few texts come back in every drawing
};

}  // namespace kairo
