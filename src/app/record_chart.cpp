#include "app/record_chart.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/form.h"

namespace kairo {

namespace {

const char* const kOutcomeNames[] = {
    QT_TRANSLATE_NOOP("Kairo", "合格"),
    QT_TRANSLATE_NOOP("Kairo", "ヒントで合格"),
    QT_TRANSLATE_NOOP("Kairo", "不合格"),
    QT_TRANSLATE_NOOP("Kairo", "中断"),
};
const char* const kEmptyNote = QT_TRANSLATE_NOOP("Kairo", "まだ記録がありません");

// Blue and sky blue for the two ways of passing, vermilion and grey for the others: they stay
// apart under the common colour-vision deficiencies and in greyscale print.
const QColor kOutcomeColours[] = {{0, 114, 178}, {86, 180, 233}, {213, 94, 0}, {160, 160, 160}};
const QColor kGround = Qt::white;
const QColor kGrid{228, 228, 228};
const QColor kAxis{96, 96, 96};
const QColor kInk{32, 32, 32};
const QColor kNoteInk{112, 112, 112};

// More ticks than this make the axis a ruler rather than a guide.
constexpr int kMostIntervals = 6;

int count(const Record::DayCounts& day, Record::Outcome outcome) {
  switch (outcome) {
    case Record::Outcome::Passed:
      return day.passed;
    case Record::Outcome::Helped:
      return day.helped;
    case Record::Outcome::Failed:
      return day.failed;
    case Record::Outcome::Abandoned:
      return day.abandoned;
  }
  return 0;
}

int total(const Record::DayCounts& day) {
  return day.passed + day.helped + day.failed + day.abandoned;
}

QString dayText(QDate day) {
  return day.toString(QStringLiteral("M/d"));
}

// A nice step (1, 2, 5, 10, 20, ...) that keeps the tick labels a line apart and few.
void chooseTicks(int most, double height, double line, int& top, int& step) {
  const auto fits = [&](qint64 intervals) {
    return intervals <= kMostIntervals && height >= intervals * line;
  };
  if (most <= 0) {
    top = 5;
    step = fits(5) ? 1 : 5;
    return;
  }
  for (qint64 magnitude = 1;; magnitude *= 10) {
    for (qint64 m : {1, 2, 5}) {
      const qint64 s = m * magnitude;
      const qint64 intervals = (most + s - 1) / s;
      if (fits(intervals) || intervals == 1) {
        step = int(std::min<qint64>(s, std::numeric_limits<int>::max()));
        top = int(std::min<qint64>(intervals * s, std::numeric_limits<int>::max()));
        return;
      }
    }
  }
}

}  // namespace

QString RecordChart::outcomeName(Record::Outcome outcome) {
  return QCoreApplication::translate("Kairo", kOutcomeNames[int(outcome)]);
}

QColor RecordChart::outcomeColour(Record::Outcome outcome) {
  return kOutcomeColours[int(outcome)];
}

QString RecordChart::emptyNote() {
  return QCoreApplication::translate("Kairo", kEmptyNote);
}

RecordChart::Layout RecordChart::layout(const QRectF& rect, const QList<Record::DayCounts>& days,
                                        const QFont& font, const QPaintDevice* device) {
  Layout out;
  const QFontMetricsF fm = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
  const double line = std::ceil(fm.height());
  const double pad = std::round(line * 0.4);
  const double gap = std::round(line * 0.3);
  const double tick = std::round(line * 0.25);
  const double swatch = std::round(fm.ascent() * 0.7);
  const double left = rect.left() + pad, right = rect.right() - pad;

  // The legend along the top, on a second row when the chart is too narrow for one.
  double x = left, y = rect.top() + pad;
  for (Record::Outcome outcome : kOutcomes) {
    const QString name = outcomeName(outcome);
    const double width = fm.horizontalAdvance(name);
    if (x > left && x + swatch + gap + width > right) {
      x = left;
      y += line;
    }
    // Level with the middle of the glyphs, which sit above the baseline.
    const double middle = y + fm.ascent() * 0.6;
    out.swatches << QRectF(x, std::round(middle - swatch / 2), swatch, swatch);
    out.legend << Text{name, QRectF(x + swatch + gap, y, width, line)};
    x += swatch + gap + width + line;
  }

  // Below the legend: room for the top tick label, which stands half a line above the plot.
  // Below the plot: the axis, the day ticks, the day labels.
  out.plot.setTop(y + line + std::ceil(line / 2) + gap);
  out.plot.setBottom(std::max(out.plot.top(), rect.bottom() - pad - line - tick - 1));

  int most = 0;
  for (const Record::DayCounts& day : days) most = std::max(most, total(day));
  chooseTicks(most, out.plot.height(), line, out.top, out.step);
  double labelWidth = 0;
  for (qint64 value = 0; value <= out.top; value += out.step) {
    const QString text = QString::number(value);
    const double width = fm.horizontalAdvance(text);
    labelWidth = std::max(labelWidth, width);
    out.yLabels << Text{text, QRectF(0, 0, width, line)};
  }
  out.plot.setLeft(left + labelWidth + gap);
  for (int i = 0; i < out.yLabels.size(); ++i) {
    const double value = double(i) * out.step;
    QRectF& r = out.yLabels[i].rect;
    r.moveRight(out.plot.left() - gap);
    r.moveTop(out.plot.bottom() - value / out.top * out.plot.height() - line / 2);
  }

  // The slot of a day; the newest day's label is centred under its bar and ends at the right
  // margin at the latest, so the plot gives up as much of its right end as the label needs.
  const int n = int(days.size());
  double dayWidth = 0;
  for (const Record::DayCounts& day : days)
    dayWidth = std::max(dayWidth, fm.horizontalAdvance(dayText(day.day)));
  const double available = std::max(1.0, right - out.plot.left());
  double slot = available;
  if (n > 0) {
    slot = available / n;
    if (slot < dayWidth) slot = std::max(0.5, (available - dayWidth / 2) / (n - 0.5));
  }
  out.plot.setRight(out.plot.left() + (n > 0 ? slot * n : available));

  const double barWidth = slot >= 4 ? slot * 0.7 : slot;
  for (int i = 0; i < n; ++i) {
    const double height = double(total(days[i])) / out.top * out.plot.height();
    out.bars << QRectF(out.plot.left() + i * slot + (slot - barWidth) / 2,
                       out.plot.bottom() - height, barWidth, height);
  }

  // Every few days, counted back from the newest, which is always labelled; a label pushed
  // against an end of the axis is dropped rather than let it touch its neighbour.
  const double apart = line / 2;
  const int every = n > 0 ? std::max(1, int(std::ceil((dayWidth + apart) / slot))) : 1;
  const double labelTop = out.plot.bottom() + 1 + tick;
  for (int i = n - 1; i >= 0; i -= every) {
    const QString text = dayText(days[i].day);
    const double width = fm.horizontalAdvance(text);
    QRectF r(out.plot.left() + (i + 0.5) * slot - width / 2, labelTop, width, line);
    if (r.right() > right) r.moveRight(right);
    if (r.left() < out.plot.left()) r.moveLeft(out.plot.left());
    if (!out.dayLabels.isEmpty() && r.right() + apart > out.dayLabels.first().rect.left()) continue;
    out.dayLabels.prepend(Text{text, r});
    out.labelledDays.prepend(i);
  }

  if (most == 0) {
    const QString text = fm.elidedText(emptyNote(), Qt::ElideRight, out.plot.width());
    const double width = fm.horizontalAdvance(text);
    out.note = Text{text, QRectF(out.plot.center().x() - width / 2,
                                 out.plot.center().y() - line / 2, width, line)};
  }
  return out;
}

RecordChart::Layout RecordChart::paint(QPainter& painter, const QRectF& rect,
                                       const QList<Record::DayCounts>& days, const QFont& font) {
  painter.save();
  painter.setFont(font);
  const Layout out = layout(rect, days, font, painter.device());
  const QTransform toDevice = painter.deviceTransform();
  const QTransform fromDevice = toDevice.inverted();
  const auto px = [&](double x) { return int(std::lround(toDevice.map(QPointF(x, 0)).x())); };
  const auto py = [&](double y) { return int(std::lround(toDevice.map(QPointF(0, y)).y())); };
  // Lines are a whole number of device pixels wide, about one per logical pixel; ticks three.
  const int thick = std::max(1, int(std::lround(toDevice.m22())));
  const int tickLength = 3 * thick;

  // Shapes in device pixels on whole pixel edges: crisp, and no antialiasing needed.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setWorldTransform(fromDevice * painter.worldTransform());
  const auto fill = [&](int x0, int y0, int x1, int y1, const QColor& colour) {
    if (x1 > x0 && y1 > y0) painter.fillRect(QRect(x0, y0, x1 - x0, y1 - y0), colour);
  };
  // The ground keeps inside the rectangle when its edges fall inside a device pixel.
  {
    const QRectF d = toDevice.mapRect(rect);
    fill(int(std::ceil(d.left() - 1e-6)), int(std::ceil(d.top() - 1e-6)),
         int(std::floor(d.right() + 1e-6)), int(std::floor(d.bottom() + 1e-6)), kGround);
  }

  const int left = px(out.plot.left()), right = px(out.plot.right());
  const int bottom = py(out.plot.bottom());
  for (qint64 value = out.step; value <= out.top; value += out.step) {
    const int y = py(out.plot.bottom() - double(value) / out.top * out.plot.height());
    fill(left, y - thick / 2, right, y - thick / 2 + thick, kGrid);
    fill(left - thick - tickLength, y - thick / 2, left - thick, y - thick / 2 + thick, kAxis);
  }

  // One width for every bar, rounded once, so neighbours do not differ by a pixel.
  const int barWidth =
      out.bars.isEmpty() ? 0 : std::max(1, int(std::lround(out.bars[0].width() * toDevice.m11())));
  for (int i = 0; i < out.bars.size(); ++i) {
    const int x0 = int(std::lround(toDevice.map(out.bars[i].center()).x() - barWidth / 2.0));
    const int x1 = x0 + barWidth;
    // Segment edges from running sums, so the stack is as tall as its total says; a segment
    // keeps a pixel however small its share, so no problem vanishes beside a busy day.
    int sum = 0, below = bottom;
    for (Record::Outcome outcome : kOutcomes) {
      const int n = count(days[i], outcome);
      if (n <= 0) continue;
      sum += n;
      const int y =
          std::min(below - 1, py(out.plot.bottom() - double(sum) / out.top * out.plot.height()));
      fill(x0, y, x1, below, outcomeColour(outcome));
      below = y;
    }
  }

  fill(left - thick, py(out.plot.top()) - thick / 2, left, bottom + thick, kAxis);
  fill(left - thick, bottom, right, bottom + thick, kAxis);
  for (int i : out.labelledDays) {
    const QRectF& bar = out.bars[i];
    const int x = px(bar.center().x()) - thick / 2;
    fill(x, bottom + thick, x + thick, bottom + thick + tickLength, kAxis);
  }
  for (int i = 0; i < out.swatches.size(); ++i) {
    const QRectF& s = out.swatches[i];
    fill(px(s.left()), py(s.top()), px(s.right()), py(s.bottom()), outcomeColour(kOutcomes[i]));
  }

  // Texts in logical coordinates, each baseline on a whole device pixel.
  painter.restore();
  painter.save();
  painter.setFont(font);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double ascent = QFontMetricsF(font, painter.device()).ascent();
  const auto write = [&](const Text& text, const QColor& colour) {
    if (text.text.isEmpty()) return;
    const QPointF d = toDevice.map(QPointF(text.rect.left(), text.rect.top() + ascent));
    painter.setPen(colour);
    painter.drawText(fromDevice.map(QPointF(std::round(d.x()), std::round(d.y()))), text.text);
  };
  for (const Text& text : out.legend) write(text, kInk);
  for (const Text& text : out.yLabels) write(text, kInk);
  for (const Text& text : out.dayLabels) write(text, kInk);
  write(out.note, kNoteInk);
  painter.restore();
  return out;
}

QString RecordChart::describe(const QList<Record::DayCounts>& days) {
  QStringList lines;
  for (const Record::DayCounts& day : days) {
    QStringList parts;
    for (Record::Outcome outcome : kOutcomes)
      if (const int n = count(day, outcome))
        parts << QStringLiteral("%1 %2").arg(outcomeName(outcome)).arg(n);
    if (!parts.isEmpty()) lines << dayText(day.day) + QStringLiteral(": ") + parts.join(u", ");
  }
  return lines.isEmpty() ? emptyNote() : lines.join(u'\n');
}

RecordChart::RecordChart(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // paint() covers every pixel with its ground
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFont(screenFont());
  setAccessibleDescription(describe(days_));
}

void RecordChart::setDays(QList<Record::DayCounts> days) {
  days_ = std::move(days);
  setAccessibleDescription(describe(days_));
  update();
}

void RecordChart::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) setAccessibleDescription(describe(days_));
  QWidget::changeEvent(event);
}

void RecordChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint(painter, rect(), days_, font());
}

}  // namespace kairo
