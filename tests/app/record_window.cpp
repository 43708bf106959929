// The learning record as the program keeps it: what the courses write into it, the 記録 window
// reading it back, its missed problems replayed, and the drill unharmed when the record is off.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cmath>

#include "courses/advanced/windows.h"
#include "record/record.h"
#include "support/driver.h"
#include "support/test_main.h"
#include "support/worked.h"
#include "ui/code_panel.h"

using namespace kairo;
using namespace kairo::test;
using namespace kairo::screens;

namespace {

QString two(double x) {
  return QString::number(std::round(x * 100) / 100, 'f', 2);
}

struct Program {
  explicit Program(std::unique_ptr<Record> record) : app(std::move(record)) { app.start(); }
  void replay(const QString& code) {
    d.type(StartF, "passtxt", code);
    d.click(StartF, "Command5");
  }
  void miss(ScreenId id, int times = 1) {
    for (int k = 0; k < times; ++k) d.click(id, app.checkOf(id)->button);
  }
  // NORMAL passed first time on the code.
  void passNormal(const QString& code) {
    const Worked w(code);
    replay(code);
    d.type(Normali, "txtrr", two(w.z.real()));
    d.type(Normali, "txtjj", two(w.z.imag()));
    d.click(Normali, "cmdkaitou");
    d.click(NormaliSeikai, "Command1");
    const Cx currents[] = {w.i1, w.i2, w.i3};
    for (int k = 0; k < 3; ++k) {
      d.type(NormalAA, qPrintable(QStringLiteral("txtArr%1").arg(k + 1)), two(currents[k].real()));
      d.type(NormalAA, qPrintable(QStringLiteral("txtAjj%1").arg(k + 1)), two(currents[k].imag()));
    }
    d.click(NormalAA, "cmdkaitou");
    QVERIFY(d.visible(NormalAASeikai));
    d.click(NormalAASeikai, "Command1");
  }
  // HARD failed: three misses, the retry, three more and the end window.
  void failHard(const QString& code) {
    replay(code);
    miss(Hardi, 3);
    d.click(HardiFuseikai2, "Command1");
    miss(Hardi2, 3);
    QVERIFY(d.visible(HardEND));
    d.click(HardEND, "Command1");
  }
  QStringList row(const char* table, int row) {
    auto* view = d.control<QTableWidget>(Kiroku, table);
    QStringList cells;
    for (int column = 0; column < view->columnCount(); ++column)
      cells << (view->item(row, column) ? view->item(row, column)->text() : QString());
    return cells;
  }
  QStringList missed() {
    auto* list = d.control<QTreeWidget>(Kiroku, "lstMissed");
    QStringList rows;
    for (int k = 0; k < list->topLevelItemCount(); ++k) {
      const QTreeWidgetItem* item = list->topLevelItem(k);
      rows << item->text(1) + " " + item->text(2) + " " + item->text(3);
    }
    return rows;
  }

  Application app;
  Driver d{app};
};

// Voltage, kinds, the value of each element and its reactance: what a code must give back.
QList<double> circuit(const ExerciseState& s) {
  QList<double> values{s.voltageE};
  for (int k = 1; k <= 3; ++k) {
    const int kind = s.elementKind(k);
    values << kind << (kind == 1 ? s.resistance(k) : s.lcValue(k)) << s.reactance(k);
  }
  return values;
}

std::unique_ptr<Record> recordIn(const QTemporaryDir& dir) {
  return Record::open(dir.path());
}

}  // namespace

class RecordWindow : public QObject {
  Q_OBJECT

 private slots:
  // A NORMAL problem passed, a HARD one failed and an EASY one left after a miss: the window
  // counts them, lists the failed and the abandoned one, and "もう一度" poses the HARD one again.
  void threeCoursesInTheWindow() {
    QTemporaryDir dir;
    Program p(recordIn(dir));
    p.passNormal("a1235472");
    p.failHard("a1235473");
    p.replay("51115361");
    p.miss(EasyR1);
    p.d.click(SetForm, "Command1");  // back to the start screen, the problem unfinished

    p.d.click(StartF, "cmdRecord");
    QVERIFY(p.d.visible(Kiroku));
    QVERIFY(!p.d.text(Kiroku, "lblRecordState").contains("止まって"));
    QCOMPARE(p.row("tblSummary", 0),
             QStringList({"初級", "1", "0（0%）", "0（0%）", "0（0%）", "1（100%）"}));
    QCOMPARE(p.row("tblSummary", 1),
             QStringList({"中級", "1", "1（100%）", "0（0%）", "0（0%）", "0（0%）"}));
    QCOMPARE(p.row("tblSummary", 2),
             QStringList({"上級", "1", "0（0%）", "0（0%）", "1（100%）", "0（0%）"}));
    QCOMPARE(p.missed(), QStringList({"初級 51115361 中断", "上級 a1235473 不合格"}));
    // Six checks of one question, all wrong, are a weak spot; the others have too few checks.
    QCOMPARE(p.row("tblWeak", 0), QStringList({"上級", "問題１", "6", "100%"}));
    QCOMPARE(p.d.control<QTableWidget>(Kiroku, "tblWeak")->rowCount(), 1);

    auto* list = p.d.control<QTreeWidget>(Kiroku, "lstMissed");
    list->setCurrentItem(list->topLevelItem(1));
    p.d.click(Kiroku, "cmdReplayMissed");
    QCOMPARE(p.d.visibleScreens(), QStringList({"Hardi", "SetForm"}));
    QCOMPARE(shownCircuitCode(p.app), "a1235473");
  }

