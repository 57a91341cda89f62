#pragma once
// One bus to the device. A transport only moves bytes, with the bus's own opening
// sequence, pacing and framing; what makes a reply complete, time-outs, fault
// records and the fall-back to Simulated mode belong to DeviceLink.

#include "LinkFault.h"

#include <QByteArray>
#include <optional>

namespace dalto {

// How long one receive may wait when nothing has arrived yet: short enough for a
// prompt reply, long enough that a silent device costs no noticeable CPU.
inline constexpr int ReceiveSliceMs = 10;

// A device that streams without ever ending its line must not make the program
// hold unbounded memory: one read keeps at most this much (the rest is dropped and
// the time-out decides), and the bus controls buffer no more than this unread.
inline constexpr qsizetype MaxReplyBytes = 64 * 1024;

struct ReceiveStyle {
    bool mayPrompt = true;     // the GPIB layer may ask the user after a failed transfer
    bool letEventsRun = false; // the wait lets user-interface events run
};

class Transport {
public:
    virtual ~Transport() = default;

    // Opens the bus for the configured device. Throws LinkFault.
    virtual void open() = 0;
    // The exchange that makes the device listen, once the bus is open and labelled.
    virtual void addressDevice() {}
    // Sends one command line (ending in LF) with the bus's pacing and framing.
    virtual void writeLine(const QByteArray& line) { writeBytes(line); }
    // Sends bytes unchanged.
    virtual void writeBytes(const QByteArray& bytes) = 0;
    // Appends what the device has sent to reply; when nothing is waiting yet it
    // first waits up to ReceiveSliceMs for it.
    virtual void receive(QByteArray& reply, ReceiveStyle style) = 0;
    virtual void discardInput() = 0;
    // True when one receive delivers a whole transfer that the bus itself ended
    // (GPIB, Simulated); otherwise replies are collected from a byte stream.
    virtual bool deliversWholeTransfers() const { return false; }
    // Why the bus can carry nothing any more (a connection refused or closed by
    // the peer), so that a read need not wait for its time-out; nothing while it
    // may still deliver.
    virtual std::optional<LinkFault> failure() const { return std::nullopt; }
};

} // namespace dalto
