#pragma once
// The address and port a user enters for a bus, the rules that make them usable,
// and how a connection on them is named in messages.

#include <QString>
#include <cstdint>
#include <optional>

namespace dalto {

struct CommFields {
    QString address;
    QString port;
};

inline const QString DataErrorTitle = QStringLiteral("Data Error");

// Clears the field the bus does not use (GPIB has no port, RS-232 no address,
// Simulated neither) and checks the rest; a port must be a PortNumber. The message
// for the user when the fields cannot be used, nothing when they can.
std::optional<QString> ValidateCommFields(int16_t bus, CommFields& fields);

// "TCP/IP Address 10.0.0.7 and Port 4040" and the like; empty for buses that
// are not probed.
QString ConnectionDescription(int16_t bus, const QString& address, const QString& port);

// The port number a text stands for: the text must read as one number that fits a
// 32-bit integer ("4040", " 12.5" is 12). None for an empty or non-numeric text and
// for "99999999999", "1e20" or "inf", which no port number can hold.
std::optional<int32_t> PortNumber(const QString& text);

// True for a text that reads as one number ("12", " 3.5"), false for an
// empty text or an address such as "10.0.0.7".
bool IsNumericText(const QString& text);

} // namespace dalto
