// The poll tick: ask for the live status, close this panel when another one has
// become current, then lamps, read-outs and the run state from the reply.
#include "frmKD.h"

#include "ReadoutValue.h"
#include "app/Application.h"
#include "core/LegacyNumbers.h"
#include "protocol/StatusProtocol.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <dialix/tavKnob.h>

namespace dalto::front {

void frmKD::tmrInfo_Timer()
{
    if (polling_)
        return;
    polling_ = true;
    const QPointer<frmKD> self(this);
    restartPollInterval();
    menu_.CheckCalibrationTimeout();
    if (!self)
        return;

    const std::optional<QString> reply = askStatus();
    if (!reply || closeIfNotCurrent())
        return;

    const SimulatedSupply stand{fields().RunState, knbVolt->value(), knbCurr->value(),
                                state().SimStatus, state().SimAlarms};
    const auto reading = ReadStatusReply(*reply, stand);
    if (!showStatus(reading, QStringLiteral("Error retrieving state information:"), *reply))
        return;
    showReadouts(*reading);
    fields().RunState = RunState(fields().RunState, StatusBitsShown);
}

void frmKD::showReadouts(const StatusReading& reading)
{
    const SharedState& s = state();
    switch (fields().MenuState) {
    case menu::menustate::VoltCurrHeld:
        ShowValue(menu::ReadOut::Volt, s.DeviceStateSaved[0], s.VoltFormat);
        ShowValue(menu::ReadOut::Curr, s.DeviceStateSaved[1], s.CurrFormat);
        break;
    case menu::menustate::TripHeld:
        ShowValue(menu::ReadOut::Volt, s.DeviceStateSaved[2], s.VoltFormat);
        ShowValue(menu::ReadOut::Curr, s.DeviceStateSaved[3], s.CurrFormat);
        break;
    case menu::menustate::Calibration:
        ShowValue(menu::ReadOut::Volt, float(reading.voltage), s.VoltFormat);
        ShowValue(menu::ReadOut::Curr, float(reading.current), s.CurrFormat);
        menu_.ShowCalItem();
        break;
    default:
        txtVolt->setText(legacy::format(reading.voltage, s.VoltFormat));
        txtCurr->setText(legacy::format(reading.current, s.CurrFormat));
        menu_.ShowEditValue();
        break;
    }
}

} // namespace dalto::front
