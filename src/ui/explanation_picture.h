#pragma once

#include <QRectF>
#include <QStringList>
#include <QWidget>
#include <memory>

class QTextDocument;

namespace kairo {

// The explanation screen's two sentences, set on the window's light-yellow ground from their
// translated text (context "Kairo"). A longer translation wraps within the sentences' area, its
// lines closing up before the text gets smaller.
class ExplanationPicture : public QWidget {
  Q_OBJECT
 public:
  explicit ExplanationPicture(QWidget* parent = nullptr);
  ~ExplanationPicture() override;

  // Where the sentences may go, in pixels of the window (clear of its button).
  static QRectF textArea();
  // The lines as laid out (the formula written out plainly), the rectangle they take and the
  // size of the text in pixels.
  QStringList shownLines() const;
  QRectF textBounds() const;
  double textPixels() const { return pixels_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void layOut();

  std::unique_ptr<QTextDocument> document_;
  QPointF origin_;
  double pixels_ = 0;
};

// The start screen's title, set from its translated text in the look of a printed title: a
// blue gradient with a white outline over a soft shadow. A longer translation is set smaller so
// that it keeps to the title's place.
class TitlePicture : public QWidget {
  Q_OBJECT
 public:
  TitlePicture(const char* source, QWidget* parent = nullptr);

  // The font the title is set in at the widget's size.
  QFont titleFont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace kairo
