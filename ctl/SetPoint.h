#pragma once
// The command the front panel sends for a new set point or protection level,
// with the value checked against the supply's ratings and written in its
// display format.

#include "core/SharedState.h"

#include <QString>
#include <QStringList>

namespace dalto::ctl {

struct SetPointCommand {
    QString command; // empty when the value was refused
    QString error;   // why it was refused
};

// quantity: "voltage", "current", "ovp" or "ocp".
SetPointCommand MakeSetPointCommand(const QString& quantity, const QString& valueText, const SharedState& state);

// What the front panel's START and STOP keys send.
QStringList OutputCommands(bool on);

} // namespace dalto::ctl
