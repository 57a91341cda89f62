#include "sim/ShutdownSignals.h"

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace dalto::sim {

int ShutdownSignals::writeFd_ = -1;

ShutdownSignals::ShutdownSignals(QObject* parent)
    : QObject(parent)
{
}

ShutdownSignals::~ShutdownSignals()
{
    if (fds_[0] >= 0) {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        writeFd_ = -1;
        ::close(fds_[0]);
        ::close(fds_[1]);
    }
}

bool ShutdownSignals::install()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds_) != 0)
        return false;
    writeFd_ = fds_[1];
    notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ShutdownSignals::readSignal);

    struct sigaction action {};
    action.sa_handler = &ShutdownSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &action, nullptr) == 0 && ::sigaction(SIGTERM, &action, nullptr) == 0;
}

void ShutdownSignals::handle(int signal)
{
    const char byte = static_cast<char>(signal);
    if (writeFd_ >= 0)
        [[maybe_unused]] auto written = ::write(writeFd_, &byte, 1);
}

void ShutdownSignals::readSignal()
{
    char byte = 0;
    [[maybe_unused]] auto got = ::read(fds_[0], &byte, 1);
    emit shutdownRequested();
}

} // namespace dalto::sim
