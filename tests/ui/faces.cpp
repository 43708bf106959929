// Picture-button faces and the explanation screen are drawn from their translated text: every face
// of the windows has its look, its text stays inside the face in any language and at any pixel
// ratio, and the explanation's sentences are painted inside their area.
#include <QDir>
#include <QImage>
#include <QTest>
#include <QTranslator>

#include "app/application.h"
#include "support/test_main.h"
#include "ui/button_face.h"
#include "ui/explanation_picture.h"
#include "ui/picture_button.h"

using namespace kairo;

namespace {

// Stands in for a language file: English-like texts, some longer than their Japanese sources.
class LongEnglish : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    static const QHash<QString, QString> texts{
        {"解答チェック", "Check the answer"},
        {"正弦波交流回路の問題では、電源の角周波数を %1 とします。",
         "In the problems on sinusoidal alternating-current circuits, the angular frequency of "
         "the source is taken to be %1 throughout, unless a problem states otherwise."},
        {"計算結果は、小数点以下２桁まで求めて下さい。",
         "Give the results of your calculations to two decimal places."},
    };
    return QLatin1String(context) == "Kairo" ? texts.value(QString::fromUtf8(source)) : QString();
  }
  bool isEmpty() const override { return false; }
};

// With KAIRO_SHOTS_DIR set, the pictures are also saved there as PNGs for a look by eye.
void keep(const QImage& image, const QString& name) {
  const QString dir = qEnvironmentVariable("KAIRO_SHOTS_DIR");
  if (!dir.isEmpty() && QDir().mkpath(dir)) image.save(dir + "/face " + name + ".png");
}

int countPixels(const QImage& image, const QRect& area, auto&& wanted) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += wanted(image.pixelColor(x, y));
  return count;
}

}  // namespace

class Faces : public QObject {
  Q_OBJECT

 private slots:
  // No picture button of any window falls back to a plain button.
  void everyFaceOfTheWindowsHasAStyle() {
    Application app;
    QSet<QString> texts;
    for (ScreenId id : app.screens().all())
      for (auto* button : app.screens().form(id)->findChildren<PictureButton*>()) {
        QVERIFY2(button->face(), qPrintable(button->text()));
        texts << button->text();
      }
    QCOMPARE(texts.size(), 12);
  }

