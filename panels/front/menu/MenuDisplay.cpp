// What the two read-outs and the lamps show while the menu is open.

#include "FrontPanelMenu.h"

#include "MenuItems.h"
#include "core/SharedState.h"

namespace dalto::front::menu {

namespace {

ReadOut other(ReadOut display)
{
    return display == ReadOut::Volt ? ReadOut::Curr : ReadOut::Volt;
}

} // namespace

void FrontPanelMenu::RefreshMenuDisplay()
{
    const SetPointView* trip = FindSetPoint(fields_.MenuState);
    if (trip && trip->command) {
        host_.ShowValue(trip->display, fields_.EditValue, SetPointFormat(*trip, state_));
        host_.setReadOut(other(trip->display), QString());
        host_.ConfigLampsOff();
        host_.ModeLampsOff();
        host_.FaultLampsOff();
        if (!fields_.BlinkPhase)
            host_.setLamp(LampGroup::SetPoint, trip->lamp, LampColour::Red);
    } else if (fields_.MenuState == menustate::Config) {
        host_.setReadOut(ReadOut::Curr, QString());
        if (fields_.MenuItem != NoItem)
            ShowConfigItem();
        else
            ShowConfigMenu();
    } else if (fields_.MenuState == menustate::Calibration) {
        if (fields_.MenuItem != NoItem) {
            ShowCalItem();
        } else {
            host_.setReadOut(ReadOut::Curr, QString());
            ShowCalMenu();
            host_.ModeLampsOff();
        }
    }
    host_.repaint();
}

void FrontPanelMenu::ShowConfigMenu()
{
    host_.ConfigLampsOff();
    host_.setReadOut(ReadOut::Volt, fields_.BlinkPhase ? QString() : QStringLiteral("ConF"));
}

void FrontPanelMenu::ShowConfigItem()
{
    const int itemLamp = fields_.MenuItem + 1;
    if (fields_.BlinkPhase) {
        host_.setReadOut(ReadOut::Volt, QString());
        host_.setLamp(LampGroup::Config, itemLamp, LampColour::Off);
        return;
    }
    host_.setReadOut(ReadOut::Volt, QStringLiteral("ConF"));
    // Every item's lamp shows its setting as last polled; the selected one is lit.
    for (auto entry = ConfigItemsBegin(); entry != ConfigItemsEnd(); ++entry) {
        const bool set = host_.StatusBitShown(entry->statusBit);
        host_.setLamp(LampGroup::Config, entry->item + 1, set ? entry->lit : LampColour::Off);
    }
    if (const ConfigItem* selected = FindConfigItem(fields_.MenuItem))
        host_.setLamp(LampGroup::Config, itemLamp, selected->lit);
}

void FrontPanelMenu::ShowCalMenu()
{
    host_.setReadOut(ReadOut::Volt, fields_.BlinkPhase ? QString() : QStringLiteral("CAL "));
    host_.repaint();
}

void FrontPanelMenu::ShowCalItem()
{
    const int16_t item = fields_.MenuItem;
    if (IsPotItem(item)) {
        // "P" and the pot number take turns in front of the value.
        const QString mark = fields_.BlinkPhase ? QString::number(item + 1) : QStringLiteral("P");
        host_.setReadOut(PotDisplay(item), mark + NumberText(fields_.EditValue).rightJustified(3));
    } else if (item == calitem::Versions) {
        host_.setReadOut(ReadOut::Volt, QLatin1Char('F') + state_.FirmwareVersion.rightJustified(4));
        host_.setReadOut(ReadOut::Curr, QLatin1Char('H') + state_.InterfaceVersion.rightJustified(4));
    } else if (item == calitem::Defaults || item == calitem::Return) {
        host_.setReadOut(ReadOut::Volt, item == calitem::Defaults ? QStringLiteral("def") : QStringLiteral("rEt"));
        host_.setReadOut(ReadOut::Curr, QString());
    }
    host_.repaint();
}

void FrontPanelMenu::ShowEditValue()
{
    if (const SetPointView* view = FindSetPoint(fields_.MenuState)) {
        host_.ModeLampsOff();
        host_.ConfigLampsOff();
        host_.ShowValue(view->display, state_.DeviceState[view->index], SetPointFormat(*view, state_));
        host_.setReadOut(other(view->display), QString());
        host_.setLamp(LampGroup::SetPoint, view->lamp, LampColour::Green);
    } else if (fields_.MenuState == menustate::Calibration && IsPotItem(fields_.MenuItem)) {
        state_.PotValues[fields_.MenuItem] = PotValue(fields_.EditValue);
        ShowCalItem();
    }
}

void FrontPanelMenu::ConfigItemLampOn()
{
    host_.setLamp(LampGroup::Config, fields_.MenuItem + 1, LampColour::Green);
}

void FrontPanelMenu::ConfigItemLampOff()
{
    host_.setLamp(LampGroup::Config, fields_.MenuItem + 1, LampColour::Off);
}

} // namespace dalto::front::menu
