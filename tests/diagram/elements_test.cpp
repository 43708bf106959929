#include "diagram/elements.h"

#include <QTest>
#include <functional>

#include "core/exercise_state.h"
#include "diagram/canvas.h"
#include "diagram/drawing_list.h"
#include "support/test_main.h"

using namespace kairo;
using kairo::test::describe;
using kairo::test::Expected;

namespace {

const QColor kBlack(0, 0, 0);

// A cursor in which every field differs, so a procedure reading the wrong one is caught.
ExerciseState oddCursor() {
  ExerciseState state;
  state.originX = 100;
  state.originY = 1200;
  state.cursorX = 1500;
  state.branch2X = 2000;
  state.branch3X = 3000;
  return state;
}

ExerciseState loadCursor() {
  ExerciseState state;
  state.originX = state.originY = state.cursorX = 1000;
  state.branch2X = 2000;
  state.branch3X = 3000;
  return state;
}

using Procedure = void (*)(Canvas&, const ExerciseState&);

// The vertical resistor of a branch at column x from the wire at y, without wires.
Expected verticalResistor(int x, int y) {
  return Expected()
      .line(x, y, x, y + 350)
      .to(x - 150, y + 400)
      .to(x + 150, y + 450)
      .to(x - 150, y + 500)
      .to(x + 150, y + 550)
      .to(x - 150, y + 600)
      .to(x + 150, y + 650)
      .to(x, y + 700)
      .to(x, y + 1000);
}

Expected verticalCapacitor(int x, int y) {
  return Expected()
      .line(x, y, x, y + 450)
      .line(x - 200, y + 450, x + 200, y + 450)
      .line(x - 200, y + 550, x + 200, y + 550)
      .line(x, y + 550, x, y + 1000)
      .to(x - 1000, y + 1000);
}

Expected verticalCoil(int x, int y) {
  // Large loops 200 to the right and 100 up and down, small ones 75 to the left and 37.5 high.
  return Expected()
      .line(x, y, x, y + 180)
      .arc(x + 62, y + 280, 200, 100, 260, 110)
      .arc(x + 62, y + 400, 200, 100, 260, 100)
      .arc(x + 62, y + 341, 75, 37.5, 118, 260)
      .arc(x + 62, y + 520, 200, 100, 260, 100)
      .arc(x + 62, y + 461, 75, 37.5, 118, 260)
      .arc(x + 62, y + 640, 200, 100, 260, 100)
      .arc(x + 62, y + 580, 75, 37.5, 118, 260)
      .line(x, y + 750, x, y + 1000)
      .to(x - 1000, y + 1000);
}

Expected topWire(int x, int y) {
  return Expected().line(x - 1000, y, x, y);
}

QStringList drawn(Procedure procedure, const ExerciseState& state, QPointF* end = nullptr) {
  Canvas canvas;
  procedure(canvas, state);
  if (end) *end = canvas.currentPoint();
  return describe(canvas.items());
}

bool covered(const std::vector<Canvas::Item>& items, QPointF a, QPointF b) {
  // Walks from a to b in steps of 10 and needs every step on some collinear segment.
  const QPointF step = (b - a) / (QLineF(a, b).length() / 10.0);
  for (QPointF p = a; QLineF(a, p).length() <= QLineF(a, b).length(); p += step) {
    bool on = false;
    for (const auto& item : items) {
      const auto* line = std::get_if<Canvas::Line>(&item);
      if (!line) continue;
      const QRectF box =
          QRectF(line->from, line->to).normalized().adjusted(-0.01, -0.01, 0.01, 0.01);
      const bool collinear = (line->from.x() == line->to.x() && line->from.x() == p.x()) ||
                             (line->from.y() == line->to.y() && line->from.y() == p.y());
      if (collinear && box.contains(p)) on = true;
    }
    if (!on) return false;
  }
  return true;
}

}  // namespace

class ElementsTest : public QObject {
  Q_OBJECT

 private slots:
  void horizontalElementsFollowTheirTables() {
    const ExerciseState state = oddCursor();
    const int x = 1600, y = 1200;  // originX + cursorX, originY
    QPointF end;

    // The resistor's right lead-in is black, the rest dark blue.
    QCOMPARE(drawn(teiko, state, &end), Expected()
                                            .line(x, y, x + 350, y)
                                            .to(x + 400, y - 150)
                                            .to(x + 450, y + 150)
                                            .to(x + 500, y - 150)
                                            .to(x + 550, y + 150)
                                            .to(x + 600, y - 150)
                                            .to(x + 650, y + 150)
                                            .to(x + 700, y)
                                            .to(x + 1000, y, kBlack)
                                            .entries());
    QCOMPARE(end, QPointF(x + 1000, y));

    QCOMPARE(drawn(kondensa, state, &end), Expected()
                                               .line(x, y, x + 450, y)
                                               .line(x + 450, y - 200, x + 450, y + 200)
                                               .line(x + 550, y - 200, x + 550, y + 200)
                                               .line(x + 550, y, x + 1000, y)
                                               .entries());
    QCOMPARE(end, QPointF(x + 1000, y));

    // Humps 100 each side and 200 high above their centres, small loops 35 × 70 below.
    QCOMPARE(drawn(koiru, state, &end), Expected()
                                            .line(x, y, x + 180, y)
                                            .arc(x + 280, y + 62, 100, 200, 0, 170)
                                            .arc(x + 400, y + 62, 100, 200, 0, 180)
                                            .arc(x + 341, y + 62, 35, 70, 180, 360)
                                            .arc(x + 520, y + 62, 100, 200, 0, 180)
                                            .arc(x + 461, y + 62, 35, 70, 180, 360)
                                            .arc(x + 640, y + 62, 100, 200, 10, 180)
                                            .arc(x + 580, y + 62, 35, 70, 180, 360)
                                            .line(x + 750, y, x + 1000, y)
                                            .entries());
    QCOMPARE(end, QPointF(x + 1000, y));
  }

