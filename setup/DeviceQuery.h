#pragma once
// One question to the device as the settings dialogs ask it: the command is sent
// and its reply read (2 s) with both echoed to the transcript.

#include <QString>

namespace dalto {

class DeviceLink;

// The reply as read.
QString AskDevice(DeviceLink& link, const QString& command);
// The reply with every CR and LF removed.
QString AskDeviceLine(DeviceLink& link, const QString& command);
// Sends a setting and reads the reply, which only confirms it.
void TellDevice(DeviceLink& link, const QString& command);

} // namespace dalto
