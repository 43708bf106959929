#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <span>

namespace kairo {

// Twips to device-independent pixels, rounded: 15 twips per pixel at 96 dpi.
constexpr int px(int twips) {
  return (twips + 7) / 15;
}

enum class Kind {
  Label,          // QLabel (FitLabel): wraps, shrinks its font only when the text would not fit
  TextBox,        // QLineEdit, one-line answer box
  Frame,          // QGroupBox with a caption; controls name it as their container
  Button,         // plain QPushButton showing its text
  PictureButton,  // PictureButton: `text` is the face's source text (the button translates it)
  Picture,        // the vector picture of the resource `text` (":/arrow.svg")
  Title,          // TitlePicture: the title, set from `text`
};

enum class Tint { Default, Blue, Red };

// The two Japanese screen fonts (with their fallbacks) and the screen default.
enum class Face { Default, Gothic, Mincho };
struct FontSpec {
  Face face = Face::Default;
  double points = 0;  // 0: the screen default size
  bool bold = false;
};

// Every question of the exercises is set in one size, the largest at which each of them reads
// whole in its place.
inline constexpr FontSpec kQuestionFont{Face::Default, 8.5};

// One control of a layout table: name, kind, text, rectangle in twips relative to the container,
// container (nullptr: the window itself). Texts and captions are the Japanese source texts marked
// with QT_TRANSLATE_NOOP("Kairo", ...); the builder shows their translations.
struct ControlRow {
  const char* name;
  Kind kind;
  const char* text;
  int left, top, width, height;
  const char* container = nullptr;
  Tint tint = Tint::Default;
  FontSpec font = {};
};

enum class Background { Default, White, Metal, LightYellow, Explanation };

// A window: object name, caption, client size and desktop position in twips (-1: let the window
// system place it), background and controls.
struct FormSpec {
  const char* name;
  const char* caption;
  int width, height;
  int left = -1, top = -1;
  Background background = Background::Default;
  std::span<const ControlRow> controls = {};
};

// Builds the window hidden. Controls get their names as object names; text boxes get the tab
// order of the table and Enter in a box presses the window's answer-check button.
QWidget* buildForm(const FormSpec& layout);

// The screen default font, and a font of the table.
QFont screenFont(const FontSpec& wanted = {});

// A label that keeps the whole text inside its rectangle: it wraps (Japanese anywhere, Latin at
// word boundaries, never inside a formula such as "ω=１０＾4rad/s") and, only when the text would
// not fit, draws it with a smaller font. The form builder sizes each label for its text, so the
// font is normally drawn as the table gives it.
class FitLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

  // The first baseline in pixels from the top (the builder lines row labels up with the answer
  // boxes); by default 0.92 em.
  void setFirstBaseline(double y);
  double firstBaseline() const { return firstBaseline_; }
  // The size the text is drawn at, and its lines as laid out.
  double shownPointSize() const;
  QStringList shownLines() const;
  // Width of the longest line and height of the text at the label's font, wrapped to `width`.
  QSizeF neededSize(double width) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The text as last fitted and laid out, kept until the text, size, font or alignment changes:
  // a repaint (each show of the window, each press on it) then only draws.
  struct Fitted;
  const Fitted& fitted() const;
  mutable std::shared_ptr<Fitted> fitted_;  // shared_ptr: Fitted is complete only in form.cpp
  double firstBaseline_ = -1;
};

// Connects a button of the window (by name) to its click handler.
void onClick(QWidget* form, const char* button, std::function<void()> handler);

// Finds a control by object name below `form` (nullptr when there is none).
template <class T = QWidget>
T* findControl(QWidget* form, const QString& name) {
  return form->findChild<T*>(name);
}

}  // namespace kairo
