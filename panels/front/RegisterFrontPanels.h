#pragma once
// Registers frmKD, frmMW, frmHB and frmHBX with the window registry, so that start-up,
// the View menu's Virtual Control Panel item and Setup open them by supply type.

namespace dalto {
class Application;
}

namespace dalto::front {

void registerFrontPanels(Application& app);

} // namespace dalto::front
