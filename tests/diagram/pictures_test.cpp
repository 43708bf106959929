#include <QDir>
#include <QTest>

#include "app/application.h"
#include "diagram/canvas.h"
#include "diagram/drawing_list.h"
#include "diagram/elements.h"
#include "support/test_main.h"

using namespace kairo;
using kairo::test::inkNear;

// Whole drawings on the drawing screen, checked where the picture must (and must not) have ink.
// With KAIRO_SHOTS_DIR set, each picture is also saved there as a PNG for a look by eye.
class PicturesTest : public QObject {
  Q_OBJECT

  Application* app_ = nullptr;

  Canvas& canvas() { return app_->canvas(); }
  ExerciseState& state() { return app_->state(); }

  QImage shot(const char* name) {
    QWidget* window = app_->screens().form(screens::SetForm);
    const QImage picture = window->grab().toImage();
    const QString dir = qEnvironmentVariable("KAIRO_SHOTS_DIR");
    if (!dir.isEmpty()) {
      QDir().mkpath(dir);
      picture.save(dir + "/" + name + ".png");
    }
    return picture;
  }

  // Ink near the twip point (x, y) of the canvas, which fills the window.
  bool ink(const QImage& picture, double x, double y) {
    const QPointF at = canvas().view().map(QPointF(x, y));
    return inkNear(picture, at.x(), at.y());
  }

  void setProblem(int kind1, int kind2, int kind3) {
    state().kind1 = kind1;
    state().kind2 = kind2;
    state().kind3 = kind3;
    state().resistance1 = 50;
    state().resistance2 = 30;
    state().resistance3 = 100;
    state().lcValue1 = 4;
    state().lcValue2 = 7;
    state().lcValue3 = 10;
    state().voltageE = 50;
  }

  void wholeCircuit(const QString& name1, const QString& name2, const QString& name3,
                    const QString& separator) {
    canvas().clearCanvas();
    const bool allResistors = state().kind1 == 1 && state().kind2 == 1 && state().kind3 == 1;
    for (int k = 1; k <= 3; ++k) drawElement(canvas(), state(), k, state().kind(k));
    drawSource(canvas(), state(), allResistors);
    const QString names[] = {name1, name2, name3};
    for (int k = 1; k <= 3; ++k)
      printElementValue(canvas(), state(), k, state().kind(k), names[k - 1], separator);
    printSourceVoltage(canvas(), state());
  }

 private slots:
  void init() {
    app_ = new Application;
    app_->open(screens::SetForm);
  }
  void cleanup() {
    delete app_;
    app_ = nullptr;
  }

  void beginnerCircuitWithArrows() {
    setProblem(1, 1, 1);
    wholeCircuit("R1", "R2", "R3", "=");
    currentArrows(canvas());
    const QImage picture = shot("beginner");
    QCOMPARE(canvas().printedTexts(),
             (QStringList{"R1= 50 Ω", "R2= 30 Ω", "R3= 100 Ω", " 50 V", "I1", "I2", "I3"}));
    // The outline corners and the zigzag peaks; the inside of the loops stays white.
    for (QPointF p :
         {QPointF(2000, 1000), QPointF(4000, 1000), QPointF(2000, 2000), QPointF(4000, 2000),
          QPointF(2400, 850), QPointF(3150, 1450), QPointF(3850, 1600), QPointF(1800, 1500)})
      QVERIFY2(ink(picture, p.x(), p.y()), qPrintable(kairo::test::point(p)));
    QVERIFY(!ink(picture, 2500, 1500));
    QVERIFY(!ink(picture, 3700, 1900));
  }

  void intermediateCircuit() {
    setProblem(2, 3, 3);
    wholeCircuit("Z1", "Z2", "Z3", ":");
    const QImage picture = shot("intermediate");
    QCOMPARE(canvas().printedTexts(), (QStringList{"Z1: 4 uF", "Z2: 7 mH", "Z3: 10 mH", " 50 V"}));
    // Coils at x = 3000 and 4000: large loops reach 262 to the right, small ones 13 to the left.
    for (int x : {3000, 4000}) {
      QVERIFY(ink(picture, x + 262, 1640));
      QVERIFY(!ink(picture, x - 100, 1640));
      QVERIFY(!ink(picture, x + 60, 1250));  // no wire through the loops
    }
    // The alternating source: a circle of radius 140 around (2000, 1550)...
    QVERIFY(ink(picture, 2140, 1550));
    QVERIFY(ink(picture, 1860, 1550));
    // The wave inside: a hump on the left above the centre line, a trough on the right below it.
    QVERIFY(ink(picture, 1960, 1510));
    QVERIFY(ink(picture, 2050, 1590));
  }

  void horizontalCoilHumpsRiseAboveTheWire() {
    setProblem(3, 2, 1);
    wholeCircuit("Z1", "z2", "z3", "=");
    const QImage picture = shot("intermediate-coil-on-top");
    // Humps reach 138 above the wire, the small loops hang 132 below it.
    QVERIFY(ink(picture, 2400, 862));
    QVERIFY(ink(picture, 2520, 862));
    QVERIFY(ink(picture, 2341, 1132));
    QVERIFY(!ink(picture, 2400, 1250));
  }

  void reviewDrawings() {
    setProblem(1, 1, 1);
    state().voltageE = 30;

    // The current split: the two branches alone, the I= value and the three arrows.
    canvas().clearCanvas();
    tateteiko(canvas(), state());
    tateteiko00(canvas(), state());
    canvas().moveTo(2000, 500);
    canvas().printItems({"I=", "1.17", "A"});
    currentArrow1(canvas());
    branchCurrentArrows(canvas());
    printElementValue(canvas(), state(), 2, 1, "R2", "=");
    printElementValue(canvas(), state(), 3, 1, "R3", "=");
    QImage picture = shot("review-current-split");
    QVERIFY(ink(picture, 2000, 1000));  // the element-2 branch has its own wires
    QVERIFY(ink(picture, 2000, 2000));
    QVERIFY(!ink(picture, 2000, 1500));  // and no source between them

    // The total current: one resistor, the source arrows and the red box.
    canvas().clearCanvas();
    tateteiko(canvas(), state());
    totalCurrentReview(canvas(), state(), kLightRed);
    canvas().moveTo(4300, 1400);
    canvas().printItems({"R=", "25.556", "Ω"});
    picture = shot("review-total-current");
    QCOMPARE(canvas().printedTexts(), (QStringList{"I", "E= 30 V", "R=25.556Ω"}));
    const QPointF edge = canvas().view().map(QPointF(4025, 1200));
    const QColor box = picture.pixelColor(int(edge.x()), int(edge.y()));
    QVERIFY2(box.red() > 200 && box.green() < 120, qPrintable(box.name()));
  }
};

#include "pictures_test.moc"
KAIRO_TEST_CASE(PicturesTest)
