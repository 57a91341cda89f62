#pragma once
// The computer's cache of network names, cleared after a device is given a new
// name so that the name is looked up afresh.

namespace dalto {

// Starts the clearing and returns at once; where the system keeps no such
// cache it does nothing.
void ClearNetworkNameCache();

} // namespace dalto
