#pragma once
// Base of every panel window (tool panels and virtual front panels): its name in
// the window registry, the Switching flag of the switch procedure, and the closing
// rule. Closing the window by its frame unloads it; an unload that is not part of
// a switch then unloads frmComm and ends the program.
//
// A panel sets up its controls in its constructor, does what its Form_Load does in
// Form_Load() (the registry calls it once after construction, so overrides run),
// and sends its closing command in Form_Unload().

#include <QList>
#include <QMainWindow>
#include <QMargins>
#include <QString>
#include <optional>

namespace dalto {

class Application;
class TranscriptBox;

class PanelWindow : public QMainWindow {
    Q_OBJECT
public:
    PanelWindow(Application& app, const QString& windowName);

    const QString& windowName() const { return windowName_; }
    Application& app() const { return app_; }

    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Title the About box gets from this panel ("Command Panel", ...).
    virtual QString aboutTitle() const = 0;
    // The read-outs that show what the supply measured; marked as not measured
    // while the link is in Simulated mode.
    virtual QList<QWidget*> measuredReadOuts() const { return {}; }

    // Registers transcript as the link's Transcript (each panel does so on load).
    void registerTranscript(TranscriptBox& transcript);

    // Form_Unload, then the closing rule. Called by WindowRegistry::unload.
    void unload();

    // Opens (when next shown) in the place of previous, the panel it follows,
    // wholly on previous's screen. Called by WindowRegistry::load.
    void openInPlaceOf(const QWidget& previous);

    // True only while the panel is being unloaded as part of a switch.
    bool Switching = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void moveToOpeningPlace();

    // Where the panel before this one was, and its window frame's margins: this
    // one's frame is not known until the window system has put it on the screen.
    std::optional<QRect> previousFrame_;
    QMargins frameMargins_;
    Application& app_;
    QString windowName_;
};

} // namespace dalto
