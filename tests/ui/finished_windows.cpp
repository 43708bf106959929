// Every window looks finished, in Japanese and in English: one size per kind of label, rows that
// line up with their answer boxes, formulas in one piece, nothing past a window's edge and no
// maximise button on a window that cannot grow.
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTranslator>
#include <map>

#include "app/application.h"
#include "app/language.h"
#include "support/driver.h"
#include "support/test_main.h"
#include "ui/form.h"

using namespace kairo;

namespace {

// The windows are built in the language of the row (Japanese: no translator).
class InLanguage {
 public:
  explicit InLanguage(const QString& code) : translator_(installTranslation(*languageOf(code))) {}
  ~InLanguage() {
    if (!translator_) return;
    QCoreApplication::removeTranslator(translator_);
    delete translator_;
  }

 private:
  QTranslator* translator_;
};

void languageRows() {
  QTest::addColumn<QString>("language");
  for (const QString& code : languageCodes()) QTest::newRow(qPrintable(code)) << code;
}

QList<ScreenId> allScreens() {
  Application app;
  const auto& all = app.screens().all();
  return QList<ScreenId>(all.begin(), all.end());
}

// The lowest row of dark ink in `widget` as rendered, `inset` pixels clear of its edges (a box's
// frame): the baseline of a text without descenders.
int lowestInk(QWidget* widget, int inset) {
  QImage image(widget->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  widget->render(&image, {}, {}, QWidget::DrawChildren);
  for (int y = image.height() - 1 - inset; y >= inset; --y)
    for (int x = inset; x < image.width() - inset; ++x)
      if (qGray(image.pixel(x, y)) < 100) return y;
  return -1;
}

}  // namespace

class FinishedWindows : public QObject {
  Q_OBJECT

 private slots:
  // One size for the questions, one for the labels of the answer rows, one for the miss-count
  // caption; each drawn at that size (never shrunk); every control inside its window; in each
  // language.
  void oneSizePerRole_data() { languageRows(); }
  void oneSizePerRole() {
    QFETCH(QString, language);
    const InLanguage in(language);
    Application app;
    std::map<QString, QSet<double>> sizes;
    QStringList problems;
    for (ScreenId id : allScreens()) {
      QWidget* form = app.screens().form(id);
      const QList<QLineEdit*> boxes = form->findChildren<QLineEdit*>();
      for (QWidget* child : form->findChildren<QWidget*>()) {
        const QString name = ScreenRegistry::name(id) + '.' + child->objectName();
        // A window laid out by Qt's layouts keeps its widgets inside; the tables place the others.
        if (!form->layout() && !child->parentWidget()->rect().contains(child->geometry()))
          problems << name;
        auto* label = qobject_cast<FitLabel*>(child);
        if (!label || label->text().isEmpty()) continue;
        QString role;
        if (label->objectName() == "Label9" || label->objectName() == "Label1111")
          role = "question";
        else if (label->text() == QCoreApplication::translate("Kairo", "ミスした回数"))
          role = "miss caption";
        for (QLineEdit* box : boxes)
          if (box->parentWidget() == label->parentWidget() && box->y() == label->y())
            role = "answer row";
        // A translation is written to fit: none of its labels is drawn smaller.
        const bool shrunk = label->shownPointSize() != label->font().pointSizeF();
        if (shrunk && language != u"ja") problems << name + " shrunk";
        if (role.isEmpty()) continue;
        sizes[role] << label->font().pointSizeF();
        if (shrunk) problems << name + " shrunk";
      }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
    QCOMPARE(int(sizes.size()), 3);
    for (const auto& [role, points] : sizes) QVERIFY2(points.size() == 1, qPrintable(role));
  }

  // The labels of an answer row stand on the baseline of the text typed into its boxes.
  void rowsShareTheBoxesBaseline_data() {
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("box");
    QTest::newRow("Normali2 A1=") << screens::Normali2 << "Label21"
                                  << "txtrr";
    QTest::newRow("NormalAA I1=") << screens::NormalAA << "Label21"
                                  << "txtArr1";
    QTest::newRow("EasyR1 R=") << screens::EasyR1 << "Label11"
                               << "txtZR";
  }
  void rowsShareTheBoxesBaseline() {
    QFETCH(ScreenId, screen);
    QFETCH(QString, label);
    QFETCH(QString, box);
    Application app;
    QWidget* form = app.screens().form(screen);
    auto* text = form->findChild<QWidget*>(label);
    auto* edit = form->findChild<QLineEdit*>(box);
    edit->setText("11");
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const int labelBaseline = text->y() + lowestInk(text, 0);
    const int boxBaseline = edit->y() + lowestInk(edit, 3);
    QVERIFY2(std::abs(labelBaseline - boxBaseline) <= 1,
             qPrintable(QString("%1 vs %2").arg(labelBaseline).arg(boxBaseline)));
  }

  // "ω=１０＾4rad/s" stays on one line wherever a question states it; only the drawing screen and
  // the worked solution and the record may be maximised.
  void formulasWholeAndNoMaximise_data() { languageRows(); }
  void formulasWholeAndNoMaximise() {
    QFETCH(QString, language);
    const InLanguage in(language);
    Application app;
    int formulas = 0;
    for (ScreenId id : allScreens()) {
      QWidget* form = app.screens().form(id);
      for (auto* label : form->findChildren<FitLabel*>()) {
        for (const QString& line : label->shownLines())
          if (line.contains(u'ω')) {
            ++formulas;
            QVERIFY2(line.contains("rad/s"), qPrintable(line));
          }
      }
      const bool resizable =
          id == screens::SetForm || id == screens::Tokikata || id == screens::Kiroku;
      QCOMPARE(bool(form->windowFlags() & Qt::WindowMaximizeButtonHint), resizable);
    }
    QCOMPARE(formulas, 7 + 10);  // the intermediate and the advanced course's questions
  }
};

KAIRO_TEST_CASE(FinishedWindows)
#include "finished_windows.moc"
