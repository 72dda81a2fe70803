#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <functional>
#include <optional>

class CConnection;
class CHistoryScope;
class CQuillonDoc;
class CTransmitterLink;
class CReplyDecoder;
class IOperator;

/// The transmitter operations of the calibration wizard: the DAC points of the record, the values its
/// pages show, the options and the factory offset and span. Each shows the progress window, stops at the
/// first failed command, closes the port at its end and returns whether it succeeded; a second
/// operation while one runs is refused. The pages say
/// "Empfangsfehler!" on a failure; the connection shows its own message.
class CAbglWizardTransfer {
    Q_DECLARE_TR_FUNCTIONS(CAbglWizardTransfer)

public:
    static constexpr int kWaitBeforeMesswertMs = 1000;

    CAbglWizardTransfer(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc);

    /// Words 5..9 into m_nDac entries 0..4: all five or none.
    bool ReadDacPoints();
    /// Serial number, unit, ranges, zero window, factory offset and span, damping, currents and the
    /// measured value.
    bool ReadWizardParameters();
    /// Range in digits, damping, factory offset and span, zero window, currents and the serial number.
    bool WriteWizardOptions();
    /// Factory offset and span alone, so that the measured value shows their effect.
    bool WriteOffsetSpan();
    /// The current measured value with its decimals.
    bool ReadMeasuredValue();

    /// The wizard's end in the history: bFinished when it reached its last page (Done), otherwise it was
    /// cancelled, which is recorded only when something was written meanwhile. Starts the count afresh
    /// for the next transmitter.
    void RecordEnd(bool bFinished);

    /// The "e" payload: three-character register and the value as four hex digits, high byte first.
    static QByteArray RegisterPayload(const char* reg, qint32 value);

private:
    bool Begin(const QString& text, int nBarMax);
    bool End(bool bOk);
    /// Runs the reading steps; a program error (a reply too short to decode) is reported as a failure.
    bool Guarded(const std::function<bool()>& steps);
    bool Read(quint8 command, void (CReplyDecoder::*decode)(const QByteArray&));
    bool ReadParameters();
    bool ReadMesswert();
    bool WriteRegister(CHistoryScope& history, const QString& text, const char* reg, qint32 value);

    CTransmitterLink& m_link;
    CConnection& m_connection;
    CQuillonDoc& m_doc;
    IOperator& m_operator;
    int m_nBar = 0;
    /// The history's count of writes when this transmitter's calibration began.
    quint64 m_nWritesAtStart;
};
