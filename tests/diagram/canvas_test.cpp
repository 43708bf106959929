#include "diagram/canvas.h"

#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <numbers>

#include "diagram/drawing_list.h"
#include "support/test_main.h"

using namespace kairo;
using kairo::test::describe;
using kairo::test::inkNear;

namespace {

constexpr double kPi = std::numbers::pi;

// A canvas the size of the drawing screen's client area (11028 × 8820 twips).
struct SizedCanvas {
  Canvas canvas;
  SizedCanvas() { canvas.resize(735, 588); }
  QImage picture() { return canvas.grab().toImage(); }
  // The pixel that holds the twip point (x, y).
  QPoint pixel(QPointF twips) const {
    const QPointF p = canvas.view().map(twips);
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
  }
  bool ink(const QImage& image, QPointF twips, int radius = 1) const {
    return inkNear(image, pixel(twips).x(), pixel(twips).y(), radius);
  }
};

// The twip point at `degrees` on an ellipse, counter-clockwise on screen.
QPointF onEllipse(double cx, double cy, double rx, double ry, double degrees) {
  const double a = degrees * kPi / 180.0;
  return QPointF(cx + rx * std::cos(a), cy - ry * std::sin(a));
}

bool allWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) != QColor(Qt::white)) return false;
  return true;
}

}  // namespace

class CanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void everyOperationLeavesTheCurrentPointWhereItSays() {
    Canvas canvas;
    QCOMPARE(canvas.currentPoint(), QPointF(0, 0));
    canvas.drawLine(10, 20, 30, 40);
    QCOMPARE(canvas.currentPoint(), QPointF(30, 40));
    canvas.drawLineTo(50, 60, kElementColour);
    QCOMPARE(canvas.currentPoint(), QPointF(50, 60));
    canvas.drawArc(100, 200, 50, kElementColour, 0.5, 1.0, 2.0);
    QCOMPARE(canvas.currentPoint(), QPointF(100, 200));  // an arc leaves it at the centre
    canvas.moveTo(7, 8);
    QCOMPARE(canvas.currentPoint(), QPointF(7, 8));
    canvas.printItems({"A"});
    QCOMPARE(canvas.currentPoint(), QPointF(0, 8 + canvas.lineStep()));

    QCOMPARE(describe(canvas.items()),
             (QStringList{"line (10,20)-(30,40) #000000", "line (30,40)-(50,60) #000080",
                          "arc (100,200) 25x50 28.648..57.296 #000080", "text (7,8) A"}));

