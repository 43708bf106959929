#include "record/record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStandardPaths>
#include <QThread>

#include "record/writer.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace kairo {

namespace {

constexpr qint64 kApplicationId = 0x4B44524C;  // "KDRL"
constexpr int kSchemaVersion = 1;

// Local time with its offset written out, whichever zone the clock gave its time in.
QString stamp(const QDateTime& t) {
  const QDateTime local = t.toLocalTime();
  return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

QString outcomeKey(Record::Outcome outcome) {
  switch (outcome) {
    case Record::Outcome::Passed:
      return QStringLiteral("passed");
    case Record::Outcome::Helped:
      return QStringLiteral("helped");
    case Record::Outcome::Failed:
      return QStringLiteral("failed");
    case Record::Outcome::Abandoned:
      break;
  }
  return QStringLiteral("abandoned");
}

enum class Prepared { Ready, Newer, Broken, Failed };

// Checks the file, creates or migrates its schema and closes what killed programs left open.
Prepared prepare(const QString& driver, const QString& file, bool sweep, const QString& now,
                 QString* error) {
  if (QFileInfo::exists(file)) {
    // Looked at read-only first: a read-write connection would checkpoint a broken file's WAL
    // into it, or delete the WAL, on closing; what goes aside must stay as it was.
    RecordConnection look(driver, file, true);
    if (!look.isOpen()) {
      *error = look.db().lastError().text();
      return Prepared::Failed;
    }
    // open() succeeds on any file; the first read tells whether it is a database at all.
    QVariant check = look.value(QStringLiteral("PRAGMA quick_check"), {}, error);
    if (!check.isValid()) {
      const QString code = look.lastErrorCode();
      return code == "26" || code == "11" ? Prepared::Broken : Prepared::Failed;
    }
    if (check.toString() != QLatin1String("ok")) return Prepared::Broken;
    const qint64 app = look.value(QStringLiteral("PRAGMA application_id")).toLongLong();
    const int version = look.value(QStringLiteral("PRAGMA user_version")).toInt();
    const int tables = look.value(QStringLiteral("SELECT count(*) FROM sqlite_master")).toInt();
    if (app != kApplicationId && !(app == 0 && tables == 0)) return Prepared::Broken;
    if (version > kSchemaVersion) return Prepared::Newer;
  }
  RecordConnection db(driver, file, false);
  if (!db.isOpen()) {
    *error = db.db().lastError().text();
    return Prepared::Failed;
  }
  if (db.value(QStringLiteral("PRAGMA journal_mode=WAL"), {}, error).toString() !=
      QLatin1String("wal")) {
    if (error->isEmpty()) *error = QStringLiteral("journal_mode");
    return Prepared::Failed;
  }
  // A migration and its version are one transaction, read again inside it: another program may
  // have made the schema since.
  bool ok = db.transaction(
      [&] {
        const int inside = db.value(QStringLiteral("PRAGMA user_version"), {}, error).toInt();
        if (inside < 1) {
          const char* schema[] = {
              "CREATE TABLE problems (id INTEGER PRIMARY KEY, started_at TEXT, ended_at TEXT, "
              "course TEXT, code TEXT, outcome TEXT, misses INTEGER, seconds REAL)",
              "CREATE TABLE checks (id INTEGER PRIMARY KEY, problem_id INTEGER REFERENCES "
              "problems(id), at TEXT, window TEXT, correct INTEGER)",
              "CREATE INDEX checks_problem ON checks (problem_id)",
              "CREATE INDEX problems_code ON problems (course, code)",
          };
          for (const char* sql : schema)
            if (!db.exec(QString::fromLatin1(sql), {}, error)) return false;
          if (!db.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId), {}, error))
            return false;
        }
        return inside >= kSchemaVersion ||
               db.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion), {}, error);
      },
      error);
  if (ok && sweep) {
    ok = db.transaction(
        [&] {
          return db.exec(QStringLiteral("UPDATE problems SET outcome = 'abandoned', ended_at = ? "
                                        "WHERE outcome IS NULL"),
                         {now}, error);
        },
        error);
  }
  return ok ? Prepared::Ready : Prepared::Failed;
}

// Renames a file that is not a record, with its -wal and -shm, to a name no file has yet.
bool setAside(const QString& file, const QDateTime& now) {
  QString aside = file + ".broken-" + now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
  for (int n = 2; QFileInfo::exists(aside) || QFileInfo::exists(aside + "-wal"); ++n)
    aside = file + ".broken-" + now.toString(QStringLiteral("yyyyMMdd-hhmmss")) + "-" +
            QString::number(n);
  if (!QFile::rename(file, aside)) return false;
  for (const char* suffix : {"-wal", "-shm"})
    if (QFileInfo::exists(file + suffix)) QFile::rename(file + suffix, aside + suffix);
  return true;
}

}  // namespace

std::unique_ptr<Record> Record::off(const QString& reason) {
  std::unique_ptr<Record> record(new Record);
  record->reason_ = reason;
  return record;
}

QString Record::defaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/kairo-drill");
}

