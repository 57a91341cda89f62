#pragma once
// The exchanges through which the program reads the supply's ratings, settings,
// calibration pots, versions and error queue into the shared state. Decoding never
// shows a message: a reply that cannot be decoded leaves the state as it was, and
// Simulated mode's "9.999" reply gives the documented defaults.

#include <QString>

namespace dalto {

class DeviceLink;

namespace status {
inline const QString All = QStringLiteral("<>ALL");
inline const QString Scale = QStringLiteral("<>SCL");
inline const QString Pots = QStringLiteral("<>POT");
inline const QString Live = QStringLiteral("<>STA");
inline const QString Versions = QStringLiteral("SYST:VERS?");
inline const QString ErrorQuery = QStringLiteral("SYST:ERR?");
inline const QString Closing = QStringLiteral("<>CLR 0");
// A tool panel that watches no live values tells the device so on opening.
inline const QString ToolPanelOpened = QStringLiteral("<>CHG 0,-1,0");
inline const QString Restart = QStringLiteral("<>RST");
// Reply time-out of these exchanges, seconds.
inline constexpr int16_t ReplyTimeout = 2;
} // namespace status

// Flushes input, then reads ratings, settings and the error queue.
void QueryDeviceInfo(DeviceLink& link);
void ReadAllState(DeviceLink& link);
void ReadScale(DeviceLink& link);
void ReadPots(DeviceLink& link);

} // namespace dalto
