#include "calibration/TempAbgleichTransfer.h"

#include "calibration/CalibrationTransfer.h"
#include "core/Clock.h"
#include "core/Operator.h"
#include "document/ReplyDecoder.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"
#include "transmitter/HistoryScope.h"

#include <QList>
#include <utility>

namespace {

const char* const kDatentransfer = QT_TRANSLATE_NOOP("CTempAbgleichTransfer", "Datentransfer");
const char* const kVerbindeHardware = QT_TRANSLATE_NOOP("CTempAbgleichTransfer", "Verbinde Hardware...");

constexpr int kReadBarMax = 23;
constexpr int kWriteBarMax = 21;
constexpr int kFirstReadWord = CTempAbgleich::kWordIMin;
constexpr int kLastReadWord = CTempAbgleich::kWordTemp + CTempAbgleich::kSlots - 1;
constexpr int kReadBarOffset = 29;
constexpr int kWriteTablesBar = 7;
constexpr int kWriteValuesBar = 14;

using T = CTempAbgleich;

} // namespace

CTempAbgleichTransfer::CTempAbgleichTransfer(CTransmitterLink& link, CConnection& connection)
    : m_link(link)
    , m_connection(connection)
    , m_operator(link.Operator()) {}

QByteArray CTempAbgleichTransfer::WritePayload(int nWord, quint16 value) {
    return QByteArray(1, static_cast<char>(nWord + '0')) + QByteArray::number(value).rightJustified(5, '0');
}

bool CTempAbgleichTransfer::WriteWord(int nWord, qint32 value) {
    m_written.append(T::Word(value));
    return m_link.Transfer(Cmd::SetAbglData, WritePayload(nWord, T::Word(value)));
}

void CTempAbgleichTransfer::Finish() {
    m_operator.EndProgress();
    m_link.Sio().ClosePort();
}

bool CTempAbgleichTransfer::Connect() {
    QByteArray reply;
    return m_connection.ConnectTransmitter(reply);
}

bool CTempAbgleichTransfer::ReadTemperatureData(CTempAbgleich::Values& werte) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CHistoryScope history(m_link, m_connection.Document(), CHistoryEvent::Operation::CalibrationRead);
    history.Event().detailJson = QStringLiteral(R"({"form":"temperature"})");
    m_operator.BeginProgress(tr(kDatentransfer), tr(kVerbindeHardware), 0, kReadBarMax);
    m_operator.SetProgressPos(1);
    if (!Connect()) {
        Finish();
        return false;
    }
    m_operator.SetProgressText(tr("Abgleich freigeben..."));
    m_operator.SetProgressPos(2);
    m_link.Transfer(Cmd::EnableAbgleich, {}); // older firmware does not answer it; the reads tell
    m_operator.SetProgressText(tr("Lese Temperaturabgleich..."));
    QList<quint16> words;
    for (int n = kFirstReadWord; n <= kLastReadWord; ++n) {
        m_operator.SetProgressPos(n - kReadBarOffset);
        const std::optional<quint16> word = CCalibrationTransfer::ReadWord(m_link, n);
        if (!word) {
            Finish();
            m_operator.Message(tr("Empfangsfehler!"));
            return false;
        }
        words.append(*word);
        history.Event().words.append(*word);
    }
    Finish();
    CTempAbgleich::Values read;
    for (int i = 0; i < T::kEntries; ++i) {
        const auto e = static_cast<std::size_t>(i);
        const int s = T::Slot(i);
        read.iMin[e] = words.at(T::kWordIMin - kFirstReadWord + s);
        read.iMax[e] = words.at(T::kWordIMax - kFirstReadWord + s);
        read.temp[e] = static_cast<qint16>(words.at(T::kWordTemp - kFirstReadWord + s));
    }
    read.checksum = T::Checksum(read);
    werte = read;
    return history.Ended(true);
}

