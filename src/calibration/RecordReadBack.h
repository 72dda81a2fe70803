#pragma once

#include "transmitter/WriteFinding.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <optional>

/// After a calibration record write whose end went unconfirmed: which record the transmitter holds, told
/// with the findings of the parameter send's read-back. The words decide (a float or the serial text is
/// new only when every word of it is); the fields not new are named as the command-line tool's JSON
/// names them ("m_nAdc[2]"), with the value written and the value held.
class CRecordReadBack {
    Q_DECLARE_TR_FUNCTIONS(CRecordReadBack)

public:
    /// The record words as read from one transmitter, with the identification it answered.
    struct Woerter {
        QByteArray kennung;
        QList<quint16> words;
    };
    struct Ergebnis {
        CWriteFinding::Befund befund = CWriteFinding::Befund::NichtGeprueft;
        /// The fields whose words differ from those written.
        QStringList abweichungen;
    };

    /// `neu`: the words written; `gelesen`: the read-back (nothing when it failed); `vorher`: the words
    /// the transmitter held before, when known. They count only when the read-back's identification and
    /// serial text are theirs.
    static Ergebnis Vergleiche(int nTyp, bool bErweitert, const QList<quint16>& neu,
                               const std::optional<Woerter>& gelesen, const std::optional<Woerter>& vorher);
    /// The message for the person, naming the fields not new.
    static QString Meldung(const Ergebnis& ergebnis);
};
