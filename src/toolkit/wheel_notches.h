#pragma once
// Turns of the mouse wheel added up into whole notches. A fine-grained wheel (or a touchpad) sends
// parts of a notch; each part alone would be lost to integer division. Portable.

namespace tockly {

class WheelNotches {
public:
    static constexpr int kNotch = 120;  // WHEEL_DELTA

    // Adds a turn (positive: away from the user) and returns the whole notches completed so far,
    // keeping the rest for the next turn.
    int Add(int delta) noexcept {
        // A turn in the other direction starts afresh, so that a half notch up does not swallow
        // the first notch down.
        if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0)) {
            rest_ = 0;
        }
        rest_ += delta;
        const int notches = rest_ / kNotch;
        rest_ -= notches * kNotch;
        return notches;
    }
    void Reset() noexcept { rest_ = 0; }

private:
    int rest_ = 0;
};

}  // namespace tockly