std::unique_ptr<Record> Record::open(const QString& folder, const Options& options) {
  std::unique_ptr<Record> record(new Record);
  Record& r = *record;
  r.clock_ = options.clock ? options.clock : [] { return QDateTime::currentDateTime(); };
  r.path_ = QDir(folder).filePath(QStringLiteral("record.sqlite"));
  if (!QSqlDatabase::isDriverAvailable(options.driver)) {
    r.reason_ =
        QCoreApplication::translate("Kairo", "記録に使うデータベースのドライバー（%1）がありません")
            .arg(options.driver);
    return record;
  }
  const QFileInfo dir(folder);
  if (!QDir().mkpath(folder) || !dir.isDir() || !dir.isWritable()) {
    r.reason_ =
        QCoreApplication::translate("Kairo", "記録の保存先に書き込めません：%1").arg(folder);
    return record;
  }
  // Only a program that has the folder to itself may close open problems as abandoned: another
  // one running holds a shared lock on record.lock while its record is open.
  bool alone = true;
#ifdef Q_OS_UNIX
  r.lockFd_ = ::open(QFile::encodeName(QDir(folder).filePath(QStringLiteral("record.lock"))),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (r.lockFd_ < 0) {
    r.reason_ =
        QCoreApplication::translate("Kairo", "記録の保存先に書き込めません：%1").arg(folder);
    return record;
  }
  alone = ::flock(r.lockFd_, LOCK_EX | LOCK_NB) == 0;
#endif
  QString error;
  Prepared prepared = prepare(options.driver, r.path_, alone, stamp(r.clock_()), &error);
  // Another program creating or switching the file to its journal mode holds locks SQLite does
  // not wait for: try again for a few seconds before the record goes off.
  for (int retry = 0;
       prepared == Prepared::Failed && error.contains(QLatin1String("locked")) && retry < 50;
       ++retry) {
    QThread::msleep(100);
    error.clear();
    prepared = prepare(options.driver, r.path_, alone, stamp(r.clock_()), &error);
  }
  if (prepared == Prepared::Broken) {
    if (!setAside(r.path_, r.clock_())) {
      prepared = Prepared::Failed;
      error = QCoreApplication::translate("Kairo", "壊れた記録ファイルを脇へ移せません");
    } else {
      prepared = prepare(options.driver, r.path_, alone, stamp(r.clock_()), &error);
    }
  }
#ifdef Q_OS_UNIX
  ::flock(r.lockFd_, LOCK_SH);
#endif
  switch (prepared) {
    case Prepared::Ready:
      r.writer_ = std::make_unique<RecordWriter>(options.driver, r.path_);
      break;
    case Prepared::Newer:
      r.readOnly_ = true;
      r.reason_ =
          QCoreApplication::translate(
              "Kairo", "記録ファイルは新しい版のプログラムのものです。読むだけにしています：%1")
              .arg(r.path_);
      break;
    case Prepared::Broken:
    case Prepared::Failed:
      r.reason_ = QCoreApplication::translate("Kairo", "記録ファイルを開けません：%1（%2）")
                      .arg(r.path_, error);
      return record;
  }
  r.reader_ = std::make_unique<RecordConnection>(options.driver, r.path_, true);
  return record;
}

Record::~Record() {
  if (current_.hasRow) endProblem(Outcome::Abandoned);
  writer_.reset();
  reader_.reset();
#ifdef Q_OS_UNIX
  if (lockFd_ >= 0) ::close(lockFd_);
#endif
}

bool Record::isOn() const {
  return reader_ && (!writer_ || writer_->failure().isEmpty()) && (writer_ || readOnly_);
}

bool Record::isReadOnly() const {
  return readOnly_;
}

QString Record::offReason() const {
  if (writer_) {
    QString failure = writer_->failure();
    if (!failure.isEmpty()) return failure;
  }
  return reason_;
}

QString Record::path() const {
  return path_;
}

void Record::beginProblem(const QString& course, const QString& code) {
  if (!writer_) return;
  if (current_.hasRow) endProblem(Outcome::Abandoned);
  current_ = {course, code, clock_(), true, false};
}

void Record::setCode(const QString& code) {
  if (current_.active && !current_.hasRow) current_.code = code;
}

void Record::check(const QString& window, bool correct) {
  if (!writer_ || !current_.active) return;
  RecordOp op;
  op.kind = RecordOp::Check;
  op.create = !current_.hasRow;
  if (op.create) {
    op.course = current_.course;
    op.code = current_.code;
    op.started = stamp(current_.started);
    current_.hasRow = true;
  }
  op.at = stamp(clock_());
  op.window = window;
  op.correct = correct;
  writer_->push(std::move(op));
}

void Record::endProblem(Outcome outcome) {
  if (!writer_) return;
  if (current_.hasRow) {
    RecordOp op;
    op.kind = RecordOp::End;
    const QDateTime now = clock_();
    op.outcome = outcomeKey(outcome);
    op.ended = stamp(now);
    op.seconds = current_.started.msecsTo(now) / 1000.0;
    writer_->push(std::move(op));
  }
  current_ = {};
}

void Record::flush() {
  if (writer_) writer_->flush();
}

}  // namespace kairo
