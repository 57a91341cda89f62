#include "sim/ShutdownSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace dalto::sim {

// The signal handler only writes a byte to a socket pair; the event loop reads it.
struct ShutdownSignals::Handler {
    static void handle(int signal)
    {
        const char byte = static_cast<char>(signal);
        if (writeFd >= 0)
            [[maybe_unused]] auto written = ::write(writeFd, &byte, 1);
    }

    ~Handler()
    {
        if (fds[0] < 0)
            return;
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        writeFd = -1;
        notifier.reset();
        ::close(fds[0]);
        ::close(fds[1]);
    }

    static inline int writeFd = -1;
    int fds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
};

ShutdownSignals::ShutdownSignals(QObject* parent)
    : QObject(parent)
    , handler_(std::make_unique<Handler>())
{
}

ShutdownSignals::~ShutdownSignals() = default;

bool ShutdownSignals::install()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, handler_->fds) != 0)
        return false;
    Handler::writeFd = handler_->fds[1];
    handler_->notifier = std::make_unique<QSocketNotifier>(handler_->fds[0], QSocketNotifier::Read);
    connect(handler_->notifier.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] auto got = ::read(handler_->fds[0], &byte, 1);
        emit shutdownRequested();
    });

    struct sigaction action {};
    action.sa_handler = &Handler::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &action, nullptr) == 0 && ::sigaction(SIGTERM, &action, nullptr) == 0;
}

} // namespace dalto::sim
