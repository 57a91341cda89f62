#pragma once
// The virtual front panel of the HBX series, the keypad supply: set points are
// typed as digits into the entry display txtInput (from the computer's keyboard)
// and confirmed with ENTER; MEM recalls a stored setting, ARM arms the output,
// DISPLAY shows the committed set points while held.
//
// The window renders and forwards: the keypad rules and the menus run in
// hbx::HbxMenu (this window is its host), the status reply is decoded by
// ReadStatusReply, and the group captions are drawn by GroupCaptionFrame.

#include "FrontPanelWindow.h"
#include "StatusReply.h"
#include "panels/front/hbx/HbxMenu.h"

#include <QString>
#include <map>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dalto::front {

class GroupCaptionFrame;

class frmHBX final : public FrontPanelWindow, public hbx::HbxMenuHost {
    Q_OBJECT
public:
    explicit frmHBX(Application& app);
    ~frmHBX() override;

    void Form_Load() override;

    hbx::HbxMenu& menuEngine() { return menu_; }
    hbx::HbxFields& fields() { return menu_.fields(); }

    void tmrInfo_Timer() override;

    // Controls, by their names on the device's panel (the shared ones in
    // FrontPanelWindow).
    QLabel* Label3;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLineEdit* txtMEM;
    QFrame* fraEnter;
    QLineEdit* txtInput;
    QPushButton* cmdMenu;
    QPushButton* cmdItem;
    QPushButton* cmdUp;
    QPushButton* cmdDn;
    QPushButton* cmdDsply;
    QPushButton* cmdArm;
    QPushButton* cmdMem;
    QPushButton* cmdClear;
    QPushButton* cmdEnter;
    QFrame* fraStart;
    QPushButton* cmdStart;
    QPushButton* cmdStop;
    std::map<int, Lamp*> lblArm;
    GroupCaptionFrame* fraButtons;
    QFrame* linPower;
    QFrame* linRemSen;
    QFrame* linRotary;

    // HbxMenuHost
    void setMemoryText(const QString& text) override;
    QString inputText() const override;
    void setInputText(const QString& text) override;
    void setLamp(hbx::LampSet set, int key, LampColour colour) override;
    void lampsOff(hbx::LampSet set) override;
    void placeKnobs() override;

protected:
    bool debugMode() const override { return menu_.fields().DebugMode; }
    bool& blinkPhase() override { return menu_.fields().BlinkPhase; }
    LampColour litModeColour(const QString& key) const override;
    // Digits and "." typed anywhere on the panel go to the entry display; Enter
    // is the ENTER key.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildFace();
    QWidget* buildLampFrame();
    QWidget* buildKeypad();
    void connectKeys();
    void buildCollections();
    const LampCollection& collection(hbx::LampSet set) const;
    void showReadouts(const StatusReading& reading);
    void blinkTypedSetPoint();

    hbx::HbxMenu menu_;
    // True while the engine sets the entry display.
    bool writingEntry_ = false;
};

} // namespace dalto::front
