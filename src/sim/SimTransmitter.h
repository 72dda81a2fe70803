#pragma once

#include "sim/SimCatalogue.h"
#include "sim/SimSignal.h"

#include <QByteArray>
#include <QList>
#include <optional>

/// One simulated transmitter: its identification, its memory and its measured values, answering the
/// commands of the programming link with the reply data a real device of its type sends.
///
/// Memory: the parameter area and the table area are byte images laid out as the program's block images
/// (words and longs low byte first); single writes, register writes and memory images all change the same
/// bytes, so every later read returns what was written. Calibration words are 16-bit words; the block
/// image of the calibration area (0x85 "0") writes them two bytes per word, low byte first. The serial
/// number, the base range, its decimals and the unit live in the calibration words of the family
/// (CSimCatalogue), as in the factory record.
///
/// A request the transmitter cannot make sense of (a command its family does not know, a payload that
/// is not a number, a word or point outside its memory, a block write without its begin) is not answered,
/// as a real device stays silent; the program then sees a failed transfer.
class CSimTransmitter {
public:
    static constexpr int kDacFree = 65535; ///< "DAC freigeben": the output follows the measured value
    static constexpr int kNoArea = -1;
    static constexpr char kAck[] = "OK";

    /// A factory-fresh transmitter of the type, with the given identification (empty: the type's default).
    explicit CSimTransmitter(int nTyp, const QByteArray& kennung = QByteArray());

    int Typ() const;
    const QByteArray& Kennung() const;
    void SetKennung(const QByteArray& kennung);
    bool IsErweitert() const;

    QByteArray& Parameter();
    const QByteArray& Parameter() const;
    QByteArray& Table();
    const QByteArray& Table() const;
    QList<quint16>& CalWords();
    const QList<quint16>& CalWords() const;

    bool Released() const;
    void SetReleased(bool bReleased);
    int Dac() const;
    void SetDac(int nDac);
    /// Whether "Enable Abgleich" (0x50) was sent since the last restart.
    bool CalibrationEnabled() const;
    /// The memory area of an open block write (0 calibration, 1 parameters, 2 table), or kNoArea.
    int OpenArea() const;
    /// Number of "store" commands (0x63) received: the calibration words written so far are kept.
    int StoreCount() const;

    /// A restart through the RTS line: an unfinished block write is dropped, calibration access is locked
    /// again and the output follows the measured value.
    void Restart();

    /// Reply data for a request, or nothing when the transmitter stays silent.
    std::optional<QByteArray> Answer(quint8 command, const QByteArray& payload, qint64 nowMs);

    // Views of the memory, for the state file's summary and for tests.
    const CSimCatalogue::ParamLayout& ParamLayout() const;
    const CSimCatalogue::CalLayout& CalLayout() const;
    quint16 ParamWord(int index) const;
    void SetParamWord(int index, quint16 value);
    QByteArray Tag() const;
    QByteArray Serial() const;
    int Dezimalstellen() const;
    int TableCount() const;
    qint32 TableX(int point) const;
    qint32 TableY(int point) const;

private:
    using Handler = std::optional<QByteArray> (CSimTransmitter::*)(quint8, const QByteArray&, qint64);
    struct Command {
        quint8 code;
        Handler handler;
    };
    /// A parameter value exchanged as a scaled number: its read and write command, where it lives and
    /// which decimals digit its reply carries.
    struct ScaledValue {
        quint8 read;
        quint8 write;
        int CSimCatalogue::ParamLayout::*field;
        int digit; ///< 0..4, or kDigitDevice / kDigitRange
    };
    static constexpr int kDigitDevice = -1; ///< the device's decimals
    static constexpr int kDigitRange = -2;  ///< the device's decimals; the KA71 sends 0..10000 with 0
    static const Command kCommands[];
    static const ScaledValue kScaledValues[];

    void InitFactoryState();
    void InitRX89Temperature();
    void SetCal(int word, int value);
    qint16 CalSigned(int word) const;
    bool IsKA71() const;
    double BaseLo() const;
    double BaseHi() const;
    double PressureFraction(qint64 nowMs);
    double MeasuredCounts(double fraction) const;
    double Temperature(qint64 nowMs);
    int DigitOf(int digit) const;
    static QByteArray Number(double counts, int digit);
    static std::optional<int> ParseInt(const QByteArray& text);
    const ScaledValue* FindScaled(quint8 code, bool bWrite) const;
    QByteArray KA71Display(double fraction) const;

    std::optional<QByteArray> ReadScaled(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> WriteScaled(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetOutput(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetKennung(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetMesswert(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetAdc(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetTemperatur(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetTag(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetGrundmessbereich(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetSerial(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetEinheit(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetTablePoints(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> SetRelease(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> SetTag(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> SetTableBlock(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> EnableCalibration(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> ReadCalWord(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> WriteCalWord(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> SetSerial(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> StoreCalWords(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> SetDacCommand(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> WriteRegister(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetTableCount(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> SetTableCount(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetTempAdc(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> BeginWrite(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> WriteBlock(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> EndWrite(quint8 command, const QByteArray& payload, qint64 nowMs);
    std::optional<QByteArray> GetExtra(quint8 command, const QByteArray& payload, qint64 nowMs);

    int m_nTyp;
    QByteArray m_kennung;
    QByteArray m_parameter;
    QByteArray m_table;
    QList<quint16> m_calWords;
    bool m_bReleased = true;
    bool m_bCalibrationEnabled = false;
    int m_nDac = kDacFree;
    int m_nOpenArea = kNoArea;
    int m_nStoreCount = 0;
    CSimSignal m_pressure;
    CSimSignal m_pressure2;
    CSimSignal m_temperature;
};
