// The record's chart painted into images: bars in proportion and stacked in order, crisp at any
// device pixel ratio, nothing outside its rectangle, texts apart, ticks whole and few.
#include "app/record_chart.h"

#include <QImage>
#include <QPainter>
#include <QSet>
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
Days month(int length = 30) {
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

int count(const Record::DayCounts& day, Outcome outcome) {
  const int counts[] = {day.passed, day.helped, day.failed, day.abandoned};
  return counts[int(outcome)];
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
    QTest::newRow("usual@2") << QSize(560, 220) << 2.0 << 30;
    QTest::newRow("a week") << QSize(560, 220) << 1.0 << 7;
    QTest::newRow("wide") << QSize(1200, 500) << 1.0 << 30;
    QTest::newRow("largest@2") << QSize(1600, 900) << 2.0 << 30;
  }
  void month() {
    QFETCH(QSize, size);
    QFETCH(double, ratio);
    QFETCH(int, length);
    const Days days = ::month(length);
    const Render r = render(size, ratio, days);
    const RecordChart::Layout& layout = r.layout;
    const QRectF inside(QPointF(kMargin, kMargin) * ratio, QSizeF(size) * ratio);

    // Nothing, not even a glyph's edge, outside the rectangle; and inside it, ink only where the
    // layout says (the plot with its axes and ticks, the texts, the swatches), so the layout's
    // rectangles below describe what a reader sees.
    QList<QRectF> inked{layout.plot.adjusted(-5, -2, 0, 5)};
    for (const QRectF& swatch : layout.swatches) inked << swatch.adjusted(-1, -1, 1, 1);
    for (const auto* texts : {&layout.legend, &layout.yLabels, &layout.dayLabels})
      for (const RecordChart::Text& text : *texts) inked << text.rect.adjusted(-1, -1, 1, 1);
    const auto mayInk = [&](QPointF at) {
      return std::any_of(inked.begin(), inked.end(),
                         [&](const QRectF& box) { return box.contains(at); });
    };
    for (int y = 0; y < r.image.height(); ++y)
      for (int x = 0; x < r.image.width(); ++x) {
        const QColor c = r.image.pixelColor(x, y);
        const QRectF pixel(x, y, 1, 1);
        // A device pixel the rectangle's edge cuts may be left or painted.
        const bool stray = inside.contains(pixel)
                               ? c != Qt::white && !mayInk(pixel.center() / ratio)
                               : !inside.intersects(pixel) && c != kOutside;
        if (stray) QFAIL(qPrintable(QStringLiteral("stray ink at %1,%2").arg(x).arg(y)));
      }

    // Crisp: inside the plot only whole colours, no blend of a shape's edge with the ground.
    QList<QColor> bars;
    for (Outcome outcome : RecordChart::kOutcomes) bars << RecordChart::outcomeColour(outcome);
    const QList<QColor> allowed = bars + QList<QColor>{Qt::white, QColor(228, 228, 228)};
    const QRect plot(
        QPoint(std::lround(layout.plot.left() * ratio), std::lround(layout.plot.top() * ratio)),
        QPoint(std::lround(layout.plot.right() * ratio) - 1,
               std::lround(layout.plot.bottom() * ratio) - 1));
    for (int y = plot.top(); y <= plot.bottom(); ++y)
      for (int x = plot.left(); x <= plot.right(); ++x)
        if (!allowed.contains(r.image.pixelColor(x, y)))
          QFAIL(qPrintable(QStringLiteral("blended pixel at %1,%2").arg(x).arg(y)));

    // Each bar, read from the zero line up: its outcomes in stacking order, each as tall as its
    // count on the axis's scale.
    const double unit = plot.height() / double(layout.top);
    QCOMPARE(layout.bars.size(), days.size());
    QSet<int> widths;
    for (int i = 0; i < days.size(); ++i) {
      const int x = std::lround(layout.bars[i].center().x() * ratio);
      if (days[i].passed > 0) {
        int from = x, to = x;
        while (r.image.pixelColor(from - 1, plot.bottom()) == bars[0]) --from;
        while (r.image.pixelColor(to + 1, plot.bottom()) == bars[0]) ++to;
        widths << to - from + 1;
      }
      QList<std::pair<QColor, int>> runs;
      for (int y = plot.bottom(); y >= plot.top(); --y) {
        const QColor c = r.image.pixelColor(x, y);
        if (!bars.contains(c)) break;
        if (runs.isEmpty() || runs.last().first != c)
          runs << std::pair{c, 1};
        else
          ++runs.last().second;
      }
      QList<std::pair<QColor, int>> expected;
      for (Outcome outcome : RecordChart::kOutcomes)
        if (const int n = count(days[i], outcome))
          expected << std::pair{RecordChart::outcomeColour(outcome), n};
      QCOMPARE(runs.size(), expected.size());
      for (int k = 0; k < runs.size(); ++k) {
        QCOMPARE(runs[k].first, expected[k].first);
        QVERIFY2(std::abs(runs[k].second - expected[k].second * unit) <= 1.0,
                 qPrintable(QStringLiteral("day %1: %2 px for %3")
                                .arg(i)
                                .arg(runs[k].second)
                                .arg(expected[k].second)));
      }
    }

    QCOMPARE(widths.size(), 1);  // every bar equally wide

    // Texts inside, apart from each other and from the legend's swatches; the newest day labelled
    // and every label under its own bar.
    QList<QRectF> boxes = layout.swatches;
    for (const auto* texts : {&layout.legend, &layout.yLabels, &layout.dayLabels})
      for (const RecordChart::Text& text : *texts) boxes << text.rect;
    for (int a = 0; a < boxes.size(); ++a) {
      QVERIFY(QRectF(QPointF(kMargin, kMargin), size).contains(boxes[a]));
      for (int b = a + 1; b < boxes.size(); ++b)
        QVERIFY2(!boxes[a].intersects(boxes[b]),
                 qPrintable(QStringLiteral("%1, %2").arg(a).arg(b)));
    }
    QVERIFY(layout.dayLabels.size() >= 2);
    QCOMPARE(layout.labelledDays.last(), days.size() - 1);
    for (int k = 0; k < layout.dayLabels.size(); ++k) {
      const QRectF& label = layout.dayLabels[k].rect;
      const double centre = layout.bars[layout.labelledDays[k]].center().x();
      QVERIFY(label.left() <= centre && centre <= label.right());
      QCOMPARE(layout.dayLabels[k].text, days[layout.labelledDays[k]].day.toString(u"M/d"));
    }
  }

  void ticks_data() {
    QTest::addColumn<Days>("days");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("step");
    const QDate today(2026, 12, 10);
    Days quiet, huge;
    for (int i = 0; i < 30; ++i) {
      quiet << Record::DayCounts{today.addDays(i - 29)};
      huge << Record::DayCounts{today.addDays(i - 29), 1, 0, i == 12 ? 3 : 0, 0};
    }
    huge[20].passed = 1234;
    QTest::newRow("no days") << Days{} << 5 << 1;
    QTest::newRow("quiet month") << quiet << 5 << 1;
    QTest::newRow("one problem") << Days{{today, 0, 0, 0, 1}} << 1 << 1;
    QTest::newRow("six") << Days{{today, 3, 1, 1, 1}} << 6 << 1;
    QTest::newRow("seven") << Days{{today, 4, 1, 1, 1}} << 8 << 2;
    QTest::newRow("one huge day") << huge << 1500 << 500;
  }
  void ticks() {
    QFETCH(Days, days);
    QFETCH(int, top);
    QFETCH(int, step);
    const Render r = render({560, 220}, 1, days);
    QCOMPARE(r.layout.top, top);
    QCOMPARE(r.layout.step, step);
    QStringList values;
    for (const RecordChart::Text& label : r.layout.yLabels) values << label.text;
    QStringList expected;
    for (int v = 0; v <= top; v += step) expected << QString::number(v);
    QCOMPARE(values, expected);

    int most = 0;
    for (const Record::DayCounts& day : days)
      most = std::max(most, day.passed + day.helped + day.failed + day.abandoned);
    QCOMPARE(r.layout.note.text.isEmpty(), most > 0);
    if (most == 0) QVERIFY(r.layout.plot.contains(r.layout.note.rect));

    // However tall the busiest day, a day of one problem still shows.
    const QColor passed = RecordChart::outcomeColour(Outcome::Passed);
    for (int i = 0; i < days.size(); ++i)
      if (days[i].passed > 0)
        QCOMPARE(r.image.pixelColor(std::lround(r.layout.bars[i].center().x()),
                                    std::lround(r.layout.plot.bottom()) - 1),
                 passed);
  }

  void description() {
    const QDate day(2026, 12, 9);
    QCOMPARE(RecordChart::describe({}), QStringLiteral("まだ記録がありません"));
    QCOMPARE(
        RecordChart::describe(
            {{day.addDays(-1)}, {day, 2, 0, 1, 0}, {day.addDays(1)}, {day.addDays(2), 0, 3, 0, 1}}),
        QStringLiteral("12/9: 合格 2, 不合格 1\n12/11: ヒントで合格 3, 中断 1"));
    RecordChart chart;
    chart.setDays({{day, 1, 0, 0, 0}});
    QCOMPARE(chart.accessibleDescription(), QStringLiteral("12/9: 合格 1"));
  }
};

KAIRO_TEST_CASE(RecordChartTest)
#include "record_chart.moc"
