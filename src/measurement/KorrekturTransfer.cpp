#include "measurement/KorrekturTransfer.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "core/Clock.h"
#include "core/Logging.h"
#include "core/Operator.h"
#include "core/ProgramError.h"
#include "core/ProgramErrorReport.h"
#include "document/QuillonDoc.h"
#include "document/ReplyDecoder.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"
#include "transmitter/HistoryScope.h"
#include "transmitter/ParameterTransfer.h"

namespace {

/// The transmitter needs this long before its measured value is current.
constexpr int kMesswertPauseMs = 2500;
constexpr int kReadBarMax = 2;
constexpr int kWriteBarMax = 6;

const char* const kDatentransfer = QT_TRANSLATE_NOOP("CKorrekturTransfer", "Datentransfer");
const char* const kVerbinde = QT_TRANSLATE_NOOP("CKorrekturTransfer", "Verbinde Transmitter ...");
const char* const kLeseMesswert = QT_TRANSLATE_NOOP("CKorrekturTransfer", "Lese aktuellen Messwert ...");
const char* const kLeseTemperatur = QT_TRANSLATE_NOOP("CKorrekturTransfer", "Lese aktuelle Temperatur ...");

const QString kFailToReceive = QStringLiteral("Fail to receive data!");

/// The reads of the corrections after the live values: the step text shown while each runs.
struct CorrectionRead {
    const char* text;
    quint8 command;
    void (CReplyDecoder::*decoder)(const QByteArray&);
    bool bNotRX89;
};

const CorrectionRead kCorrectionReads[] = {
    {QT_TRANSLATE_NOOP("CKorrekturTransfer", "Lese Offsetkorrektur ..."), Cmd::GetOffset,
     &CReplyDecoder::DecodeOffset, false},
    {QT_TRANSLATE_NOOP("CKorrekturTransfer", "Lese Spannekorrektur ..."), Cmd::GetSpanne,
     &CReplyDecoder::DecodeSpanne, false},
    {QT_TRANSLATE_NOOP("CKorrekturTransfer", "Lese Nullpunktsunterdrückung..."), Cmd::GetNullpunktsfenster,
     &CReplyDecoder::DecodeNullpunktsfenster, true},
    {QT_TRANSLATE_NOOP("CKorrekturTransfer", "Lese Tastatur-Timeout..."), Cmd::GetTastatursperre,
     &CReplyDecoder::DecodeTastatursperre, true},
};

QByteArray SixDigits(int value) {
    return QString::asprintf("%06d", value).toLatin1();
}

} // namespace

CKorrekturTransfer::CKorrekturTransfer(CTransmitterLink& link, CConnection& connection,
                                       CParameterTransfer& transfer, CQuillonDoc& doc)
    : m_link(link)
    , m_connection(connection)
    , m_transfer(transfer)
    , m_doc(doc)
    , m_operator(link.Operator()) {}

void CKorrekturTransfer::SetFirstAccess(bool bFirst) {
    m_bFirstAccess = bFirst;
}

void CKorrekturTransfer::ReportProgramError(const char* what) {
    CProgramErrorReport::Show(m_operator, what);
}

bool CKorrekturTransfer::HasNullpunktUndSperre(const QByteArray& reply) {
    const QByteArray kennung = CReplyDecoder::ReplyData(reply);
    if (kennung.startsWith('V')) {
        return false;
    }
    const QByteArray model = kennung.left(4);
    return !((model == "RX31" || model == "RX30") && kennung.mid(5, 3) == "302");
}

// --- Read ---------------------------------------------------------------------------------------------

bool CKorrekturTransfer::ReadSequence(bool bCorrections) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    const bool bFirst = m_bFirstAccess;
    m_bFirstAccess = false;
    if (bFirst && !m_transfer.ReceiveParameterSet()) {
        m_operator.Message(kFailToReceive);
        return false;
    }
    m_operator.BeginProgress(tr(kDatentransfer), tr(bFirst ? kLeseMesswert : kVerbinde), 0, kReadBarMax);
    bool bOk = false;
    try {
        bOk = ReadSteps(bCorrections);
    } catch (const CProgramError& error) {
        ReportProgramError(error.what());
    }
    if (!bOk) {
        m_operator.Message(kFailToReceive);
    }
    m_operator.EndProgress();
    m_link.Sio().ClosePort();
    return bOk;
}

