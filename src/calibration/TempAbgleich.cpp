#include "calibration/TempAbgleich.h"

#include "base/NumberField.h"

namespace {

constexpr qint32 kChecksumModulus = 10000;
constexpr qint32 kCurrentMax = 9999;
constexpr qint32 kTempMin = -999;
constexpr qint32 kTempMax = 9999;

/// A 32-bit signed result as the original integer arithmetic leaves it, without undefined behaviour.
qint32 Wrap(qint64 value) {
    return static_cast<qint32>(static_cast<quint32>(static_cast<quint64>(value)));
}

qint32 Mul(qint32 a, qint32 b) {
    return Wrap(static_cast<qint64>(a) * b);
}

qint32 Div(qint32 a, qint32 b) {
    return Wrap(static_cast<qint64>(a) / b); // INT_MIN / -1 wraps as on the 32-bit machine
}

/// The value kept as a 16-bit word and read back as signed.
qint32 Keep16(qint32 value) {
    return static_cast<qint16>(static_cast<quint16>(static_cast<quint32>(value) & 0xFFFFu));
}

} // namespace

int CTempAbgleich::Slot(int nEntry) {
    return nEntry < kReferenceSlot ? nEntry : kSlots - 1;
}

quint16 CTempAbgleich::Word(qint32 value) {
    return static_cast<quint16>(static_cast<quint32>(value) & 0xFFFFu);
}

qint32 CTempAbgleich::Checksum(const Values& werte) {
    qint32 c = 0;
    for (const Row* row : {&werte.iMin, &werte.iMax, &werte.temp}) {
        for (const qint32 v : *row) {
            c = (c + static_cast<qint16>(Word(v))) % kChecksumModulus;
        }
    }
    return c;
}

std::optional<ValidationProblem> CTempAbgleich::Validate(const Values& werte) {
    const Row* rows[] = {&werte.iMin, &werte.iMax, &werte.temp};
    for (int r = 0; r < 3; ++r) {
        const qint32 lo = r == 2 ? kTempMin : 0;
        const qint32 hi = r == 2 ? kTempMax : kCurrentMax;
        for (int i = 0; i < kEntries; ++i) {
            const qint32 v = (*rows[r])[static_cast<std::size_t>(i)];
            if (v < lo || v > hi) {
                return ValidationProblem{FieldOf(r, i), RangeMessage(r)};
            }
        }
    }
    // The sum keeps its sign: values whose sum is negative have a negative checksum, which must pass.
    if (werte.checksum < -kCurrentMax || werte.checksum > kCurrentMax) {
        return ValidationProblem{FieldOf(3, 0), RangeMessage(3)};
    }
    return std::nullopt;
}

QString CTempAbgleich::RangeMessage(int nRow) {
    const qint32 lo = nRow == 2 ? kTempMin : nRow == 3 ? -kCurrentMax : 0;
    const qint32 hi = nRow == 2 ? kTempMax : kCurrentMax;
    return CNumberField::MsgGanzeZahlZwischen(lo, hi, QLocale());
}

bool CTempAbgleich::ReferencesUsable(const Speicher& speicher) {
    return speicher.r[3] != speicher.r[2] && speicher.r[1] != speicher.r[0];
}

qint32 CTempAbgleich::CurrentWord(qint32 current, const Speicher& speicher) {
    const qint32 d1 = Wrap(static_cast<qint64>(speicher.r[3]) - speicher.r[2]);
    const qint32 d2 = Wrap(static_cast<qint64>(speicher.r[1]) - speicher.r[0]);
    const qint32 a5 = speicher.a[kReferenceSlot];
    const qint32 b5 = speicher.b[kReferenceSlot];
    qint32 x = Div(Mul(Wrap(static_cast<qint64>(current) - kScale4mA), d1), kScaleSpan);
    x = Div(Mul(x, d2), d1);
    x = Div(Mul(x, Wrap(static_cast<qint64>(b5) - a5)), d2);
    return Keep16(Wrap(static_cast<qint64>(a5) + x));
}

qint32 CTempAbgleich::TemperatureWord(qint32 temp) {
    return Keep16(Mul(Div(Mul(temp, 16), 10), 8));
}

void CTempAbgleich::ComputeTables(const Values& werte, Speicher& speicher) {
    Q_ASSERT(ReferencesUsable(speicher));
    const Speicher read = speicher; // A5 and B5 of the transmitter, not of the slots filled meanwhile
    for (int i = 0; i < kEntries; ++i) {
        const auto s = static_cast<std::size_t>(Slot(i));
        const auto e = static_cast<std::size_t>(i);
        speicher.a[s] = CurrentWord(werte.iMin[e], read);
        speicher.b[s] = CurrentWord(werte.iMax[e], read);
        speicher.c[s] = TemperatureWord(werte.temp[e]);
    }
}
