#pragma once
// Turns one received command line into the reply the supply sends: "<>"
// commands, SCPI commands separated by ";" (replies joined by ";"), and
// errors queued for "SYST:ERR?".

#include "sim/Device.h"

#include <QByteArray>
#include <optional>

namespace dalto::sim {

struct LineResponse {
    std::optional<QByteArray> reply; // without the line ending
    bool restartNetwork = false;
};

class CommandProcessor {
public:
    explicit CommandProcessor(Device& device) : device_(device) {}

    // line: without its LF (a CR before it is allowed).
    LineResponse handleLine(QByteArray line);
    // A line that was too long and was dropped by the framing.
    void reportOverrun();

private:
    std::optional<QString> handleScpiCommand(const QString& command, bool messagePending);

    Device& device_;
};

} // namespace dalto::sim
