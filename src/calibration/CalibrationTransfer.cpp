#include "calibration/CalibrationTransfer.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "calibration/AbgleichLayout.h"
#include "core/Clock.h"
#include "core/Logging.h"
#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "document/ReplyDecoder.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"
#include "transmitter/HistoryScope.h"
#include "transmitter/ParameterTransfer.h"

namespace {

const char* const kDatentransfer = QT_TRANSLATE_NOOP("CCalibrationTransfer", "Datentransfer");
const char* const kVerbindeTransmitter =
    QT_TRANSLATE_NOOP("CCalibrationTransfer", "Verbinde Transmitter ...");
const char* const kSchreibeDaten = QT_TRANSLATE_NOOP("CCalibrationTransfer", "Schreibe Daten...");

constexpr int kWordReplyDigits = 5;
constexpr int kWriteBarMax = 15;
constexpr int kFirstChunkStep = 4;
constexpr int kDac2BarMax = 7;
constexpr int kDacWords[] = {5, 6, 7};
constexpr int kDac2Words[] = {0x34, 0x35, 0x36};

bool HasRecord(int nTyp) {
    return CAbgleichLayout::HasRecord(nTyp);
}

} // namespace

CCalibrationTransfer::CCalibrationTransfer(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc)
    : m_link(link)
    , m_connection(connection)
    , m_doc(doc)
    , m_operator(link.Operator()) {}

void CCalibrationTransfer::Finish() {
    m_operator.EndProgress();
    m_link.Sio().ClosePort();
}

QByteArray CCalibrationTransfer::WordPayload(int nWord) {
    return QByteArray(1, static_cast<char>(nWord + '0'));
}

QByteArray CCalibrationTransfer::RegisterPayload(int nWord, quint16 value) {
    return "0" + CUtils::ByteToHex(static_cast<quint8>(nWord)) + CUtils::WordToHexHighFirst(value);
}

std::optional<quint16> CCalibrationTransfer::ReadWord(int nWord) {
    return ReadWord(m_link, nWord);
}

std::optional<quint16> CCalibrationTransfer::ReadWord(CTransmitterLink& link, int nWord) {
    QByteArray reply;
    if (!link.Transfer(Cmd::GetAbgleichWort, WordPayload(nWord), reply)) {
        return std::nullopt;
    }
    // A reply without five digits is no word: taking it as 0 would silently corrupt the record.
    const QByteArray digits = CReplyDecoder::ReplyData(reply).left(kWordReplyDigits);
    bool bOk = false;
    const uint value = digits.toUInt(&bOk);
    if (digits.size() != kWordReplyDigits || !bOk || value > 0xFFFF) {
        qCWarning(lcTransmitter) << "calibration word" << nWord << "unreadable:" << reply.toHex(' ');
        return std::nullopt;
    }
    return static_cast<quint16>(value);
}

bool CCalibrationTransfer::ReadWords(int nCount, QList<quint16>& words, int& nFailed) {
    for (int i = 0; i < nCount; ++i) {
        m_operator.SetProgressPos(i + 2);
        const std::optional<quint16> word = ReadWord(i);
        if (!word) {
            nFailed = i;
            return false;
        }
        words.append(*word);
    }
    return true;
}

int CCalibrationTransfer::TypForRead(CTypKatalog::AbgleichForm menu, int nTyp) {
    using Form = CTypKatalog::AbgleichForm;
    switch (menu) {
    case Form::RX31:
        return CTypKatalog::HasAnalogAbgleich(nTyp) ? nTyp : CTypKatalog::TypOf(Form::RX31);
    case Form::VN62:
        return CTypKatalog::AbgleichFormOf(nTyp) == Form::VN62 ? nTyp : CTypKatalog::TypOf(Form::VN62);
    case Form::RX93:
    case Form::KA71:
        break;
    }
    return nTyp;
}

bool CCalibrationTransfer::ReadCalibrationData(CTypKatalog::AbgleichForm menu) {
    m_doc.SetTyp(TypForRead(menu, m_doc.GetTyp()));
    return ReadCalibrationData();
}

