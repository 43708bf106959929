#include "ui/form.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <cmath>
#include <utility>
#include <vector>

#include "core/translate.h"
#include "ui/explanation_picture.h"
#include "ui/picture_button.h"

namespace kairo {
namespace {

// The screens were laid out for a Japanese font whose lines are about one em apart; the fallback
// fonts have far taller default line spacing, so lines are set at a fixed pitch of the em size.
constexpr double kLinePitch = 1.2;       // between baselines, in ems
constexpr double kFirstBaseline = 0.92;  // from the top, in ems
constexpr double kLastDescent = 0.14;    // below the last baseline, in ems

void finish(QWidget* container);

constexpr double kDefaultPoints = 9.0;

QStringList preferredFamilies(Face face) {
  if (face == Face::Mincho)
    return {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho"),
            QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Sans CJK JP")};
  return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
          QStringLiteral("Noto Sans CJK JP")};
}

QStringList installedFirst(const QStringList& wanted) {
  for (const QString& family : wanted)
    if (QFontDatabase::hasFamily(family)) return {family};
  return wanted;
}

// The first installed family of the list, looked up once: a font naming missing families first
// sends every new size and weight through the font database's search and fontconfig's fallbacks.
QStringList families(Face face) {
  static const QStringList gothic = installedFirst(preferredFamilies(Face::Gothic));
  static const QStringList mincho = installedFirst(preferredFamilies(Face::Mincho));
  return face == Face::Mincho ? mincho : gothic;
}

QRect pixels(const ControlRow& row) {
  return QRect(px(row.left), px(row.top), px(row.width), px(row.height));
}

QWidget* makeControl(const ControlRow& row, QWidget* parent) {
  // Texts of the table are the Japanese source texts; what the student reads is their
  // translation. A box starts with what it is given, and a picture button looks its face up
  // itself.
  const QString source = QString::fromUtf8(row.text ? row.text : "");
  const QString text = translated(row.text);
  QWidget* widget = nullptr;
  switch (row.kind) {
    case Kind::Label: {
      auto* label = new FitLabel(text, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
      widget = label;
      break;
    }
    case Kind::TextBox: {
      auto* box = new QLineEdit(source, parent);
      // Answers and codes have no length limit worth imposing; this only stops runaway pastes.
      box->setMaxLength(1 << 20);
      widget = box;
      break;
    }
    case Kind::Frame: {
      auto* frame = new QGroupBox(text, parent);
      // The caption sits on the border line, so controls placed near the frame's top stay clear.
      frame->setStyleSheet(QStringLiteral(
          "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
          "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
          " left: 6px; padding: 0 2px; }"));
      widget = frame;
      break;
    }
    case Kind::Button:
      widget = new QPushButton(text, parent);
      break;
    case Kind::PictureButton:
      widget = new PictureButton(source, parent);
      break;
    case Kind::Picture:
      widget = new SvgPicture(source, parent);
      break;
    case Kind::Title:
      widget = new TitlePicture(row.text, parent);
      break;
  }
  widget->setObjectName(QString::fromUtf8(row.name));
  widget->setGeometry(pixels(row));
  if (row.tint != Tint::Default) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, row.tint == Tint::Blue ? Qt::blue : Qt::red);
    widget->setPalette(palette);
  }
  // Every control carries its font itself: the frames' style sheet would otherwise hand their
  // children the application's default font.
  widget->setFont(screenFont(row.font));
  return widget;
}

void applyBackground(QWidget* form, Background background) {
  QPalette palette = form->palette();
  switch (background) {
    case Background::Default:
      return;
    case Background::White:
      palette.setColor(QPalette::Window, Qt::white);
      break;
    case Background::LightYellow:
    case Background::Explanation:
      palette.setColor(QPalette::Window, QColor(255, 255, 225));
      break;
    case Background::Metal:
      palette.setBrush(QPalette::Window, QBrush(QPixmap(QStringLiteral(":/background_metal.png"))));
      break;
  }
  form->setPalette(palette);
  form->setAutoFillBackground(true);
  if (background == Background::Explanation) {
    auto* picture = new ExplanationPicture(form);
    picture->setObjectName(QStringLiteral("background"));
    picture->setGeometry(form->rect());
    picture->lower();
  }
}

}  // namespace

QFont screenFont(const FontSpec& wanted) {
  QFont font;
  font.setFamilies(families(wanted.face));
  font.setPointSizeF(wanted.points > 0 ? wanted.points : kDefaultPoints);
  font.setBold(wanted.bold);
  return font;
}

