#pragma once
// A key that acts once per press, on release over the key (or by the space bar),
// never when the pointer slides off while held.

namespace dalto::front {

class PushKeyTracker {
public:
    // Each returns true when the key's action must run now.
    bool mouseDown(bool inside);
    bool mouseMove(bool inside);
    bool mouseUp(bool inside);
    bool spaceDown();
    bool spaceUp();

    bool pressed() const { return pressed_; }

private:
    bool setState(bool pressed, bool valid);

    bool pressed_ = false;
    bool mouseHeld_ = false;
    bool firstAfterDown_ = false;
};

} // namespace dalto::front
