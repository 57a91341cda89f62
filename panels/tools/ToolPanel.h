#pragma once
// Base of the tool panels (Command, Registers, Calibration, Modulation, Firmware):
// the shared menu bar and its handlers, the Output frame with the transcript and
// its Save to File and Clear buttons, the common part of loading, and the closing
// command "<>CLR 0".
//
// A tool panel builds its controls in its constructor, hands them to
// setPanelContent(), calls loadToolPanel() first in its Form_Load, and re-applies
// its own enabling rules in afterSetup().

#include "app/PanelMenus.h"
#include "app/PanelWindow.h"

#include <initializer_list>

class QGroupBox;
class QPushButton;

namespace dalto {

class TranscriptBox;

class ToolPanel : public PanelWindow {
    Q_OBJECT
public:
    ToolPanel(Application& app, const QString& windowName, const QString& caption);

    QString aboutTitle() const override { return caption_; }
    void Form_Unload() override;

    PanelMenu menu;
    QGroupBox* fraIn;
    TranscriptBox* rtbTranx;
    QPushButton* cmdSave;
    QPushButton* cmdClear;

    void cmdSave_Click();
    void cmdClear_Click();

protected:
    // The panel's own controls, shown above the Output frame.
    void setPanelContent(QWidget* content);
    // Icon, the panel's transcript registered as Transcript, pending events run,
    // Switching cleared.
    void loadToolPanel();
    // After the Setup item: the panel's rules that depend on bus or type.
    virtual void afterSetup() {}
    // Sends query and waits up to 2 s for its reply, both echoed; the rows stay
    // disabled meanwhile so that a click cannot start a second exchange inside it.
    QString exchange(const QString& query, std::initializer_list<QWidget*> rows);

    // The Setup item: the setup dialog, then the refresh after it.
    void mnuSetup_Click();

private:
    void connectMenu();
    void mnuVirtual_Click();
    void mnuSimulate_Click();

    QString caption_;
};

} // namespace dalto
