#include "measurement/TrendModel.h"

#include "document/QuillonDoc.h"

#include <algorithm>
#include <cmath>

CTrendModel::CTrendModel(qint64 nWindowMs)
    : m_nWindowMs(nWindowMs) {}

void CTrendModel::Add(const Sample& sample) {
    if (!std::isfinite(sample.messwert)) {
        return; // nothing to draw; a value that is no number would spoil the axis
    }
    if (!m_samples.empty() && sample.nMs < m_samples.back().nMs) {
        m_samples.clear();
    }
    m_samples.push_back(sample);
    if (m_nWindowMs > 0) {
        const qint64 nOldest = sample.nMs - m_nWindowMs;
        while (m_samples.front().nMs < nOldest) {
            m_samples.pop_front();
        }
    }
    while (static_cast<int>(m_samples.size()) > kMaxSamples) {
        m_samples.pop_front();
    }
}

void CTrendModel::Clear() {
    m_samples.clear();
}

void CTrendModel::SetAll(const std::vector<Sample>& samples) {
    m_samples.clear();
    const size_t nBucket = (samples.size() + kMaxSamples / 2 - 1) / (kMaxSamples / 2);
    if (nBucket <= 1) {
        m_samples.assign(samples.begin(), samples.end());
        return;
    }
    for (size_t start = 0; start < samples.size(); start += nBucket) {
        const auto first = samples.begin() + static_cast<std::ptrdiff_t>(start);
        const auto last =
            samples.begin() + static_cast<std::ptrdiff_t>(std::min(start + nBucket, samples.size()));
        const auto [lo, hi] = std::minmax_element(
            first, last, [](const Sample& a, const Sample& b) { return a.messwert < b.messwert; });
        m_samples.push_back(lo < hi ? *lo : *hi);
        if (lo != hi) {
            m_samples.push_back(lo < hi ? *hi : *lo);
        }
    }
}

bool CTrendModel::HasTemperatur() const {
    return std::any_of(m_samples.begin(), m_samples.end(),
                       [](const Sample& s) { return s.temperatur.has_value(); });
}

void CTrendModel::SetSollBereich(double anfang, double ende) {
    m_sollBereich = std::make_pair(std::min(anfang, ende), std::max(anfang, ende));
}

std::pair<double, double> CTrendModel::SollBereichOf(const CQuillonDoc& doc) {
    if (!doc.IsKA71()) {
        return {doc.GetMessAnfang(), doc.GetMessEnde()};
    }
    if (doc.GetLinTabAnzahl() != 0) {
        const double scale = std::pow(10.0, -doc.GetFreiDezimalpunkt());
        return {doc.GetFreiAnfang() * scale, doc.GetFreiEnde() * scale};
    }
    return {doc.ConvertToAnzeigeEinheit(doc.GetMessAnfang()), doc.ConvertToAnzeigeEinheit(doc.GetMessEnde())};
}

CTrendModel::Axis CTrendModel::ValueAxis(int nMaxTicks) const {
    double lo = 0.0;
    double hi = 0.0;
    bool bAny = false;
    auto take = [&](double v) {
        lo = bAny ? std::min(lo, v) : v;
        hi = bAny ? std::max(hi, v) : v;
        bAny = true;
    };
    for (const Sample& s : m_samples) {
        take(s.messwert);
    }
    if (m_sollBereich) {
        take(m_sollBereich->first);
        take(m_sollBereich->second);
    }
    // A little room above and below, so that range lines on the axis ends stay apart from the frame.
    const double margin = (hi - lo) * 0.04;
    return NiceAxis(lo - margin, hi + margin, nMaxTicks);
}

CTrendModel::Axis CTrendModel::TemperaturAxis(int nMaxTicks) const {
    double lo = 0.0;
    double hi = 0.0;
    bool bAny = false;
    for (const Sample& s : m_samples) {
        if (s.temperatur && std::isfinite(*s.temperatur)) {
            lo = bAny ? std::min(lo, *s.temperatur) : *s.temperatur;
            hi = bAny ? std::max(hi, *s.temperatur) : *s.temperatur;
            bAny = true;
        }
    }
    // The temperature moves in tenths: a span of at least 2 °C keeps its last digit from looking like a
    // swing across the whole plot.
    constexpr double kMinSpan = 2.0;
    if (hi - lo < kMinSpan) {
        const double mid = (hi + lo) / 2.0;
        lo = mid - kMinSpan / 2.0;
        hi = mid + kMinSpan / 2.0;
    }
    return NiceAxis(lo, hi, nMaxTicks);
}

std::pair<qint64, qint64> CTrendModel::TimeSpan() const {
    if (m_samples.empty()) {
        return {0, m_nWindowMs > 0 ? m_nWindowMs : 1};
    }
    const qint64 nNewest = m_samples.back().nMs;
    if (m_nWindowMs > 0) {
        return {nNewest - m_nWindowMs, nNewest};
    }
    const qint64 nOldest = m_samples.front().nMs;
    return {nOldest, std::max(nNewest, nOldest + 1)};
}

CTrendModel::Axis CTrendModel::NiceAxis(double lo, double hi, int nMaxTicks) {
    nMaxTicks = std::max(1, nMaxTicks);
    if (hi < lo) {
        std::swap(lo, hi);
    }
    if (hi - lo <= std::abs(hi) * 1e-9 || hi == lo) {
        const double pad = lo != 0.0 ? std::abs(lo) * 0.1 : 1.0;
        lo -= pad;
        hi += pad;
    }
    const double raw = (hi - lo) / nMaxTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= raw) {
            break;
        }
    }
    Axis axis;
    axis.min = std::floor(lo / step) * step;
    axis.max = std::ceil(hi / step) * step;
    const int nSteps = static_cast<int>(std::lround((axis.max - axis.min) / step));
    for (int i = 0; i <= nSteps; ++i) {
        const double tick = axis.min + i * step;
        axis.ticks.append(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    }
    return axis;
}
