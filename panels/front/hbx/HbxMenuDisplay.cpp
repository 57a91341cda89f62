// What the read-outs, the memory display and the lamps show while a menu is open.

#include "HbxMenu.h"

#include "HbxItems.h"
#include "core/SharedState.h"
#include "panels/front/menu/MenuItems.h"

namespace dalto::front::hbx {

namespace {

ReadOut other(ReadOut display)
{
    return display == ReadOut::Volt ? ReadOut::Curr : ReadOut::Volt;
}

} // namespace

void HbxMenu::ShowMemory(double value)
{
    host_.setMemoryText(MemoryText(value));
}

void HbxMenu::RefreshMenuDisplay()
{
    const int16_t menuState = fields_.MenuState;
    if (menuState == hbxstate::MemoryRecall) {
        ShowMemory(fields_.EditValue);
    } else if (IsSetPointState(menuState)) {
        showSetPointMenu();
    } else if (menuState == hbxstate::Config) {
        showConfigMenu();
    } else if (IsCalibrationState(menuState)) {
        if (fields_.MenuItem != NoItem) {
            showCalibrationItem();
        } else {
            host_.setReadOut(ReadOut::Volt, fields_.BlinkPhase ? QString() : QStringLiteral("CAL "));
            host_.setReadOut(ReadOut::Curr, QString());
            host_.ModeLampsOff();
        }
    }
    host_.repaint();
}

void HbxMenu::showSetPointMenu()
{
    const HbxSetPoint& point = *FindHbxSetPoint(fields_.MenuState);
    host_.ShowValue(point.display, fields_.EditValue, HbxSetPointFormat(point, state_));
    host_.setReadOut(other(point.display), QString());
    host_.lampsOff(LampSet::Config);
    host_.ModeLampsOff();
    host_.lampsOff(LampSet::Fault);
    if (point.lamp >= 0 && !fields_.BlinkPhase)
        host_.setLamp(LampSet::SetPoint, point.lamp, point.lit);
}

void HbxMenu::showConfigMenu()
{
    host_.setReadOut(ReadOut::Curr, QString());
    const int16_t item = fields_.MenuItem;
    if (fields_.BlinkPhase) {
        host_.setReadOut(ReadOut::Volt, QString());
        if (item != NoItem)
            host_.setLamp(LampSet::Config, item, LampColour::Off);
        else
            host_.lampsOff(LampSet::Config);
        return;
    }
    host_.setReadOut(ReadOut::Volt, QStringLiteral("ConF"));
    if (item == NoItem) {
        host_.lampsOff(LampSet::Config);
        return;
    }
    // Every switchable item's lamp shows its setting as last polled; the
    // selected one is lit.
    for (int16_t each = 0; each < ConfigItemCount; ++each) {
        if (const menu::ConfigItem* entry = FindHbxConfigItem(each)) {
            const bool set = host_.StatusBitShown(entry->statusBit);
            host_.setLamp(LampSet::Config, each, set ? entry->lit : LampColour::Off);
        }
    }
    const menu::ConfigItem* selected = FindHbxConfigItem(item);
    host_.setLamp(LampSet::Config, item, selected ? selected->lit : LampColour::Green);
}

void HbxMenu::showCalibrationItem()
{
    const int16_t item = fields_.MenuItem;
    const bool scale = fields_.MenuState == hbxstate::ScaleCalibration;
    const QString typed = host_.inputText();
    QString memory;
    if (menu::IsPotItem(item)) {
        host_.setReadOut(menu::PotDisplay(item), QLatin1Char('P') + menu::NumberText(fields_.EditValue).rightJustified(3));
        if (!fields_.BlinkPhase)
            memory = QString::number(item + 1);
    } else if (item == hbxcal::Versions) {
        host_.setReadOut(ReadOut::Volt, QLatin1Char('F') + state_.FirmwareVersion.rightJustified(4));
        host_.setReadOut(ReadOut::Curr, QLatin1Char('H') + state_.InterfaceVersion.rightJustified(4));
    } else if (const std::optional<int> rating = FullScaleRating(fields_.MenuState, item)) {
        const bool voltage = item == hbxcal::VoltageScale;
        const QString value = typed.isEmpty() ? menu::NumberText(state_.Ratings[size_t(*rating)]) : typed;
        host_.setReadOut(voltage ? ReadOut::Volt : ReadOut::Curr, value);
        host_.setReadOut(voltage ? ReadOut::Curr : ReadOut::Volt, QStringLiteral("SC"));
    } else {
        const bool defaults = !scale && item == hbxcal::Defaults;
        host_.setReadOut(ReadOut::Volt, defaults ? QStringLiteral("def") : QStringLiteral("rEt"));
        host_.setReadOut(ReadOut::Curr, QString());
    }
    host_.setMemoryText(memory);
}

} // namespace dalto::front::hbx
