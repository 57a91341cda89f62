#pragma once
// TCP/IP: a stream connection to DeviceAddress:DevicePort. Connecting and reading
// let events run, because the socket only makes progress inside the event loop.

#include "Transport.h"

namespace dalto {

struct AppContext;
class StreamSocket;

class TcpTransport final : public Transport {
public:
    TcpTransport(AppContext& context, StreamSocket& socket);

    // Waits up to 3 s for the connection, less when it fails sooner; an unconnected
    // socket is no fault here, the next read times out instead.
    void open() override;
    // Sends only on a connected socket; without a connection the bytes are dropped.
    void writeBytes(const QByteArray& bytes) override;
    void receive(QByteArray& reply, ReceiveStyle style) override;
    void discardInput() override;
    std::optional<LinkFault> failure() const override;

private:
    // Lets pending events run, at most once per receive slice.
    void letEventsRun();

    AppContext& context_;
    StreamSocket& socket_;
    double eventsDueAt_ = 0;
};

} // namespace dalto
