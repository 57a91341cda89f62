#pragma once
// The rules for the network settings written into the device.

#include <QString>

namespace dalto {

inline const QString InvalidPortText =
    QStringLiteral("Port is invalid.  Check that it is an integer greater than 0 and less than 65535.");
inline const QString InvalidIpText = QStringLiteral("Check IP for validity.");

// A whole number from 1 to 65534, written in decimal digits only.
bool IsValidDevicePort(const QString& text);

} // namespace dalto
