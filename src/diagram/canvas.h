#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <initializer_list>
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

// The drawing surface of the drawing screen. Keeps a display list in twips (origin top-left,
// y downwards) and the current point, and paints the list scaled to its pixels.
class Canvas : public QWidget {
  Q_OBJECT

 public:
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

 signals:
  void textsChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Appends unless the very same item is already there; true when appended.
  bool append(Item item);

  std::vector<Item> items_;
  QPointF current_;
};

}  // namespace kairo
