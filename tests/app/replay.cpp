// "コード実行" driven through the windows: what the replay draws, prints, fills in and opens, and
// that a code it turns down leaves everything as it was.
#include <QTest>

#include "app/application.h"
#include "diagram/canvas.h"
#include "diagram/drawing_list.h"
#include "support/driver.h"
#include "support/test_main.h"
#include "ui/code_panel.h"

using kairo::Application;
using kairo::Canvas;
using kairo::ScreenId;
namespace screens = kairo::screens;
using kairo::test::Driver;

namespace {

void replay(Driver& d, const QString& code) {
  d.type(screens::StartF, "passtxt", code);
  d.click(screens::StartF, "Command5");
}

// The drawing screen's "戻る": back to the start screen, the drawing emptied.
void backToStart(Driver& d) {
  d.click(screens::SetForm, "Command1");
}

QStringList panel(Driver& d) {
  QStringList labels;
  for (const char* label : kairo::kCodePanelLabels) labels << d.text(screens::SetForm, label);
  return labels;
}

QStringList chars(const QString& code) {
  QStringList out;
  for (QChar c : code) out << QString(c);
  return out;
}

QStringList drawing(Application& app) {
  return kairo::test::describe(app.canvas().items());
}

// The printed texts with their positions.
QStringList placedTexts(Application& app) {
  QStringList out;
  for (const auto& item : app.canvas().items())
    if (std::holds_alternative<Canvas::Text>(item)) out << kairo::test::describe(item);
  return out;
}

QString at(int x, int y, const QString& text) {
  return kairo::test::describe(Canvas::Text{{double(x), double(y)}, text});
}

// The alternating source is the only circle of the picture (centre 2000, 1550); the direct source
// the only 400-twip plate (y 1500).
bool acSource(Application& app) {
  for (const auto& item : app.canvas().items())
    if (const auto* arc = std::get_if<Canvas::Arc>(&item))
      if (arc->centre == QPointF(2000, 1550) && arc->rx == 140) return true;
  return false;
}
bool dcSource(Application& app) {
  for (const auto& item : app.canvas().items())
    if (const auto* line = std::get_if<Canvas::Line>(&item))
      if (line->from == QPointF(1800, 1500) && line->to == QPointF(2200, 1500)) return true;
  return false;
}
// Element 2 stands at x = 3000; the wires of its neighbours only touch that column at its ends.
bool element2Drawn(Application& app) {
  for (const auto& item : app.canvas().items()) {
    if (const auto* line = std::get_if<Canvas::Line>(&item))
      if (line->from.x() == 3000 && line->to.x() == 3000) return true;
    if (const auto* arc = std::get_if<Canvas::Arc>(&item))
      if (arc->centre.x() > 2900 && arc->centre.x() < 3300) return true;
  }
  return false;
}

// The circuit and bookkeeping fields, for before/after comparisons.
QStringList fields(const kairo::ExerciseState& s) {
  QStringList out{QString::number(s.voltageE), s.unitText, QString::number(s.missCount),
                  QString::number(s.cursorX)};
  for (int k = 1; k <= 3; ++k)
    out << QStringLiteral("%1/%2/%3/%4")
               .arg(s.kind(k))
               .arg(s.resistance(k))
               .arg(s.lcValue(k))
               .arg(s.reactance(k), 0, 'g', 17);
  return out;
}

}  // namespace

class Replay : public QObject {
  Q_OBJECT

 private slots:
  void mixedCircuit() {
    Application app;
    Driver d(app);
    app.start();
    // Leftovers of an earlier attempt on Normali.
    app.state().missCount = 2;
    app.setText(screens::Normali, "txtrr", "12");
    app.setText(screens::Normali, "txtjj", "3");
    app.setText(screens::Normali, "lblA", "正解！！");
    app.setMissLabel(screens::Normali, 2);

    replay(d, "3213a451");
    const auto& s = d.state();
    QCOMPARE(s.voltageE, 30.0);
    QCOMPARE(s.lcValue1, 10);
    QCOMPARE(s.resistance1, 0);
    QCOMPARE(s.reactance1, -10.0);
    QCOMPARE(s.resistance2, 40);
    QCOMPARE(s.reactance2, 0.0);
    QCOMPARE(s.lcValue3, 5);
    QCOMPARE(s.reactance3, 50.0);
    QCOMPARE(QList<int>({s.kind1, s.kind2, s.kind3}), QList<int>({2, 1, 3}));
    QCOMPARE(s.unitText, QString("Ω"));
    QCOMPARE(s.cursorX, 1000);
    QCOMPARE(panel(d), chars("3213a452"));
    QCOMPARE(d.visibleScreens(), QStringList({"Normali", "SetForm"}));
    QCOMPARE(d.text(screens::StartF, "passtxt"), QString("3213a451"));
    // The exercise starts afresh.
    QCOMPARE(s.missCount, 0);
    QCOMPARE(d.text(screens::Normali, "Label6"), QString("0"));
    QCOMPARE(d.text(screens::Normali, "txtrr"), QString());
    QCOMPARE(d.text(screens::Normali, "txtjj"), QString());
    QCOMPARE(d.text(screens::Normali, "lblA"), QString());
    // The source text (written after every character, always the same) and the value texts; the
    // coil's text stands further right.
    QCOMPARE(placedTexts(app),
             QStringList({at(1300, 1450, " 30 V"), at(2430, 650, "Z1: 10 uF"),
                          at(3050, 1200, "Z2: 40 Ω"), at(4350, 1200, "Z3: 5 mH")}));
    QVERIFY(acSource(app));
    QVERIFY(!dcSource(app));
    QVERIFY(element2Drawn(app));
  }

