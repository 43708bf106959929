#include "ui/explanation_picture.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "core/translate.h"
#include "ui/button_face.h"
#include "ui/form.h"

namespace kairo {
namespace {

//: %1 is the formula of the angular frequency, ω = 10⁴ [rad/sec]
const char* const kSentences[] = {
    QT_TRANSLATE_NOOP("Kairo", "正弦波交流回路の問題では、電源の角周波数を %1 とします。"),
    QT_TRANSLATE_NOOP("Kairo", "計算結果は、小数点以下２桁まで求めて下さい。"),
};

constexpr double tw(double twips) {
  return twips / 15.0;
}

// The screen was drawn for text of 320 twips, the first baseline 1000 twips down, the lines of a
// sentence 2 ems apart and the next sentence half an em further.
constexpr double kPixels = tw(320);
constexpr double kAbove = 0.88;        // glyphs reach this far above the baseline, in ems
constexpr double kBelow = 0.2;         // and this far below it
constexpr double kSmallest = tw(210);  // about 10.5 points: still read without effort
const QColor kInk(0x1a, 0x1a, 0x40);

constexpr char16_t kWordJoiner = u'\u2060';
constexpr char16_t kNoBreakSpace = u'\u00a0';

double points(double pixels) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return pixels * 72.0 / (screen ? qRound(screen->logicalDotsPerInchY()) : 96);
}

// A formula reads as one piece: nothing inside it may start a new line.
QString glued(const QString& text) {
  QString out;
  for (QChar c : text) {
    if (!out.isEmpty()) out += kWordJoiner;
    out += c == u' ' ? QChar(kNoBreakSpace) : c;
  }
  return out;
}

// The angular frequency as it is written: an italic serif ω and a raised exponent.
void insertFormula(QTextCursor& cursor, const QTextCharFormat& plain, double pixels) {
  QTextCharFormat omega = plain;
  omega.setFontFamilies({QStringLiteral("Times New Roman")});
  omega.setFontStyleHint(QFont::Serif);
  omega.setFontItalic(true);
  omega.setFontPointSize(points(pixels * 1.15));
  cursor.insertText(QStringLiteral("ω"), omega);
  cursor.insertText(QString(kWordJoiner) + glued(QStringLiteral(" = 10")) + kWordJoiner, plain);
  QTextCharFormat exponent = plain;
  exponent.setFontPointSize(points(pixels * 0.62));
  // In percent of the exponent's own line height: 0.42 em of the text, as the screen was drawn.
  exponent.setBaselineOffset(55);
  cursor.insertText(QStringLiteral("4"), exponent);
  cursor.insertText(QString(kWordJoiner) + glued(QStringLiteral(" [rad/sec]")), plain);
}

void build(QTextDocument& document, double pixels, double pitch, double gap) {
  document.clear();
  document.setDocumentMargin(0);
  QFont font = screenFont({Face::Gothic});
  font.setPointSizeF(points(pixels));
  document.setDefaultFont(font);
  QTextCharFormat plain;
  plain.setForeground(kInk);
  QTextBlockFormat block;
  block.setLineHeight(pitch * pixels, QTextBlockFormat::FixedHeight);
  QTextCursor cursor(&document);
  const int count = int(std::size(kSentences));
  for (int i = 0; i < count; ++i) {
    block.setBottomMargin(i + 1 < count ? gap * pixels : 0);
    if (i == 0)
      cursor.setBlockFormat(block);
    else
      cursor.insertBlock(block, plain);
    const QStringList parts =
        QCoreApplication::translate("Kairo", kSentences[i]).split(QStringLiteral("%1"));
    for (qsizetype p = 0; p < parts.size(); ++p) {
      if (p > 0) insertFormula(cursor, plain, pixels);
      cursor.insertText(parts[p], plain);
    }
  }
}

// Each line's baseline in the document's coordinates, and its width.
struct Line {
  double baseline, left, width;
};
std::vector<Line> linesOf(const QTextDocument& document) {
  std::vector<Line> lines;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      lines.push_back({layout->position().y() + line.y() + line.ascent(),
                       layout->position().x() + line.x(), line.naturalTextWidth()});
    }
  }
  return lines;
}

}  // namespace

