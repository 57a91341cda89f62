#include "sim/ShutdownSignals.h"

#include <QMetaObject>
#include <QPointer>
#include <windows.h>

namespace dalto::sim {

// Windows calls the console handler on a thread of its own; it posts the
// request to the simulator's thread and returns at once.
struct ShutdownSignals::Handler {
    static BOOL WINAPI handle(DWORD event)
    {
        switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
        case CTRL_CLOSE_EVENT:
        case CTRL_SHUTDOWN_EVENT:
            if (target)
                QMetaObject::invokeMethod(target, &ShutdownSignals::shutdownRequested, Qt::QueuedConnection);
            return TRUE;
        default:
            return FALSE;
        }
    }

    ~Handler()
    {
        if (!installed)
            return;
        SetConsoleCtrlHandler(&Handler::handle, FALSE);
        target = nullptr;
    }

    static inline ShutdownSignals* target = nullptr;
    bool installed = false;
};

ShutdownSignals::ShutdownSignals(QObject* parent)
    : QObject(parent)
    , handler_(std::make_unique<Handler>())
{
}

ShutdownSignals::~ShutdownSignals() = default;

bool ShutdownSignals::install()
{
    Handler::target = this;
    handler_->installed = SetConsoleCtrlHandler(&Handler::handle, TRUE) != 0;
    if (!handler_->installed)
        Handler::target = nullptr;
    return handler_->installed;
}

} // namespace dalto::sim
