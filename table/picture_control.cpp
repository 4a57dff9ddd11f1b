#include "table/picture_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace vantor {

TPictureControl::TPictureControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMouseTracking(true);
}

void TPictureControl::setGeometryAndBuffer(const QRect& r) {
    setGeometry(r);
    if (fBuffer.size() != r.size()) {
        fBuffer = QImage(r.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    }
    fBuffer.fill(Qt::transparent);
}

void TPictureControl::showBuffer(bool now) {
    if (now) {
        repaint();
    } else {
        update();
    }
}

void TPictureControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, fBuffer);
}

void TPictureControl::mousePressEvent(QMouseEvent* e) {
    if (OnMouseDown) OnMouseDown(e);
}

void TPictureControl::mouseMoveEvent(QMouseEvent* e) {
    if (OnMouseMove) OnMouseMove(e);
    QWidget::mouseMoveEvent(e);
}

} // namespace vantor
