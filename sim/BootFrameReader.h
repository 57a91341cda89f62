#pragma once
// Reads the boot loader's framed packets out of the serial byte stream:
// STX STX, the body and its checksum with DLE before every 0x04, 0x05 or
// 0x0F among them, then ETX. A packet is good when body and checksum sum to
// zero modulo 256. STX bytes that are not followed by a packet are the
// host's probes; how many are waiting is left to the caller, who alone knows
// whether the line went quiet after them.

#include <QByteArray>
#include <QString>
#include <optional>

namespace dalto::sim {

struct BootFrame {
    QByteArray body; // without checksum; empty when the frame was bad
    QString fault;   // why the frame was refused; empty for a good one

    bool good() const { return fault.isEmpty(); }
};

class BootFrameReader {
public:
    static constexpr char Stx = 0x0F;
    static constexpr char Etx = 0x04;
    static constexpr char Dle = 0x05;
    // The host builds its packets in 1024-byte arrays; anything longer is noise.
    static constexpr qsizetype MaxBody = 1024;

    // A frame when this byte ended one, good or bad.
    std::optional<BootFrame> feed(char byte);
    // STX bytes received since the last frame with nothing after them yet.
    int pendingStx() const { return state_ == State::Start ? stxRun_ : 0; }

private:
    enum class State { Idle, Start, Body, Escape };

    std::optional<BootFrame> refuse(const QString& fault, State next = State::Idle);
    std::optional<BootFrame> finish();
    std::optional<BootFrame> append(char byte);

    State state_ = State::Idle;
    int stxRun_ = 0;
    QByteArray body_;
};

} // namespace dalto::sim
