#include "table/cursors.h"

#include "assets/builtin_pictures.h"
#include "settings/settings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>

namespace vantor {

QCursor programCursor(TCursorKind kind) {
    static const Qt::CursorShape system[] = {Qt::ArrowCursor, Qt::PointingHandCursor,
                                             Qt::WaitCursor, Qt::IBeamCursor};
    static const char* names[] = {"CURARROW", "CURHAND", "CURWAIT", "CUREDIT"};
    const int k = static_cast<int>(kind);
    if (!Settings.OwnCursor) return QCursor(system[k]);
    const TBuiltinInfo info = builtinPictureInfo(names[k]);
    const QImage picture = builtinPicture(names[k]);
    if (picture.isNull()) return QCursor(system[k]);
    return QCursor(QPixmap::fromImage(picture), info.hotSpot.x(), info.hotSpot.y());
}

void applyCursors(QWidget* root) {
    if (!root) return;
    const QCursor arrow = programCursor(TCursorKind::Arrow);
    const QCursor hand = programCursor(TCursorKind::Hand);
    const QCursor edit = programCursor(TCursorKind::Edit);
    root->setCursor(arrow);
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w)) {
            w->setCursor(edit);
        } else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                   qobject_cast<QAbstractItemView*>(w)) {
            w->setCursor(hand);
        } else {
            w->setCursor(arrow);
        }
    }
}

} // namespace vantor
