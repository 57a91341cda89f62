#pragma once
// Ends the event loop cleanly on SIGINT and SIGTERM: the signal handler only
// writes a byte to a socket pair, the event loop reads it and quits.

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace dalto::sim {

class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

    bool install();

signals:
    void shutdownRequested();

private:
    static void handle(int signal);
    void readSignal();

    static int writeFd_;
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace dalto::sim
