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

#include "Lamp.h"
#include "LampCollection.h"
#include "PushKeyTracker.h"
#include "StatusBits.h"
#include "StatusReply.h"
#include "app/PanelMenus.h"
#include "app/PanelWindow.h"
#include "panels/front/menu/FrontPanelMenu.h"

#include <QPointer>
#include <QString>
#include <map>
#include <optional>

class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class tavKnob;

namespace dalto {
class TranscriptBox;
}

namespace dalto::front {

enum class PanelSeries { KD, MW, HB };

class frmKD : public PanelWindow, public menu::FrontPanelMenuHost {
    Q_OBJECT
public:
    frmKD(Application& app, PanelSeries series = PanelSeries::KD);
    ~frmKD() override;

    void Form_Load() override;
    void Form_Unload() override;
    QString aboutTitle() const override;

    menu::FrontPanelMenu& menuEngine() { return menu_; }
    menu::FrontPanelFields& fields() { return menu_.fields(); }

    // Timers and the handlers that the keys also call directly.
    void tmrInfo_Timer();
    void tmrFlash_Timer();
    void PaintLamps();

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
    void cmdClearText_Click();
    void cmdSave_Click();

    // View, Communication, About and Exit.
    void mnuSetup_Click();
    void mnuSimulate_Click();
    void switchTo(const QString& windowName);

    PanelMenu panelMenu;

    // Controls, by their names on the device's panel.
    QLineEdit* txtVolt;
    QLineEdit* txtCurr;
    QLabel* Label1;
    QLabel* Label2;
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
    QFrame* fraKnobs;
    tavKnob* knbVolt;
    tavKnob* knbCurr;
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
    std::map<int, Lamp*> lblStatus;
    std::map<int, Lamp*> lblErrors;
    std::map<int, Lamp*> lblDisabled;
    QFrame* fraTitle;
    QLabel* pctLogo;
    QLabel* pctName;
    TranscriptBox* rtbTranx;
    QPushButton* cmdClearText;
    QPushButton* cmdSave;
    QTimer* tmrInfo;
    QTimer* tmrMenu;
    QTimer* tmrFlash;

    LampCollection SetPointLamps;
    LampCollection ConfigLamps;
    LampCollection FaultLamps;
    LampCollection ModeLamps;

    StatusBits StatusBitsShown{};
    StatusBits FaultBitsShown{};

    // FrontPanelMenuHost
    void setReadOut(menu::ReadOut which, const QString& text) override;
    void ShowValue(menu::ReadOut which, float value, const QString& format) override;
    void setLamp(menu::LampGroup group, int position, LampColour colour) override;
    void ModeLampsOff() override;
    void ConfigLampsOff() override;
    void FaultLampsOff() override;
    bool StatusBitShown(int bit) const override;
    bool FaultBitShown(int bit) const override;
    void showCalKey(bool shown) override;
    void showArrowKeys(bool shown) override;
    void enableSetKeys(bool enabled) override;
    void enableKnobs(bool enabled) override;
    void placeKnobs() override;
    void setMenuTimerEnabled(bool enabled) override;
    void setMenuTimerInterval(int milliseconds) override;
    void setInfoTimerEnabled(bool enabled) override;
    void poll() override;
    void repaint() override;

protected:
    PanelSeries series() const { return series_; }
    QLineEdit* readOut(menu::ReadOut which) const;
    // The knob of set point index (0 voltage, 1 current, 2 OVT, 3 OCT); null when
    // the panel has none.
    virtual tavKnob* knobFor(int index) const;
    // Each knob's maximum from the ratings.
    void setKnobMaxima();
    // The stored design values that tell the panels' knobs apart: the large
    // set-point knobs turn ten times and have no slot line, the HB's small trip
    // knobs turn five times and carry the slot.
    struct KnobDesign {
        int turns;
        bool slot;
    };
    static constexpr KnobDesign SetPointKnob{10, false};
    static constexpr KnobDesign TripKnob{5, true};
    // A knob as the panel places them: stored design values, then run mode.
    tavKnob* makeKnob(const QString& name, const QString& caption, const KnobDesign& design);
    // Places knob in fraKnobs with its caption below it.
    void addKnob(tavKnob* knob, const QString& caption);
    // Sends the command with the knob's value truncated to the read-out, and
    // stores it as working and committed set point index.
    void knobChanged(tavKnob* knob, menu::ReadOut display, const QString& format,
                     const QString& command, int index);
    void knobScrolled(tavKnob* knob, menu::ReadOut display, const QString& format);
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
    // Waits, letting events (polls, blinking) run.
    void waitProcessingEvents(double seconds);
    // CLEAR's press tracking (frmHB acts on a plain click instead).
    virtual void wireClearKey();
    bool eventFilter(QObject* watched, QEvent* event) override;

    void buildFace();
    void connectPanelMenu();
    Lamp* addLamp(std::map<int, Lamp*>& array, int index, const QString& caption, int tag);
    // Where frmHB adds its FUSE lamp and its trip knobs.
    QGridLayout* alarmLamps_ = nullptr;
    QHBoxLayout* knobRow_ = nullptr;

    DeviceLink& link();
    SharedState& state();
    Clock& clock();

private:
    void holdKeyDown(int16_t heldState, QPushButton* key);
    void holdKeyUp();
    void arrowHeld(bool up);
    void showReadouts(const StatusReading& reading);
    void reportPollError(const QString& reply);
    void buildCollections();
    void applyWindowHeight();

    PanelSeries series_;
    menu::FrontPanelMenu menu_;
    PushKeyTracker clearKey_;
    double lastBlink_ = 0;
    bool polling_ = false;
};

} // namespace dalto::front
