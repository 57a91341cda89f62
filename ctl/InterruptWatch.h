#pragma once
// Ctrl-C during a long operation: instead of killing the process half-way, the
// signal only sets a flag; a timer on the event loop sees it and calls
// onInterrupt, so the operation can stop at a point of its own choosing. The
// previous handling of SIGINT comes back on destruction.

#include <QObject>
#include <QTimer>
#include <csignal>
#include <functional>

namespace dalto::ctl {

class InterruptWatch final : public QObject {
public:
    explicit InterruptWatch(std::function<void()> onInterrupt);
    ~InterruptWatch() override;
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    bool interrupted() const { return seen_; }

private:
    void look();

    std::function<void()> onInterrupt_;
    QTimer timer_;
    struct sigaction previous_ {};
    bool seen_ = false;
};

} // namespace dalto::ctl
