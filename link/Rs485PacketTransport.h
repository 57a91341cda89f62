#pragma once
// RS-485 in packet frames: every command goes out as frames of at most 32
// characters, each "{" + address hex + piece + CR, paced so that the bus nodes
// keep up.

#include "SerialTransport.h"

namespace dalto {

class Rs485PacketTransport final : public SerialTransport {
public:
    using SerialTransport::SerialTransport;

    void writeLine(const QByteArray& line) override;
};

} // namespace dalto
