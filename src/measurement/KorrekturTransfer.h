#pragma once

#include <QByteArray>
#include <QCoreApplication>

class CConnection;
class CHistoryScope;
class CParameterTransfer;
class CQuillonDoc;
class CTransmitterLink;
class IOperator;

/// The offset and span correction with the transmitter: reading a fresh measured value (and, if asked,
/// the corrections, zero window and key lock), and writing the corrections. The correction dialog of
/// the older types and the configuration dialog of the newer ones both use these two sequences.
///
/// Each sequence shows the progress window "Datentransfer", stops at the first failing command and closes
/// the port at its end, so that the next one connects afresh.
class CKorrekturTransfer {
    Q_DECLARE_TR_FUNCTIONS(CKorrekturTransfer)

public:
    CKorrekturTransfer(CTransmitterLink& link, CConnection& connection, CParameterTransfer& transfer,
                       CQuillonDoc& doc);

    /// Whether the next read starts by reading the whole parameter set (true at the first access of a
    /// dialog; a read clears it).
    void SetFirstAccess(bool bFirst);
    bool IsFirstAccess() const { return m_bFirstAccess; }
    CTransmitterLink& Link() { return m_link; }

    /// Reads the measured value and temperature; with bCorrections also offset and span correction and,
    /// for all but types 0 and 1, zero window and key lock. On the first access the parameter set is
    /// read before. A failure shows "Fail to receive data!". The first access counts as done afterwards.
    bool ReadSequence(bool bCorrections);
    /// Connects, checks unit and base range, writes offset and span correction (and zero window and key
    /// lock where the transmitter has them), then reads the measured value and temperature. True when
    /// every step succeeded; the failing step's messages tell the user what went wrong.
    bool WriteSequence();

    /// Whether a transmitter of this identification reply has zero window and key lock: not the RX89
    /// (identification beginning with "V"), nor an RX30 or RX31 of version 302.
    static bool HasNullpunktUndSperre(const QByteArray& reply);

private:
    bool ReadMesswert(bool bFirstDiscarded);
    bool ReadTemperatur();
    bool ReadSteps(bool bCorrections);
    bool WriteSteps(CHistoryScope& history);
    /// One single value written, noted in the write's history event first.
    bool Write(CHistoryScope& history, quint8 command, const QByteArray& payload);
    void ReportProgramError(const char* what);

    CTransmitterLink& m_link;
    CConnection& m_connection;
    CParameterTransfer& m_transfer;
    CQuillonDoc& m_doc;
    IOperator& m_operator;
    bool m_bFirstAccess = true;
};
