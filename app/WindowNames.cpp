#include "WindowNames.h"

namespace dalto::window {

QString virtualPanelFor(int systemType)
{
    switch (systemType) {
    case 0:
    case 1: return frmHB;
    case 3: return frmMW;
    case 4: return frmKD;
    default: return frmHBX;
    }
}

QString virtualPanelAfterSetup(int systemType)
{
    switch (systemType) {
    case 2: return frmHBX;
    case 3: return frmMW;
    case 4: return frmKD;
    default: return frmHB;
    }
}

QString startupPanelFor(int startupPanel, int systemType)
{
    switch (startupPanel) {
    case 1: return frmCommand;
    case 2: return frmRegisters;
    case 3: return frmCalibration;
    case 4: return frmModulation;
    default: return virtualPanelFor(systemType);
    }
}

} // namespace dalto::window
