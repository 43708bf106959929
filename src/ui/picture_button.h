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

// A button whose face is a picture: the same picture normal, pressed and disabled. The face text
// is the button's text and accessible name, so screen readers and tests find it.
class PictureButton : public QPushButton {
  Q_OBJECT
 public:
  PictureButton(const QString& face, QWidget* parent = nullptr);

  // Resource of a face text (":/face_next.svg" for "NEXT"); empty for an unknown text.
  static QString faceResource(const QString& face);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString resource_;
  std::shared_ptr<QSvgRenderer> renderer_;
};

}  // namespace kairo
