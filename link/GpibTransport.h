#pragma once
// GPIB: every transfer goes through the GPIB layer to the opened device; a read is
// one transfer of at most 100 bytes that the bus ends at LF or its own time-out.

#include "Transport.h"

namespace dalto {

struct AppContext;
class GpibLayer;

class GpibTransport final : public Transport {
public:
    GpibTransport(AppContext& context, GpibLayer& gpib);

    void open() override;
    void writeLine(const QByteArray& line) override;
    void writeBytes(const QByteArray& bytes) override;
    void receive(QByteArray& reply, ReceiveStyle style) override;
    void discardInput() override;
    bool deliversWholeTransfers() const override { return true; }

private:
    // The address as the failure prompt shows it.
    QString promptAddress() const;

    AppContext& context_;
    GpibLayer& gpib_;
};

} // namespace dalto