QWidget* buildForm(const FormSpec& layout) {
  auto* form = new QWidget(nullptr, Qt::Window);
  form->setObjectName(QString::fromUtf8(layout.name));
  form->setWindowTitle(translated(layout.caption));
  form->setFont(screenFont());
  const QSize size(px(layout.width), px(layout.height));
  if (layout.left >= 0 && layout.top >= 0)
    form->setGeometry(QRect(QPoint(px(layout.left), px(layout.top)), size));
  else
    form->resize(size);
  form->setFixedSize(size);
  // A window of fixed size has nothing to maximise.
  form->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint);
  applyBackground(form, layout.background);

  QHash<QString, QWidget*> containers;
  QWidget* checkButton = nullptr;
  QWidget* previousFocus = nullptr;
  QList<QLineEdit*> boxes;
  for (const ControlRow& row : layout.controls) {
    QWidget* parent = row.container ? containers.value(QString::fromUtf8(row.container)) : form;
    Q_ASSERT_X(parent, "buildForm", row.name);
    if (!parent) parent = form;
    QWidget* widget = makeControl(row, parent);
    if (row.kind == Kind::Frame) containers.insert(widget->objectName(), widget);
    if (row.kind == Kind::TextBox) boxes << static_cast<QLineEdit*>(widget);
    if (row.kind == Kind::PictureButton &&
        widget->objectName().compare(QLatin1String("cmdkaitou"), Qt::CaseInsensitive) == 0)
      checkButton = widget;
    if (widget->focusPolicy() != Qt::NoFocus) {
      if (previousFocus) QWidget::setTabOrder(previousFocus, widget);
      previousFocus = widget;
    }
  }
  finish(form);
  // Enter in an answer box presses the window's answer check once every box holds something;
  // before that it moves on to the first empty box. A second Enter out of habit (the first one
  // committed the input method's text) must not cost one of the three tries.
  if (auto* button = qobject_cast<QPushButton*>(checkButton))
    for (QLineEdit* box : boxes)
      QObject::connect(box, &QLineEdit::returnPressed, button, [button, boxes] {
        for (QLineEdit* other : boxes)
          if (other->text().trimmed().isEmpty()) return other->setFocus(Qt::TabFocusReason);
        button->click();
      });
  return form;
}

namespace {

// Where the text of an answer box stands: its baseline, in the box's coordinates, computed the way
// the line edit places it (vertically centred in its contents).
int boxBaseline(QLineEdit* box) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.rect = box->rect();
  option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
  option.state |= QStyle::State_Sunken;
  const QRect contents = box->style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                             .marginsRemoved(box->textMargins());
  const QFontMetrics metrics(box->font());
  return contents.y() + (contents.height() - metrics.height() + 1) / 2 + metrics.ascent();
}

QList<QWidget*> controlsOf(QWidget* container) {
  QList<QWidget*> controls;
  for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!child->objectName().isEmpty() && child->objectName() != QLatin1String("background"))
      controls << child;
  return controls;
}

bool sameRows(const QRect& a, const QRect& b) {
  return a.top() <= b.bottom() && a.bottom() >= b.top();
}
bool sameColumns(const QRect& a, const QRect& b) {
  return a.left() <= b.right() && a.right() >= b.left();
}

// How far `control` may reach right and down before it meets another control or the edge.
int roomRight(const QWidget* control, const QList<QWidget*>& siblings, const QRect& inner) {
  const QRect r = control->geometry();
  int room = inner.right() + 1 - r.left();
  for (const QWidget* s : siblings)
    if (s != control && sameRows(s->geometry(), r) && s->x() >= r.right())
      room = std::min(room, s->x() - r.left());
  return room;
}
int roomBelow(const QWidget* control, const QList<QWidget*>& siblings, const QRect& inner) {
  const QRect r = control->geometry();
  int room = inner.bottom() + 1 - r.top();
  for (const QWidget* s : siblings)
    if (s != control && sameColumns(s->geometry(), r) && s->y() >= r.bottom())
      room = std::min(room, s->y() - r.top());
  return room;
}

