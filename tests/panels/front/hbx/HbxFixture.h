#pragma once
// The HBX engine on a scripted RS-232 device and the fake clock, with a panel
// that remembers what it was told.

#include "panels/front/hbx/HbxMenu.h"

#include "QStringPrinter.h"
#include "link/LinkFixture.h"

#include <QStringList>
#include <array>
#include <map>
#include <utility>


namespace dalto::testing {

using namespace dalto::front::hbx;

class FakeHbxPanel final : public HbxMenuHost {
public:
    void setReadOut(ReadOut which, const QString& text) override { (which == ReadOut::Volt ? left : right) = text; }
    void ShowValue(ReadOut which, float value, const QString& format) override
    {
        setReadOut(which, QStringLiteral("=%1 %2").arg(value).arg(format));
    }
    void setMemoryText(const QString& text) override { memory = text; }
    QString inputText() const override { return input; }
    void setInputText(const QString& text) override { input = text; }
    void setLamp(LampSet set, int key, LampColour colour) override { lamps[{set, key}] = colour; }
    void lampsOff(LampSet set) override
    {
        for (auto& [lamp, colour] : lamps)
            if (lamp.first == set)
                colour = LampColour::Off;
    }
    void ModeLampsOff() override
    {
        for (auto& [lamp, colour] : lamps)
            if (lamp.first == LampSet::Mode && lamp.second != 6 && lamp.second != 7)
                colour = LampColour::Off;
    }
    bool StatusBitShown(int bit) const override { return statusBits.at(bit); }
    bool FaultBitShown(int bit) const override { return faultBits.at(bit); }
    void enableKnobs(bool enabled) override { knobs = enabled; }
    void placeKnobs() override {}
    void setMenuTimerEnabled(bool enabled) override { menuTimer = enabled; }
    void setMenuTimerInterval(int) override {}
    void setInfoTimerEnabled(bool enabled) override { infoTimer = enabled; }
    void poll() override { ++polls; }
    void repaint() override {}

    LampColour lamp(LampSet set, int key) { return lamps[{set, key}]; }

    QString left, right, memory, input;
    std::array<bool, 17> statusBits{}, faultBits{};
    bool knobs = true, menuTimer = false, infoTimer = false;
    int polls = 0;

private:
    std::map<std::pair<LampSet, int>, LampColour> lamps;
};

class HbxFixture : public LinkFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start(1));
        auto& s = context.state;
        s.Ratings = {100, 0, 110, 10, 20, 0, 22, 2};
        s.VoltFormat = "0.0";
        s.CurrFormat = "0.00";
        s.DeviceState = s.DeviceStateSaved = {12, 2, 50, 5, 30, 3};
        s.PotValues = s.PotValuesSaved = {128, 128, 128, 128, 128};
        menu = std::make_unique<HbxMenu>(*link, panel);
        menu->ExitMenu();
        sent();
    }

    // Command lines sent since the last call.
    QStringList sent()
    {
        return device.linesSince(sentFrom);
    }

    // Keys typed into the entry display, one change each.
    void type(const QString& keys)
    {
        for (QChar key : keys) {
            panel.input += key;
            menu->txtInput_Change();
        }
    }

    void tickFor(double seconds)
    {
        for (double end = clock.now() + seconds; clock.now() < end;) {
            clock.advance(0.1);
            menu->tmrMenu_Timer();
        }
    }

    // A held key let go after seconds, through the window events the key's loop runs.
    void releaseAfter(double seconds, std::function<void()> release)
    {
        const double at = clock.now() + seconds;
        clock.onAdvance([at, release, done = false](double now) mutable {
            if (!done && now >= at) {
                done = true;
                release();
            }
        });
    }

    HbxFields& f() { return menu->fields(); }

    FakeHbxPanel panel;
    std::unique_ptr<HbxMenu> menu;
    qsizetype sentFrom = 0;
};

} // namespace dalto::testing
