#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

#include "ac_support.h"
#include "courses/intermediate/intermediate.h"
#include "support/test_main.h"

using namespace kairo;
using namespace kairo::test;

namespace {

// The windows of the course, in the order of the screen list.
QList<ScreenId> courseWindows() {
  const auto windows = intermediate::course().windows;
  return QList<ScreenId>(windows.begin(), windows.end());
}

// The size a label's font must shrink to for its text to fit its rectangle, wrapped.
double fittedPoints(const QLabel* label) {
  QFont font = label->font();
  const QRect area = label->contentsRect();
  for (double points = font.pointSizeF(); points > 4.0; points -= 0.25) {
    font.setPointSizeF(points);
    const QRect need = QFontMetrics(font).boundingRect(
        area, int(label->alignment()) | Qt::TextWordWrap, label->text());
    if (need.height() <= area.height() && need.width() <= area.width()) return points;
  }
  return 0;
}

QList<int> fillerRuns(const QString& text) {
  QList<int> runs;
  for (const auto& match : QRegularExpression(QStringLiteral("\u3000+")).globalMatch(text))
    runs << int(match.capturedLength());
  return runs;
}

}  // namespace

class AcLayouts : public QObject {
  Q_OBJECT

 private slots:
  // Every control lies inside its container, every label's text (answers filled in) fits its
  // rectangle at a legible size; and a picture of each window is kept for a person to look at.
  void everyWindowFitsItsTexts() {
    Application app;
    Driver d(app);
    QStringList problems;
    for (ScreenId id : courseWindows()) {
      QWidget* form = d.form(id);
      for (auto* label :
           form->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label(rr|jj|Arr|Ajj)"))))
        label->setText(QStringLiteral("-123.45"));
      if (auto* verdict = form->findChild<QLabel*>(QStringLiteral("lblA")))
        verdict->setText(QStringLiteral("正解！！"));
      for (QWidget* child : form->findChildren<QWidget*>()) {
        if (child->objectName().isEmpty()) continue;
        const QString name = ScreenRegistry::name(id) + QLatin1Char('.') + child->objectName();
        if (!child->parentWidget()->rect().contains(child->geometry())) problems << name;
        auto* label = qobject_cast<QLabel*>(child);
        if (label && !label->text().isEmpty() && fittedPoints(label) < 6.0) problems << name;
      }
      form->show();
      saveShot(form, ScreenRegistry::name(id));
      form->hide();
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(", "))));
  }

  // The question texts keep their layout filler: runs of ideographic spaces.
  void questionFiller() {
    Application app;
    QCOMPARE(fillerRuns(app.text(screens::Normali, "Label9")), QList<int>{22});
    QCOMPARE(fillerRuns(app.text(screens::Normali2, "Label9")), QList<int>{1});
    QCOMPARE(fillerRuns(app.text(screens::NormalAA2, "Label1111")), QList<int>{5});
    const QString hei = app.text(screens::NormalAAHei, "Label1111");
    QCOMPARE(fillerRuns(hei), (QList<int>{10, 9}));
    QVERIFY(hei.contains(QStringLiteral("それでは、 並列")));
  }
};

KAIRO_TEST_CASE(AcLayouts)
#include "layout_test.moc"
