#pragma once
// A device link over TCP/IP to the scripted device of the tests, on a fake clock,
// with scripted prompts: what a target needs to drive an exchange with replies it
// makes up.

#include "FakeClock.h"
#include "ScriptedPrompts.h"
#include "ScriptedTransport.h"
#include "link/DeviceLink.h"

namespace dalto::fuzz {

class ScriptedLink {
    // Made first: the link's sockets need the application object.
    struct Application {
        Application();
    } application_;

public:
    ScriptedLink();

    testing::FakeClock clock;
    testing::ScriptedPrompts prompts;
    AppContext context;
    testing::ScriptedTransport device;
    DeviceLink link;
};

} // namespace dalto::fuzz
