#pragma once
// What this platform's users expect where Linux and Windows differ: where a
// user's settings live, what a serial port number names, how a picked path reads,
// whether a folder takes new files.

#include <QString>

namespace dalto {

// The folder of a user's own copy of the settings file.
QString PerUserSettingsFolder();

// The device that serial port portNumber (1 and up) names when the settings
// file maps it to none.
QString DefaultSerialPortPath(int portNumber);

// A path the user picked in a file dialog, as the program goes on to use it.
QString PickedPath(const QString& chosen);

// Whether this user may create (and so replace) files in folder.
bool CanCreateFilesIn(const QString& folder);

} // namespace dalto
