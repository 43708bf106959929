#include "app/picture_button.h"

#include <QHash>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>
#include <utility>

namespace kairo {
namespace {

// Each picture is parsed once and shared by every widget that shows it.
std::shared_ptr<QSvgRenderer> sharedRenderer(const QString& resource) {
  static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
  auto it = cache.find(resource);
  if (it == cache.end()) it = cache.insert(resource, std::make_shared<QSvgRenderer>(resource));
  return it.value();
}

struct FaceFile {
  const char* face;
  const char* file;
};
constexpr FaceFile kFaces[] = {
    {"説明", ":/face_setsumei.svg"},
    {"EASY", ":/face_easy.svg"},
    {"NORMAL", ":/face_normal.svg"},
    {"HARD", ":/face_hard.svg"},
    {"start", ":/face_start.svg"},
    {"解答チェック", ":/face_kaitou.svg"},
    {"NEXT", ":/face_next.svg"},
    {"戻る", ":/face_modoru.svg"},
    {"もう一度やり直す", ":/face_retry.svg"},
    {"どこで間違ったか調べる", ":/face_review.svg"},
    {"END", ":/face_end.svg"},
};

}  // namespace

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(sharedRenderer(resource)) {}

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_->render(&painter, rect());
}

QString PictureButton::faceResource(const QString& face) {
  for (const auto& entry : kFaces)
    if (face == QString::fromUtf8(entry.face)) return QString::fromLatin1(entry.file);
  return {};
}

PictureButton::PictureButton(const QString& face, QWidget* parent) : QPushButton(face, parent) {
  setAccessibleName(face);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  const QString resource = faceResource(face);
  if (!resource.isEmpty()) renderer_ = sharedRenderer(resource);
}

void PictureButton::paintEvent(QPaintEvent* event) {
  if (!renderer_ || !renderer_->isValid()) {
    QPushButton::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_->render(&painter, rect());
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace kairo
