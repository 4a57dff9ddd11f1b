#pragma once
// A picture control: one element of the window with a buffer of exactly its own size. Code that
// draws writes into the buffer and asks for a repaint; the control only paints its buffer.

#include <QImage>
#include <QWidget>
#include <functional>

namespace vantor {

class TPictureControl : public QWidget {
public:
    explicit TPictureControl(QWidget* parent = nullptr);

    // Places the control and gives it a buffer of the new size (cleared to transparent).
    void setGeometryAndBuffer(const QRect& r);
    QImage& buffer() { return fBuffer; }
    const QImage& buffer() const { return fBuffer; }
    // Repaints at once: used where a blocking pause or flight must show the change.
    void showBuffer(bool now);

    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QImage fBuffer;
};

} // namespace vantor
