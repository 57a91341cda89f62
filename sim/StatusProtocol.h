#pragma once
// The supply's private "<>" commands: packed state replies in hexadecimal
// fields ("<>STA", "<>ALL", "<>SCL", "<>POT"), the front-panel notices that
// need no reply ("<>CHG", "<>IGN", "<>CLR", "<>TYP", "<>PRO") and the restart
// of the network module ("<>RST").

#include "sim/Device.h"

#include <QString>
#include <optional>

namespace dalto::sim {

struct StatusProtocolResult {
    int error = scpi_error::None;
    std::optional<QString> reply;
    bool restartNetwork = false;
};

bool isStatusProtocolLine(const QString& line);
StatusProtocolResult handleStatusProtocol(Device& device, const QString& line);

// A value in thousandths as an upper-case hexadecimal field.
QString thousandthsField(double value);

} // namespace dalto::sim
