#include "HeldKey.h"

#include <QMouseEvent>
#include <QPushButton>

namespace dalto {

HeldKey::HeldKey(QPushButton* key)
    : QObject(key)
{
    key->installEventFilter(this);
    connect(key, &QPushButton::pressed, this, &HeldKey::keyPressed);
    connect(key, &QPushButton::released, this, &HeldKey::keyReleased);
}

bool HeldKey::eventFilter(QObject*, QEvent* event)
{
    // Every input event reaches this filter before the button handles it, so the
    // flag covers what the button reports for a move (its repaint in between is
    // no input and leaves the flag alone).
    switch (event->type()) {
    case QEvent::MouseMove:
        sliding_ = true;
        break;
    case QEvent::MouseButtonRelease:
        sliding_ = false;
        // Let go away from the key: the button itself reports nothing then.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            letGo();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusOut:
    case QEvent::Hide:
        sliding_ = false;
        break;
    default:
        break;
    }
    return false;
}

void HeldKey::keyPressed()
{
    if (sliding_ || held_)
        return;
    held_ = true;
    emit down();
}

void HeldKey::keyReleased()
{
    // Also a release by the space bar, or the key losing the focus while held.
    if (!sliding_)
        letGo();
}

void HeldKey::letGo()
{
    if (!held_)
        return;
    held_ = false;
    emit up();
}

} // namespace dalto
