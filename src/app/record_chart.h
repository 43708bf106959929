#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "record/record.h"

class QPainter;

namespace kairo {

// The problems of each day as bars stacked by outcome (passed at the bottom, then helped, failed
// and abandoned), with a legend, a y axis of a few whole-number ticks and day labels that never
// overlap. Everything is laid out from the rectangle and the font, so the chart reads at any size.
class RecordChart : public QWidget {
  Q_OBJECT

 public:
  explicit RecordChart(QWidget* parent = nullptr);

  void setDays(QList<Record::DayCounts> days);  // oldest first
  const QList<Record::DayCounts>& days() const { return days_; }

  QSize minimumSizeHint() const override { return {320, 160}; }
  QSize sizeHint() const override { return {560, 220}; }

  // Outcomes in stacking order, bottom first.
  static constexpr Record::Outcome kOutcomes[] = {Record::Outcome::Passed, Record::Outcome::Helped,
                                                  Record::Outcome::Failed,
                                                  Record::Outcome::Abandoned};
  static QString outcomeName(Record::Outcome outcome);
  static QColor outcomeColour(Record::Outcome outcome);
  static QString emptyNote();

  // Where paint() put things, in the painter's logical coordinates.
  struct Text {
    QString text;
    QRectF rect;  // advance by line height
  };
  struct Layout {
    QRectF plot;            // the bars' area; its bottom edge is zero
    int top = 5, step = 1;  // the y axis runs from 0 to top with a tick every step
    QList<QRectF> bars;     // one per day: its whole stack (empty height on a day without problems)
    QList<Text> yLabels;    // bottom first
    QList<Text> dayLabels;  // oldest first
    QList<int> labelledDays;  // the day of each day label
    QList<QRectF> swatches;   // the legend, in the order of kOutcomes
    QList<Text> legend;
    Text note;  // "no record yet" when no day has a problem
  };
  static Layout layout(const QRectF& rect, const QList<Record::DayCounts>& days, const QFont& font,
                       const QPaintDevice* device = nullptr);
  // Paints the whole of `rect` (a white ground first) and nothing outside it.
  static Layout paint(QPainter& painter, const QRectF& rect, const QList<Record::DayCounts>& days,
                      const QFont& font);
  // One line per day with problems: "12/9: 合格 2, 不合格 1"; the empty note when there is none.
  static QString describe(const QList<Record::DayCounts>& days);

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QList<Record::DayCounts> days_;
};

}  // namespace kairo
