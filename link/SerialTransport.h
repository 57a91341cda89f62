#pragma once
// RS-232: the serial line at 19200 baud, 8N1, bytes sent as they are. Also the
// base of the two RS-485 variants, which share the line and its reading.

#include "Transport.h"

namespace dalto {

struct AppContext;
class SerialLine;

class SerialTransport : public Transport {
public:
    SerialTransport(AppContext& context, SerialLine& line);

    void open() override;
    void writeBytes(const QByteArray& bytes) override;
    void receive(QByteArray& reply, ReceiveStyle style) override;
    void discardInput() override;

protected:
    static constexpr int StandardBaud = 19200;
    // Opens the configured port at baud and lets pending events run.
    void openAt(int baud);

    AppContext& context_;
    SerialLine& line_;
};

} // namespace dalto
