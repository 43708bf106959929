// What the record window and the teacher's export read back from one day of problems, around
// local midnight in Tokyo.

#include <QTemporaryDir>
#include <QTest>
#include <ctime>

#include "record/record.h"
#include "record/writer.h"
#include "support/test_main.h"

using kairo::Record;
using Outcome = Record::Outcome;

class RecordReads : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QDateTime now_;
  std::unique_ptr<Record> record_;

  // One problem: its checks (true: correct) a minute apart, then its end.
  void play(const char* course, const QString& code, std::initializer_list<bool> checks,
            std::optional<Outcome> end, int startMinute) {
    now_ = QDateTime(QDate(2026, 12, 10), QTime(23, 59, 30)).addSecs(60 * startMinute);
    record_->beginProblem(QString::fromLatin1(course), code);
    for (bool correct : checks) {
      now_ = now_.addSecs(60);
      record_->check(QStringLiteral("check"), correct);
    }
    now_ = now_.addSecs(10);
    if (end) record_->endProblem(*end);
  }

 private slots:
  void initTestCase() {
    qputenv("TZ", "Asia/Tokyo");
    tzset();
    record_ = Record::open(dir_.path(), {[this] { return now_; }});
    QVERIFY(record_->isOn());
    play("easy", "AAAA0001", {false, true}, Outcome::Helped, 0);  // began at 23:59:30
    play("easy", "AAAA0002", {true}, Outcome::Passed, 10);
    play("normal", "BBBB0001", {false, false, false, false}, Outcome::Failed, 20);
    play("normal", "BBBB0002", {}, Outcome::Passed, 30);  // no check, no row
    play("hard", "CCCC0001", {false}, std::nullopt, 40);  // left for the next one
    play("hard", "CCCC0002", {true}, Outcome::Passed, 50);
    play("easy", "AAAA0001", {true}, Outcome::Passed, 60);
    play("easy", "a,\"b\"\nc", {true}, Outcome::Passed, 70);
  }

  void summaryCountsEachCourse() {
    QList<std::array<int, 5>> counts;
    for (const auto& s : record_->summary())
      counts.append({s.done, s.passedFirstTime, s.helped, s.failed, s.abandoned});
    QCOMPARE(counts,
             (QList<std::array<int, 5>>{{4, 3, 1, 0, 0}, {1, 0, 0, 1, 0}, {2, 1, 0, 0, 1}}));
  }

  void daysCountByLocalStart() {
    const auto days = record_->lastDays(3, QDate(2026, 12, 11));
    QCOMPARE(days.size(), 3);
    QCOMPARE(days[0].day, QDate(2026, 12, 9));
    QCOMPARE(days[1].helped + days[1].passed + days[1].failed + days[1].abandoned, 1);
    QCOMPARE(days[1].helped, 1);  // 23:59:30, ended after midnight
    QCOMPARE(days[2].passed, 4);
    QCOMPARE(days[2].failed, 1);
    QCOMPARE(days[2].abandoned, 1);
  }

  void missedNewestFirstUntilPassedFirstTime() {
    QStringList codes;
    for (const auto& m : record_->missed()) codes << m.code + ' ' + m.outcome;
    QCOMPARE(codes, (QStringList{"CCCC0001 abandoned", "BBBB0001 failed"}));
    QCOMPARE(record_->missed().last().started, QDateTime(QDate(2026, 12, 11), QTime(0, 19, 30)));
  }

  void weakSpotsWorstFirst() {
    QStringList spots;
    for (const auto& w : record_->weakSpots(1))
      spots << QStringLiteral("%1 %2/%3").arg(w.course).arg(w.wrong).arg(w.checks);
    QCOMPARE(spots, (QStringList{"normal 4/4", "hard 1/2", "easy 1/5"}));
    QCOMPARE(record_->weakSpots(3).size(), 2);
  }

  void csvIsQuotedUtf8WithLocalTimes() {
    const QString file = dir_.filePath("record.csv");
    QVERIFY(record_->exportCsv(file));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray csv = f.readAll();
    QVERIFY(csv.startsWith("\xEF\xBB\xBFstarted,course,code,outcome,misses,seconds\r\n"));
    QVERIFY(csv.contains("\r\n2026-12-10 23:59:30,easy,AAAA0001,helped,1,130.0\r\n"));
    QVERIFY(csv.contains(",easy,\"a,\"\"b\"\"\nc\",passed,0,70.0\r\n"));
    QCOMPARE(csv.count("\r\n"), 8);  // the header and seven problems
    kairo::RecordConnection db(QStringLiteral("QSQLITE"), record_->path(), true);
    QCOMPARE(db.value(QStringLiteral("SELECT started_at FROM problems WHERE id = 1")).toString(),
             QStringLiteral("2026-12-10T23:59:30+09:00"));
  }
};

KAIRO_TEST_CASE(RecordReads)
#include "record_reads.moc"
