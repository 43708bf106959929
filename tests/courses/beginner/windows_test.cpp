// Every beginner window laid out legibly. With KAIRO_SHOTS_DIR set, the windows and the review
// drawings are saved as pictures to look at.
#include <QDir>
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "courses/beginner/beginner.h"
#include "courses/beginner/course_expect.h"
#include "support/test_main.h"
#include "ui/form.h"

using namespace kairo;
using namespace kairo::test::easy;
using namespace kairo::screens;

namespace {

void save(QWidget* window, const QString& name) {
  const QString dir = qEnvironmentVariable("KAIRO_SHOTS_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  QVERIFY(window->grab().save(dir + "/" + name + ".png"));
}

// Labels shrink a text that does not fit, down to 6.5 pt (the Japanese fallback font's line is
// taller than the one the screens were laid out for). A text whose lines do not fit even then
// (the last line's descent below the glyphs aside) would be cut off.
bool fitsWhenShrunk(const QLabel* label) {
  const QRect area = label->contentsRect();
  QFont font = label->font();
  font.setPointSizeF(std::min(font.pointSizeF(), 6.5));
  const QFontMetrics metrics(font);
  const QRect needed =
      metrics.boundingRect(area, int(label->alignment()) | Qt::TextWordWrap, label->text());
  return needed.height() - metrics.descent() <= area.height() && needed.width() <= area.width();
}

}  // namespace

class BeginnerWindows : public QObject {
  Q_OBJECT

 private slots:
  void everyTextFits_data() {
    QTest::addColumn<ScreenId>("screen");
    for (ScreenId id : beginner::course().windows)
      QTest::newRow(qPrintable(ScreenRegistry::name(id))) << id;
  }

  // Every text whole, with the answer labels filled as in use; every control inside its window.
  void everyTextFits() {
    QFETCH(ScreenId, screen);
    Application app;
    QWidget* form = app.screens().form(screen);
    const std::pair<const char*, const char*> kInUse[] = {
        {"Label6", "3"},        {"lblA", "正解！！"},  {"lblZR", "105.56"},
        {"LabelArr1", "10.71"}, {"LabelArr2", "0.24"}, {"LabelArr3", "0.48"}};
    for (const auto& [name, text] : kInUse)
      if (auto* label = form->findChild<QLabel*>(name); label && label->text().isEmpty())
        label->setText(text);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    save(form, ScreenRegistry::name(screen));
    for (QWidget* child : form->findChildren<QWidget*>()) {
      const QRect inWindow(child->mapTo(form, QPoint(0, 0)), child->size());
      QVERIFY2(form->rect().contains(inWindow), qPrintable(child->objectName()));
      if (auto* label = qobject_cast<QLabel*>(child); label && !label->text().isEmpty())
        QVERIFY2(fitsWhenShrunk(label), qPrintable(label->objectName()));
    }
  }

  // The texts whose blanks and full-width characters belong to the screen.
  void exactTexts() {
    Application app;
    EasyCourse d(app);
    QCOMPARE(d.form(EasyRHei)->windowTitle(), "問題１a ");
    QCOMPARE(d.form(EasyA3)->windowTitle(), "問題２b");
    QCOMPARE(d.text(EasyA3, "Frame2"), "問題２ｂ");
    QCOMPARE(d.text(EasyAHei, "Label1111"),
             "I1の電流の答えは正解です。" + QString(10, QChar(0x3000)) +
                 "それでは、 並列接続では電流はどのように分配されるでしょうか？I2、I3に流れる"
                 "電流を小数点以下２桁までで答えなさい。得られた数値は下の空白に入力して下さい。");
  }

  // The drawing screen as the generator and each review leave it.
  void reviewDrawings() {
    for (const char* review : {"parallel-part", "current-split", "total-current"}) {
      Application app;
      EasyCourse d(app);
      d.begin({10, 20, 70, 30});
      save(d.form(SetForm), "SetForm-start");
      if (review[0] == 'p') {
        for (int miss = 0; miss < 3; ++miss) d.resistance(EasyR1, "1");
        d.click(EasyRFuseikai2, "Command2");
        save(d.form(SetForm), "SetForm-parallel-part");
        continue;
      }
      d.resistance(EasyR1, "25.56");
      d.click(EasyRSeikai, "Command1");
      save(d.form(SetForm), "SetForm-arrows");
      const bool split = review[0] == 'c';
      for (int miss = 0; miss < 3; ++miss) d.currents(EasyA, split ? "1.17" : "1", "1", "1");
      d.click(split ? EasyAFuseikai2 : EasyAFuseikai3, "Command2");
      save(d.form(SetForm), QString("SetForm-") + review);
    }
  }
};

KAIRO_TEST_CASE(BeginnerWindows)
#include "windows_test.moc"
