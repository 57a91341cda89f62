#pragma once
// No device: writes are dropped and every read answers "9.999" at once, so that
// callers parsing numbers keep working on defaults.

#include "Transport.h"

namespace dalto {

class SerialLine;
class StreamSocket;

class SimulatedTransport final : public Transport {
public:
    SimulatedTransport(SerialLine& line, StreamSocket& socket);

    // Releases whichever real connection is still held.
    void open() override;
    void writeBytes(const QByteArray&) override {}
    void receive(QByteArray& reply, ReceiveStyle style) override;
    void discardInput() override {}
    bool deliversWholeTransfers() const override { return true; }

private:
    SerialLine& line_;
    StreamSocket& socket_;
};

} // namespace dalto
