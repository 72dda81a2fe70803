#pragma once

#include "core/ValidationProblem.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

/// The temperature calibration of the RX93: for up to six temperatures the output currents measured at
/// the 4 mA and 20 mA points, and the compensation tables the transmitter computes its output with.
///
/// The transmitter's calibration memory holds, in words: table A (4 mA point) at 0..6, table B (20 mA
/// point) at 7..13, table C (temperatures) at 14..20, the reference words r0, r1 at 21, 22 and r2, r3 at
/// 28, 29, the entered values by slot at 32..38 (I-Min), 39..45 (I-Max), 46..52 (temperatures) and the
/// checksum at 53. Entry i of the dialog occupies slot i, except the sixth, which occupies slot 6: slot 5
/// carries the references A5 and B5 and is never filled from the entries.
class CTempAbgleich {
    Q_DECLARE_TR_FUNCTIONS(CTempAbgleich)

public:
    static constexpr int kEntries = 6;
    static constexpr int kSlots = 7;
    static constexpr int kTableA = 0;
    static constexpr int kTableB = 7;
    static constexpr int kTableC = 14;
    static constexpr int kWordIMin = 32;
    static constexpr int kWordIMax = 39;
    static constexpr int kWordTemp = 46;
    static constexpr int kWordChecksum = 53;
    static constexpr int kReferenceSlot = 5;
    static constexpr std::array<int, 4> kReferenceWords = {21, 22, 28, 29};
    /// The current scale of the entries: 1600 is the 4 mA point, 8000 the 20 mA point.
    static constexpr int kScale4mA = 1600;
    static constexpr int kScaleSpan = 6400;

    using Row = std::array<qint32, kEntries>;
    using Table = std::array<qint32, kSlots>;

    /// The dialog's values: I-Min (4 mA), I-Max (20 mA), temperatures and the checksum.
    struct Values {
        Row iMin{};
        Row iMax{};
        Row temp{};
        qint32 checksum = 0;
    };

    /// What the transmitter holds before a write: its reference words r0..r3 and the three tables.
    struct Speicher {
        std::array<qint32, 4> r{};
        Table a{};
        Table b{};
        Table c{};
    };

    /// The field of a problem: row (0 I-Min, 1 I-Max, 2 temperatures, 3 checksum) and entry in it.
    static constexpr int FieldOf(int nRow, int nEntry) { return nRow * kEntries + nEntry; }

    /// The slot of dialog entry i: i for 0..4, 6 for the sixth.
    static int Slot(int nEntry);
    /// The sum of the 18 values, each taken as a signed 16-bit number, kept below 10000 in magnitude
    /// after every step (the remainder takes the sign of the sum).
    static qint32 Checksum(const Values& werte);
    /// The first value outside its range: currents 0..9999, temperatures -999..9999, checksum
    /// -9999..9999 (the checksum of values with a negative sum is negative).
    static std::optional<ValidationProblem> Validate(const Values& werte);
    /// The range message of a row's fields, also for a text that is no whole number.
    static QString RangeMessage(int nRow);
    /// The 16-bit value as the transmitter keeps it of a signed number (two's complement).
    static quint16 Word(qint32 value);

    /// True when the reference words allow the computation: r3 differs from r2 and r1 from r0 (the
    /// formula divides by both differences).
    static bool ReferencesUsable(const Speicher& speicher);
    /// Fills the slots of the entries in the three tables; slot 5 and the references stay as read.
    /// Needs ReferencesUsable. The arithmetic is that of 32-bit signed integers with divisions
    /// truncating toward zero, wrap-around included, so that a transmitter calibrated by this program
    /// gets the same words as from every station before it; every result is kept as a 16-bit word.
    static void ComputeTables(const Values& werte, Speicher& speicher);
    /// The table A/B word of one current on the 1600..8000 scale.
    static qint32 CurrentWord(qint32 current, const Speicher& speicher);
    /// The table C word of one temperature (25 gives 320).
    static qint32 TemperatureWord(qint32 temp);
};
