#pragma once
// What every part of the program is handed: the shared record and the services.
// The application object owns one; a test builds a fresh one with fake services.

#include "Clock.h"
#include "Paths.h"
#include "Prompts.h"
#include "SharedState.h"

#include <cstdlib>
#include <functional>

namespace dalto {

struct AppContext {
    AppContext(Clock& clock, Prompts& prompts, Paths paths)
        : clock(clock), prompts(prompts), paths(std::move(paths)) {}

    SharedState state;
    Clock& clock;
    Prompts& prompts;
    Paths paths;
    // Ends the program at once (no unload handlers). From then on the operation that
    // was running transfers nothing more, asks nothing and opens no window: the link
    // and the application look at programEnding.
    void endProgram()
    {
        if (programEnding)
            return;
        programEnding = true;
        onEndProgram();
    }
    bool programEnding = false;
    // What ending does; the application turns it into the exit of its event loop,
    // tests replace it to observe it.
    std::function<void()> onEndProgram = [] { std::exit(0); };
};

} // namespace dalto
