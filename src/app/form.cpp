#include "app/form.h"

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
#include <QTextLayout>
#include <utility>
#include <vector>

#include "app/picture_button.h"

namespace kairo {
namespace {

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
  const QString text = QString::fromUtf8(row.text ? row.text : "");
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
      auto* box = new QLineEdit(text, parent);
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
      widget = new PictureButton(text, parent);
      break;
    case Kind::Picture:
      widget = new SvgPicture(text, parent);
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
    auto* picture = new SvgPicture(QStringLiteral(":/explanation.svg"), form);
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
  form->setWindowTitle(QString::fromUtf8(layout.caption));
  form->setFont(screenFont());
  const QSize size(px(layout.width), px(layout.height));
  if (layout.left >= 0 && layout.top >= 0)
    form->setGeometry(QRect(QPoint(px(layout.left), px(layout.top)), size));
  else
    form->resize(size);
  form->setFixedSize(size);
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
  // Enter in an answer box presses the window's answer check, as the student expects.
  if (auto* button = qobject_cast<QPushButton*>(checkButton))
    for (QLineEdit* box : boxes)
      QObject::connect(box, &QLineEdit::returnPressed, button, &QPushButton::click);
  return form;
}

void onClick(QWidget* form, const char* button, std::function<void()> handler) {
  auto* widget = form->findChild<QAbstractButton*>(QString::fromUtf8(button));
  Q_ASSERT_X(widget, "onClick", button);
  if (widget) QObject::connect(widget, &QAbstractButton::clicked, form, std::move(handler));
}

namespace {

// The screens were laid out for a Japanese font whose lines are about one em apart; the fallback
// fonts have far taller default line spacing, so lines are set at a fixed pitch of the em size.
constexpr double kLinePitch = 1.2;       // between baselines, in ems
constexpr double kFirstBaseline = 0.92;  // from the top, in ems
constexpr double kLastDescent = 0.14;    // below the last baseline, in ems

struct LaidOut {
  std::vector<std::pair<QTextLine, double>> lines;  // line and its baseline
  double height = 0;
};

LaidOut layOut(QTextLayout& layout, const QFont& font, double width) {
  const double em = QFontInfo(font).pixelSize();
  layout.setFont(font);
  LaidOut result;
  layout.beginLayout();
  double baseline = kFirstBaseline * em;
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
  QTextLayout layout;
  LaidOut laid;
};

void FitLabel::paintEvent(QPaintEvent*) {
  const QString shown = text();
  if (shown.isEmpty()) return;
  const QRectF area = contentsRect();
  if (!fitted_ || fitted_->text != shown || fitted_->area != area.size() ||
      fitted_->font != font() || fitted_->alignment != int(alignment()) ||
      fitted_->wrap != wordWrap()) {
    fitted_ = std::make_shared<Fitted>();
    fitted_->text = shown;
    fitted_->area = area.size();
    fitted_->font = font();
    fitted_->alignment = int(alignment());
    fitted_->wrap = wordWrap();
    QTextLayout& layout = fitted_->layout;
    layout.setText(shown);
    QTextOption option(alignment());
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    layout.setTextOption(option);
    QFont font = this->font();
    // Shrink only as far as needed, never below a legible size.
    fitted_->laid = layOut(layout, font, area.width());
    for (double points = font.pointSizeF() - 0.5;
         fitted_->laid.height > area.height() && points >= 6.0; points -= 0.5) {
      font.setPointSizeF(points);
      fitted_->laid = layOut(layout, font, area.width());
    }
  }
  QPainter painter(this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  for (auto& [line, baseline] : fitted_->laid.lines) {
    double x = area.left();
    if (alignment() & Qt::AlignHCenter) x += (area.width() - line.naturalTextWidth()) / 2;
    if (alignment() & Qt::AlignRight) x += area.width() - line.naturalTextWidth();
    line.draw(&painter, QPointF(x, area.top() + baseline - line.ascent()));
  }
}

}  // namespace kairo
