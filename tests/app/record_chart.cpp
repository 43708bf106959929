// The record's chart painted into images: bars in proportion and stacked in order, crisp at any
// device pixel ratio, nothing outside its rectangle, texts apart, ticks whole and few.
#include "app/record_chart.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include "support/test_main.h"
#include "ui/form.h"

using namespace kairo;
using Days = QList<Record::DayCounts>;
using Outcome = Record::Outcome;

namespace {

const QColor kOutside{255, 0, 255};
constexpr int kMargin = 5;  // logical pixels of the image left around the chart

// Days ending on 12/10, with busy, quiet and empty days.
Days sample(int length = 30) {
  Days days;
  for (int i = 0; i < length; ++i)
    days << Record::DayCounts{QDate(2026, 12, 10).addDays(i - length + 1), (i * 7) % 5, i % 3 == 0,
                              (i * 3) % 4 == 1 ? 2 : 0, i % 7 == 3};
  return days;
}

struct Render {
  QImage image;
  RecordChart::Layout layout;
};

Render render(QSize size, double ratio, const Days& days) {
  Render r{QImage((size + QSize(2 * kMargin, 2 * kMargin)) * ratio, QImage::Format_RGB32), {}};
  r.image.setDevicePixelRatio(ratio);
  r.image.fill(kOutside);
  QPainter painter(&r.image);
  r.layout =
      RecordChart::paint(painter, QRectF(QPointF(kMargin, kMargin), size), days, screenFont());
  return r;
}

}  // namespace

class RecordChartTest : public QObject {
  Q_OBJECT