    canvas.clearCanvas();
    QVERIFY(canvas.items().empty());
    QCOMPARE(canvas.currentPoint(), QPointF(0, 0));
    canvas.drawLineTo(15, 0);  // from the reset point
    QCOMPARE(describe(canvas.items()), QStringList{"line (0,0)-(15,0) #000000"});
  }

  void arcAxesFollowTheAspect() {
    Canvas canvas;
    canvas.drawArc(0, 0, 200);
    canvas.drawArc(0, 0, 200, std::nullopt, std::nullopt, std::nullopt, 2.0);
    canvas.drawArc(0, 0, 200, std::nullopt, std::nullopt, std::nullopt, 0.5);
    canvas.drawArc(0, 0, 80, std::nullopt, std::nullopt, std::nullopt, 1.0);
    canvas.drawArc(0, 0, 80, std::nullopt, std::nullopt, std::nullopt, 4.0);
    canvas.drawArc(0, 0, 80, std::nullopt, std::nullopt, std::nullopt, 0.25);
    const double axes[][2] = {{200, 200}, {100, 200}, {200, 100}, {80, 80}, {20, 80}, {80, 20}};
    QCOMPARE(canvas.items().size(), std::size(axes));
    for (std::size_t i = 0; i < std::size(axes); ++i) {
      const auto& arc = std::get<Canvas::Arc>(canvas.items()[i]);
      QCOMPARE(arc.rx, axes[i][0]);
      QCOMPARE(arc.ry, axes[i][1]);
      // Omitted angles give the whole ellipse, omitted colour the foreground.
      QCOMPARE(arc.start, 0.0);
      QCOMPARE(arc.end, 2 * kPi);
      QCOMPARE(arc.colour, QColor(0, 0, 0));
    }
  }

  // Print items: numbers as printed, texts unchanged; together they form the drawing labels.
  void printItems() {
    const PrintItem items[] = {"R1", "=", 50, QStringLiteral("Ω"), -2.5, 0, 0.25};
    QStringList texts;
    for (const auto& item : items) texts << item.text;
    QCOMPARE(texts.join(QString()), QStringLiteral("R1= 50 Ω-2.5  0  .25 "));
  }

  void printItemsWritesOneLineAtTheCurrentPoint() {
    Canvas canvas;
    QSignalSpy changed(&canvas, &Canvas::textsChanged);
    canvas.moveTo(2430, 650);
    canvas.printItems({"R1", "=", 50, "Ω"});
    canvas.printItems({30.0, "V"});  // no moveTo: the next line down, at the left edge
    canvas.moveTo(2800, 1400);
    canvas.printItems({"E=", 100.0, "V"});
    QCOMPARE(describe(canvas.items()),
             (QStringList{"text (2430,650) R1= 50 Ω",
                          QStringLiteral("text (0,%1)  30 V").arg(650 + canvas.lineStep()),
                          "text (2800,1400) E= 100 V"}));
    QCOMPARE(canvas.printedTexts(), (QStringList{"R1= 50 Ω", " 30 V", "E= 100 V"}));
    QCOMPARE(changed.count(), 3);
    // Consecutive lines must not overlap.
    QVERIFY(canvas.lineStep() >= QFontMetricsF(canvas.font()).height() * 15.0);

    canvas.clearCanvas();
    QVERIFY(canvas.printedTexts().isEmpty());
    QCOMPARE(changed.count(), 4);
  }

  // Drawing the same picture again over itself (a replayed code writes its source text once per
  // character, a review redraws arrows) keeps one copy of each primitive, and the current point
  // moves as before; anything that differs in place, text or colour is kept.
  void repeatsDoNotGrowTheList() {
    Canvas canvas;
    QSignalSpy changed(&canvas, &Canvas::textsChanged);
    for (int i = 0; i < 1000; ++i) {
      canvas.drawLine(100, 100, 200, 100);
      canvas.drawArc(300, 300, 50);
      canvas.moveTo(1300, 1450);
      canvas.printItems({50.0, "V"});
    }
    QCOMPARE(canvas.items().size(), std::size_t(3));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(canvas.currentPoint(), QPointF(0, 1450 + canvas.lineStep()));
    canvas.drawLine(100, 100, 200, 100, kElementColour);
    canvas.moveTo(1300, 1451);
    canvas.printItems({50.0, "V"});
    canvas.moveTo(1300, 1450);
    canvas.printItems({60.0, "V"});
    QCOMPARE(canvas.items().size(), std::size_t(6));
  }

  void paintsLinesAndTextsScaledOnWhite() {
    SizedCanvas sized;
    Canvas& canvas = sized.canvas;
    QVERIFY(allWhite(sized.picture()));  // nothing drawn yet

    canvas.drawLine(1500, 1500, 4500, 1500, kElementColour);
    canvas.drawLine(1500, 600, 1500, 1900);
    canvas.moveTo(5000, 900);
    canvas.printItems({"I1"});
    const QImage picture = sized.picture();

    QCOMPARE(picture.pixelColor(sized.pixel({3000, 1500})), kElementColour);
    QCOMPARE(picture.pixelColor(sized.pixel({1500, 1200})), QColor(Qt::black));
    QVERIFY(!sized.ink(picture, {4700, 1500}, 3));  // the blue line stops at x = 4500

    // The text hangs below its point: ink in the line below it, none above it.
    QCOMPARE(canvas.placedTexts().front().topLeft(), QPointF(5000, 900));
    const QPoint at = sized.pixel({5000, 900});
    const int height = int(QFontMetricsF(canvas.textFont()).height());
    bool inkBelow = false, inkAbove = false;
    for (int x = at.x(); x < at.x() + 2 * height; ++x) {
      for (int y = at.y(); y < at.y() + height; ++y)
        inkBelow |= picture.pixelColor(x, y) != Qt::white;
      for (int y = at.y() - 20; y < at.y(); ++y) inkAbove |= picture.pixelColor(x, y) != Qt::white;
    }
    QVERIFY(inkBelow);
    QVERIFY(!inkAbove);

    canvas.clearCanvas();
    QVERIFY(allWhite(sized.picture()));
  }

  void arcsRunCounterClockwiseFromStartToEnd() {
    SizedCanvas sized;
    Canvas& canvas = sized.canvas;
    const double cx = 3300, cy = 1250, r = 600;
    const double toRadians = 3.14159265 / 180;
    // 260° to 110°: through 270° (down) and 0° (right) to 110°, 210° in all.
    canvas.drawArc(cx, cy, r, kElementColour, 260 * toRadians, 110 * toRadians);
    QImage picture = sized.picture();
    for (double a : {265.0, 270.0, 315.0, 0.0, 45.0, 90.0, 105.0})
      QVERIFY2(sized.ink(picture, onEllipse(cx, cy, r, r, a)), qPrintable(QString::number(a)));
    for (double a : {120.0, 150.0, 180.0, 210.0, 250.0})
      QVERIFY2(!sized.ink(picture, onEllipse(cx, cy, r, r, a)), qPrintable(QString::number(a)));

    // Aspect 2: a tall ellipse, 300 wide each side and 600 high; the lower half only.
    canvas.clearCanvas();
    canvas.drawArc(cx, cy, r, kElementColour, 180 * toRadians, 360 * toRadians, 2.0);
    picture = sized.picture();
    QVERIFY(sized.ink(picture, {cx - 300, cy}));
    QVERIFY(sized.ink(picture, {cx, cy + 600}));
    QVERIFY(!sized.ink(picture, {cx, cy - 600}, 3));
    QVERIFY(!sized.ink(picture, {cx + 600, cy}, 3));

    // Aspect 0.5: a wide ellipse, 600 each side and 300 high.
    canvas.clearCanvas();
    canvas.drawArc(cx, cy, r, kElementColour, std::nullopt, std::nullopt, 0.5);
    picture = sized.picture();
    QVERIFY(sized.ink(picture, {cx + 600, cy}));
    QVERIFY(sized.ink(picture, {cx, cy - 300}));
    QVERIFY(!sized.ink(picture, {cx, cy - 600}, 3));
  }
};

#include "canvas_test.moc"
KAIRO_TEST_CASE(CanvasTest)
