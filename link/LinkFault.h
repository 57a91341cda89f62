#pragma once
// A run-time fault of a bus (port cannot be opened, socket error, driver missing).
// Thrown by the bus classes and caught inside the DeviceLink operation, which logs it
// to "debug.txt" and falls back to Simulated mode.

#include <QString>

namespace dalto {

struct LinkFault {
    QString description;
    QString source;
    int number = 0;
    // What happened, in the user's words ("connection refused by 127.0.0.1:5025",
    // "serial port /dev/ttyUSB0 is busy"); empty when the description says it all.
    QString cause{};

    // The cause when there is one, else the system's description.
    QString reason() const { return cause.isEmpty() ? description : cause; }
};

} // namespace dalto