bool CCalibrationTransfer::ReadCalibrationData() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::CalibrationRead);
    const int nTyp = m_doc.GetTyp();
    m_operator.BeginProgress(tr(kDatentransfer), tr("Verbinde Hardware..."), 0,
                             CAbgleichLayout::ReadCount(nTyp, m_doc.IsErweitert()) + 2);
    QByteArray reply;
    if (!m_connection.ConnectTransmitter(reply)) {
        Finish();
        return false;
    }
    // The identification has just told whether the transmitter has the extended function set.
    const bool bErweitert = m_doc.IsErweitert();
    const int nCount = CAbgleichLayout::ReadCount(nTyp, bErweitert);
    m_operator.SetProgressRange(0, nCount + 2);
    m_operator.SetProgressText(tr("Abgleich freigeben..."));
    QList<quint16> words;
    int nFailed = -1;
    bool bOk = m_link.Transfer(Cmd::EnableAbgleich, {});
    if (bOk) {
        m_operator.SetProgressText(tr("Lese Abgleichdaten..."));
        bOk = ReadWords(nCount, words, nFailed);
    }
    bOk = bOk && TakeRecord(words, bErweitert);
    if (bOk) {
        m_zuletzt = CRecordReadBack::Woerter{CReplyDecoder::ReplyData(reply), words};
    }
    if (!bOk && HasRecord(nTyp)) {
        m_doc.Abgleichdaten().m_bGueltig = false;
    }
    Finish();
    if (!bOk) {
        m_operator.Message(nFailed >= 0 ? tr("Empfangsfehler!\nAbgleichwort %1 nicht gelesen.").arg(nFailed)
                                        : tr("Empfangsfehler!\nAbgleich nicht freigegeben."));
    }
    history.Event().words = words;
    return history.Ended(bOk);
}

bool CCalibrationTransfer::TakeRecord(const QList<quint16>& words, bool bErweitert) {
    const int nTyp = m_doc.GetTyp();
    CAbgleichdaten& record = m_doc.Abgleichdaten();
    if (!CAbgleichLayout::FromWords(words, nTyp, bErweitert, record)) {
        return false;
    }
    // The RX89's words are no calibration record of the later types: what was decoded from them must not
    // pass for one (a valid flag would enable the record's dialogs and its write).
    record.m_bGueltig = HasRecord(nTyp);
    record.m_nReadForTyp = nTyp;
    return true;
}

bool CCalibrationTransfer::CheckWritable() {
    const int nTyp = m_doc.GetTyp();
    if (!HasRecord(nTyp)) {
        m_operator.Message(tr("Gerät nicht kompatibel!"));
        return false;
    }
    m_operator.SetProgressPos(1);
    QByteArray reply;
    if (!m_connection.ConnectTransmitter(reply)) {
        m_operator.Message(tr("Sendefehler!"));
        return false;
    }
    m_operator.SetProgressText(tr("Lese Kennung ..."));
    m_angeschlossen = CReplyDecoder::ReplyData(reply);
    // Another family keeps other things at the same words: its calibration would be overwritten.
    const std::optional<int> nAttached = CTypKatalog::TypFromKennung(m_angeschlossen);
    if (nAttached && CAbgleichLayout::FormOf(*nAttached) != CAbgleichLayout::FormOf(nTyp)) {
        m_operator.Message(
            tr("Die Abgleichdaten gehören zu %1, angeschlossen ist %2.\nNichts wurde geschrieben.")
                .arg(CTypKatalog::GetTypText(nTyp), CTypKatalog::GetTypText(*nAttached)));
        return false;
    }
    return true;
}

bool CCalibrationTransfer::SendImage() {
    const CAbgleichdaten& record = m_doc.Abgleichdaten();
    const QList<quint16> words = CAbgleichLayout::ToWords(record, m_doc.GetTyp(), m_doc.IsErweitert());
    const QList<QByteArray> chunks = CParameterTransfer::ImageBlocks(
        CAbgleichLayout::BlockImage(record, m_doc.GetTyp(), m_doc.IsErweitert()));
    if (!m_link.Transfer(Cmd::SpeicherBeginn, "0")) {
        m_operator.Message(tr("Sendefehler!\nBeginn des Abgleichdaten-Blocks nicht bestätigt."));
        return false;
    }
    m_operator.SetProgressText(tr(kSchreibeDaten));
    for (int k = 0; k < chunks.size(); ++k) {
        m_operator.SetProgressPos(qMin(kFirstChunkStep + k, kWriteBarMax));
        if (!m_link.Transfer(Cmd::SpeicherBlock, chunks.at(k))) {
            m_operator.Message(
                tr("Sendefehler!\nTeil %1 von %2 (Adresse %3) nicht bestätigt; der Transmitter "
                   "kann einen teilweise geschriebenen Block halten.")
                    .arg(k + 1)
                    .arg(chunks.size())
                    .arg(QString::fromLatin1(chunks.at(k).left(2))));
            return false;
        }
        m_operator.SetProgressText(tr(kSchreibeDaten));
    }
    if (!m_link.Transfer(Cmd::SpeicherEnde, "0")) {
        // Every word has gone out; the end may have been taken with its confirmation lost on the line.
        // Only a read-back tells which record the transmitter holds now.
        const std::optional<CRecordReadBack::Woerter> gelesen = ReadBack(static_cast<int>(words.size()));
        const CRecordReadBack::Ergebnis ergebnis =
            CRecordReadBack::Vergleiche(m_doc.GetTyp(), m_doc.IsErweitert(), words, gelesen, m_zuletzt);
        m_zuletzt = gelesen;
        m_operator.Message(tr("Sendefehler!\nEnde des Abgleichdaten-Blocks nicht bestätigt.") +
                           QStringLiteral("\n\n") + CRecordReadBack::Meldung(ergebnis));
        return false;
    }
    m_zuletzt = CRecordReadBack::Woerter{m_angeschlossen, words};
    return true;
}

