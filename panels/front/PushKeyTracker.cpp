#include "PushKeyTracker.h"

namespace dalto::front {

bool PushKeyTracker::setState(bool pressed, bool valid)
{
    if (pressed == pressed_)
        return false;
    pressed_ = pressed;
    return !pressed && valid;
}

bool PushKeyTracker::mouseDown(bool inside)
{
    firstAfterDown_ = true;
    return mouseMove(inside);
}

bool PushKeyTracker::mouseMove(bool inside)
{
    const bool fire = setState(inside, firstAfterDown_);
    firstAfterDown_ = false;
    mouseHeld_ = true;
    return fire;
}

bool PushKeyTracker::mouseUp(bool inside)
{
    mouseHeld_ = false;
    return setState(false, inside);
}

bool PushKeyTracker::spaceDown()
{
    return !mouseHeld_ && setState(true, true);
}

bool PushKeyTracker::spaceUp()
{
    return !mouseHeld_ && setState(false, true);
}

} // namespace dalto::front