 private slots:
  void month_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("length");
    QTest::newRow("smallest") << QSize(320, 160) << 1.0 << 30;
    QTest::newRow("smallest@2") << QSize(320, 160) << 2.0 << 30;
    // The oldest day labelled too, its label kept clear of the y axis's.
    QTest::newRow("smallest, 31 days") << QSize(320, 160) << 1.0 << 31;
    QTest::newRow("usual") << QSize(560, 220) << 1.0 << 30;
    QTest::newRow("usual@1.5") << QSize(560, 220) << 1.5 << 30;
    QTest::newRow("wide") << QSize(1200, 500) << 1.0 << 30;
    QTest::newRow("largest@2") << QSize(1600, 900) << 2.0 << 30;
  }
  void month() {
    QFETCH(QSize, size);
    QFETCH(double, ratio);
    QFETCH(int, length);
    const Days days = sample(length);
    const Render r = render(size, ratio, days);
    const RecordChart::Layout& layout = r.layout;
    const QRectF inside(QPointF(kMargin, kMargin) * ratio, QSizeF(size) * ratio);

    // The texts and swatches: inside, apart from each other; the newest day labelled and every
    // label under its own bar.
    QList<QRectF> boxes = layout.swatches;
    for (const auto* texts : {&layout.legend, &layout.yLabels, &layout.dayLabels})
      for (const RecordChart::Text& text : *texts) boxes << text.rect;
    for (int a = 0; a < boxes.size(); ++a) {
      QVERIFY(QRectF(QPointF(kMargin, kMargin), size).contains(boxes[a]));
      for (int b = a + 1; b < boxes.size(); ++b) QVERIFY(!boxes[a].intersects(boxes[b]));
    }
    QCOMPARE(layout.labelledDays.last(), days.size() - 1);
    for (int k = 0; k < layout.dayLabels.size(); ++k) {
      const double centre = layout.bars[layout.labelledDays[k]].center().x();
      QVERIFY(layout.dayLabels[k].rect.left() <= centre &&
              centre <= layout.dayLabels[k].rect.right());
    }

    // Nothing outside the rectangle, not even a glyph's edge. Inside it ink only in those boxes
    // and the plot with its axes (so the boxes are what a reader sees), and in the plot only whole
    // colours: no shape's edge blended with the ground.
    QList<QRectF> inked{layout.plot.adjusted(-5, -2, 0, 5)};
    for (const QRectF& box : boxes) inked << box.adjusted(-1, -1, 1, 1);
    const auto mayInk = [&](QPointF at) {
      return std::any_of(inked.begin(), inked.end(),
                         [&](const QRectF& b) { return b.contains(at); });
    };
    QList<QColor> bars;
    for (Outcome outcome : RecordChart::kOutcomes) bars << RecordChart::outcomeColour(outcome);
    const QList<QColor> whole = bars + QList<QColor>{Qt::white, QColor(228, 228, 228)};
    const QRect plot = QRectF(layout.plot.topLeft() * ratio, layout.plot.size() * ratio).toRect();
    for (int y = 0; y < r.image.height(); ++y)
      for (int x = 0; x < r.image.width(); ++x) {
        const QColor c = r.image.pixelColor(x, y);
        const QRectF pixel(x, y, 1, 1);  // one the rectangle's edge cuts may be left or painted
        const bool stray = inside.contains(pixel)
                               ? (c != Qt::white && !mayInk(pixel.center() / ratio)) ||
                                     (plot.contains(x, y) && !whole.contains(c))
                               : !inside.intersects(pixel) && c != kOutside;
        if (stray) QFAIL(qPrintable(QStringLiteral("stray ink at %1,%2").arg(x).arg(y)));
      }

    // Each bar read from the zero line up: its outcomes in stacking order, each as tall as its
    // count on the axis's scale.
    const double unit = plot.height() / double(layout.top);
    for (int i = 0; i < days.size(); ++i) {
      const int x = std::lround(layout.bars[i].center().x() * ratio);
      QList<std::pair<QColor, double>> runs, expected;
      for (int y = plot.bottom(); y >= plot.top() && bars.contains(r.image.pixelColor(x, y)); --y)
        if (runs.isEmpty() || runs.last().first != r.image.pixelColor(x, y))
          runs << std::pair{r.image.pixelColor(x, y), 1.0};
        else
          ++runs.last().second;
      const int counts[] = {days[i].passed, days[i].helped, days[i].failed, days[i].abandoned};
      for (int k = 0; k < 4; ++k)
        if (counts[k]) expected << std::pair{bars[k], counts[k] * unit};
      QCOMPARE(runs.size(), expected.size());
      for (int k = 0; k < runs.size(); ++k) {
        QCOMPARE(runs[k].first, expected[k].first);
        QVERIFY2(std::abs(runs[k].second - expected[k].second) <= 1,
                 qPrintable(QString::number(i)));
      }
    }
  }

  void ticks_data() {
    QTest::addColumn<Days>("days");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("note");
    Days quiet = sample(), huge = sample();
    for (Record::DayCounts& day : quiet) day = {day.day};
    huge[20].passed = 1234;
    const QDate today(2026, 12, 10);
    QTest::newRow("no days") << Days{} << 5 << 1 << true;
    QTest::newRow("quiet month") << quiet << 5 << 1 << true;
    QTest::newRow("one problem") << Days{{today, 0, 0, 0, 1}} << 1 << 1 << false;
    QTest::newRow("seven") << Days{{today, 4, 1, 1, 1}} << 8 << 2 << false;
    QTest::newRow("one huge day") << huge << 1500 << 500 << false;
  }
  void ticks() {
    QFETCH(Days, days);
    QFETCH(int, top);
    QFETCH(int, step);
    QFETCH(bool, note);
    const Render r = render({560, 220}, 1, days);
    QCOMPARE(r.layout.top, top);
    QCOMPARE(r.layout.step, step);
    QCOMPARE(!r.layout.note.text.isEmpty(), note);
    QVERIFY(!note || r.layout.plot.contains(r.layout.note.rect));
    // However tall the busiest day, a day of one problem still shows.
    for (int i = 0; i < days.size(); ++i)
      if (days[i].passed > 0)
        QCOMPARE(r.image.pixelColor(std::lround(r.layout.bars[i].center().x()),
                                    std::lround(r.layout.plot.bottom()) - 1),
                 RecordChart::outcomeColour(Outcome::Passed));
  }

  void description() {
    const QDate day(2026, 12, 9);
    QCOMPARE(RecordChart::describe({}), QStringLiteral("まだ記録がありません"));
    QCOMPARE(
        RecordChart::describe(
            {{day.addDays(-1)}, {day, 2, 0, 1, 0}, {day.addDays(1)}, {day.addDays(2), 0, 3, 0, 1}}),
        QStringLiteral("12/9: 合格 2, 不合格 1\n12/11: ヒントで合格 3, 中断 1"));
    RecordChart chart;  // what a screen reader is given
    chart.setDays({{day, 1, 0, 0, 0}});
    QCOMPARE(chart.accessibleDescription(), QStringLiteral("12/9: 合格 1"));
  }
};

KAIRO_TEST_CASE(RecordChartTest)
#include "record_chart.moc"
