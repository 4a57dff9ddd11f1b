#pragma once
// The two cursor sets: the system's, and the program's own pictures "CURARROW", "CURHAND",
// "CURWAIT" and "CUREDIT" (the animated ones show their first frame). `OwnCursor` chooses.

#include <QCursor>

class QWidget;

namespace vantor {

enum class TCursorKind { Arrow, Hand, Wait, Edit };

QCursor programCursor(TCursorKind kind);

// Gives every control below `root` the cursor of its kind: buttons and lists the hand, edit
// fields the edit cursor, the rest the arrow.
void applyCursors(QWidget* root);

} // namespace vantor
