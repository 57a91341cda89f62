#pragma once
// Applies a fault plan where replies leave an endpoint: each reply is sent,
// held back, altered or replaced as the plan says for its number. Without a
// plan every reply is sent as it is.

#include "sim/FaultPlan.h"
#include "sim/TrafficLog.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace dalto::sim {

// What an endpoint offers the faults: its line to the client.
struct ReplyLine {
    std::function<void(const QByteArray&)> send;
    // Bytes written but not yet taken by the client.
    std::function<qint64()> pendingOutput;
    // Ends the client's connection; a serial line comes back after ms.
    std::function<void(int ms)> goAway;
};

class FaultInjector : public QObject {
public:
    // While flooding, a chunk goes out every FloodIntervalMs as long as the
    // client keeps less than FloodBacklog unread.
    static constexpr int FloodIntervalMs = 2;
    static constexpr qsizetype FloodChunk = 16 * 1024;
    static constexpr qint64 FloodBacklog = 256 * 1024;
    // How long a serial line stays away after "close-mid-reply".
    static constexpr int ReopenAfterCutMs = 500;

    FaultInjector(TrafficLog& log, QString channel, ReplyLine line);

    void setPlan(FaultPlan plan) { plan_ = std::move(plan); }
    // reply: with its CR LF.
    void deliver(const QByteArray& reply);
    // The client left: delayed replies and a flood end with it.
    void clientGone();

private:
    void note(const QString& text);
    void flood();

    TrafficLog& log_;
    QString channel_;
    ReplyLine line_;
    std::optional<FaultPlan> plan_;
    QTimer floodTimer_;
    // Delayed replies are sent only to the client they were meant for.
    int client_ = 0;
};

} // namespace dalto::sim
