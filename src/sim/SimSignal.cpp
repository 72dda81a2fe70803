#include "sim/SimSignal.h"

#include <cmath>
#include <numbers>

namespace {

/// Noise in -1..1 that changes every 250 ms: a hash of the time slot.
double Noise(qint64 nowMs) {
    quint64 x = static_cast<quint64>(nowMs / 250) * 0x9E3779B97F4A7C15ULL;
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 27;
    return static_cast<double>(x % 20001) / 10000.0 - 1.0;
}

} // namespace

CSimSignal::CSimSignal(const Shape& shape)
    : m_shape(shape) {}

double CSimSignal::Raw(qint64 nowMs) const {
    const double t = static_cast<double>(nowMs) / 1000.0;
    const double w = 2.0 * std::numbers::pi / m_shape.periodS;
    return m_shape.mean + m_shape.swing * std::sin(w * t + m_shape.phase) +
           m_shape.ripple * std::sin(7.0 * w * t) + m_shape.noise * Noise(nowMs);
}

double CSimSignal::Damped(qint64 nowMs, double tauS) {
    const double raw = Raw(nowMs);
    if (!m_bStarted || tauS <= 0.0 || nowMs < m_lastMs) {
        m_value = raw;
    } else {
        const double dt = static_cast<double>(nowMs - m_lastMs) / 1000.0;
        m_value += (raw - m_value) * (1.0 - std::exp(-dt / tauS));
    }
    m_bStarted = true;
    m_lastMs = nowMs;
    return m_value;
}