std::optional<CRecordReadBack::Woerter> CCalibrationTransfer::ReadBack(int nCount) {
    // Connect afresh: the failed exchange may have left the line and the transmitter anywhere.
    m_link.Sio().ClosePort();
    m_operator.SetProgressRange(0, nCount + 2);
    m_operator.SetProgressText(tr("Lese Abgleichdaten..."));
    QByteArray reply;
    QList<quint16> words;
    int nFailed = -1;
    if (!m_connection.ConnectTransmitter(reply) || !m_link.Transfer(Cmd::EnableAbgleich, {}) ||
        !ReadWords(nCount, words, nFailed)) {
        return std::nullopt;
    }
    return CRecordReadBack::Woerter{CReplyDecoder::ReplyData(reply), words};
}

bool CCalibrationTransfer::WriteCalibrationData(CHistoryEvent::Operation history) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CHistoryScope scope(m_link, m_doc, history);
    scope.Event().words =
        CAbgleichLayout::ToWords(m_doc.Abgleichdaten(), m_doc.GetTyp(), m_doc.IsErweitert());
    m_operator.BeginProgress(tr(kDatentransfer), tr(kVerbindeTransmitter), 0, kWriteBarMax);
    bool bOk = CheckWritable();
    if (bOk) {
        bOk = SendImage();
    }
    Finish();
    m_doc.UpdateAllViews();
    return scope.Ended(bOk);
}

bool CCalibrationTransfer::ReadDac2Points() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::CalibrationRead);
    m_operator.BeginProgress(tr(kDatentransfer), tr(kVerbindeTransmitter), 0, kDac2BarMax);
    std::array<qint32, 6> values{};
    bool bOk = true;
    for (std::size_t i = 0; i < values.size() && bOk; ++i) {
        m_operator.SetProgressPos(static_cast<int>(i) + 1);
        const int nWord = i < 3 ? kDacWords[i] : kDac2Words[i - 3];
        const std::optional<quint16> word = ReadWord(nWord);
        bOk = word.has_value();
        values[i] = word.value_or(0);
    }
    Finish();
    if (!bOk) {
        m_operator.Message(tr("Empfangsfehler!"));
        return false;
    }
    CAbgleichdaten& record = m_doc.Abgleichdaten();
    for (std::size_t i = 0; i < 3; ++i) {
        record.m_nDac[i] = values[i];
        record.m_nDac2[i] = values[i + 3];
    }
    for (const qint32 value : values) {
        history.Event().words.append(static_cast<quint16>(value));
    }
    return history.Ended(true);
}

bool CCalibrationTransfer::WriteGainWords() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    // The six writes take more than a second: the progress window shows the program is at work.
    m_operator.BeginProgress(tr(kDatentransfer), tr(kVerbindeTransmitter), 0, kDac2BarMax);
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::AnalogCalibration);
    const CAbgleichdaten& record = m_doc.Abgleichdaten();
    bool bOk = true;
    for (std::size_t i = 0; i < 6 && bOk; ++i) {
        m_operator.SetProgressPos(static_cast<int>(i) + 1);
        const int nWord = i < 3 ? kDacWords[i] : kDac2Words[i - 3];
        const qint32 value = i < 3 ? record.m_nDac[i] : record.m_nDac2[i - 3];
        history.Event().words.append(static_cast<quint16>(value));
        bOk = m_link.Transfer(Cmd::SetVerstaerkung, RegisterPayload(nWord, static_cast<quint16>(value)));
    }
    m_operator.EndProgress();
    if (!bOk) {
        m_operator.Message(tr("Sendefehler!"));
    }
    return history.Ended(bOk);
}

bool CCalibrationTransfer::SetDac(int nValue) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    return m_link.Transfer(Cmd::SetDac, QByteArray::number(nValue).rightJustified(6, '0'));
}

void CCalibrationTransfer::ClosePort() {
    m_link.Sio().ClosePort();
}
