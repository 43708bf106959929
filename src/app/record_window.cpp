// "記録": what the learning record holds, for the student and a teacher: the problems of each
// course, the last 30 days, the questions most often answered wrong, and the missed problems, one
// click from being tried again.
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <memory>

#include "app/application.h"
#include "app/record_chart.h"
#include "app/replay.h"
#include "record/record.h"
#include "ui/form.h"

namespace kairo {

namespace {

const CourseDefinition* courseByKey(Application& app, const QString& key) {
  for (const CourseDefinition* course : app.courses())
    if (key == QLatin1String(course->key)) return course;
  return nullptr;
}

QString courseTitle(Application& app, const QString& key) {
  const CourseDefinition* course = courseByKey(app, key);
  return course ? QCoreApplication::translate("Kairo", course->title) : key;
}

// "問題１" for an exercise window: the caption it is shown with.
QString questionTitle(Application& app, const CourseDefinition* course, const QString& window) {
  if (course)
    for (const CheckSpec& check : course->checks)
      if (check.screen.name() == window)
        return app.screens().form(check.screen)->windowTitle().trimmed();
  return window;
}

QString countAndShare(int count, int of) {
  if (of <= 0) return QString::number(count);
  return QCoreApplication::translate("Kairo", "%1（%2%）")
      .arg(count)
      .arg(qRound(100.0 * count / of));
}

QTableWidget* table(QWidget* parent, const char* name, const QStringList& headers) {
  auto* view = new QTableWidget(0, int(headers.size()), parent);
  view->setObjectName(QString::fromUtf8(name));
  view->setHorizontalHeaderLabels(headers);
  view->verticalHeader()->hide();
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionMode(QAbstractItemView::NoSelection);
  view->setFocusPolicy(Qt::NoFocus);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
  return view;
}

void setRow(QTableWidget* view, int row, const QStringList& cells) {
  for (int column = 0; column < cells.size(); ++column) {
    auto* item = new QTableWidgetItem(cells[column]);
    item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    view->setItem(row, column, item);
  }
}

// Each view tall enough for its rows (up to `rows`; more scroll) and no taller, so the window keeps
// its room for the list of missed problems.
void fitHeight(QTableWidget* view, int rows = 3) {
  int height = view->horizontalHeader()->sizeHint().height() + 2 * view->frameWidth();
  for (int row = 0; row < std::min(rows, view->rowCount()); ++row) height += view->rowHeight(row);
  view->setFixedHeight(height);
}

struct Parts {
  QLabel* state;
  QTableWidget* summary;
  RecordChart* chart;
  QTableWidget* weak;
  QLabel* noWeak;
  QTreeWidget* missed;
  QPushButton* replay;
  QPushButton* exportCsv;
  QLabel* exported;
};

void showState(Application& app, const Parts& p) {
  Record& record = app.record();
  const bool writing = record.isOn() && !record.isReadOnly();
  if (writing)
    p.state->setText(QCoreApplication::translate(
                         "Kairo", "記録ファイル：%1（このコンピューターの外へは送られません）")
                         .arg(QDir::toNativeSeparators(record.path())));
  else if (record.isOn())
    p.state->setText(
        QCoreApplication::translate("Kairo", "記録は読むだけです：%1").arg(record.offReason()));
  else
    p.state->setText(
        QCoreApplication::translate("Kairo", "記録は止まっています：%1").arg(record.offReason()));
  p.state->setStyleSheet(writing ? QString() : QStringLiteral("color: #c00000;"));
}

void showSummary(Application& app, const Parts& p) {
  const QList<Record::CourseSummary> summary = app.record().summary();
  p.summary->setRowCount(int(summary.size()));
  for (int row = 0; row < summary.size(); ++row) {
    const Record::CourseSummary& s = summary[row];
    setRow(p.summary, row,
           {courseTitle(app, s.course), QString::number(s.done),
            countAndShare(s.passedFirstTime, s.done), countAndShare(s.helped, s.done),
            countAndShare(s.failed, s.done), countAndShare(s.abandoned, s.done)});
  }
  fitHeight(p.summary);
}

// Weak spots by question: the first attempt and its follow-up share a caption and count as one.
void showWeakSpots(Application& app, const Parts& p) {
  constexpr int kEnoughChecks = 5;
  struct Spot {
    QString course, question;
    int checks = 0, wrong = 0;
  };
  QList<Spot> spots;
  for (const Record::WeakSpot& w : app.record().weakSpots(1)) {
    const QString question = questionTitle(app, courseByKey(app, w.course), w.window);
    auto it = std::find_if(spots.begin(), spots.end(), [&](const Spot& s) {
      return s.course == w.course && s.question == question;
    });
    if (it == spots.end()) it = spots.insert(spots.end(), Spot{w.course, question});
    it->checks += w.checks;
    it->wrong += w.wrong;
  }
  spots.removeIf([](const Spot& s) { return s.checks < kEnoughChecks; });
  std::stable_sort(spots.begin(), spots.end(), [](const Spot& a, const Spot& b) {
    return qint64(a.wrong) * b.checks > qint64(b.wrong) * a.checks;
  });
  p.weak->setRowCount(int(spots.size()));
  for (int row = 0; row < spots.size(); ++row) {
    const Spot& s = spots[row];
    setRow(p.weak, row,
           {courseTitle(app, s.course), s.question, QString::number(s.checks),
            QStringLiteral("%1%").arg(qRound(100.0 * s.wrong / s.checks))});
  }
  p.weak->setVisible(!spots.isEmpty());
  p.noWeak->setVisible(spots.isEmpty());
  fitHeight(p.weak, 5);
}

void showMissed(Application& app, const Parts& p) {
  p.missed->clear();
  const QMap<QString, QString> outcomes{
      {QStringLiteral("failed"), QCoreApplication::translate("Kairo", "不合格")},
      {QStringLiteral("helped"), QCoreApplication::translate("Kairo", "ヒントで合格")},
      {QStringLiteral("abandoned"), QCoreApplication::translate("Kairo", "中断")}};
  for (const Record::Missed& m : app.record().missed()) {
    auto* item = new QTreeWidgetItem(
        p.missed,
        {m.started.toString(QStringLiteral("yyyy/MM/dd HH:mm")), courseTitle(app, m.course), m.code,
         outcomes.value(m.outcome, m.outcome), QString::number(m.misses)});
    item->setData(0, Qt::UserRole, m.code);
  }
  if (p.missed->topLevelItemCount() > 0) p.missed->setCurrentItem(p.missed->topLevelItem(0));
  p.replay->setEnabled(p.missed->currentItem() != nullptr);
}

void refresh(Application& app, const Parts& p) {
  showState(app, p);
  showSummary(app, p);
  p.chart->setDays(app.record().lastDays(30, QDate::currentDate()));
  showWeakSpots(app, p);
  showMissed(app, p);
  p.exportCsv->setEnabled(app.record().isOn());
  p.exported->clear();
}

// The selected problem again, exactly as if its code had been typed on the start screen.
void replaySelected(Application& app, const Parts& p) {
  const QTreeWidgetItem* item = p.missed->currentItem();
  if (!item) return;
  app.open(screens::StartF);
  app.setText(screens::StartF, QStringLiteral("passtxt"), item->data(0, Qt::UserRole).toString());
  app.hide(screens::Kiroku);
  replayCode(app);
}

// A save dialog of its own, not a child of the window, that does not stop the program while it is
// open: the drill's windows stay live. A second press brings the same dialog forward.
void askExport(Application& app, QPointer<QFileDialog>& open, const Parts& p) {
  if (open) {
    open->raise();
    open->activateWindow();
    return;
  }
  auto* dialog = new QFileDialog(
      nullptr, QCoreApplication::translate("Kairo", "CSV に書き出す"),
      QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
          .filePath(QStringLiteral("kairo-drill-%1.csv")
                        .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")))),
      QCoreApplication::translate("Kairo", "CSV ファイル (*.csv)"));
  open = dialog;
  dialog->setObjectName(QStringLiteral("dlgExport"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setDefaultSuffix(QStringLiteral("csv"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  // The program's end takes the dialog with it.
  QObject::connect(p.exportCsv, &QObject::destroyed, dialog, &QObject::deleteLater);
  QObject::connect(dialog, &QFileDialog::fileSelected, p.exported, [&app, p](const QString& file) {
    QString error;
    if (app.record().exportCsv(file, &error))
      p.exported->setText(QCoreApplication::translate("Kairo", "書き出しました：%1")
                              .arg(QDir::toNativeSeparators(file)));
    else
      p.exported->setText(
          QCoreApplication::translate("Kairo", "書き出せませんでした：%1").arg(error));
  });
  dialog->show();
}

}  // namespace

QWidget* createRecordWindow(Application& app) {
  auto* window = new QWidget(nullptr, Qt::Window);
  window->setObjectName(QStringLiteral("記録"));
  window->setWindowTitle(QCoreApplication::translate("Kairo", "記録"));
  window->setFont(screenFont());
  window->resize(px(11400), px(12600));

  Parts p{};
  p.state = new QLabel(window);
  p.state->setObjectName(QStringLiteral("lblRecordState"));
  p.state->setWordWrap(true);
  p.state->setTextInteractionFlags(Qt::TextSelectableByMouse);
  p.summary = table(window, "tblSummary",
                    {QCoreApplication::translate("Kairo", "コース"),
                     QCoreApplication::translate("Kairo", "解いた問題"),
                     QCoreApplication::translate("Kairo", "一度で合格"),
                     QCoreApplication::translate("Kairo", "ヒントで合格"),
                     QCoreApplication::translate("Kairo", "不合格"),
                     QCoreApplication::translate("Kairo", "中断")});
  p.chart = new RecordChart(window);
  p.chart->setObjectName(QStringLiteral("chartDays"));
  p.weak = table(
      window, "tblWeak",
      {QCoreApplication::translate("Kairo", "コース"), QCoreApplication::translate("Kairo", "問題"),
       QCoreApplication::translate("Kairo", "解答チェックの回数"),
       QCoreApplication::translate("Kairo", "まちがえた割合")});
  p.noWeak = new QLabel(
      QCoreApplication::translate(
          "Kairo", "まだ分かりません（どの問題も解答チェックが 5 回に届いていません）。"),
      window);
  p.noWeak->setObjectName(QStringLiteral("lblNoWeakSpots"));
  p.noWeak->setWordWrap(true);
  p.missed = new QTreeWidget(window);
  p.missed->setObjectName(QStringLiteral("lstMissed"));
  p.missed->setHeaderLabels(
      {QCoreApplication::translate("Kairo", "日付"), QCoreApplication::translate("Kairo", "コース"),
       QCoreApplication::translate("Kairo", "コード"), QCoreApplication::translate("Kairo", "結果"),
       QCoreApplication::translate("Kairo", "ミス")});
  p.missed->setRootIsDecorated(false);
  p.missed->setAllColumnsShowFocus(true);
  p.missed->setUniformRowHeights(true);
  p.missed->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  p.missed->setMinimumHeight(p.missed->fontMetrics().height() * 8);
  p.replay = new QPushButton(QCoreApplication::translate("Kairo", "もう一度"), window);
  p.replay->setObjectName(QStringLiteral("cmdReplayMissed"));
  p.exportCsv = new QPushButton(QCoreApplication::translate("Kairo", "CSV に書き出す"), window);
  p.exportCsv->setObjectName(QStringLiteral("cmdExport"));
  p.exported = new QLabel(window);
  p.exported->setObjectName(QStringLiteral("lblExported"));
  auto* close = new QPushButton(QCoreApplication::translate("Kairo", "閉じる"), window);
  close->setObjectName(QStringLiteral("cmdClose"));

  const auto group = [window](const QString& title, std::initializer_list<QWidget*> widgets) {
    auto* box = new QGroupBox(title, window);
    auto* inside = new QVBoxLayout(box);
    for (QWidget* widget : widgets) inside->addWidget(widget);
    return box;
  };
  auto* missedButtons = new QHBoxLayout;
  missedButtons->addWidget(p.replay);
  missedButtons->addStretch();
  auto* missedBox =
      group(QCoreApplication::translate("Kairo", "まちがえた問題（新しい順）"), {p.missed});
  static_cast<QVBoxLayout*>(missedBox->layout())->addLayout(missedButtons);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(p.exportCsv);
  buttons->addWidget(p.exported, 1);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(window);
  layout->addWidget(p.state);
  layout->addWidget(group(QCoreApplication::translate("Kairo", "コースごとの成績"), {p.summary}));
  layout->addWidget(
      group(QCoreApplication::translate("Kairo", "この 30 日に解いた問題"), {p.chart}));
  layout->addWidget(group(QCoreApplication::translate("Kairo", "苦手な問題"), {p.weak, p.noWeak}));
  layout->addWidget(missedBox, 1);
  layout->addLayout(buttons);

  QObject::connect(p.missed, &QTreeWidget::currentItemChanged, p.replay,
                   [p] { p.replay->setEnabled(p.missed->currentItem() != nullptr); });
  QObject::connect(p.replay, &QPushButton::clicked, window, [&app, p] { replaySelected(app, p); });
  // Enter or a double click on a problem tries it again, as the button does.
  QObject::connect(p.missed, &QTreeWidget::itemActivated, window,
                   [&app, p] { replaySelected(app, p); });
  auto exportDialog = std::make_shared<QPointer<QFileDialog>>();
  QObject::connect(p.exportCsv, &QPushButton::clicked, window,
                   [&app, exportDialog, p] { askExport(app, *exportDialog, p); });
  // Closed while it is the only window left (the start screen closed from its title bar), the
  // program would go on with nothing to show: the start screen comes back instead.
  const auto backToStartIfAlone = [&app] {
    if (app.screens().visibleCount() == 0) app.open(screens::StartF);
  };
  QObject::connect(close, &QPushButton::clicked, window, [window, backToStartIfAlone] {
    window->hide();
    backToStartIfAlone();
  });
  hideOnEscape(window, backToStartIfAlone);
  // Read again at each show: the record may have grown.
  onShow(window, [&app, p] { refresh(app, p); });
  return window;
}

}  // namespace kairo
