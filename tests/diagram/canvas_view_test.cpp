#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QTest>
#include <cmath>

#include "app/application.h"
#include "core/exercise_state.h"
#include "diagram/canvas.h"
#include "diagram/elements.h"
#include "support/test_main.h"
#include "ui/form.h"

using namespace kairo;

namespace {

QImage rendered(Canvas& canvas, double ratio) {
  QImage image(canvas.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  canvas.render(&image);
  return image;
}

// The device pixels across a straight wire through the twip point `at`: `count` pixels centred
// on it, down a column for a horizontal wire, along a row for a vertical one.
QList<QColor> across(const QImage& image, const Canvas& canvas, QPointF at, bool horizontal) {
  const QPointF d = canvas.view().map(at) * image.devicePixelRatio();
  QList<QColor> out;
  for (int k = -3; k <= 3; ++k)
    out << (horizontal ? image.pixelColor(int(d.x()), int(d.y()) + k)
                       : image.pixelColor(int(d.x()) + k, int(d.y())));
  return out;
}

}  // namespace

class CanvasViewTest : public QObject {
  Q_OBJECT

 private slots:
  void pictureFitsTheWindow_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("default") << QSize(735, 588);
    QTest::newRow("maximised") << QSize(1920, 1050);
    QTest::newRow("tall") << QSize(800, 1200);
    QTest::newRow("wide") << QSize(1600, 620);
  }
  void pictureFitsTheWindow() {
    QFETCH(QSize, size);
    Canvas canvas;
    canvas.setFont(screenFont());
    canvas.resize(size);
    const QTransform view = canvas.view();
    QCOMPARE(view.type(), QTransform::TxScale);  // the same factor across and down
    QCOMPARE(view.m11(), view.m22());
    // The whole picture box on the canvas, clear of the button band, at the top.
    const QRectF box = view.mapRect(Canvas::kPictureBox);
    const QRectF free(0, 0, size.width(), size.height() - Canvas::kControlBand);
    QVERIFY(free.contains(box));
    QCOMPARE(box.top(), Canvas::kMargin);
    // As large as fits: it touches the margins across or above the band.
    QVERIFY(std::abs(box.width() - (size.width() - 2 * Canvas::kMargin)) < 1e-6 ||
            std::abs(box.bottom() - (free.bottom() - Canvas::kMargin)) < 1e-6);

    // Texts grow with the picture and are never below 10 pt at 96 dpi.
    const QFont text = canvas.textFont();
    QVERIFY(text.pixelSize() >= 96.0 * 10 / 72);
    QVERIFY(std::abs(text.pixelSize() - Canvas::kTextEm * view.m11()) <= 0.5);
    QCOMPARE(text.family(), screenFont().family());

    if (size == QSize(735, 588)) {
      // The circuit, x 1800..4300, spans well over 45% of the window.
      const double circuit = (view.map(QPointF(4300, 0)) - view.map(QPointF(1800, 0))).x();
      QVERIFY2(circuit >= 0.45 * size.width(), qPrintable(QString::number(circuit)));
    }
  }

  // Straight wires cover whole device pixels in their own colour: no half-tone beside them, the
  // uncoloured lead-ins pure black, one width everywhere.
  void wiresLandOnWholePixels_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("width");
    QTest::newRow("1") << 1.0 << 1;
    QTest::newRow("1.25") << 1.25 << 1;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2") << 2.0 << 2;
  }
  void wiresLandOnWholePixels() {
    QFETCH(double, ratio);
    QFETCH(int, width);
    Canvas canvas;
    canvas.resize(735, 588);
    ExerciseState state;
    state.originX = state.originY = state.cursorX = 1000;
    state.branch2X = 2000;
    state.branch3X = 3000;
    teiko(canvas, state);
    tateteiko(canvas, state);
    tateteiko0(canvas, state);
    dengen(canvas, state);
    const QImage image = rendered(canvas, ratio);

    const struct {
      QPointF at;
      bool horizontal;
      QColor colour;
    } wires[] = {
        {{2200, 1000}, true, kElementColour},   // top wire into resistor 1
        {{2850, 1000}, true, kForeground},      // its lead-in drawn without a colour
        {{3500, 1000}, true, kElementColour},   // top wire of the branches
        {{3500, 2000}, true, kElementColour},   // bottom wire
        {{2000, 1250}, false, kForeground},     // the source up to the top wire
        {{2000, 1800}, false, kElementColour},  // the source down to the bottom wire
        {{3000, 1200}, false, kElementColour},  // branch 2
        {{4000, 1850}, false, kElementColour},  // branch 3
    };
    for (const auto& wire : wires) {
      const QList<QColor> pixels = across(image, canvas, wire.at, wire.horizontal);
      QStringList names;
      int inked = 0;
      for (const QColor& c : pixels) {
        names << c.name();
        if (c == QColor(Qt::white)) continue;
        QCOMPARE(c, wire.colour);
        ++inked;
      }
      QVERIFY2(inked == width, qPrintable(names.join(' ')));
    }
  }

  // The drawing screen can be enlarged and maximised but not shrunk; the picture follows the
  // window and the button and the code panel stay at the bottom left.
  void drawingScreenResizes() {
    Application app;
    app.open(screens::SetForm);
    QWidget* window = app.screens().form(screens::SetForm);
    QCOMPARE(window->size(), QSize(735, 588));
    QCOMPARE(window->minimumSize(), QSize(735, 588));
    QVERIFY(window->maximumWidth() > 4000 && window->maximumHeight() > 4000);
    QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);

    auto* back = window->findChild<QAbstractButton*>("Command1");
    auto* panel = window->findChild<QGroupBox*>("Frame1");
    const QRect backAt = back->geometry(), panelAt = panel->geometry();
    const double scale = app.canvas().view().m11();
    window->resize(1200, 900);
    QCOMPARE(app.canvas().geometry(), QRect(0, 0, 1200, 900));
    QCOMPARE(back->geometry(), backAt.translated(0, 900 - 588));
    QCOMPARE(panel->geometry(), panelAt.translated(0, 900 - 588));
    QVERIFY(app.canvas().view().m11() > scale);
    window->resize(735, 588);
    QCOMPARE(back->geometry(), backAt);
    QCOMPARE(panel->geometry(), panelAt);
  }
};

#include "canvas_view_test.moc"
KAIRO_TEST_CASE(CanvasViewTest)