ExplanationPicture::ExplanationPicture(QWidget* parent)
    : QWidget(parent), document_(std::make_unique<QTextDocument>()) {
  layOut();
}

ExplanationPicture::~ExplanationPicture() = default;

QRectF ExplanationPicture::textArea() {
  return QRectF(QPointF(tw(480), tw(1000) - kAbove * kPixels), QPointF(tw(8148 - 480), tw(2760)));
}

// The drawn look first; a text that does not fit closes up its lines, and only then gets smaller.
void ExplanationPicture::layOut() {
  const QRectF area = textArea();
  struct Spacing {
    double pitch, gap;
  };
  for (double pixels = kPixels; pixels >= kSmallest; pixels -= 0.5) {
    for (const Spacing spacing : {Spacing{2.0, 0.5}, Spacing{1.5, 0.3}, Spacing{1.3, 0.2}}) {
      if (pixels < kPixels && spacing.pitch > 1.3) continue;
      build(*document_, pixels, spacing.pitch, spacing.gap);
      document_->setTextWidth(area.width());
      document_->size();  // lays the whole document out now
      pixels_ = pixels;
      const std::vector<Line> lines = linesOf(*document_);
      if (lines.empty()) return;
      origin_ = QPointF(area.left(), area.top() + kAbove * pixels - lines.front().baseline);
      if (textBounds().bottom() <= area.bottom() + 0.5 &&
          textBounds().right() <= area.right() + 0.5)
        return;
    }
  }
}

QStringList ExplanationPicture::shownLines() const {
  QStringList shown;
  for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      shown << block.text()
                   .mid(line.textStart(), line.textLength())
                   .remove(kWordJoiner)
                   .replace(kNoBreakSpace, u' ')
                   .trimmed();
    }
  }
  return shown;
}

QRectF ExplanationPicture::textBounds() const {
  QRectF bounds;
  for (const Line& line : linesOf(*document_))
    bounds |= QRectF(origin_.x() + line.left, origin_.y() + line.baseline - kAbove * pixels_,
                     line.width, (kAbove + kBelow) * pixels_);
  return bounds;
}

void ExplanationPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(origin_);
  document_->drawContents(&painter);
}

TitlePicture::TitlePicture(const char* source, QWidget* parent)
    : QWidget(parent), text_(translated(source)) {
  setAccessibleName(text_);
}

QFont TitlePicture::titleFont() const {
  // As tall as the band allows, the letters spaced a little apart; narrower when the text would
  // run past the band.
  QFont font = screenFont({Face::Gothic, 0, true});
  font.setPixelSize(std::max(8, int(height() * 0.82)));
  font.setLetterSpacing(QFont::PercentageSpacing, 110);
  const double width = QFontMetricsF(font).horizontalAdvance(text_);
  if (width > this->width() * 0.96)
    font.setPixelSize(std::max(8, int(font.pixelSize() * this->width() * 0.96 / width)));
  return font;
}

void TitlePicture::paintEvent(QPaintEvent*) {
  const QFont font = titleFont();
  const QSize size = this->size();
  const QPixmap title = cachedPicture(
      QStringLiteral("kairo-title:") + text_, size, devicePixelRatioF(), [&](QPainter& painter) {
        QPainterPath path;
        const QFontMetricsF metrics(font);
        const double x = (size.width() - metrics.horizontalAdvance(text_)) / 2;
        const double y = (size.height() + metrics.capHeight()) / 2 + metrics.descent() / 2;
        path.addText(QPointF(x, y), font, text_);
        const double outline = std::max(1.0, font.pixelSize() / 20.0);
        painter.fillPath(path.translated(outline * 1.7, outline * 1.7), QColor(0, 0, 0, 115));
        painter.strokePath(
            path, QPen(Qt::white, 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QRectF box = path.boundingRect();
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, QColor(0x3f, 0x7f, 0xf0));
        fill.setColorAt(0.55, QColor(0x1d, 0x4f, 0xb8));
        fill.setColorAt(1, QColor(0x0b, 0x2a, 0x70));
        painter.fillPath(path, fill);
      });
  QPainter(this).drawPixmap(0, 0, title);
}

}  // namespace kairo
