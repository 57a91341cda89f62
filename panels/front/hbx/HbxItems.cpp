#include "HbxItems.h"

#include "HbxFields.h"
#include "core/SharedState.h"

#include <algorithm>
#include <iterator>

namespace dalto::front::hbx {

namespace {

// The trip levels' lamps are the OVT and OCT fault lamps, shown red as the
// trip-level menus of the other panels show them.
const HbxSetPoint SetPoints[] = {
    {hbxstate::Voltage, 0, ReadOut::Volt, 0, "VOLT ", 8, LampColour::Green},
    {hbxstate::Current, 1, ReadOut::Curr, 4, "CURR ", 10, LampColour::Green},
    {hbxstate::OverVoltage, 2, ReadOut::Volt, 2, "VOLT:PROT ", 0, LampColour::Red},
    {hbxstate::OverCurrent, 3, ReadOut::Curr, 6, "CURR:PROT ", 1, LampColour::Red},
    {hbxstate::Period, 4, ReadOut::Volt, -1, "PER ", -1, LampColour::Off},
};

// Configuration positions 3..6 are indicators; the walk jumps from 2 to 7.
constexpr int16_t FirstIndicator = 3;
constexpr int16_t InterfaceLock = 7;


} // namespace

const HbxSetPoint* FindHbxSetPoint(int16_t state)
{
    const auto found = std::find_if(std::begin(SetPoints), std::end(SetPoints),
                                    [state](const HbxSetPoint& point) { return point.state == state; });
    return found == std::end(SetPoints) ? nullptr : found;
}

QString HbxSetPointFormat(const HbxSetPoint& point, const SharedState& state)
{
    if (point.state == hbxstate::Period)
        return QStringLiteral("0");
    return point.display == ReadOut::Volt ? state.VoltFormat : state.CurrFormat;
}

int16_t NextHbxConfigItem(int16_t item)
{
    const int16_t next = int16_t((item + 1) % ConfigItemCount);
    return next == FirstIndicator ? InterfaceLock : next;
}

int16_t ReturnItem(int16_t state)
{
    return state == hbxstate::ScaleCalibration ? hbxcal::ScaleItems - 1 : hbxcal::PotItems - 1;
}

std::optional<int> FullScaleRating(int16_t state, int16_t item)
{
    if (state != hbxstate::ScaleCalibration)
        return std::nullopt;
    if (item == hbxcal::VoltageScale)
        return 0;
    if (item == hbxcal::CurrentScale)
        return 4;
    return std::nullopt;
}

const menu::ConfigItem* FindHbxConfigItem(int16_t item)
{
    // The other panels number the interface lock 6: they have no KEYPAD position.
    if (item >= FirstIndicator && item < InterfaceLock)
        return nullptr;
    return menu::FindConfigItem(item == InterfaceLock ? InterfaceLock - 1 : item);
}

QString MemoryText(double value)
{
    return value > LargestMemory ? QStringLiteral("E") : menu::NumberText(float(value));
}

int16_t HbxRunState(int16_t previous, const StatusBits& status)
{
    const int16_t run = RunState(previous, status);
    if (run == hbxrun::OutputOn && status[0])
        return hbxrun::ArmedOn;
    return run;
}

} // namespace dalto::front::hbx
