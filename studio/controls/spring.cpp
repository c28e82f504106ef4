// The step response of a damped harmonic oscillator.
#include "studio/controls/spring.h"

#include <cmath>
#include <numbers>

namespace quillon {

double Spring::progress(double seconds) const
{
    if (seconds <= 0)
        return 0;
    const double omega = 2 * std::numbers::pi / response;
    const double zeta = dampingFraction;
    if (zeta >= 1)
        return 1 - std::exp(-omega * seconds) * (1 + omega * seconds);
    const double damped = omega * std::sqrt(1 - zeta * zeta);
    return 1
        - std::exp(-zeta * omega * seconds)
        * (std::cos(damped * seconds) + zeta * omega / damped * std::sin(damped * seconds));
}

double Spring::settlingSeconds() const
{
    double seconds = 0;
    // The envelope bounds the oscillation, so checking it is enough.
    const double omega = 2 * std::numbers::pi / response;
    while (seconds < 10) {
        seconds += 0.01;
        const double envelope
            = std::exp(-std::min(dampingFraction, 1.0) * omega * seconds) * (1 + omega * seconds);
        if (envelope < 0.001)
            return seconds;
    }
    return seconds;
}

} // namespace quillon
