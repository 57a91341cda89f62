// The poll tick: ask for the live status, close this panel when another one has
// become current, then lamps, read-outs and the run state from the reply.
#include "frmKD.h"

#include "ReadoutValue.h"
#include "StatusQuery.h"
#include "app/Application.h"
#include "core/LegacyNumbers.h"
#include "protocol/StatusProtocol.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <dialix/tavKnob.h>

namespace dalto::front {

namespace {
constexpr int PollInterval = 200;
// The reply is kept in a fixed-width text, as the device's answer buffer is.
constexpr int ReplyWidth = 100;
} // namespace

void frmKD::tmrInfo_Timer()
{
    // A poll that waits for its reply lets events run; a tick or key arriving
    // meanwhile must not start a second exchange whose reply would be taken for
    // this one's.
    if (polling_)
        return;
    polling_ = true;
    const QPointer<frmKD> self(this);

    tmrInfo->setInterval(PollInterval);
    menu_.CheckCalibrationTimeout();

    const QString reply =
        QueryStatus(link(), fields().DebugMode).leftJustified(ReplyWidth, QLatin1Char(' '), true);
    if (!self)
        return;
    polling_ = false;

    if (closeIfNotCurrent())
        return;

    const SimulatedSupply stand{fields().RunState, knbVolt->value(), knbCurr->value(),
                                state().SimStatus, state().SimAlarms};
    const auto reading = ReadStatusReply(reply, stand);
    if (!reading) {
        reportPollError(QStringLiteral("Error retrieving state information:"), reply, OverflowDescription);
        return;
    }
    StatusBitsShown = reading->statusBits;
    FaultBitsShown = reading->faultBits;
    PaintLamps();
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
