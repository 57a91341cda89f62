// The HBX poll tick: the time-outs of calibration and direct entry, the live
// status, the closing when another panel has become current, then lamps,
// read-outs, the memory number and the run state from the reply.
#include "frmHBX.h"

#include "app/Application.h"
#include "core/LegacyNumbers.h"
#include "panels/front/hbx/HbxItems.h"
#include "protocol/StatusProtocol.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <dialix/tavKnob.h>

namespace dalto::front {

namespace {
const QString ScaleError = QStringLiteral("Error retrieving scale information:");

// The supply answers in upper-case hexadecimal: a lower-case "b" or "j" means
// the line is not a status reply (a stray answer to another command).
QString RejectedLetter(const QString& reply)
{
    for (const QChar letter : {QLatin1Char('b'), QLatin1Char('j')})
        if (reply.contains(letter))
            return QStringLiteral("Result contains '%1'").arg(letter);
    return {};
}
} // namespace

void frmHBX::tmrInfo_Timer()
{
    if (polling_)
        return;
    const QPointer<frmHBX> self(this);
    restartPollInterval();
    menu_.CheckCalibrationTimeout();
    if (!self)
        return;
    menu_.CheckDirectEntryTimeout();

    polling_ = true;
    const std::optional<QString> reply = askStatus();
    if (!reply)
        return;
    if (const QString rejected = RejectedLetter(*reply); !rejected.isEmpty()) {
        reportPollError(ScaleError, *reply, rejected);
        return;
    }
    if (closeIfNotCurrent())
        return;

    const SharedState& s = state();
    const SimulatedSupply stand{fields().RunState, knbVolt->value(), knbCurr->value(),
                                s.SimStatus, s.SimAlarms, s.SimExtra};
    const auto reading = ReadStatusReply(*reply, stand);
    if (!showStatus(reading, ScaleError, *reply))
        return;
    showReadouts(*reading);
    fields().RunState = hbx::HbxRunState(fields().RunState, StatusBitsShown);
}

void frmHBX::showReadouts(const StatusReading& reading)
{
    const SharedState& s = state();
    const auto& f = fields();
    if (f.MenuState == hbx::hbxstate::DisplayHeld) {
        ShowValue(menu::ReadOut::Volt, s.DeviceStateSaved[0], s.VoltFormat);
        ShowValue(menu::ReadOut::Curr, s.DeviceStateSaved[1], s.CurrFormat);
        menu_.ShowMemory(s.DeviceStateSaved[5]);
        return;
    }
    txtVolt->setText(legacy::format(reading.voltage, s.VoltFormat));
    txtCurr->setText(legacy::format(reading.current, s.CurrFormat));
    menu_.ShowMemory(reading.field4);
    // Idle shows no menu; refreshing it would only repaint the whole panel five
    // times a second.
    if (f.MenuMode == hbx::hbxmode::DirectEntry)
        blinkTypedSetPoint();
    else if (f.MenuState != hbx::hbxstate::Idle)
        menu_.RefreshMenuDisplay();
}

void frmHBX::blinkTypedSetPoint()
{
    if (Switching)
        return;
    const hbx::HbxSetPoint* point = hbx::FindHbxSetPoint(fields().SetPointItem);
    if (!point || point->lamp < 0)
        return;
    setLamp(hbx::LampSet::SetPoint, point->lamp, fields().BlinkPhase ? LampColour::Off : LampColour::Green);
}

} // namespace dalto::front
