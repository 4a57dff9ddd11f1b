#include "table/click_effect.h"

#include "table/form1.h"
#include "table/picture_control.h"
#include "table/pictures.h"

#include <QCursor>
#include <QPainter>
#include <QThread>
#include <QWidget>

namespace vantor {

bool ClickEffect(QWidget* window) {
    if (!window) return false;
    QImage strip;
    if (!LoadPackPng("GTouch", "ZovCGraph1.dll", strip) || strip.width() < 3000 ||
        strip.height() < 100)
        return false;
    if (instantMode()) return true;
    const QPoint at = window->mapFromGlobal(QCursor::pos());
    const QRect area(at.x() - 50, at.y() - 50, 100, 100);
    const QImage saved = window->grab(area).toImage();
    TPictureControl layer(window);
    layer.setGeometryAndBuffer(area);
    layer.show();
    layer.raise();
    for (int i = 1; i <= 30; ++i) {
        layer.buffer().fill(Qt::transparent);
        QPainter p(&layer.buffer());
        p.drawImage(0, 0, saved);
        p.drawImage(0, 0, strip, (i - 1) * 100, 0, 100, 100);
        p.end();
        layer.repaint();
        QThread::msleep(12);
    }
    return true;
}

} // namespace vantor
