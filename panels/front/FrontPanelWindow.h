#pragma once
// What every virtual front panel (frmKD, frmMW, frmHB, frmHBX) has and does the
// same way: the two read-outs, the voltage and current knobs, the lamp arrays and
// their four collections, the title pictures, the transcript with its two keys,
// the three timers, the menu bar with its switching and Setup, the blink clock,
// the knobs' Scroll and Change, and the closing. Each panel builds its own face
// from these controls and adds its keys and its menu engine.

#include "Lamp.h"
#include "LampCollection.h"
#include "StatusBits.h"
#include "StatusReply.h"
#include "app/PanelMenus.h"
#include "app/PanelWindow.h"
#include "panels/front/menu/PanelHost.h"

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
class Clock;
class DeviceLink;
struct SharedState;
} // namespace dalto

namespace dalto::front {

namespace trend {
class TrendWindow;
}

class FrontPanelWindow : public PanelWindow, public virtual menu::PanelHost {
    Q_OBJECT
public:
    FrontPanelWindow(Application& app, const QString& windowName);
    ~FrontPanelWindow() override;

    QString aboutTitle() const override;
    // The voltage and current read-outs.
    QList<QWidget*> measuredReadOuts() const override;
    // Timers off, "<>CLR 0", collections emptied.
    void Form_Unload() override;

    virtual void tmrInfo_Timer() = 0;
    void tmrFlash_Timer();
    // Mode lamps by the status word, fault lamps by the fault word.
    void PaintLamps();

    // The part of both menu engines' hosts that every panel does alike.
    void setReadOut(menu::ReadOut which, const QString& text) override;
    void ShowValue(menu::ReadOut which, float value, const QString& format) override;
    bool StatusBitShown(int bit) const override;
    bool FaultBitShown(int bit) const override;
    void ModeLampsOff() override;
    void enableKnobs(bool enabled) override;
    void setMenuTimerEnabled(bool enabled) override;
    void setMenuTimerInterval(int milliseconds) override;
    void setInfoTimerEnabled(bool enabled) override;
    void poll() override;
    void repaint() override;

    void cmdClearText_Click();
    void cmdSave_Click();

    // View, Communication, About and Exit.
    void mnuSetup_Click();
    void mnuSimulate_Click();
    // Opens the trend window of this panel, or brings it to the front.
    void mnuTrend_Click();
    void switchTo(const QString& windowName);
    // The trend window while it is open.
    trend::TrendWindow* trendWindow() const;

    PanelMenu panelMenu;

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* txtVolt;
    QLineEdit* txtCurr;
    QFrame* fraKnobs;
    tavKnob* knbVolt;
    tavKnob* knbCurr;
    std::map<int, Lamp*> lblStatus;
    std::map<int, Lamp*> lblErrors;
    std::map<int, Lamp*> lblDisabled;
    QFrame* fraTitle;
    QLabel* pctLogo;
    QLabel* pctName;
    TranscriptBox* rtbTranx;
    QPushButton* cmdClearText;
    QPushButton* cmdSave;
    // Milliseconds from one poll of tmrInfo to the next.
    static constexpr int PollInterval = 200;
    QTimer* tmrInfo;
    QTimer* tmrMenu;
    QTimer* tmrFlash;

    LampCollection SetPointLamps;
    LampCollection ConfigLamps;
    LampCollection FaultLamps;
    LampCollection ModeLamps;

    StatusBits StatusBitsShown{};
    StatusBits FaultBitsShown{};

signals:
    // A poll that read and decoded the status, at the Clock service's time
    // (seconds). Watchers such as the trend window see every poll without a
    // further exchange on the link.
    void statusRead(double seconds, const dalto::front::StatusReading& reading);

protected:
    // The panel's debug flag and blink phase, kept in its menu engine's fields.
    virtual bool debugMode() const = 0;
    virtual bool& blinkPhase() = 0;
    // The colour of a lit mode lamp (STANDBY is orange on every panel).
    virtual LampColour litModeColour(const QString& key) const;

    QLineEdit* readOut(menu::ReadOut which) const;

    // Stored design values of the knobs: the large set-point knobs turn ten
    // times and have no slot line, the HB's small trip knobs turn five times and
    // carry the slot.
    struct KnobDesign {
        int turns;
        bool slot;
    };
    static constexpr KnobDesign SetPointKnob{10, false};
    static constexpr KnobDesign TripKnob{5, true};
    tavKnob* makeKnob(const QString& name, const QString& caption, const KnobDesign& design);
    // The knob of set point index (0 voltage, 1 current, 2 OVT, 3 OCT); null when
    // the panel has none.
    virtual tavKnob* knobFor(int index) const;
    // Each knob's maximum from the ratings (full scale for the set points, the
    // upper trip bounds for the trip levels) and its stop at the bench's ceiling.
    void fitKnobs();
    // Places knob in fraKnobs with its caption below it.
    void addKnob(tavKnob* knob, const QString& caption);
    // Sends the command with the knob's value truncated to the read-out, and
    // stores it as working and committed set point index.
    void knobChanged(tavKnob* knob, menu::ReadOut display, const QString& format,
                     const QString& command, int index);
    void knobScrolled(tavKnob* knob, menu::ReadOut display, const QString& format);

    Lamp* addLamp(std::map<int, Lamp*>& array, int index, const QString& caption, int tag);
    // The two read-outs with their captions (Label1, Label2) and the lamps that say
    // which quantity is in control, in rows 0-3 of grid.
    void addReadOuts(QGridLayout& grid);

    // The logo and product name from the program folder (a missing one hides its
    // holder); the transcript registered as the link's echo target.
    void loadPictures();
    // fraTitle and pctLogo in a row.
    QHBoxLayout* titleRow();
    // The transcript with its Clear and Save keys, for below the face.
    QWidget* transcriptArea();
    // Face above, transcript below, as the window's content.
    void setFace(QWidget* face);

    // The poll's building blocks, the same on every panel. A poll that waits for its
    // reply lets events run; a tick or key arriving meanwhile must not start a second
    // exchange whose reply would be taken for this one's: polling_ is set by the
    // tick before its first step that may run events, and askStatus clears it.
    bool polling_ = false;
    void restartPollInterval();
    // "<>STA" and its reply in the fixed-width text the device's answer buffer is;
    // nothing when the window went away while the reply was awaited.
    std::optional<QString> askStatus();
    // The bits and lamps of a decoded reply; a reply that did not decode ends the
    // tick with the poll-error box under heading (debug mode only) and false.
    bool showStatus(const std::optional<StatusReading>& reading, const QString& heading, const QString& reply);

    // When another panel has become current: unloads this one (Switching set
    // meanwhile, so the program goes on) and says true; the tick then ends.
    bool closeIfNotCurrent();

    // Waits, letting events (polls, blinking) run.
    void waitProcessingEvents(double seconds);
    // Switches timer on or off; switching a running timer on again does not
    // restart its count.
    static void SwitchTimer(QTimer& timer, bool on);
    // A poll that failed: in debug mode only, a box naming the command, the reply
    // and the error; otherwise silence (the next tick polls again).
    void reportPollError(const QString& heading, const QString& reply, const QString& description);

    DeviceLink& link();
    SharedState& state();
    Clock& clock();

private:
    void connectPanelMenu();

    QHBoxLayout* knobRow_ = nullptr;
    QWidget* transcriptArea_ = nullptr;
    double lastBlink_ = 0;
    QPointer<trend::TrendWindow> trend_;
};

} // namespace dalto::front
