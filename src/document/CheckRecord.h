#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

/// The reference instrument a check was made with: what the technician applied the pressures with,
/// and the traceability data the certificate names. Kept per station, chosen from a list.
struct CReferenceInstrument {
    QString name;
    QString serial;
    QString certificate; ///< the number of the reference's own calibration certificate
    QDate dueDate;       ///< when the reference's own calibration falls due; invalid when not known

    bool operator==(const CReferenceInstrument&) const = default;
};

/// One test point of a check: the pressure to apply and what was found there.
///
/// All pressures are in the unit of the measured value (the set range's unit; the display unit for a
/// KA71). The errors are in % of span, computed from the reference reading, not from the nominal
/// pressure: the reference is what was actually applied.
struct CCheckPoint {
    double percent = 0.0;            ///< the point in % of the set range, as planned (0..100)
    double nominal = 0.0;            ///< the pressure to apply
    std::optional<double> reference; ///< the reference instrument's reading, as entered
    /// The transmitter's measured value (the mean of the settled samples); nothing when the transmitter
    /// gave no reading, which is shown as "no reading", never as an error.
    std::optional<double> reading;
    std::optional<double> currentMa; ///< the output current, when the technician measured it
    bool settled = false;            ///< the samples' spread was under a tenth of the tolerance
    bool acceptedUnsettled = false;  ///< the technician took the reading although it had not settled

    bool operator==(const CCheckPoint&) const = default;
};

/// The points of one pass over the transmitter: as found (before any adjustment) or as left.
struct CCheckSeries {
    QList<CCheckPoint> points;

    bool operator==(const CCheckSeries&) const = default;
};

/// A finished check as it is recorded in the device history (in the event's detail) and printed on the
/// certificate. The transmitter's identity (type, Kennung, serial number, tag) is the event's own.
struct CCheckRecord {
    /// pass, fail, or adjusted-and-passed. Stored as a key (see CCheckRecordJson), so never renumbered.
    enum class Verdict { Passed, Failed, AdjustedPassed };

    // The set range the points refer to: the pressures at 4 mA and at 20 mA (a falling characteristic
    // has the larger one at 4 mA), their unit text and the decimals the values are shown with.
    double rangeAt4mA = 0.0;
    double rangeAt20mA = 1.0;
    QString unit;
    int decimals = 2;

    double tolerancePercent = 0.25; ///< allowed error in % of span, for the reading and the current
    CReferenceInstrument reference;
    std::optional<double> ambientCelsius; ///< the ambient temperature, as entered
    QString technician;                   ///< who made the check (the operating-system user by default)

    CCheckSeries asFound;
    /// As left: only when the transmitter was adjusted after the as-found pass.
    std::optional<CCheckSeries> asLeft;
    Verdict verdict = Verdict::Failed;

    int intervalDays = 365; ///< the check interval of this transmitter
    QDate nextDue;          ///< the date of the check plus the interval

    bool operator==(const CCheckRecord&) const = default;
};
