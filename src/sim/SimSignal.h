#pragma once

#include <QtGlobal>

/// A process value that moves as a real one does: a slow swing, a faster ripple and a little noise,
/// seen through the transmitter's damping. It is a function of the clock only (the noise comes from a
/// hash of the time, not from a random generator), so two runs over the same times give the same values.
class CSimSignal {
public:
    struct Shape {
        double mean;
        double swing;   ///< amplitude of the slow movement
        double periodS; ///< period of the slow movement
        double ripple;  ///< amplitude of the faster ripple (period periodS / 7)
        double noise;   ///< largest noise excursion
        double phase;   ///< phase of the slow movement in radians
    };

    explicit CSimSignal(const Shape& shape);

    /// The undamped value at that time.
    double Raw(qint64 nowMs) const;
    /// The value after a first-order damping with time constant tauS seconds (0 = none), as a transmitter
    /// with that damping setting shows it. Follows the raw value from the first call on.
    double Damped(qint64 nowMs, double tauS);

private:
    Shape m_shape;
    double m_value = 0.0;
    qint64 m_lastMs = 0;
    bool m_bStarted = false;
};
