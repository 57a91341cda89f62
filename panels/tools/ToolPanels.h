#pragma once
// Registers the tool panels this build has with the application's window registry.

namespace dalto {

class Application;

void registerToolPanels(Application& app);

} // namespace dalto