  void textFitsItsFace_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("lines");
    const struct {
      const char *source, *shown;
      QSize size;
      int lines;
    } rows[] = {
        {"EASY", "EASY", {105, 81}, 1},
        {"NORMAL", "NORMAL", {105, 81}, 1},
        {"start", "start", {57, 25}, 1},
        {"解答チェック", "解答チェック", {89, 25}, 1},
        {"説明", "説明", {65, 41}, 1},
        {"解き方", "解き方", {81, 49}, 1},
        {"どこで間違ったか調べる", "どこで間違ったか調べる", {169, 57}, 1},
        {"解答チェック", "Check the answer", {89, 25}, 1},
        {"説明", "Explanation", {65, 41}, 1},
        {"戻る", "Back to the exercise", {81, 49}, 2},
        {"HARD", "Advanced course", {105, 81}, 2},
        {"どこで間違ったか調べる", "Find out where the calculation went wrong", {169, 57}, 2},
    };
    for (const auto& row : rows)
      for (int ratio : {1, 2})
        QTest::addRow("%s @%d", row.shown, ratio)
            << QString::fromUtf8(row.source) << QString::fromUtf8(row.shown) << row.size
            << row.lines;
  }
  // The text stands inside the plate, clear of the stars, at the style's size unless it had to
  // shrink; a long text takes two lines rather than shrinking to nothing. The drawn face is
  // opaque where the plate is and carries white text inside the text's room.
  void textFitsItsFace() {
    QFETCH(QString, source);
    QFETCH(QString, shown);
    QFETCH(QSize, size);
    QFETCH(int, lines);
    const FaceStyle* style = faceStyle(source);
    QVERIFY(style);
    const FaceText text = fitFaceText(shown, *style, QSizeF(size));
    QVERIFY2(text.lines.size() == lines, qPrintable(QString::number(text.pixels)));
    const QRectF room = faceTextRoom(*style, QSizeF(size));
    QVERIFY(QRectF(QPointF(0, 0), QSizeF(size)).contains(room));
    for (const QRectF& box : text.boxes) QVERIFY2(room.contains(box), qPrintable(text.lines[0]));
    QVERIFY(text.pixels <= style->textPixels);
    QVERIFY2(text.pixels >= 7.0, qPrintable(QString::number(text.pixels)));
    if (source == shown && source != "解答チェック" && source != "どこで間違ったか調べる")
      QVERIFY2(text.pixels >= 0.98 * style->textPixels, qPrintable(QString::number(text.pixels)));

    const int ratio = QTest::currentDataTag()[qstrlen(QTest::currentDataTag()) - 1] - '0';
    const QImage image = facePixmap(shown, *style, size, ratio).toImage();
    keep(image, QTest::currentDataTag());
    QCOMPARE(image.size(), size * ratio);
    QCOMPARE(image.pixelColor(image.width() / 2, 3 * ratio).alpha(), 255);
    QRect inner;
    for (const QRectF& box : text.boxes) inner |= box.toAlignedRect();
    const int white = countPixels(image, QRect(inner.topLeft() * ratio, inner.size() * ratio),
                                  [](QColor c) { return c.lightness() > 235; });
    QVERIFY2(white > 20 * ratio * ratio, qPrintable(QString::number(white)));
  }

  // A button shows and names the translation of its source text, and keeps the source's look.
  void buttonShowsItsTranslation() {
    LongEnglish english;
    QCoreApplication::installTranslator(&english);
    PictureButton button("解答チェック");
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(button.text(), QString("Check the answer"));
    QCOMPARE(button.accessibleName(), button.text());
    QCOMPARE(button.face(), faceStyle("解答チェック"));
  }

  // The Japanese sentences break where the screen was drawn, the formula in one piece; every
  // line is painted, and nothing outside the sentences' area.
  void explanationSentencesArePainted() {
    ExplanationPicture picture;
    picture.resize(543, 282);
    QCOMPARE(picture.shownLines(), (QStringList{"正弦波交流回路の問題では、電源の角周波数を",
                                                "ω = 104 [rad/sec] とします。",
                                                "計算結果は、小数点以下２桁まで求めて下さい。"}));
    const QImage image = picture.grab().toImage();
    const QRect bounds = picture.textBounds().toAlignedRect();
    QVERIFY(ExplanationPicture::textArea().contains(picture.textBounds()));
    const auto dark = [](QColor c) { return c.alpha() > 0 && c.lightness() < 128; };
    for (int line = 0; line < 3; ++line) {
      const int top = bounds.top() + line * bounds.height() / 3;
      QVERIFY(countPixels(image, QRect(bounds.left(), top, bounds.width(), bounds.height() / 3),
                          dark) > 200);
    }
    QCOMPARE(countPixels(image, image.rect(), dark), countPixels(image, bounds, dark));
  }

  // A longer translation wraps within the area at a legible size.
  void longTranslationWrapsInItsArea() {
    LongEnglish english;
    QCoreApplication::installTranslator(&english);
    ExplanationPicture picture;
    QCoreApplication::removeTranslator(&english);
    picture.resize(543, 282);
    keep(picture.grab().toImage(), "explanation in English");
    QVERIFY(picture.shownLines().size() >= 4);
    QVERIFY(picture.shownLines().join(' ').contains("ω = 104 [rad/sec]"));
    QVERIFY(ExplanationPicture::textArea().contains(picture.textBounds()));
    QVERIFY(picture.textPixels() >= 14);
  }
};

KAIRO_TEST_CASE(Faces)
#include "faces.moc"
