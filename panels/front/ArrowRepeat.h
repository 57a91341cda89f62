#pragma once
// Auto-repeat of the arrow keys: the longer a key is held, the shorter the pause
// between steps and the larger each step.

#include <QString>

namespace dalto::front {

// One step of the edited value for its display format: a little more than one
// unit of the last digit, so that rounding to the format always moves whole digits.
float StepFromFormat(const QString& format);

// Digits per step for a repeat delay (seconds). The fastest rate is gentler in
// the calibration menus, where the pots run 0..255.
int RepeatMultiplier(double delaySeconds, bool calibration);

// The repeat of one held key.
class ArrowRepeat {
public:
    // Seconds to wait after the step that is about to be made.
    double delay() const { return delay_; }
    // The value after one more step up or down, rounded to the format.
    float step(float value, const QString& format, bool up, bool calibration);

private:
    int count_ = 0;
    double delay_ = 0.25;
};

} // namespace dalto::front
