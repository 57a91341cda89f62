#include "sim/FaultInjector.h"

#include <QRandomGenerator>

namespace dalto::sim {

namespace {

QByteArray garbage(int size)
{
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = char(QRandomGenerator::global()->bounded(256));
        if (byte == '\n')
            byte = '?';
    }
    return bytes + "\r\n";
}

} // namespace

FaultInjector::FaultInjector(TrafficLog& log, QString channel, ReplyLine line)
    : log_(log), channel_(std::move(channel)), line_(std::move(line))
{
    floodTimer_.setInterval(FloodIntervalMs);
    connect(&floodTimer_, &QTimer::timeout, this, &FaultInjector::flood);
}

void FaultInjector::note(const QString& text)
{
    log_.note(channel_, QStringLiteral("fault: ") + text);
}

void FaultInjector::deliver(const QByteArray& reply)
{
    const std::optional<FaultStep> fault = plan_ ? plan_->nextReply() : std::nullopt;
    if (!fault) {
        line_.send(reply);
        return;
    }
    switch (fault->kind) {
    case FaultKind::Drop:
        note(QStringLiteral("drop"));
        break;
    case FaultKind::Delay: {
        note(QStringLiteral("delay %1 ms").arg(fault->amount));
        const int client = client_;
        QTimer::singleShot(fault->amount, this, [this, client, reply] {
            if (client == client_)
                line_.send(reply);
        });
        break;
    }
    case FaultKind::NoLf:
        note(QStringLiteral("no LF"));
        line_.send(reply.chopped(1));
        break;
    case FaultKind::Truncate:
        note(QStringLiteral("truncate %1").arg(fault->amount));
        line_.send(reply.first(std::min<qsizetype>(fault->amount, reply.size())));
        break;
    case FaultKind::Garbage:
        note(QStringLiteral("garbage %1").arg(fault->amount));
        line_.send(garbage(fault->amount));
        break;
    case FaultKind::Flood:
        if (!floodTimer_.isActive())
            note(QStringLiteral("flood"));
        floodTimer_.start();
        break;
    case FaultKind::CloseMidReply:
        note(QStringLiteral("close mid-reply"));
        line_.send(reply.first(reply.size() / 2));
        line_.goAway(ReopenAfterCutMs);
        break;
    case FaultKind::Vanish:
        note(QStringLiteral("vanish %1 ms").arg(fault->amount));
        line_.goAway(fault->amount);
        break;
    }
}

void FaultInjector::clientGone()
{
    floodTimer_.stop();
    ++client_;
}

void FaultInjector::flood()
{
    if (line_.pendingOutput() < FloodBacklog)
        line_.send(QByteArray(FloodChunk, 'x'));
}

} // namespace dalto::sim
