#pragma once
// The panels of the program, registered in one place. Each panel family offers one
// registration function; this calls them all.

namespace dalto {

class Application;

void registerProgramPanels(Application& app);

} // namespace dalto
