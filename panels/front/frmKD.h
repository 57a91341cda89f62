#pragma once
// The virtual front panel of the KD series, and (same behaviour, its own layout)
// of the MW series: two read-outs, the voltage and current knobs, the lamps, the
// menu, hold, set, arrow and START/STOP keys, and the transcript of the exchange.
// frmHB derives from it.
//
// The window only renders and forwards: the status reply is decoded by
// ReadStatusReply, the menu runs in FrontPanelMenu (this window is its host), and
// the key logic that needs no widget lives in ArrowRepeat, PushKeyTracker and
// SimulatedStatus.

#include "FrontPanelWindow.h"
#include "PushKeyTracker.h"
#include "StatusReply.h"
#include "panels/front/menu/FrontPanelMenu.h"

#include <QString>
#include <optional>

class QGridLayout;

namespace dalto::front {

enum class PanelSeries { KD, MW, HB };

class frmKD : public FrontPanelWindow, public menu::FrontPanelMenuHost {
    Q_OBJECT
public:
    frmKD(Application& app, PanelSeries series = PanelSeries::KD);
    ~frmKD() override;

    void Form_Load() override;

    menu::FrontPanelMenu& menuEngine() { return menu_; }
    menu::FrontPanelFields& fields() { return menu_.fields(); }

    // Timers and the handlers that the keys also call directly.
    void tmrInfo_Timer() override;

    void cmdStart_Click();
    void cmdStop_Click();
    void cmdVolt_Click();
    void cmdCurr_Click();
    void cmdOVT_Click();
    void cmdOCT_Click();
    void cmdVISet_MouseDown();
    void cmdVISet_MouseUp();
    void cmdTRIP_MouseDown();
    void cmdTRIP_MouseUp();
    void cmdUp_MouseDown();
    void cmdDn_MouseDown();
    void cmdArrow_MouseUp();

    // Controls, by their names on the device's panel (the shared ones in
    // FrontPanelWindow).
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QPushButton* cmdVolt;
    QPushButton* cmdCurr;
    QPushButton* cmdOVT;
    QPushButton* cmdOCT;
    QPushButton* cmdMenu;
    QPushButton* cmdItem;
    QPushButton* cmdEnter;
    QPushButton* cmdCal;
    QPushButton* cmdClear;
    QPushButton* cmdVISet;
    QPushButton* cmdTRIP;
    QPushButton* cmdUp;
    QPushButton* cmdDn;
    QFrame* fraStart;
    QPushButton* cmdStart;
    QPushButton* cmdStop;

    // FrontPanelMenuHost
    void setLamp(menu::LampGroup group, int position, LampColour colour) override;
    void ConfigLampsOff() override;
    void FaultLampsOff() override;
    void showCalKey(bool shown) override;
    void showArrowKeys(bool shown) override;
    void enableSetKeys(bool enabled) override;
    void placeKnobs() override;

protected:
    bool debugMode() const override { return menu_.fields().DebugMode; }
    bool& blinkPhase() override { return menu_.fields().BlinkPhase; }
    PanelSeries series() const { return series_; }
    // A typed set point: prompt, send as typed, store limited, show a moment.
    struct SetKey {
        const char* title;
        const char* command;
        int index;
        int upper;
        int lower;
        int16_t displayState;
        int displayMs;
    };
    // The value stored, or nothing when the prompt was cancelled.
    std::optional<float> typeSetPoint(const SetKey& key);
    // CLEAR's press tracking (frmHB acts on a plain click instead).
    virtual void wireClearKey();
    bool eventFilter(QObject* watched, QEvent* event) override;

    void buildFace();
    // Where frmHB adds its FUSE lamp.
    QGridLayout* alarmLamps_ = nullptr;

private:
    void holdKeyDown(int16_t heldState, QPushButton* key);
    void holdKeyUp();
    void arrowHeld(bool up);
    void showReadouts(const StatusReading& reading);
    void buildCollections();
    void applyWindowHeight();

    PanelSeries series_;
    menu::FrontPanelMenu menu_;
    PushKeyTracker clearKey_;
};

} // namespace dalto::front
