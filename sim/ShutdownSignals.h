#pragma once
// Ends the event loop cleanly when the simulator is asked to stop: SIGINT and
// SIGTERM on Linux, Ctrl+C, Ctrl+Break and closing the console on Windows. The
// handler does no more than post the request to the event loop.

#include <QObject>
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
    struct Handler;
    std::unique_ptr<Handler> handler_;
};

} // namespace dalto::sim
