#pragma once
// A TCP client connection as the link needs it. The real one wraps QTcpSocket and
// makes progress only while events run (Clock::pump); tests hand in a scripted one.

#include "LinkFault.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace dalto {

class StreamSocket {
public:
    virtual ~StreamSocket() = default;
    // Starts connecting; throws LinkFault when the port number is out of range.
    virtual void connectToHost(const QString& host, int32_t port) = 0;
    virtual bool isConnected() const = 0;
    // True unless the socket is fully closed (connecting counts as not closed).
    virtual bool isActive() const = 0;
    virtual void close() = 0;
    // Throws LinkFault when the socket is not connected.
    virtual void write(const QByteArray& bytes) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;
    // Blocks up to ms milliseconds for input on a connected socket; returns at once
    // otherwise.
    virtual void waitForReadyRead(int ms) = 0;
    // Drops every byte received so far, also those the system holds and has not
    // handed over yet.
    virtual void discardInput() = 0;
    // Why the connection is gone (refused, unknown host, closed by the peer), from
    // the moment connecting failed or the connection broke until the next
    // connectToHost or close; nothing while it is connected or still connecting.
    virtual std::optional<LinkFault> failure() const { return std::nullopt; }
};

} // namespace dalto
