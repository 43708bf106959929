#pragma once

// The learning record: every problem a student works on, kept in a local SQLite file that a
// teacher's script can read as it is (docs/record.md).
//
// The file, <folder>/record.sqlite (folder: defaultFolder(), i.e. $XDG_DATA_HOME/kairo-drill):
//
//   PRAGMA application_id = 0x4B44524C ("KDRL");  PRAGMA user_version = 1 (the schema version)
//   problems(id INTEGER PRIMARY KEY, started_at TEXT, ended_at TEXT, course TEXT, code TEXT,
//            outcome TEXT, misses INTEGER, seconds REAL)
//   checks(id INTEGER PRIMARY KEY, problem_id INTEGER REFERENCES problems(id), at TEXT,
//          window TEXT, correct INTEGER)
//
//   course   easy | normal | hard
//   *_at     ISO 8601 local time with its offset, "2026-12-10T23:59:30+09:00"
//   code     the eight-character circuit code that replays the problem
//   outcome  passed (no selection screen) | helped (passed after a retry or review) |
//            failed (an end screen or a fourth miss) | abandoned (left unfinished) | NULL (open)
//   misses   every wrong check of the problem;  seconds  from its start to its end
//   window   the window whose check it was;  correct  1 or 0
//
// A problem gets its row at its first check. The file is in WAL mode; each write is a
// transaction of its own, so a reader sees whole checks and whole problems. A problem left open
// by a program that was killed is closed as abandoned (seconds NULL) by the next program that
// opens the file while no other one has it open (record.lock tells).
//
// The record never stands in the way of a drill: when it cannot work (no SQLite driver, a folder
// it cannot write to, a full disk) it is off, says why in offReason(), and every call does
// nothing. A file written by a newer program is opened read-only: reads work, writes are dropped.
// A file that is not a record is renamed aside to record.sqlite.broken-<yyyyMMdd-hhmmss> and a new
// one is started.
//
// Writes go to a worker thread with its own connection, committed in the order they were made,
// so a check costs the click a queue push. Reads are synchronous, on a connection of the thread
// that opened the record, and see what the worker has committed: they flush first.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace kairo {

class RecordConnection;
class RecordWriter;

class Record {
 public:
  enum class Outcome { Passed, Helped, Failed, Abandoned };
  using Clock = std::function<QDateTime()>;
  struct Options {
    Clock clock;                 // local time now; QDateTime::currentDateTime when empty
    QString driver = "QSQLITE";  // a seam for the tests: a driver that is not there
  };

  // Never null; off (with a reason) when the record cannot be kept in `folder`.
  static std::unique_ptr<Record> open(const QString& folder, const Options& options);
  static std::unique_ptr<Record> open(const QString& folder) { return open(folder, Options()); }
  static std::unique_ptr<Record> off(const QString& reason);
  static QString defaultFolder();  // $XDG_DATA_HOME/kairo-drill
  ~Record();                       // an open problem ends as abandoned; pending writes finish

  bool isOn() const;
  bool isReadOnly() const;
  QString offReason() const;  // why it is off or read-only; empty when it is fully on
  QString path() const;

  // The course flow. A begin while a problem with a row is open abandons that one.
  void beginProblem(const QString& course, const QString& code);
  // The code of the open problem, when it is known only once the problem is drawn; a problem
  // keeps the code it had at its first check.
  void setCode(const QString& code);
  void check(const QString& window, bool correct);
  void endProblem(Outcome outcome);  // nothing when the problem has no row
  void flush();                      // returns once every write so far is committed

  struct CourseSummary {
    QString course;
    int done = 0, passedFirstTime = 0, helped = 0, failed = 0, abandoned = 0;
  };
  QList<CourseSummary> summary() const;  // easy, normal, hard, then any other course
  struct DayCounts {
    QDate day;
    int passed = 0, helped = 0, failed = 0, abandoned = 0;
  };
  QList<DayCounts> lastDays(int days, QDate today) const;  // by local start day, oldest first
  struct WeakSpot {
    QString course;
    QString window;
    int checks = 0;
    int wrong = 0;
  };
  QList<WeakSpot> weakSpots(int minimumChecks = 5) const;  // worst share of wrong checks first
  struct Missed {
    qint64 id = 0;
    QDateTime started;
    QString course;
    QString code;
    QString outcome;
    int misses = 0;
  };
  // Failed, helped and abandoned-with-misses problems, newest first, until a later attempt at the
  // same code passes first time.
  QList<Missed> missed() const;
  // RFC 4180, UTF-8 with a BOM, a header row, one row per problem.
  bool exportCsv(const QString& file, QString* error = nullptr) const;

 private:
  Record() = default;

  QString path_;
  QString reason_;
  bool readOnly_ = false;
  Clock clock_;
  std::unique_ptr<RecordConnection> reader_;  // of the thread that opened the record
  int lockFd_ = -1;
  std::unique_ptr<RecordWriter> writer_;
  struct Current {
    QString course, code;
    QDateTime started;
    bool active = false;
    bool hasRow = false;
  } current_;
};

}  // namespace kairo
