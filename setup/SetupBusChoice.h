#pragma once
// What the setup dialog does when the user picks another bus: the network
// address and the bus address are kept apart, so moving to TCP/IP and back
// restores each, and a network port is not offered as a serial port number.
// Also which address and port rows the dialog shows for a bus.

#include "CommFields.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace dalto {

class SetupBusChoice {
public:
    SetupBusChoice(int16_t bus, CommFields fields) : bus_(bus), fields_(std::move(fields)) {}

    int16_t bus() const { return bus_; }
    const CommFields& fields() const { return fields_; }
    void setFields(CommFields fields) { fields_ = std::move(fields); }

    void changeBus(int16_t newBus);

private:
    int16_t bus_;
    CommFields fields_;
    QString networkAddress_;
    QString numericAddress_;
};

struct CommDisplay {
    bool addressShown = true;
    bool portShown = true;
    bool configureShown = true;
    QString addressLabel = QStringLiteral("Address");
    QString portLabel = QStringLiteral("Port");
};

CommDisplay CommDisplayFor(int16_t bus);

// The start-up panel and system type names must be at least five characters;
// the message for the first that is not.
std::optional<QString> ValidateSetupNames(const QString& startupPanel, const QString& systemType);

} // namespace dalto
