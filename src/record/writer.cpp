#include "record/writer.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace kairo {

namespace {
QString nextConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("kairo-record-%1").arg(counter.fetch_add(1));
}
}  // namespace

RecordConnection::RecordConnection(const QString& driver, const QString& file, bool readOnly)
    : name_(nextConnectionName()) {
  QSqlDatabase db = QSqlDatabase::addDatabase(driver, name_);
  db.setDatabaseName(file);
  // SQLite waits this long for another program's write lock before it gives up.
  QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000");
  if (readOnly) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
  db.setConnectOptions(options);
  open_ = db.open();
}

RecordConnection::~RecordConnection() {
  {
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.isValid()) db.close();
  }
  QSqlDatabase::removeDatabase(name_);
}

QVariant RecordConnection::value(const QString& sql, const QVariantList& bound, QString* error) {
  QSqlQuery query(db());
  bool ok = query.prepare(sql);
  for (const QVariant& v : bound) query.addBindValue(v);
  ok = ok && query.exec();
  if (!ok) {
    if (error) *error = query.lastError().text();
    lastErrorCode_ = query.lastError().nativeErrorCode();
    return {};
  }
  lastInsertId_ = query.lastInsertId();
  if (!query.next()) return QVariant(QString());
  return query.value(0);
}

bool RecordConnection::exec(const QString& sql, const QVariantList& bound, QString* error) {
  return value(sql, bound, error).isValid();
}

bool RecordConnection::transaction(const std::function<bool()>& writes, QString* error) {
  if (!exec(QStringLiteral("BEGIN IMMEDIATE"), {}, error)) return false;
  if (writes() && exec(QStringLiteral("COMMIT"), {}, error)) return true;
  QString ignored;
  exec(QStringLiteral("ROLLBACK"), {}, &ignored);
  return false;
}

RecordWriter::RecordWriter(const QString& driver, const QString& file)
    : thread_([this, driver, file] { run(driver, file); }) {}

RecordWriter::~RecordWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void RecordWriter::push(RecordOp op) {
  {
    std::lock_guard lock(mutex_);
    if (!failure_.isEmpty()) return;
    queue_.push_back(std::move(op));
  }
  wake_.notify_one();
}

void RecordWriter::flush() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

QString RecordWriter::failure() const {
  std::lock_guard lock(mutex_);
  return failure_;
}

void RecordWriter::run(QString driver, QString file) {
  RecordConnection db(driver, file, false);
  QString error;
  bool ready = db.isOpen() && db.exec(QStringLiteral("PRAGMA synchronous=FULL"), {}, &error) &&
               db.exec(QStringLiteral("PRAGMA foreign_keys=ON"), {}, &error);
  if (!ready) {
    std::lock_guard lock(mutex_);
    failure_ = QCoreApplication::translate("Kairo", "記録ファイルを開けません：%1（%2）")
                   .arg(file, error.isEmpty() ? db.db().lastError().text() : error);
  }
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) break;
    RecordOp op = std::move(queue_.front());
    queue_.pop_front();
    if (failure_.isEmpty()) {
      busy_ = true;
      lock.unlock();
      error.clear();
      bool ok = apply(db, op, &error);
      lock.lock();
      busy_ = false;
      if (!ok) {
        failure_ = QCoreApplication::translate("Kairo", "記録を保存できませんでした：%1（%2）")
                       .arg(file, error);
        queue_.clear();
      }
    }
    if (queue_.empty()) idle_.notify_all();
  }
  idle_.notify_all();
}

bool RecordWriter::apply(RecordConnection& db, const RecordOp& op, QString* error) {
  switch (op.kind) {
    case RecordOp::Check:
      return db.transaction(
          [&] {
            if (op.create) {
              if (!db.exec(QStringLiteral("INSERT INTO problems (started_at, course, code, misses)"
                                          " VALUES (?, ?, ?, 0)"),
                           {op.started, op.course, op.code}, error))
                return false;
              problemId_ = db.lastInsertId().toLongLong();
            }
            if (problemId_ < 0) return true;
            return db.exec(QStringLiteral("INSERT INTO checks (problem_id, at, window, correct)"
                                          " VALUES (?, ?, ?, ?)"),
                           {problemId_, op.at, op.window, op.correct ? 1 : 0}, error) &&
                   (op.correct ||
                    db.exec(QStringLiteral("UPDATE problems SET misses = misses + 1 WHERE id = ?"),
                            {problemId_}, error));
          },
          error);
    case RecordOp::End: {
      if (problemId_ < 0) return true;
      qint64 id = problemId_;
      problemId_ = -1;
      // Only an open row: one that another program closed as abandoned stays as it reads.
      return db.transaction(
          [&] {
            return db.exec(QStringLiteral("UPDATE problems SET outcome = ?, ended_at = ?, "
                                          "seconds = ? WHERE id = ? AND outcome IS NULL"),
                           {op.outcome, op.ended, op.seconds, id}, error);
          },
          error);
    }
  }
  return true;
}

}  // namespace kairo
