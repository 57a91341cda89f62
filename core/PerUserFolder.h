#pragma once
// Where a user's own copy of the settings file lives on this platform.

#include <QString>

namespace dalto {

QString PerUserSettingsFolder();

} // namespace dalto
