#pragma once
// The menu engine on a scripted RS-232 device and the fake clock, with a panel
// that remembers what it was told. Lamps are kept by their label, so switching
// a collection off darkens the lamps it shares with the others.

#include "panels/front/menu/FrontPanelMenu.h"

#include "QStringPrinter.h"
#include "link/LinkFixture.h"

#include <QStringList>
#include <array>
#include <map>


namespace dalto::testing {

using namespace dalto::front::menu;

class FakePanel final : public FrontPanelMenuHost {
public:
    void setReadOut(ReadOut which, const QString& text) override { display(which) = text; }
    // A value shown truncated reads "=value format".
    void ShowValue(ReadOut which, float value, const QString& format) override
    {
        display(which) = QStringLiteral("=%1 %2").arg(value).arg(format);
    }
    void setLamp(LampGroup group, int position, LampColour colour) override { lamps[label(group, position)] = colour; }
    void ModeLampsOff() override { off({"S3", "S4", "S8", "S9", "S10"}); }
    void ConfigLampsOff() override { off(Config); }
    void FaultLampsOff() override { off({"E0", "E1", "E2", "E3", "E4", "E8", "D2"}); }
    bool StatusBitShown(int bit) const override { return statusBits.at(bit); }
    bool FaultBitShown(int bit) const override { return faultBits.at(bit); }
    void showCalKey(bool shown) override { calKey = shown; }
    void showArrowKeys(bool shown) override { arrows = shown; }
    void enableSetKeys(bool enabled) override { setKeys = enabled; }
    void enableKnobs(bool enabled) override { knobs = enabled; }
    void placeKnobs() override { ++knobPlacements; }
    void setMenuTimerEnabled(bool enabled) override { menuTimer = enabled; }
    void setMenuTimerInterval(int) override {}
    void setInfoTimerEnabled(bool enabled) override { infoTimer = enabled; }
    void poll() override { ++polls; }
    void repaint() override {}

    QString& display(ReadOut which) { return which == ReadOut::Volt ? left : right; }
    LampColour lamp(LampGroup group, int position) { return lamps[label(group, position)]; }

    QString left, right;
    std::array<bool, 17> statusBits{}, faultBits{};
    bool calKey = false, arrows = false, setKeys = true, knobs = true, menuTimer = false, infoTimer = false;
    int knobPlacements = 0, polls = 0;

private:
    inline static const QStringList Config = {"S9", "S3", "S4", "D0", "D1", "D2", "E8"};
    static QString label(LampGroup group, int position)
    {
        static const QStringList setPoint = {"S8", "S10", "E0", "E1"};
        return (group == LampGroup::SetPoint ? setPoint : Config).at(position - 1);
    }
    void off(const QStringList& labels)
    {
        for (const QString& name : labels)
            lamps[name] = LampColour::Off;
    }
    std::map<QString, LampColour> lamps;
};

class MenuFixture : public LinkFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start(1));
        auto& s = context.state;
        s.Ratings = {100, 0, 110, 10, 20, 0, 22, 2};
        s.VoltFormat = "0.0";
        s.CurrFormat = "0.00";
        s.DeviceState = s.DeviceStateSaved = {12, 2, 50, 5, 0, 0};
        s.PotValues = s.PotValuesSaved = {128, 128, 128, 128, 128};
        makeMenu(MenuVariant::KD);
    }

    void makeMenu(MenuVariant variant)
    {
        menu = std::make_unique<FrontPanelMenu>(*link, panel, variant);
        menu->ExitMenu();
        sent();
    }

    // Command lines sent since the last call.
    QStringList sent()
    {
        return device.linesSince(sentFrom);
    }

    void tickFor(double seconds)
    {
        for (double end = clock.now() + seconds; clock.now() < end;) {
            clock.advance(0.1);
            menu->tmrMenu_Timer();
        }
    }

    void keys(const QString& sequence) // M menu, I item, E enter
    {
        for (QChar key : sequence)
            key == 'M' ? menu->cmdMenu_Click() : key == 'I' ? menu->cmdItem_Click() : menu->cmdEnter_Click();
    }

    // CAL held 10 s; the device reports pots 100..104.
    void holdCal()
    {
        device.reply("64,65,66,67,68\r\n");
        menu->cmdCal_MouseDown();
        tickFor(10.05);
        menu->cmdCal_MouseUp();
    }
    void openPots()
    {
        keys("MIII");
        holdCal();
        sent();
    }

    FrontPanelFields& f() { return menu->fields(); }

    FakePanel panel;
    std::unique_ptr<FrontPanelMenu> menu;
    qsizetype sentFrom = 0;
};

} // namespace dalto::testing
