#pragma once
// The stream socket over QTcpSocket.

#include "StreamSocket.h"

#include <QTcpSocket>

namespace dalto {

class QtStreamSocket final : public StreamSocket {
public:
    QtStreamSocket();

    void connectToHost(const QString& host, int32_t port) override;
    bool isConnected() const override;
    bool isActive() const override;
    void close() override;
    void write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override;
    QByteArray readAll() override;
    void waitForReadyRead(int ms) override;
    void discardInput() override;
    std::optional<LinkFault> failure() const override;

private:
    QTcpSocket socket_;
    QString host_;
    int32_t port_ = 0;
    // The error that ended the connection; none after connectToHost and close.
    std::optional<QAbstractSocket::SocketError> error_;
};

} // namespace dalto
