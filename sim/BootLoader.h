#pragma once
// What the controller's boot loader does with one good packet (the body
// without its checksum): erase a block, write program memory in 8-byte
// blocks, write other memory byte by byte, or reset. Every reply ends with
// EOT; an acknowledgement has three characters before it, a refusal one, so
// the host can tell them apart whether or not it counts the EOT.

#include "sim/BootMemory.h"

#include <QByteArray>
#include <QString>

namespace dalto::sim {

class BootLoader {
public:
    static constexpr char Eot = 0x04;
    static constexpr int WriteBlock = 8;

    struct Outcome {
        QByteArray reply;
        QString note;       // what was done or why it was refused, for the log
        bool reset = false; // the host asked the controller to restart
    };

    Outcome handle(const QByteArray& body);

    static QByteArray acknowledgement() { return QByteArrayLiteral("ACK\x04"); }
    static QByteArray refusal() { return QByteArrayLiteral("N\x04"); }
    // One character: a late answer to a surplus probe then reads as a refusal
    // and at worst makes the host repeat an erase, never skip a packet.
    static QByteArray probeAnswer() { return QByteArrayLiteral("B\x04"); }

    const BootMemory& memory() const { return memory_; }

private:
    BootMemory memory_;
};

} // namespace dalto::sim
