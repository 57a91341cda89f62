#include "PanelWindow.h"

#include "Application.h"
#include "TranscriptBox.h"
#include "WindowPlacement.h"
#include "WindowRegistry.h"
#include "frmComm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <utility>

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

void PanelWindow::openInPlaceOf(const QWidget& previous)
{
    const QRect frame = previous.frameGeometry();
    const QRect client = previous.geometry();
    previousFrame_ = frame;
    frameMargins_ = QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                             frame.bottom() - client.bottom());
}

void PanelWindow::showEvent(QShowEvent* event)
{
    if (previousFrame_ && !event->spontaneous())
        moveToOpeningPlace();
    QMainWindow::showEvent(event);
}

void PanelWindow::moveToOpeningPlace()
{
    const QRect previous = *std::exchange(previousFrame_, std::nullopt);
    const QScreen* screen = QGuiApplication::screenAt(previous.center());
    if (!screen)
        screen = this->screen();
    const QRect wanted(previous.topLeft(), size().grownBy(frameMargins_));
    const QRect placed = FrameOnScreen(wanted, screen->availableGeometry());
    if (placed.size() != wanted.size())
        resize(placed.size().shrunkBy(frameMargins_));
    // Until the window system has framed the window, a move places its client
    // area; from then on it places the frame.
    const bool framed = frameGeometry() != geometry();
    move(framed ? placed.topLeft() : placed.topLeft() + QPoint(frameMargins_.left(), frameMargins_.top()));
}

void PanelWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Once the program has ended no unload handler runs any more.
    if (!app_.ended())
        app_.windows().unload(windowName_);
}

} // namespace dalto