bool CKorrekturTransfer::ReadMesswert(bool bFirstDiscarded) {
    // The first reading after a pause may be stale; the transmitter gets time to measure afresh.
    if (bFirstDiscarded && !m_link.Transfer(Cmd::GetAktMesswert)) {
        return false;
    }
    m_link.Clock().SleepMs(kMesswertPauseMs);
    QByteArray reply;
    if (!m_link.Transfer(Cmd::GetAktMesswert, {}, reply)) {
        return false;
    }
    CReplyDecoder decoder(m_doc);
    decoder.DecodeDezimalstellen(reply);
    decoder.DecodeMesswert(reply);
    m_operator.SetProgressText(tr(kLeseTemperatur));
    return true;
}

bool CKorrekturTransfer::ReadTemperatur() {
    QByteArray reply;
    if (!m_link.Transfer(Cmd::GetTemperatur, {}, reply)) {
        return false;
    }
    CReplyDecoder(m_doc).DecodeTemperatur(reply);
    return true;
}

bool CKorrekturTransfer::ReadSteps(bool bCorrections) {
    m_operator.SetProgressPos(0);
    if (!ReadMesswert(true)) {
        return false;
    }
    m_operator.SetProgressPos(1);
    if (!ReadTemperatur()) {
        return false;
    }
    if (!bCorrections) {
        return true;
    }
    m_operator.SetProgressPos(2);
    // The types of this loop (no "Konfiguration" dialog) have neither zero window nor key lock; a number
    // without a type row is asked for them all the same.
    const CTypKatalog::Typ* typ = CTypKatalog::Find(m_doc.GetTyp());
    const bool bOhneFenster = typ != nullptr && !typ->bKonfiguration;
    CReplyDecoder decoder(m_doc);
    QByteArray reply;
    for (const CorrectionRead& read : kCorrectionReads) {
        if (bOhneFenster && read.bNotRX89) {
            break;
        }
        m_operator.SetProgressText(tr(read.text));
        if (!m_link.Transfer(read.command, {}, reply)) {
            return false;
        }
        (decoder.*read.decoder)(reply);
    }
    return true;
}

// --- Write --------------------------------------------------------------------------------------------

bool CKorrekturTransfer::WriteSequence() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::WriteValues);
    m_operator.BeginProgress(tr(kDatentransfer), tr(kVerbinde), 0, kWriteBarMax);
    bool bOk = false;
    try {
        bOk = WriteSteps(history);
    } catch (const CProgramError& error) {
        ReportProgramError(error.what());
    }
    m_operator.EndProgress();
    m_link.Sio().ClosePort();
    return history.Ended(bOk);
}

bool CKorrekturTransfer::Write(CHistoryScope& history, quint8 command, const QByteArray& payload) {
    history.NoteWrite(command, payload);
    return m_link.Transfer(command, payload);
}

bool CKorrekturTransfer::WriteSteps(CHistoryScope& history) {
    m_operator.SetProgressPos(1);
    QByteArray reply;
    if (!m_connection.ConnectTransmitter(reply)) {
        m_operator.Message(tr("Messbereich im Transmitter unterscheidet sich\nvom eingestellten Bereich!."));
        return false;
    }
    const bool bNullpunktUndSperre = HasNullpunktUndSperre(reply);
    m_operator.SetProgressText(tr("Teste Transmitter ..."));
    m_operator.SetProgressPos(2);
    if (!m_transfer.VerifyTransmitterRange()) {
        return false;
    }
    m_operator.SetProgressText(tr("Schreibe Offsetkorrektur ..."));
    m_operator.SetProgressPos(3);
    if (!Write(history, Cmd::SetOffset, CUtils::FormatScaled(m_doc.GetOffset(), m_doc.GetDezimalstellen()))) {
        return false;
    }
    m_operator.SetProgressText(tr("Schreibe Spannekorrektur ..."));
    m_operator.SetProgressPos(4);
    if (!Write(history, Cmd::SetSpanne, CUtils::FormatScaled(1.0f - m_doc.GetSpanne() / 100.0f, 4))) {
        return false;
    }
    if (bNullpunktUndSperre) {
        m_operator.SetProgressText(tr("Schreibe Nullpunktsfenster ..."));
        m_operator.SetProgressPos(5);
        if (!Write(history, Cmd::SetNullpunktsfenster, SixDigits(m_doc.GetNullpunktsfenster()))) {
            return false;
        }
        m_operator.SetProgressText(tr("Schreibe Tastensperre ..."));
        m_operator.SetProgressPos(6);
        if (!Write(history, Cmd::SetTastatursperre, SixDigits(m_doc.GetTastatursperre()))) {
            return false;
        }
    }
    m_operator.SetProgressText(tr(kLeseMesswert));
    m_operator.SetProgressPos(kWriteBarMax);
    return ReadMesswert(false) && ReadTemperatur();
}