  void resistorCircuit() {
    Application app;
    Driver d(app);
    app.start();
    app.setText(screens::EasyR1, "txtZR", "70");
    app.setText(screens::EasyR1, "lblA", "正解！！");
    app.setMissLabel(screens::EasyR1, 3);
    app.state().missCount = 3;

    // The kinds choose the course: the eighth character "2" still gives a beginner problem.
    replay(d, "a1115562");
    const auto& s = d.state();
    QCOMPARE(s.voltageE, 100.0);
    QCOMPARE(QList<int>({s.resistance1, s.resistance2, s.resistance3}), QList<int>({50, 50, 60}));
    QCOMPARE(QList<double>({s.reactance1, s.reactance2, s.reactance3}), QList<double>({0, 0, 0}));
    QCOMPARE(QList<int>({s.kind1, s.kind2, s.kind3}), QList<int>({1, 1, 1}));
    QCOMPARE(panel(d), chars("a1115561"));
    QCOMPARE(d.visibleScreens(), QStringList({"EasyR1", "SetForm"}));
    QCOMPARE(s.missCount, 0);
    QCOMPARE(d.text(screens::EasyR1, "Label6"), QString("0"));
    QCOMPARE(d.text(screens::EasyR1, "txtZR"), QString());
    QCOMPARE(d.text(screens::EasyR1, "lblA"), QString());
    // The source text, written again after every character, stands once on the canvas.
    QCOMPARE(app.canvas().printedTexts(),
             QStringList({" 100 V", "R1= 50 Ω", "R2= 50 Ω", "R3= 60 Ω"}));
    QVERIFY(dcSource(app));
    QVERIFY(!acSource(app));
  }

  void kindOutsideTheTableKeepsTheElement() {
    Application app;
    Driver d(app);
    app.start();
    replay(d, "a1115562");
    backToStart(d);
    replay(d, "51432511");
    const auto& s = d.state();
    QCOMPARE(s.voltageE, 50.0);
    QCOMPARE(s.resistance1, 20);
    QCOMPARE(s.reactance3, 10.0);
    // Element 2 is still the earlier 50 Ω resistor, in the fields and in the panel.
    QCOMPARE(s.resistance2, 50);
    QCOMPARE(s.kind2, 1);
    QCOMPARE(panel(d), chars("51132512"));
    QVERIFY(!element2Drawn(app));
    QCOMPARE(app.canvas().printedTexts(), QStringList({" 50 V", "Z1: 20 Ω", "Z3: 1 mH"}));
    QVERIFY(acSource(app));
    QCOMPARE(d.visibleScreens(), QStringList({"Normali", "SetForm"}));
  }

  void shortCodeThenFullCode() {
    Application app;
    Driver d(app);
    app.start();
    app.state().missCount = 1;
    replay(d, "3213a45");
    // Everything but the exercise: no class, no source symbol, the start screen still up.
    QCOMPARE(d.visibleScreens(), QStringList({"SetForm", "StartF"}));
    QCOMPARE(d.text(screens::StartF, "passtxt"), QString("3213a45"));
    QCOMPARE(panel(d), QStringList({"3", "2", "1", "3", "a", "4", "5", ""}));
    QCOMPARE(d.state().reactance3, 50.0);
    QCOMPARE(d.state().missCount, 1);
    QVERIFY(!acSource(app) && !dcSource(app));
    QCOMPARE(app.canvas().printedTexts(),
             QStringList({" 30 V", "Z1: 10 uF", "Z2: 40 Ω", "Z3: 5 mH"}));

    replay(d, "3213a451");
    QCOMPARE(d.visibleScreens(), QStringList({"Normali", "SetForm"}));
    QCOMPARE(panel(d), chars("3213a452"));
    // One circuit, not the short code's picture with the full one over it.
    Application fresh;
    Driver f(fresh);
    fresh.start();
    replay(f, "3213a451");
    QCOMPARE(drawing(app), drawing(fresh));
  }

