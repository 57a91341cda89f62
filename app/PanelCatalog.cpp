#include "PanelCatalog.h"

#include "panels/tools/ToolPanels.h"

namespace dalto {

void registerProgramPanels(Application& app)
{
    registerToolPanels(app);
}

} // namespace dalto
