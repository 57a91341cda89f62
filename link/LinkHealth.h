#pragma once
// Whether the link reaches a supply or runs in Simulated mode, and why. The
// banner, the menus and daltoctl read it; DeviceLink::healthChanged says when it
// changes.

#include <QMetaType>
#include <QString>
#include <cstdint>

namespace dalto {

struct LinkHealth {
    bool simulated = false;
    // True when the user or the settings chose Simulated mode; false when the link
    // fell into it because the supply could not be reached.
    bool chosen = false;
    // Why, in words that follow "Simulated mode: no supply is connected", such as
    // "connection refused by 127.0.0.1:5025". Empty while a supply is connected.
    QString reason;
    // Clock time (seconds) of the change.
    double since = 0;
};

// The connection the settings name: what Reconnect opens again.
struct Endpoint {
    int16_t bus = 0;
    QString address;
    int32_t port = 0;
};

// Reasons the program gives for Simulated mode it chose itself.
inline const QString SimulatedByMenu = QStringLiteral("chosen from the Communication menu");
inline const QString SimulatedBySettings = QStringLiteral("the settings select Simulated mode");
inline const QString SimulatedWithoutBus = QStringLiteral("the settings name no bus");
inline const QString SupplyStoppedAnswering = QStringLiteral("the supply stopped answering");

} // namespace dalto

Q_DECLARE_METATYPE(dalto::LinkHealth)
