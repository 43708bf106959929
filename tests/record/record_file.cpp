// The record's file under trouble: killed writers, two writers, files that are not a record,
// places it cannot write to, a file from a newer program.

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "record/record.h"
#include "record/writer.h"
#include "support/test_main.h"

using kairo::Record;

namespace {

QVariant scalar(const QString& folder, const QString& sql) {
  kairo::RecordConnection db(QStringLiteral("QSQLITE"), folder + "/record.sqlite", false);
  return db.value(sql);
}

QByteArray readAll(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void recordOne(Record& record, const QString& code) {
  record.beginProblem(QStringLiteral("easy"), code);
  record.check(QStringLiteral("w1"), true);
  record.endProblem(Record::Outcome::Passed);
}

int passedOn(Record& record) {
  return record.summary().value(0).passedFirstTime;
}

}  // namespace

class RecordFile : public QObject {
  Q_OBJECT

 private slots:
  void killedWriterLosesNoCommittedRow() {
    QTemporaryDir dir;
    QStringList lastCodes;
    QMap<QString, int> checks;
    QSet<QString> ended;
    for (int round = 0; round < 5; ++round) {
      QProcess writer;
      writer.start(QStringLiteral(KAIRO_RECORD_WRITER),
                   {dir.path(), QStringLiteral("K%1").arg(round), QStringLiteral("100000")});
      QVERIFY(writer.waitForStarted());
      const int stopAfter = QRandomGenerator::global()->bounded(1, 40);
      QString code;
      for (int lines = 0; lines < stopAfter;) {
        if (!writer.canReadLine()) QVERIFY(writer.waitForReadyRead(10000));
        while (writer.canReadLine() && lines < stopAfter) {
          const QStringList line = QString::fromLatin1(writer.readLine()).split(' ');
          code = line.value(1).trimmed();
          if (line[0] == "C") checks[code] = line[2].trimmed().toInt();
          if (line[0] == "E") ended.insert(code);
          ++lines;
        }
      }
      writer.kill();  // SIGKILL, in the middle of whatever it was writing
      QVERIFY(writer.waitForFinished());
      lastCodes << code;
    }
    auto record = Record::open(dir.path());  // closes the killed writers' open problems
    record.reset();
    QCOMPARE(scalar(dir.path(), "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    QCOMPARE(scalar(dir.path(), "SELECT count(*) FROM problems WHERE outcome IS NULL").toInt(), 0);
    for (auto [code, n] : checks.asKeyValueRange()) {
      const QString where = QStringLiteral(" FROM problems WHERE code = '%1'").arg(code);
      QVERIFY2(scalar(dir.path(),
                      "SELECT count(*) FROM checks WHERE problem_id = (SELECT id" + where + ")")
                       .toInt() >= n,
               qPrintable(code));
      const QString outcome = scalar(dir.path(), "SELECT outcome" + where).toString();
      if (ended.contains(code))
        QCOMPARE(outcome, QStringLiteral("helped"));
      else if (outcome != "helped")
        QVERIFY2(outcome == "abandoned" && lastCodes.contains(code), qPrintable(code));
    }
  }

  void checkCostsTheClickNoWrite() {
    QTemporaryDir dir;
    auto record = Record::open(dir.path());
    record->beginProblem(QStringLiteral("easy"), QStringLiteral("FAST0001"));
    std::vector<qint64> nanoseconds;
    for (int i = 0; i < 500; ++i) {
      QElapsedTimer timer;
      timer.start();
      record->check(QStringLiteral("w1"), i % 2);
      nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    QVERIFY2(nanoseconds[nanoseconds.size() * 99 / 100] < 1000000,
             qPrintable(QString::number(nanoseconds[nanoseconds.size() * 99 / 100])));
    record->flush();
    QCOMPARE(scalar(dir.path(), "SELECT misses FROM problems").toInt(), 250);
  }

  void twoWritersAtOnceLoseNothing() {
    QTemporaryDir dir;
    QProcess a, b;
    for (QProcess* p : {&a, &b})
      p->start(QStringLiteral(KAIRO_RECORD_WRITER),
               {dir.path(), p == &a ? QStringLiteral("A") : QStringLiteral("B"), "40"});
    for (QProcess* p : {&a, &b}) {
      QVERIFY(p->waitForFinished(60000));
      QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
    }
    QCOMPARE(scalar(dir.path(),
                    "SELECT count(*) FROM problems WHERE outcome = 'helped' "
                    "AND misses = 1")
                 .toInt(),
             80);
    QCOMPARE(scalar(dir.path(), "SELECT count(*) FROM checks").toInt(), 160);
  }

  void fileThatIsNoRecordIsSetAside_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("another program's database") << "foreign";
  }
  void fileThatIsNoRecordIsSetAside() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString file = dir.filePath("record.sqlite");
    if (kind == "garbage") {
      QFile f(file);
      QVERIFY(f.open(QIODevice::WriteOnly));
      for (int i = 0; i < 1000; ++i)
        f.write(QByteArray::number(QRandomGenerator::global()->generate64()));
    } else if (kind == "truncated") {
      auto record = Record::open(dir.path());
      for (int i = 0; i < 300; ++i) recordOne(*record, QStringLiteral("T%1").arg(i));
      record.reset();
      QVERIFY(QFile::resize(file, QFileInfo(file).size() / 2));
    } else {
      scalar(dir.path(), "CREATE TABLE other (x)");
    }
    QFile(file + "-wal").open(QIODevice::WriteOnly);  // leftovers go aside with it
    const QByteArray before = readAll(file);
    // A name already taken by an earlier broken file gets a counter.
    const QDateTime now(QDate(2026, 12, 10), QTime(12, 0));
    QFile(file + ".broken-20261210-120000").open(QIODevice::WriteOnly);
    auto record = Record::open(dir.path(), {[&] { return now; }});
    QVERIFY2(record->isOn(), qPrintable(record->offReason()));
    QCOMPARE(readAll(file + ".broken-20261210-120000-2"), before);
    QVERIFY(QFileInfo::exists(file + ".broken-20261210-120000-2-wal"));
    recordOne(*record, "FRESH001");
    QCOMPARE(passedOn(*record), 1);
  }

  void recordThatCannotWorkIsOffAndHarmless_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("driver");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no driver") << ""
                               << "QNOSUCHSQL"
                               << "ドライバー";
    QTest::newRow("folder inside a file") << "file/sub"
                                          << "QSQLITE"
                                          << "書き込めません";
    QTest::newRow("turned off") << ""
                                << ""
                                << "--no-record";
  }
  void recordThatCannotWorkIsOffAndHarmless() {
    QFETCH(QString, folder);
    QFETCH(QString, driver);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
    auto record =
        driver.isEmpty() ? Record::off(reason) : Record::open(dir.filePath(folder), {{}, driver});
    QVERIFY(!record->isOn());
    QVERIFY2(record->offReason().contains(reason), qPrintable(record->offReason()));
    recordOne(*record, "OFF00001");
    record->flush();
    QCOMPARE(passedOn(*record), 0);
    QVERIFY(record->missed().isEmpty() && record->weakSpots(0).isEmpty());
    QString error;
    QVERIFY(!record->exportCsv(dir.filePath("out.csv"), &error));
    QVERIFY(!error.isEmpty());
  }

  void newerFileOpensReadOnly() {
    QTemporaryDir dir;
    recordOne(*Record::open(dir.path()), "OLD00001");
    scalar(dir.path(), "PRAGMA user_version = 99");
    auto record = Record::open(dir.path());
    QVERIFY(record->isOn() && record->isReadOnly());
    recordOne(*record, "NEW00001");
    record->flush();
    QCOMPARE(passedOn(*record), 1);
    QCOMPARE(scalar(dir.path(), "SELECT count(*) FROM problems").toInt(), 1);
  }
};

KAIRO_TEST_CASE(RecordFile)
#include "record_file.moc"