bool CTempAbgleichTransfer::ReadMemory(CTempAbgleich::Speicher& speicher) {
    for (std::size_t k = 0; k < T::kReferenceWords.size(); ++k) {
        const std::optional<quint16> word = CCalibrationTransfer::ReadWord(m_link, T::kReferenceWords[k]);
        if (!word) {
            m_operator.Message(tr("Empfangsfehler!"));
            return false;
        }
        speicher.r[k] = *word;
    }
    // Both differences divide: with equal references every slot would be garbage or the program would
    // end. Nothing has been written yet, and the message says so.
    if (!T::ReferencesUsable(speicher)) {
        m_operator.Message(tr("Die Referenzwörter des Transmitters sind ungültig (r0 = r1 oder r2 = r3): "
                              "die Temperaturkompensation kann nicht berechnet werden.\n"
                              "Nichts wurde geschrieben."));
        return false;
    }
    m_operator.SetProgressText(tr("Lese Daten..."));
    for (int s = 0; s < T::kSlots; ++s) {
        m_operator.SetProgressPos(s + 1);
        const auto e = static_cast<std::size_t>(s);
        for (auto [table, base] : {std::pair{&speicher.a, T::kTableA}, std::pair{&speicher.b, T::kTableB},
                                   std::pair{&speicher.c, T::kTableC}}) {
            const std::optional<quint16> word = CCalibrationTransfer::ReadWord(m_link, base + s);
            if (!word) {
                m_operator.Message(tr("Empfangsfehler!"));
                return false;
            }
            (*table)[e] = *word;
        }
    }
    return true;
}

bool CTempAbgleichTransfer::WriteMemory(const CTempAbgleich::Values& werte,
                                        const CTempAbgleich::Speicher& speicher) {
    m_operator.SetProgressText(tr("Schreibe Temperaturabgleich..."));
    for (int s = 0; s < T::kSlots; ++s) {
        m_operator.SetProgressPos(s + kWriteTablesBar);
        const auto e = static_cast<std::size_t>(s);
        if (!WriteWord(T::kTableA + s, speicher.a[e]) || !WriteWord(T::kTableB + s, speicher.b[e]) ||
            !WriteWord(T::kTableC + s, speicher.c[e])) {
            return false;
        }
    }
    for (int i = 0; i < T::kEntries; ++i) {
        m_operator.SetProgressPos(i + kWriteValuesBar);
        const auto e = static_cast<std::size_t>(i);
        const int s = T::Slot(i);
        if (!WriteWord(T::kWordIMin + s, werte.iMin[e]) || !WriteWord(T::kWordIMax + s, werte.iMax[e]) ||
            !WriteWord(T::kWordTemp + s, werte.temp[e])) {
            return false;
        }
    }
    return WriteWord(T::kWordChecksum, werte.checksum) && m_link.Transfer(Cmd::StoreAbglData, {});
}

bool CTempAbgleichTransfer::WriteTemperatureData(const CTempAbgleich::Values& werte) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CHistoryScope history(m_link, m_connection.Document(), CHistoryEvent::Operation::TempCalibration);
    // The checksum is the technician's proof of having typed the values as measured.
    if (T::Checksum(werte) != static_cast<qint16>(T::Word(werte.checksum))) {
        m_operator.Message(tr("Falsche Checksumme!"));
        return false;
    }
    m_written.clear();
    m_operator.BeginProgress(tr(kDatentransfer), tr(kVerbindeHardware), 0, kWriteBarMax);
    m_operator.SetProgressPos(1);
    bool bOk = Connect();
    if (bOk) {
        m_link.Clock().SleepMs(kWaitBeforeReleaseMs);
        bOk = m_link.Transfer(Cmd::EnableAbgleich, {});
    }
    CTempAbgleich::Speicher speicher;
    bOk = bOk && ReadMemory(speicher);
    if (bOk) {
        T::ComputeTables(werte, speicher);
        bOk = WriteMemory(werte, speicher);
        if (!bOk) {
            // Silence here would leave the technician believing the transmitter compensated.
            m_operator.Message(tr("Sendefehler!\nDer Temperaturabgleich ist nicht vollständig geschrieben."));
        }
    }
    Finish();
    history.Event().words = m_written;
    return history.Ended(bOk);
}
