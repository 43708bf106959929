#pragma once

// The record's connections and its writer thread, apart from the API of record.h.

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace kairo {

// One named QSqlDatabase connection, removed again when it goes; used only on the thread that
// made it. busy_timeout lets a second program wait for a write lock instead of failing.
class RecordConnection {
 public:
  RecordConnection(const QString& driver, const QString& file, bool readOnly);
  ~RecordConnection();
  RecordConnection(const RecordConnection&) = delete;
  RecordConnection& operator=(const RecordConnection&) = delete;

  bool isOpen() const { return open_; }
  QString name() const { return name_; }
  QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }
  // Runs one statement; the first column of its first row, or an invalid QVariant (and *error)
  // when it fails.
  QVariant value(const QString& sql, const QVariantList& bound = {}, QString* error = nullptr);
  bool exec(const QString& sql, const QVariantList& bound = {}, QString* error = nullptr);
  QVariant lastInsertId() const { return lastInsertId_; }
  // SQLite's own code of the last failure ("26": not a database, "11": malformed).
  QString lastErrorCode() const { return lastErrorCode_; }
  // A write of its own: BEGIN IMMEDIATE, the statements, COMMIT; rolled back when one fails.
  bool transaction(const std::function<bool()>& writes, QString* error);

 private:
  QString name_;
  bool open_ = false;
  QVariant lastInsertId_;
  QString lastErrorCode_;
};

struct RecordOp {
  enum Kind { Check, End } kind = Check;
  // Check: the problem's row comes with its first check, in the same transaction.
  bool create = false;
  QString course, code, started;
  QString at, window;
  bool correct = false;
  // End
  QString outcome, ended;
  double seconds = 0;
};

// Commits the queued writes in order on a thread of its own. A write that fails (a full disk)
// turns it off: later writes are dropped, and failure() says why.
class RecordWriter {
 public:
  RecordWriter(const QString& driver, const QString& file);
  ~RecordWriter();  // finishes the queue
  void push(RecordOp op);
  void flush();
  QString failure() const;

 private:
  void run(QString driver, QString file);
  bool apply(RecordConnection& db, const RecordOp& op, QString* error);

  mutable std::mutex mutex_;
  std::condition_variable wake_, idle_;
  std::deque<RecordOp> queue_;
  bool stopping_ = false;
  bool busy_ = false;
  QString failure_;
  qint64 problemId_ = -1;
  std::thread thread_;
};

}  // namespace kairo