// A one-line label takes the width its text needs: from free space on its right, by moving the
// label that stands there along (when that one has room), or by stepping left into free space.
// A text that is more than a line even then wraps within the label's own width.
void widen(FitLabel* label, const QList<QWidget*>& controls, const QRect& inner) {
  QRect r = label->geometry();
  const int width = int(std::ceil(label->neededSize(1e6).width()));
  int room = roomRight(label, controls, inner);
  for (QWidget* other : controls) {
    if (width <= room) break;
    const QRect o = other->geometry();
    if (qobject_cast<FitLabel*>(other) && other != label && sameRows(o, r) &&
        o.left() == r.left() + room &&
        roomRight(other, controls, inner) - o.width() >= width - room) {
      other->move(o.left() + width - room, o.top());
      room = width;
    }
  }
  if (width > room) {
    int left = inner.left();
    for (const QWidget* other : controls)
      if (other != label && sameRows(other->geometry(), r) && other->geometry().right() < r.left())
        left = std::max(left, other->geometry().right() + 1);
    // Stepping left only pays when the text then reads on one line; a text that wraps anyway
    // keeps its place (a hint under a box stays under the box).
    const int shift = width - room;
    if (shift <= r.left() - left) {
      r.translate(-shift, 0);
      room += shift;
    }
  }
  if (width <= room)
    r.setWidth(std::max(r.width(), width));
  else
    label->setWordWrap(true);
  label->setGeometry(r);
}

// The layout tables place every control to the twip for a font the machine may not have. Here
// each window is finished for the fonts it got: controls stay inside their container (moved in,
// or narrowed where moving cannot help); labels on a row with an answer box share the box's
// baseline; a label with room for one line does not wrap and takes the width its text needs; a
// text that needs more height takes it from the free space below. So labels keep the size of
// their font and formulas and sentences read whole.
void finish(QWidget* container) {
  const QList<QWidget*> controls = controlsOf(container);
  QRect inner = container->rect();
  if (qobject_cast<QGroupBox*>(container)) inner.adjust(1, 1, -1, -1);  // the frame's border
  for (QWidget* control : controls) {
    QRect r = control->geometry();
    const int overflow = r.right() - inner.right();
    if (overflow > 0) {
      const int shift = std::min(overflow, r.left() - inner.left());
      r.translate(-shift, 0);
      r.setRight(std::min(r.right(), inner.right()));
      control->setGeometry(r);
    }
    if (qobject_cast<QGroupBox*>(control)) finish(control);
  }
  for (QWidget* control : controls) {
    auto* box = qobject_cast<QLineEdit*>(control);
    if (!box) continue;
    const int baseline = box->y() + boxBaseline(box);
    for (QWidget* other : controls)
      if (auto* label = qobject_cast<FitLabel*>(other); label && label->y() == box->y())
        label->setFirstBaseline(baseline - label->y());
  }
  for (QWidget* control : controls) {
    auto* label = qobject_cast<FitLabel*>(control);
    if (!label || label->text().isEmpty()) continue;
    label->setWordWrap(false);
    widen(label, controls, inner);
    QRect r = label->geometry();
    const int height = int(std::ceil(label->neededSize(r.width()).height()));
    if (height > r.height()) r.setHeight(std::min(height, roomBelow(label, controls, inner)));
    label->setGeometry(r);
  }
}

}  // namespace

void onClick(QWidget* form, const char* button, std::function<void()> handler) {
  auto* widget = form->findChild<QAbstractButton*>(QString::fromUtf8(button));
  Q_ASSERT_X(widget, "onClick", button);
  if (widget) QObject::connect(widget, &QAbstractButton::clicked, form, std::move(handler));
}

namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';
constexpr char16_t kWordJoiner = u'\u2060';

// A formula such as "ω=１０＾4rad/s" reads as one piece: no line may break inside it.
bool continuesFormula(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
         (u >= u'\uFF10' && u <= u'\uFF19') || u == u'=' || u == u'\uFF1D' || u == u'^' ||
         u == u'\uFF3E' || u == u'/' || u == u' ';
}