  // Every problem the courses pose is stored with a code that replays to the same circuit.
  void storedCodesReplayTheCircuit() {
    QTemporaryDir dir;
    struct Posed {
      QString course;
      ExerciseState state;
    };
    QList<Posed> posed;
    {
      Program p(recordIn(dir));
      for (const CourseDefinition* course : p.app.courses()) {
        p.d.click(StartF, course->startButton);
        for (int k = 0; k < 4; ++k) {
          p.d.click(course->firstExercise, "cmdSuuti");
          p.miss(course->firstExercise);
          posed.append({QString::fromUtf8(course->key), p.app.state()});
        }
        p.d.click(SetForm, "Command1");
      }
    }
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "replayed");
    db.setDatabaseName(QDir(dir.path()).filePath("record.sqlite"));
    QVERIFY(db.open());
    QSqlQuery q(db);
    QVERIFY(q.exec("SELECT course, code, outcome FROM problems ORDER BY id"));
    for (const Posed& expected : posed) {
      QVERIFY(q.next());
      QCOMPARE(q.value(0).toString(), expected.course);
      QCOMPARE(q.value(2).toString(), "abandoned");
      Program again(Record::off("test"));
      again.replay(q.value(1).toString());
      QCOMPARE(circuit(again.app.state()), circuit(expected.state));
    }
    QVERIFY(!q.next());
    q = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("replayed");
  }

  // A record that cannot be kept leaves a whole course working, and the window says why.
  void offRecordLeavesTheDrillWorking_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("driver");
    QTest::newRow("folder under a file") << "file/record"
                                         << "QSQLITE";
    QTest::newRow("no driver") << "ok"
                               << "QNOSUCHDRIVER";
  }
  void offRecordLeavesTheDrillWorking() {
    QFETCH(QString, folder);
    QFETCH(QString, driver);
    QTemporaryDir dir;
    QFile file(QDir(dir.path()).filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    Record::Options options;
    options.driver = driver;
    Program p(Record::open(QDir(dir.path()).filePath(folder), options));
    p.passNormal("a1235472");
    QCOMPARE(p.d.visibleScreens(), QStringList({"StartF"}));
    p.d.click(StartF, "cmdRecord");
    QVERIFY(p.d.text(Kiroku, "lblRecordState").startsWith("記録は止まっています："));
    QVERIFY(p.missed().isEmpty());
    QVERIFY(!p.d.control<QAbstractButton>(Kiroku, "cmdExport")->isEnabled());
  }

  // "CSV に書き出す" asks for a file without stopping the program and writes the problems to it.
  void exportWritesTheChosenFile() {
    QTemporaryDir dir;
    Program p(recordIn(dir));
    p.failHard("a1235473");
    p.d.click(StartF, "cmdRecord");
    p.d.click(Kiroku, "cmdExport");
    QFileDialog* dialog = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == "dlgExport" && top->isVisible())
        dialog = qobject_cast<QFileDialog*>(top);
    QVERIFY(dialog);
    // The drill goes on while the dialog is open.
    QVERIFY(p.d.control<QWidget>(Kiroku, "cmdClose")->isEnabled());
    const QString file = QDir(dir.path()).filePath("out.csv");
    dialog->selectFile(file);
    static_cast<QDialog*>(dialog)->accept();
    QFile csv(file);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.size(), 3);  // header, one problem, the final line end
    QVERIFY(lines[1].contains(",hard,a1235473,failed,6,"));
    QVERIFY(p.d.text(Kiroku, "lblExported").contains("out.csv"));
  }
};

KAIRO_TEST_CASE(RecordWindow)
#include "record_window.moc"