  void verticalResistorsUseTheirBranchColumns() {
    const ExerciseState state = oddCursor();
    const int y = 1200;
    QPointF end;

    // tateteiko0 has no wires at all; its bottom is met by the source's bottom wire.
    QCOMPARE(drawn(tateteiko0, state, &end), verticalResistor(2100, y).entries());
    QCOMPARE(end, QPointF(2100, y + 1000));

    const QStringList third = drawn(tateteiko, state, &end);
    QCOMPARE(third, topWire(3100, y).then(verticalResistor(3100, y)).to(2100, y + 1000).entries());
    QCOMPARE(end, QPointF(2100, y + 1000));

    // tateteiko00 is tateteiko on the element-2 column.
    QCOMPARE(drawn(tateteiko00, state, &end),
             topWire(2100, y).then(verticalResistor(2100, y)).to(1100, y + 1000).entries());
    QCOMPARE(end, QPointF(1100, y + 1000));
  }

  void verticalCapacitorsAndCoilsUseTheCursor() {
    const ExerciseState state = oddCursor();
    const int x = 1600, y = 1200;
    QPointF end;

    QCOMPARE(drawn(tatekondensa0, state, &end), verticalCapacitor(x, y).entries());
    QCOMPARE(end, QPointF(x - 1000, y + 1000));
    const QStringList capacitor = topWire(x, y).then(verticalCapacitor(x, y)).entries();
    QCOMPARE(drawn(tatekondensa, state), capacitor);
    QCOMPARE(drawn(tatekondensa00, state), capacitor);

    QCOMPARE(drawn(migitatekoiru0, state, &end), verticalCoil(x, y).entries());
    QCOMPARE(end, QPointF(x - 1000, y + 1000));
    const QStringList coil = topWire(x, y).then(verticalCoil(x, y)).entries();
    QCOMPARE(drawn(migitatekoiru, state), coil);
    QCOMPARE(drawn(migitatekoiru00, state), coil);
  }

  void sourcesAndTheCombinedBranch() {
    ExerciseState state = oddCursor();
    const int x = 1600, y = 1200;
    QPointF end;

    // The segment from the long plate up to the top wire is black.
    QCOMPARE(drawn(dengen, state, &end), Expected()
                                             .line(x + 1000, y + 1000, x, y + 1000)
                                             .to(x, y + 580)
                                             .line(x - 80, y + 580, x + 80, y + 580)
                                             .line(x - 200, y + 500, x + 200, y + 500)
                                             .line(x, y + 500, x, y, kBlack)
                                             .entries());
    QCOMPARE(end, QPointF(x, y));

    // The symbol stands at originX + 1000 whatever cursorX holds; only the bottom wire moves.
    const int s = 1100;
    QCOMPARE(drawn(koryudengen, state, &end), Expected()
                                                  .line(x + 1000, y + 1000, x, y + 1000)
                                                  .line(s, y + 1000, s, y + 675)
                                                  .arc(s, y + 550, 140, 140, 0, 360)
                                                  .arc(s - 40, y + 550, 40, 40, 340, 230)
                                                  .arc(s + 50, y + 550, 40, 40, 230, 0)
                                                  .line(s, y + 415, s, y)
                                                  .entries());
    QCOMPARE(end, QPointF(s, y));
    state.cursorX = 1000;
    const QStringList atLoad = drawn(koryudengen, state);
    QCOMPARE(atLoad.first(),
             describe(Canvas::Line{{2100, y + 1000}, {1100, y + 1000}, kElementColour}));

    QCOMPARE(drawn(gosei, state, &end), Expected()
                                            .line(2100, y, 3100, y)
                                            .line(3100, y, 3100, y + 220)
                                            .line(3100, y + 800, 3100, y + 1000)
                                            .to(2100, y + 1000)
                                            .entries());
    QCOMPARE(end, QPointF(2100, y + 1000));
  }

  void beginnerCircuitIsAClosedOutline() {
    const ExerciseState state = loadCursor();
    Canvas canvas;
    teiko(canvas, state);
    tateteiko0(canvas, state);
    tateteiko(canvas, state);
    dengen(canvas, state);
    const auto& items = canvas.items();

    // The wires of the rectangle (2000, 1000)-(4000, 2000) and the middle branch, apart from the
    // gaps where the zigzags and the source plates stand.
    const QLineF wires[] = {
        {2000, 1000, 2350, 1000}, {2700, 1000, 4000, 1000}, {2000, 2000, 4000, 2000},
        {2000, 1000, 2000, 1500}, {2000, 1580, 2000, 2000}, {3000, 1000, 3000, 1350},
        {3000, 1700, 3000, 2000}, {4000, 1000, 4000, 1350}, {4000, 1700, 4000, 2000},
    };
    for (const QLineF& wire : wires)
      QVERIFY2(covered(items, wire.p1(), wire.p2()),
               qPrintable(kairo::test::point(wire.p1()) + kairo::test::point(wire.p2())));

    // Nothing reaches beyond the long plate on the left and the zigzag peaks.
    QRectF bounds;
    for (const auto& item : items) {
      const auto& line = std::get<Canvas::Line>(item);  // no arcs and no texts here
      bounds |= QRectF(line.from, line.to).normalized();
    }
    QCOMPARE(bounds, QRectF(QPointF(1800, 850), QPointF(4150, 2000)));
  }
};

#include "elements_test.moc"
KAIRO_TEST_CASE(ElementsTest)
