#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <memory>

class QSvgRenderer;

namespace kairo {

// A vector picture (resource path) painted over the whole widget, crisp at any scale.
class SvgPicture : public QWidget {
  Q_OBJECT
 public:
  SvgPicture(const QString& resource, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString resource_;
  std::shared_ptr<QSvgRenderer> renderer_;
};

struct FaceStyle;

// A button with a drawn face: the same face normal, pressed and disabled. It is given the source
// text of the layout tables and shows it translated (context "Kairo"); the translated text is the
// button's text and accessible name, so screen readers and tests find it. The look is the source
// text's, so a face keeps its colours and size in every language.
class PictureButton : public QPushButton {
  Q_OBJECT
 public:
  PictureButton(const QString& source, QWidget* parent = nullptr);

  // The face's style; nullptr for a source text without a face (drawn as a plain button).
  const FaceStyle* face() const { return face_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const FaceStyle* face_ = nullptr;
};

}  // namespace kairo
