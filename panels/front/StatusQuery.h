#pragma once
// The poll exchange: "<>STA" with a quiet 2 s read, and when that times out a
// second request whose 1 s read reports the time-out and drops the link into
// Simulated mode.

#include <QString>

namespace dalto {
class DeviceLink;
}

namespace dalto::front {

// The reply line as read (empty when nothing came back).
QString QueryStatus(DeviceLink& link, bool echo);

} // namespace dalto::front
