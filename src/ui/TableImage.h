#pragma once

#include <QWidget>
#include <functional>

class QImage;

// The card table on the window: it shows the table picture as it is and
// hands presses, moves and releases, in picture pixels, to its owner.
class TTableImage : public QWidget {
 public:
  using TPressHandler = std::function<void(int buttons, QPoint point)>;
  using TPointHandler = std::function<void(QPoint point)>;

  explicit TTableImage(QWidget* parent = nullptr);

  void SetPicture(const QImage* picture) { FPicture = picture; }
  TPressHandler OnMouseDown;
  TPointHandler OnMouseMove;
  TPointHandler OnMouseUp;
  std::function<void(QSize)> OnResize;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const QImage* FPicture = nullptr;
};
