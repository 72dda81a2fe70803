#pragma once

#include "document/ParameterSatz.h"
#include "document/QuillonDoc.h"
#include "shell/ParameterVergleich.h"
#include "transmitter/Connection.h"
#include "transmitter/ParameterTransfer.h"
#include "transmitter/WriteFinding.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <optional>

class CTransmitterLink;

/// Reads the transmitter's parameter set back after a send and says what the transmitter holds: the
/// values sent ("Nach dem Senden prüfen", `quillon-cli send --verify`), or, after a send that failed
/// once it may have written, the new set, the old one or a mix.
///
/// The read-back goes into a parameter set of its own: the document that was sent stays as it is, so
/// the person can send it again. A read-back that fails is "not verified", never a success.
class CSendePruefung {
    Q_DECLARE_TR_FUNCTIONS(CSendePruefung)

public:
    /// The findings are those of every write's read-back (the calibration record write reports the same).
    using Befund = CWriteFinding::Befund;

    struct Ergebnis {
        Befund befund = Befund::NichtGeprueft;
        /// The rows that differ from the values sent.
        QList<CParameterVergleich::Zeile> abweichungen;
        bool IstErfolg() const { return befund == Befund::Bestaetigt; }
    };

    /// The link and the settings of the port come from the sending side; `gesendet` is the document
    /// whose parameter set was sent.
    CSendePruefung(CTransmitterLink& link, const CQuillonDoc& gesendet, const QLocale& locale);

    /// After a send that succeeded: read back and compare with what was sent, within each field's
    /// resolution.
    Ergebnis NachSenden();
    /// After a send that failed once it may have written (CParameterTransfer::MayHaveWritten). `vorher`
    /// is what the transmitter held before the send, when known (as found; used only when its
    /// identification and serial number are the read-back's); without it a set that is not the new one
    /// is reported as NichtNeu with the fields that differ from the new one.
    Ergebnis NachFehler(const std::optional<CParameterSatz>& vorher);

    /// Connects and takes the identification into Gelesen() (its type tells whether a compare makes
    /// sense); false when the transmitter did not answer.
    bool Identifizieren();
    /// Reads the transmitter's parameter set into Gelesen() without comparing (the compare window).
    bool Lesen();
    /// The parameter set read back (valid after NachSenden/NachFehler read it).
    const CQuillonDoc& Gelesen() const { return m_gelesen; }
    /// The transfer the reads go through: what it read last and why it failed.
    const CParameterTransfer& Transfer() const { return m_transfer; }
    /// The message for the person, naming the fields.
    static QString Meldung(const Ergebnis& ergebnis);

private:
    QList<CParameterVergleich::Zeile> AbweichungenVon(const CQuillonDoc& soll) const;

    CTransmitterLink& m_link;
    const CQuillonDoc& m_gesendet;
    QLocale m_locale;
    CQuillonDoc m_gelesen;
    CConnection m_connection;
    CParameterTransfer m_transfer;
};
