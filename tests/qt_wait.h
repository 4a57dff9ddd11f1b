#pragma once
// Waiting in tests that talk over real sockets: run the event loop until a condition holds or
// the time limit passes, so no test can hang.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

namespace vantor::test {

inline void pumpEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); }

// Runs events until `done` or the time limit; false when the limit passed first.
inline bool waitFor(const std::function<bool()>& done, qint64 ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        pumpEvents();
    }
    return true;
}

} // namespace vantor::test
