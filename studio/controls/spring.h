// Spring motion as the studio's animations use it: a response (seconds per oscillation of the
// undamped spring) and a damping fraction (1 is critical: no overshoot).
#pragma once

namespace quillon {

struct Spring {
    double response = 0.35;
    double dampingFraction = 1.0;

    // Progress from 0 towards 1 at `seconds` after the start.
    double progress(double seconds) const;
    // When the motion has settled to within a thousandth of its distance.
    double settlingSeconds() const;
};

inline constexpr Spring kFullViewSpring {0.35, 1.0};
inline constexpr Spring kSelectionSpring {0.5, 0.85};
inline constexpr Spring kCardChangeSpring {0.3, 0.85};
inline constexpr Spring kMonthChangeSpring {0.2, 0.85};

} // namespace quillon
