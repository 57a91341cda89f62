#include "MenuItems.h"

#include "FrontPanelFields.h"
#include "core/LegacyNumbers.h"
#include "core/SharedState.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace dalto::front::menu {

namespace {

const SetPointView SetPoints[] = {
    {menustate::ShowVoltage, 0, ReadOut::Volt, true, 1},
    {menustate::ShowCurrent, 1, ReadOut::Curr, false, 2},
    {menustate::Ovt, 2, ReadOut::Volt, true, 3, 2, 3, "VOLT:PROT "},
    {menustate::Oct, 3, ReadOut::Curr, false, 4, 6, 7, "CURR:PROT "},
};

const ConfigItem ConfigItems[] = {
    {0, "CONF:REM:SENS ", 9, LampColour::Green},
    {1, "CONF:CONT:INT ", 3, LampColour::Green},
    {2, "CONF:CONT:EXT ", 4, LampColour::Green},
    {6, "CONF:INTE ", 2, LampColour::Red},
};

// Pots 1, 2 and 5 on the right read-out, 3 and 4 on the left.
const std::array<ReadOut, calitem::Pots> PotDisplays = {
    ReadOut::Curr, ReadOut::Curr, ReadOut::Volt, ReadOut::Volt, ReadOut::Curr,
};

} // namespace

const SetPointView* FindSetPoint(int16_t state)
{
    const auto found = std::find_if(std::begin(SetPoints), std::end(SetPoints),
                                    [state](const SetPointView& view) { return view.state == state; });
    return found == std::end(SetPoints) ? nullptr : found;
}

const QString& SetPointFormat(const SetPointView& view, const SharedState& state)
{
    return view.voltFormat ? state.VoltFormat : state.CurrFormat;
}

const ConfigItem* ConfigItemsBegin() { return std::begin(ConfigItems); }
const ConfigItem* ConfigItemsEnd() { return std::end(ConfigItems); }

const ConfigItem* FindConfigItem(int16_t item)
{
    const auto found = std::find_if(ConfigItemsBegin(), ConfigItemsEnd(),
                                    [item](const ConfigItem& entry) { return entry.item == item; });
    return found == ConfigItemsEnd() ? nullptr : found;
}

int16_t NextConfigItem(int16_t item)
{
    const auto later = std::find_if(ConfigItemsBegin(), ConfigItemsEnd(),
                                    [item](const ConfigItem& entry) { return entry.item > item; });
    return later == ConfigItemsEnd() ? ConfigItemsBegin()->item : later->item;
}

ReadOut PotDisplay(int16_t item)
{
    return PotDisplays.at(item);
}

QString NumberText(float value)
{
    return legacy::format(value, QString());
}

int16_t PotValue(float value)
{
    // Edited pots stay within 0..255, so the rounding cannot overflow.
    return legacy::toInteger(value).value_or(0);
}

float Limited(float value, float upper, float lower)
{
    if (value > upper)
        value = upper;
    if (value < lower)
        value = lower;
    return value;
}

QString ChangeNotice(int state, int item, std::optional<int> mode)
{
    QString text = QStringLiteral("<>CHG %1,%2").arg(state).arg(item);
    if (mode)
        text += QStringLiteral(",%1").arg(*mode);
    return text;
}

} // namespace dalto::front::menu