// The text as it is laid out. Formulas are glued together; trailing ideographic spaces (filler)
// are dropped, and in a wrapping label a run of them after a sentence (filler that starts the
// next sentence on a new line in the font the screens were drawn for) becomes that line break.
QString layoutText(const QString& text, bool wrap) {
  QString out;
  out.reserve(text.size() + 16);
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'ω') {
      out += text[i];
      for (++i; i < text.size() && continuesFormula(text[i]); ++i)
        out += QString(kWordJoiner) + (text[i] == u' ' ? QChar(0x00A0) : text[i]);
      --i;
      continue;
    }
    if (text[i] == kIdeographicSpace) {
      qsizetype end = i;
      while (end < text.size() && text[end] == kIdeographicSpace) ++end;
      if (end == text.size()) break;
      if (wrap && i > 0 && text[i - 1] == u'。') {
        out += QChar::LineSeparator;
        i = end - 1;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

struct LaidOut {
  std::vector<std::pair<QTextLine, double>> lines;  // line and its baseline
  double height = 0;
};

LaidOut layOut(QTextLayout& layout, const QFont& font, double width, double firstBaseline) {
  const double em = QFontInfo(font).pixelSize();
  layout.setFont(font);
  LaidOut result;
  layout.beginLayout();
  double baseline = firstBaseline >= 0 ? firstBaseline : kFirstBaseline * em;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    result.lines.emplace_back(line, baseline);
    baseline += kLinePitch * em;
  }
  layout.endLayout();
  if (!result.lines.empty()) result.height = result.lines.back().second + kLastDescent * em;
  return result;
}

}  // namespace

struct FitLabel::Fitted {
  QString text;
  QSizeF area;
  QFont font;
  int alignment = 0;
  bool wrap = false;
  double firstBaseline = -1;
  QTextLayout layout;
  LaidOut laid;
  double points = 0;
};

void FitLabel::setFirstBaseline(double y) {
  firstBaseline_ = y;
  update();
}

const FitLabel::Fitted& FitLabel::fitted() const {
  const QString shown = text();
  const QRectF area = contentsRect();
  if (fitted_ && fitted_->text == shown && fitted_->area == area.size() &&
      fitted_->font == font() && fitted_->alignment == int(alignment()) &&
      fitted_->wrap == wordWrap() && fitted_->firstBaseline == firstBaseline_)
    return *fitted_;
  fitted_ = std::make_shared<Fitted>();
  fitted_->text = shown;
  fitted_->area = area.size();
  fitted_->font = font();
  fitted_->alignment = int(alignment());
  fitted_->wrap = wordWrap();
  fitted_->firstBaseline = firstBaseline_;
  QTextLayout& layout = fitted_->layout;
  layout.setText(layoutText(shown, wordWrap()));
  QTextOption option(alignment());
  option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  layout.setTextOption(option);
  QFont font = this->font();
  // The builder gives every label room for its text; a text that still does not fit (another
  // font, a count grown long) shrinks only as far as needed, never below a legible size.
  fitted_->laid = layOut(layout, font, area.width(), firstBaseline_);
  for (double points = font.pointSizeF() - 0.5;
       (fitted_->laid.height > area.height() + 0.5 ||
        (!wordWrap() && layout.maximumWidth() > area.width() + 0.5)) &&
       points >= 6.0;
       points -= 0.5) {
    font.setPointSizeF(points);
    fitted_->laid = layOut(layout, font, area.width(), firstBaseline_);
  }
  fitted_->points = font.pointSizeF();
  return *fitted_;
}

double FitLabel::shownPointSize() const {
  return text().isEmpty() ? font().pointSizeF() : fitted().points;
}

QStringList FitLabel::shownLines() const {
  QStringList lines;
  if (text().isEmpty()) return lines;
  const Fitted& f = fitted();
  for (const auto& [line, baseline] : f.laid.lines)
    lines << f.layout.text()
                 .mid(line.textStart(), line.textLength())
                 .remove(kWordJoiner)
                 .replace(QChar(0x00A0), u' ')
                 .remove(QChar::LineSeparator);
  return lines;
}

QSizeF FitLabel::neededSize(double width) const {
  QTextLayout layout(layoutText(text(), wordWrap()));
  QTextOption option(alignment());
  option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  layout.setTextOption(option);
  const LaidOut laid = layOut(layout, font(), width, firstBaseline_);
  return {layout.maximumWidth(), laid.height};
}

void FitLabel::paintEvent(QPaintEvent*) {
  if (text().isEmpty()) return;
  const QRectF area = contentsRect();
  const Fitted& f = fitted();
  QPainter painter(this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  for (const auto& [line, baseline] : f.laid.lines) {
    double x = area.left();
    if (alignment() & Qt::AlignHCenter) x += (area.width() - line.naturalTextWidth()) / 2;
    if (alignment() & Qt::AlignRight) x += area.width() - line.naturalTextWidth();
    line.draw(&painter, QPointF(x, area.top() + baseline - line.ascent()));
  }
}

}  // namespace kairo
