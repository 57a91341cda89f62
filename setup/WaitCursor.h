#pragma once
// The hourglass while something slow runs; the previous pointer comes back when
// the guard ends, also on an early return.

#include <QGuiApplication>

namespace dalto {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace dalto
