#pragma once

#include "ParameterSatz.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

/// One entry of a transmitter's history: what an operation did to one transmitter, when, where and by
/// whom. Operations fill what they know (operation, outcome, identity, sets, words); the sink that
/// records it adds the station's part (time, station, user, edition, version) where it is still empty,
/// so the transfer code needs to know nothing about the machine it runs on.
struct CHistoryEvent {
    /// Stable keys: they are stored and searched for, so they never change once released.
    enum class Operation {
        Receive,           ///< parameter set read
        Send,              ///< parameter set written (read back when verified)
        WriteValues,       ///< single values (Test menu, configuration, correction, release)
        CalibrationRead,   ///< calibration record read
        CalibrationWrite,  ///< calibration record written
        AnalogCalibration, ///< analog output (DAC) calibration
        WizardCalibration, ///< end of the calibration wizard
        TempCalibration,   ///< temperature calibration
        Check,             ///< calibration check (as found / as left)
    };
    enum class Outcome { Done, Failed, Cancelled };

    // Station part, filled by the sink when left empty.
    QDateTime timeUtc;
    QString station;
    QString user;
    QString edition;
    QString version;

    Operation operation = Operation::Receive;
    Outcome outcome = Outcome::Done;
    /// The program's message for a failure (as the user saw it), or a short note of what was done.
    QString message;
    /// The last frames of the link trace for a failure, oldest first.
    QStringList traceTail;

    // The transmitter's identity as far as it is known (texts in the transmitter's code page).
    qint32 nTyp = 0;
    QByteArray kennung;
    QByteArray seriennummer;
    QByteArray bezeichnung;

    /// The set as read before the operation changed anything, where it was read.
    std::optional<CParameterSatz> before;
    /// The set the transmitter holds after the operation (the set sent, or the set received).
    std::optional<CParameterSatz> after;
    /// Calibration words or single values written, in the order they went to the transmitter.
    QList<quint16> words;
    /// Free detail in JSON (check points, the single values' names), empty when there is none.
    QString detailJson;
};

/// Stable text of an operation key, as stored and shown by `quillon-cli history`.
inline QString HistoryOperationKey(CHistoryEvent::Operation op) {
    switch (op) {
    case CHistoryEvent::Operation::Receive:
        return QStringLiteral("receive");
    case CHistoryEvent::Operation::Send:
        return QStringLiteral("send");
    case CHistoryEvent::Operation::WriteValues:
        return QStringLiteral("write-values");
    case CHistoryEvent::Operation::CalibrationRead:
        return QStringLiteral("calibration-read");
    case CHistoryEvent::Operation::CalibrationWrite:
        return QStringLiteral("calibration-write");
    case CHistoryEvent::Operation::AnalogCalibration:
        return QStringLiteral("analog-calibration");
    case CHistoryEvent::Operation::WizardCalibration:
        return QStringLiteral("wizard-calibration");
    case CHistoryEvent::Operation::TempCalibration:
        return QStringLiteral("temperature-calibration");
    case CHistoryEvent::Operation::Check:
        return QStringLiteral("check");
    }
    return QString();
}