  void emptyCode() {
    Application app;
    Driver d(app);
    app.start();
    replay(d, "");
    QCOMPARE(d.visibleScreens(), QStringList({"SetForm", "StartF"}));
    QVERIFY(app.canvas().items().empty());
    QCOMPARE(panel(d), QStringList(8, QString()));
    QCOMPARE(d.state().voltageE, 0.0);
  }

  void turnedDown_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("code");
    const QString shortCode = "3213a45";
    QTest::newRow("letter kind beside resistor") << shortCode << "51x1";
    QTest::newRow("letter kind, complete") << shortCode << "5x225532";
    QTest::newRow("short with resistor") << shortCode << "51";
    QTest::newRow("capacitor without value") << shortCode << "52";
    QTest::newRow("capacitor of 0") << shortCode << "51211052";
    QTest::newRow("resonant branches") << shortCode << "51235252";
    QTest::newRow("zero impedance") << shortCode << "a323a622";
    // Kind 4 keeps the 10 µF capacitor of the short code, which cancels the 1 mH coil.
    QTest::newRow("kept element resonates") << "51211a"
                                            << "51432511";
  }
  void turnedDown() {
    QFETCH(QString, before);
    QFETCH(QString, code);

    // Nothing opened yet: not even the drawing screen comes up (the last row is a good code on
    // an empty state).
    if (QByteArray(QTest::currentDataTag()) != "kept element resonates") {
      Application app;
      Driver d(app);
      app.start();
      const QStringList state = fields(app.state());
      replay(d, code);
      QVERIFY(!d.created(screens::SetForm));
      QCOMPARE(d.visibleScreens(), QStringList{"StartF"});
      QCOMPARE(fields(app.state()), state);
    }

    // After a short code: its drawing, panel and fields stay as they are.
    Application app;
    Driver d(app);
    app.start();
    replay(d, before);
    const QStringList state = fields(app.state());
    const QStringList shown = panel(d);
    const QStringList picture = drawing(app);
    const QStringList screens = d.visibleScreens();
    replay(d, code);
    QCOMPARE(fields(app.state()), state);
    QCOMPARE(panel(d), shown);
    QCOMPARE(drawing(app), picture);
    QCOMPARE(d.visibleScreens(), screens);
    QCOMPARE(d.text(screens::StartF, "passtxt"), code);
    // The start screen still works: a good code goes through.
    replay(d, "a1115561");
    QCOMPARE(d.visibleScreens(), QStringList({"EasyR1", "SetForm"}));
  }

  void generatedProblemsReplay_data() {
    QTest::addColumn<bool>("beginner");
    QTest::newRow("EASY") << true;
    QTest::newRow("NORMAL") << false;
  }
  void generatedProblemsReplay() {
    QFETCH(bool, beginner);
    Application app;
    Driver d(app);
    app.start();
    const ScreenId exercise = beginner ? screens::EasyR1 : screens::Normali;
    for (int round = 0; round < 12; ++round) {
      d.click(screens::StartF, beginner ? "Command3" : "Command2");
      d.click(exercise, "cmdSuuti");
      const QString code = panel(d).join(QString());
      QCOMPARE(code.size(), 8);
      const kairo::ExerciseState generated = app.state();
      QStringList generatedTexts = app.canvas().printedTexts();
      generatedTexts.removeDuplicates();
      generatedTexts.sort();
      backToStart(d);

      replay(d, code);
      const auto& s = app.state();
      QCOMPARE(s.voltageE, generated.voltageE);
      for (int k = 1; k <= 3; ++k) {
        QCOMPARE(s.resistance(k), generated.resistance(k));
        QCOMPARE(s.reactance(k), generated.reactance(k));
        if (generated.resistance(k) == 0) QCOMPARE(s.lcValue(k), generated.lcValue(k));
      }
      QCOMPARE(panel(d).join(QString()), code);
      const bool resistors = code.mid(1, 3) == "111";
      QVERIFY(d.visible(resistors ? screens::EasyR1 : screens::Normali));
      // The same value texts (an all-resistor problem of the alternating course is replayed as a
      // beginner problem, with R names).
      if (beginner || !resistors) {
        QStringList texts = app.canvas().printedTexts();
        texts.removeDuplicates();
        texts.sort();
        QCOMPARE(texts, generatedTexts);
      }
      backToStart(d);
    }
  }
};

KAIRO_TEST_CASE(Replay)
#include "replay.moc"
