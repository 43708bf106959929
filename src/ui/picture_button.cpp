#include "ui/picture_button.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>
#include <utility>

#include "ui/button_face.h"

namespace kairo {
namespace {

// Each picture is parsed once and shared by every widget that shows it.
std::shared_ptr<QSvgRenderer> sharedRenderer(const QString& resource) {
  static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
  auto it = cache.find(resource);
  if (it == cache.end()) it = cache.insert(resource, std::make_shared<QSvgRenderer>(resource));
  return it.value();
}

// The picture drawn once per resource, size and pixel ratio; every later paint (each show, press
// and focus change) only copies it. Equal buttons on different windows share one pixmap.
QPixmap rendered(const QString& resource, QSvgRenderer& renderer, const QWidget& widget) {
  const QSize size = widget.size();
  return cachedPicture(
      QStringLiteral("kairo-picture:") + resource, size, widget.devicePixelRatioF(),
      [&](QPainter& painter) { renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size))); });
}

}  // namespace

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource), renderer_(sharedRenderer(resource)) {}

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, rendered(resource_, *renderer_, *this));
}

PictureButton::PictureButton(const QString& source, QWidget* parent)
    : QPushButton(QCoreApplication::translate("Kairo", source.toUtf8().constData()), parent),
      face_(faceStyle(source)) {
  setAccessibleName(text());
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent* event) {
  if (!face_) {
    QPushButton::paintEvent(event);
    return;
  }
  QPainter painter(this);
  // The faces of the drill never change; only a button that is not yet of use is drawn faded.
  if (!isEnabled()) painter.setOpacity(0.35);
  painter.drawPixmap(0, 0, facePixmap(text(), *face_, size(), devicePixelRatioF()));
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace kairo
