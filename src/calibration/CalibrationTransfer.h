#pragma once

#include "base/TypKatalog.h"
#include "calibration/RecordReadBack.h"
#include "document/HistoryEvent.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <optional>

class CConnection;
class CQuillonDoc;
class CTransmitterLink;
class IOperator;

/// Moves the document's calibration record between program and transmitter: reading it word by word,
/// writing it as one block image, and the VN62's six DAC words of its two outputs. Every operation
/// shows the progress window, closes the port at its end and returns whether it succeeded.
class CCalibrationTransfer {
    Q_DECLARE_TR_FUNCTIONS(CCalibrationTransfer)

public:
    static constexpr int kChunkDigits = 20;

    CCalibrationTransfer(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc);

    /// Reads the record. A failure leaves the record as it was and clears its valid flag (types 2..10).
    bool ReadCalibrationData();
    /// "Abgleichdaten lesen..." of a factory submenu: the "RX30 / RX31 / RX84 / RX96" and the "VN62"
    /// submenus first make the document's type one they serve, so that the words are read and decoded by
    /// that layout; the "RX93" and "KA71" submenus read by the type as it is.
    bool ReadCalibrationData(CTypKatalog::AbgleichForm menu);
    /// The type a read from the submenu uses for a document of type nTyp.
    static int TypForRead(CTypKatalog::AbgleichForm menu, int nTyp);
    /// Writes the record as block image. Refuses types without a calibration record and a transmitter
    /// whose identification shows another record layout than the document's type, before writing. When
    /// the end of the block goes unconfirmed the record is read back, and the message says whether the
    /// transmitter holds the new record, the old one (known when this object read it before) or a mix;
    /// the write still counts as failed. The history records it as the given operation (the analog
    /// calibration writes the record as its own step).
    bool WriteCalibrationData(CHistoryEvent::Operation history = CHistoryEvent::Operation::CalibrationWrite);
    /// VN62: the DAC points of both outputs into m_nDac and m_nDac2 entries 0..2; all six or none.
    bool ReadDac2Points();
    /// VN62: writes the same six words with register writes.
    bool WriteGainWords();
    /// Drives the output to a fixed DAC value; 65535 hands it back to the transmitter.
    bool SetDac(int nValue);
    CTransmitterLink& Link() { return m_link; }
    /// Ends the conversation so that the next operation connects afresh.
    void ClosePort();

    /// Reads one calibration word with "Q"; nothing when there is no reply or no number in it.
    std::optional<quint16> ReadWord(int nWord);
    /// The one reading of a calibration word, for every sequence that reads the record's words (records,
    /// wizard, temperature tables): a reply without its five digits is a failure, never a 0.
    static std::optional<quint16> ReadWord(CTransmitterLink& link, int nWord);
    /// The "e" payload of a calibration word write: "0", word number and value as hex, high byte first.
    static QByteArray RegisterPayload(int nWord, quint16 value);
    /// The "Q" payload of a word: one character of value word + 48.
    static QByteArray WordPayload(int nWord);

private:
    bool ReadWords(int nCount, QList<quint16>& words, int& nFailed);
    /// Decodes the words into the document's record and sets its valid flag by the type's form.
    bool TakeRecord(const QList<quint16>& words, bool bErweitert);
    bool CheckWritable();
    bool SendImage();
    /// Reads the record's words afresh after a write whose end went unconfirmed.
    std::optional<CRecordReadBack::Woerter> ReadBack(int nCount);
    /// The end of every operation: the progress window closes, the next operation connects afresh.
    void Finish();

    CTransmitterLink& m_link;
    CConnection& m_connection;
    CQuillonDoc& m_doc;
    IOperator& m_operator;
    /// The identification answered to the connect of the running write.
    QByteArray m_angeschlossen;
    /// The record words the transmitter held when last read or written by this object: after a write
    /// that failed they tell the old record from a mix.
    std::optional<CRecordReadBack::Woerter> m_zuletzt;
};
