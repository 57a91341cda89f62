#include "PanelWindow.h"

#include "Application.h"
#include "TranscriptBox.h"
#include "WindowRegistry.h"
#include "frmComm.h"

#include <QCloseEvent>

namespace dalto {

PanelWindow::PanelWindow(Application& app, const QString& windowName)
    : app_(app)
    , windowName_(windowName)
{
    setObjectName(windowName);
}

void PanelWindow::registerTranscript(TranscriptBox& transcript)
{
    app_.state().Transcript = &transcript;
}

void PanelWindow::unload()
{
    Form_Unload();
    // The link must never echo into a window that is going away.
    if (TranscriptBox* own = findChild<TranscriptBox*>();
        own && app_.state().Transcript == static_cast<TranscriptTarget*>(own))
        app_.state().Transcript = app_.comm().rtbTranx;
    if (!Switching)
        app_.unloadCommAndEnd();
}

void PanelWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Once the program has ended no unload handler runs any more.
    if (!app_.ended())
        app_.windows().unload(windowName_);
}

} // namespace dalto
