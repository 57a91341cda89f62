#pragma once
// The window-class names under which panels are registered and switched to.

#include <QString>

namespace dalto::window {

inline const QString frmKD = QStringLiteral("frmKD");
inline const QString frmMW = QStringLiteral("frmMW");
inline const QString frmHB = QStringLiteral("frmHB");
inline const QString frmHBX = QStringLiteral("frmHBX");
inline const QString frmCommand = QStringLiteral("frmCommand");
inline const QString frmRegisters = QStringLiteral("frmRegisters");
inline const QString frmCalibration = QStringLiteral("frmCalibration");
inline const QString frmModulation = QStringLiteral("frmModulation");
inline const QString FrmLoader = QStringLiteral("FrmLoader");

// The virtual front panel for a supply type, as the start-up and the View menu's
// Virtual item choose it: 0 or 1 HB, 3 MW, 4 KD, anything else HBX.
QString virtualPanelFor(int systemType);
// The choice after the setup dialog changed the type on a virtual panel:
// 2 HBX, 3 MW, 4 KD, anything else HB.
QString virtualPanelAfterSetup(int systemType);
// The panel the Form_List position names: 0 the virtual panel of the type,
// 1 Command, 2 Registers, 3 Calibration, 4 Modulation. Any other position also
// gives the virtual panel, so that a bad setting still opens a usable window.
QString startupPanelFor(int startupPanel, int systemType);

} // namespace dalto::window
