#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace kairo {

// Colours of the drawing.
inline const QColor kForeground{0, 0, 0};
inline const QColor kElementColour{0, 0, 128};  // dark blue of every element symbol
inline const QColor kLightRed{255, 0, 0};       // palette colour 12, the review box

// One item of a text output: a text is written as it is, a number as printedNumber() writes it.
struct PrintItem {
  PrintItem(const QString& text) : text(text) {}
  PrintItem(const char* text) : text(QString::fromUtf8(text)) {}
  PrintItem(int number);
  PrintItem(double number);
  QString text;
};

class TextPlacer;

// The drawing surface of the drawing screen. Keeps a display list in twips (origin top-left,
// y downwards) and the current point, and paints the list scaled to its pixels.
class Canvas : public QWidget {
  Q_OBJECT

 public:
  // Twips per device-independent pixel at 96 dpi.
  static constexpr double kTwipsPerPixel = 15.0;
  // Everything any drawing of the courses puts on the canvas, texts included, lies in this box
  // (twips). The view fits the box rather than what is drawn, so the picture stays put while a
  // review adds to it.
  static constexpr QRectF kPictureBox{1200, 400, 4200, 1700};
  // The band at the bottom of the drawing screen that holds its button and code panel, and the
  // white margin kept around the picture (pixels).
  static constexpr double kControlBand = 68;
  static constexpr double kMargin = 10;
  // Printed texts are this tall (em, twips) whatever the scale, so the layout keeps its
  // proportions.
  static constexpr double kTextEm = 90;
  struct Line {
    QPointF from, to;
    QColor colour;
    bool operator==(const Line&) const = default;
  };
  // An elliptical arc: semi-axes rx, ry; angles in radians, counter-clockwise as seen on the
  // screen, running from start to end (through 0 when end < start).
  struct Arc {
    QPointF centre;
    double rx, ry;
    double start, end;
    QColor colour;
    bool operator==(const Arc&) const = default;
  };
  struct Text {
    QPointF at;
    QString text;
    bool operator==(const Text&) const = default;
  };
  using Item = std::variant<Line, Arc, Text>;

  explicit Canvas(QWidget* parent = nullptr);
  ~Canvas() override;

  void drawLine(double x1, double y1, double x2, double y2,
                std::optional<QColor> colour = std::nullopt);
  void drawLineTo(double x2, double y2, std::optional<QColor> colour = std::nullopt);
  void drawArc(double cx, double cy, double radius, std::optional<QColor> colour = std::nullopt,
               std::optional<double> start = std::nullopt, std::optional<double> end = std::nullopt,
               std::optional<double> aspect = std::nullopt);
  void clearCanvas();
  void moveTo(double x, double y);
  void printItems(std::initializer_list<PrintItem> items);

  // What is on the canvas, in drawing order. A primitive drawn again exactly over itself changes
  // nothing on the screen and is kept once, so repeated drawing cannot grow the list without bound.
  const std::vector<Item>& items() const { return items_; }
  QPointF currentPoint() const { return current_; }
  // The printed texts in print order, one entry per printItems call.
  QStringList printedTexts() const;
  // Height of one text line in twips (the step printItems moves the current point down).
  double lineStep() const;

  // Twips to widget pixels for a canvas of `size`: one scale on both axes, the picture box as
  // large as fits between the margins and above the control band, centred across, at the top.
  static QTransform viewFor(QSizeF size, const QRectF& box = kPictureBox);
  QTransform view() const { return viewFor(size(), box_); }
  // The box the view fits: kPictureBox unless a course draws more than the circuit and its reviews.
  void setPictureBox(const QRectF& box);
  const QRectF& pictureBox() const { return box_; }
  // The font the texts are painted in at the current size: the canvas font at kTextEm.
  QFont textFont() const;
  // Where each printed text stands (twips), in print order as printedTexts(): at its point, or
  // moved the least distance that keeps it clear of every line, arc and earlier text.
  const std::vector<QRectF>& placedTexts() const;

 signals:
  void textsChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Appends unless the very same item is already there; true when appended.
  bool append(Item item);
  // Forgets the placed texts; `measure` also the font measures (new size or font).
  void invalidate(bool measure);

  std::vector<Item> items_;
  std::vector<std::size_t> hashes_;  // of the items, to find repeats quickly
  QPointF current_;
  mutable std::unique_ptr<TextPlacer> placer_;
  mutable std::optional<std::vector<QRectF>> placed_;
  QRectF box_ = kPictureBox;
};

}  // namespace kairo
