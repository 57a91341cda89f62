#pragma once
// RS-485 where the device is selected once by a sequence sent at 9600 baud; the
// traffic afterwards runs at 19200 baud with a 10 ms pause before every command.

#include "SerialTransport.h"

namespace dalto {

class Rs485SelectTransport final : public SerialTransport {
public:
    using SerialTransport::SerialTransport;

    void open() override;
    void addressDevice() override;
    void writeLine(const QByteArray& line) override;
};

} // namespace dalto
