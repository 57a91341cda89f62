#include "PanelCatalog.h"

#include "panels/front/RegisterFrontPanels.h"
#include "panels/tools/ToolPanels.h"

namespace dalto {

void registerProgramPanels(Application& app)
{
    registerToolPanels(app);
    front::registerFrontPanels(app);
}

} // namespace dalto
