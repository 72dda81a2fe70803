#pragma once

#include "calibration/TempAbgleich.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <optional>

class CConnection;
class CQuillonDoc;
class CTransmitterLink;
class IOperator;

/// Moves the temperature calibration between the RX93 and the program: "Empfangen" reads the 18 entered
/// values back, "Senden" checks the checksum, computes the compensation tables from the transmitter's
/// references and writes tables, values and checksum. Both show the progress window and close the port
/// at their end; a second operation while one runs is refused.
class CTempAbgleichTransfer {
    Q_DECLARE_TR_FUNCTIONS(CTempAbgleichTransfer)

public:
    static constexpr int kWaitBeforeReleaseMs = 1000;

    CTempAbgleichTransfer(CTransmitterLink& link, CConnection& connection);

    /// Reads the 18 values (I-Min and I-Max as unsigned, temperatures as signed words) and puts their
    /// checksum into werte.checksum; the stored checksum word is not read. On failure werte is unchanged.
    bool ReadTemperatureData(CTempAbgleich::Values& werte);
    /// Writes the values: refuses a wrong checksum ("Falsche Checksumme!") and unusable reference words
    /// before anything is sent or written. A failing command ends the write; words already written stay.
    bool WriteTemperatureData(const CTempAbgleich::Values& werte);

    /// The "a" payload: the word as one character word + 48, the value unsigned in five digits.
    static QByteArray WritePayload(int nWord, quint16 value);

private:
    bool WriteWord(int nWord, qint32 value);
    bool ReadMemory(CTempAbgleich::Speicher& speicher);
    bool WriteMemory(const CTempAbgleich::Values& werte, const CTempAbgleich::Speicher& speicher);
    bool Connect();
    void Finish();

    CTransmitterLink& m_link;
    CConnection& m_connection;
    IOperator& m_operator;
    /// The words of the running write as they went to the transmitter, for its history event.
    QList<quint16> m_written;
};
