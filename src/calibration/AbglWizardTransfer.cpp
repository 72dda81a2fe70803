#include "calibration/AbglWizardTransfer.h"

#include "base/Utils.h"
#include "calibration/AbglWizardRules.h"
#include "calibration/AbgleichLayout.h"
#include "calibration/CalibrationTransfer.h"
#include "core/Clock.h"
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

#include <array>
#include <tuple>

namespace {

const char* const kDatentransfer = QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Datentransfer");
const char* const kVerbindeTransmitter = QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Verbinde Transmitter ...");
const char* const kLeseMessbereichEnde =
    QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Messbereich Ende ...");
const char* const kLeseMessbereichAnfang =
    QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Messbereich Anfang ...");
const char* const kLeseMesswert = QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese aktuellen Messwert ...");
const char* const kSchreibeOffset = QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Schreibe Offsetkorrektur ...");
const char* const kSchreibeSpanne = QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Schreibe Spannekorrektur ...");

constexpr int kDacFirstWord = 5;
constexpr int kDacWords = 5;
constexpr int kWordWerksOffset = 12;
constexpr int kWordWerksSpanne = 13;
constexpr int kWordBereichAnfang = 15;
constexpr int kWordBereichEnde = 16;
constexpr int kReadBarMax = 7;
/// Frame position of the decimals digit in the reply to "Get Grundmessbereich Anfang".
constexpr int kGrundAnfangDezimalPosition = 8;
constexpr int kOptionsBarMax = 11;
constexpr int kOffsetSpanBarMax = 2;

using R = CAbglWizardRules;

} // namespace

CAbglWizardTransfer::CAbglWizardTransfer(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc)
    : m_link(link)
    , m_connection(connection)
    , m_doc(doc)
    , m_operator(link.Operator())
    , m_nWritesAtStart(CHistoryScope::WriteCount()) {}

QByteArray CAbglWizardTransfer::RegisterPayload(const char* reg, qint32 value) {
    return QByteArray(reg) + CUtils::WordToHexHighFirst(static_cast<quint16>(static_cast<quint32>(value)));
}

bool CAbglWizardTransfer::Begin(const QString& text, int nBarMax) {
    m_nBar = 0;
    m_operator.BeginProgress(tr(kDatentransfer), text, 0, nBarMax);
    QByteArray reply;
    return m_connection.ConnectTransmitter(reply);
}

bool CAbglWizardTransfer::End(bool bOk) {
    m_operator.EndProgress();
    m_link.Sio().ClosePort();
    return bOk;
}

bool CAbglWizardTransfer::ReadDacPoints() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    if (!Begin(tr("Verbinde Hardware..."), kReadBarMax)) {
        return End(false);
    }
    m_operator.SetProgressText(tr("Abgleich freigeben..."));
    if (!m_link.Transfer(Cmd::EnableAbgleich, {})) {
        return End(false);
    }
    m_operator.SetProgressText(tr("Lese Abgleichdaten..."));
    m_operator.SetProgressRange(0, 2);
    std::array<qint32, kDacWords> words{};
    for (int i = 0; i < kDacWords; ++i) {
        const std::optional<quint16> word = CCalibrationTransfer::ReadWord(m_link, kDacFirstWord + i);
        if (!word) {
            return End(false);
        }
        words[static_cast<std::size_t>(i)] = *word;
    }
    m_doc.Abgleichdaten().m_nDac = words;
    return End(true);
}

bool CAbglWizardTransfer::Read(quint8 command, void (CReplyDecoder::*decode)(const QByteArray&)) {
    QByteArray reply;
    if (!m_link.Transfer(command, {}, reply)) {
        return false;
    }
    CReplyDecoder decoder(m_doc);
    (decoder.*decode)(reply);
    return true;
}

bool CAbglWizardTransfer::ReadMesswert() {
    m_operator.SetProgressText(tr(kLeseMesswert));
    m_link.Clock().SleepMs(kWaitBeforeMesswertMs);
    QByteArray reply;
    if (!m_link.Transfer(Cmd::GetAktMesswert, {}, reply)) {
        return false;
    }
    CReplyDecoder decoder(m_doc);
    decoder.DecodeDezimalstellen(reply);
    decoder.DecodeMesswert(reply);
    return true;
}

bool CAbglWizardTransfer::ReadParameters() {
    using D = CReplyDecoder;
    CAbgleichdaten& record = m_doc.Abgleichdaten();
    const auto step = [this](const char* text) {
        m_operator.SetProgressText(tr(text));
        m_operator.SetProgressPos(++m_nBar);
    };
    const auto word = [this](int nWord, qint16& target) {
        const std::optional<quint16> value = CCalibrationTransfer::ReadWord(m_link, nWord);
        if (value) {
            target = static_cast<qint16>(*value);
        }
        return value.has_value();
    };
    step(QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Seriennummer ..."));
    if (!Read(Cmd::GetSeriennummer, &D::DecodeSeriennummer)) {
        return false;
    }
    step(kLeseMessbereichEnde);
    if (!Read(Cmd::GetEinheit, &D::DecodeEinheit)) {
        return false;
    }
    record.m_nAbglEinheit = static_cast<quint16>(m_doc.GetEinheit());
    step(kLeseMessbereichAnfang);
    QByteArray reply;
    if (!m_link.Transfer(Cmd::GetGrundAnfang, {}, reply)) {
        return false;
    }
    D(m_doc).DecodeDezimalstellen(reply, kGrundAnfangDezimalPosition);
    D(m_doc).DecodeGrundAnfang(reply);
    if (!word(kWordBereichAnfang, record.m_nBereichAnfang)) {
        return false;
    }
    step(kLeseMessbereichAnfang);
    if (!m_link.Transfer(Cmd::GetMessAnfang, {}, reply)) {
        return false;
    }
    D(m_doc).DecodeDezimalstellen(reply);
    D(m_doc).DecodeMessAnfang(reply);
    step(kLeseMessbereichEnde);
    if (!Read(Cmd::GetGrundEnde, &D::DecodeGrundEnde)) {
        return false;
    }
    m_doc.SetMessEnde(m_doc.GetGrundEnde());
    if (!word(kWordBereichEnde, record.m_nBereichEnde)) {
        return false;
    }
    step(kLeseMessbereichEnde);
    if (!Read(Cmd::GetMessEnde, &D::DecodeMessEnde)) {
        return false;
    }
    step(QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Nullpunktsunterdrückung..."));
    if (!Read(Cmd::GetNullpunktsfenster, &D::DecodeNullpunktsfenster)) {
        return false;
    }
    step(QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Offsetkorrektur ..."));
    if (!word(kWordWerksOffset, record.m_nWerksOffset)) {
        return false;
    }
    step(QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Spannekorrektur ..."));
    qint16 spanne = 0;
    if (!word(kWordWerksSpanne, spanne)) {
        return false;
    }
    record.m_nWerksSpanne = static_cast<quint16>(spanne);
    const std::pair<const char*, std::pair<quint8, void (D::*)(const QByteArray&)>> rest[] = {
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Dämpfung ..."),
         {Cmd::GetDaempfung, &D::DecodeDaempfung}},
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Fehlersignal-Strom ..."),
         {Cmd::GetFehlerstrom, &D::DecodeFehlerstrom}},
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Stromgrenze Min. ..."),
         {Cmd::GetStromgrenzeMin, &D::DecodeStromgrenzeMin}},
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Lese Stromgrenze Max ...."),
         {Cmd::GetStromgrenzeMax, &D::DecodeStromgrenzeMax}},
    };
    for (const auto& [text, read] : rest) {
        step(text);
        if (!Read(read.first, read.second)) {
            return false;
        }
    }
    m_operator.SetProgressPos(++m_nBar);
    if (!ReadMesswert()) {
        return false;
    }
    record.m_nKommaPos = static_cast<quint16>(m_doc.GetDezimalstellen());
    return true;
}

bool CAbglWizardTransfer::ReadWizardParameters() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    if (!Begin(tr(kVerbindeTransmitter), kReadBarMax)) {
        return End(false);
    }
    return End(Guarded([this] { return ReadParameters(); }));
}

bool CAbglWizardTransfer::Guarded(const std::function<bool()>& steps) {
    // A reply too short for its decoder ends the operation with the program's message; it must never
    // leave the window's event handling as an exception.
    try {
        return steps();
    } catch (const CProgramError& error) {
        CProgramErrorReport::Show(m_operator, error.what());
        return false;
    }
}

bool CAbglWizardTransfer::WriteRegister(CHistoryScope& history, const QString& text, const char* reg,
                                        qint32 value) {
    m_operator.SetProgressText(text);
    m_operator.SetProgressPos(++m_nBar);
    history.NoteWrite(Cmd::SetVerstaerkung, RegisterPayload(reg, value));
    return m_link.Transfer(Cmd::SetVerstaerkung, RegisterPayload(reg, value));
}

bool CAbglWizardTransfer::WriteWizardOptions() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::WriteValues);
    if (!Begin(tr(kVerbindeTransmitter), kOptionsBarMax)) {
        return End(false);
    }
    const CAbgleichdaten& record = m_doc.Abgleichdaten();
    const std::tuple<const char*, const char*, qint32> steps[] = {
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Schreibe Messbereichsanfang ..."), "100",
         R::Truncate(m_doc.GetMessAnfang())},
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Schreibe Messbereichsende ..."), "101",
         R::Truncate(m_doc.GetMessEnde())},
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Schreibe Dämpfung ..."), "103",
         R::Truncate(m_doc.GetDaempfung() * 10.0)},
        {kSchreibeOffset, "00C", record.m_nWerksOffset},
        {kSchreibeSpanne, "00D", record.m_nWerksSpanne},
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Schreibe Nullpunktsfenster ..."), "116",
         m_doc.GetNullpunktsfenster()},
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Schreibe Stromgrenze Min ..."), "107",
         R::Truncate(m_doc.GetStromgrenzeMin() * 100.0)},
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Schreibe Stromgrenze Max ..."), "108",
         R::Truncate(m_doc.GetStromgrenzeMax() * 100.0)},
        {QT_TRANSLATE_NOOP("CAbglWizardTransfer", "Schreibe Fehlersignal-Strom ..."), "109",
         R::Truncate(m_doc.GetFehlerstrom() * 100.0)},
    };
    for (const auto& [text, reg, value] : steps) {
        if (!WriteRegister(history, tr(text), reg, value)) {
            return End(false);
        }
    }
    m_operator.SetProgressText(tr("Schreibe Daten..."));
    m_operator.SetProgressPos(++m_nBar);
    history.NoteWrite(Cmd::SetSeriennummer, m_doc.GetSeriennummer());
    return history.Ended(End(m_link.Transfer(Cmd::SetSeriennummer, m_doc.GetSeriennummer())));
}

bool CAbglWizardTransfer::WriteOffsetSpan() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::WriteValues);
    if (!Begin(tr(kVerbindeTransmitter), kOffsetSpanBarMax)) {
        return End(false);
    }
    const CAbgleichdaten& record = m_doc.Abgleichdaten();
    return history.Ended(End(WriteRegister(history, tr(kSchreibeOffset), "00C", record.m_nWerksOffset) &&
                             WriteRegister(history, tr(kSchreibeSpanne), "00D", record.m_nWerksSpanne)));
}

void CAbglWizardTransfer::RecordEnd(bool bFinished) {
    const bool bWritten = CHistoryScope::WriteCount() != m_nWritesAtStart;
    if (bFinished || bWritten) {
        CHistoryScope history(m_link, m_doc, CHistoryEvent::Operation::WizardCalibration);
        history.SetOutcome(bFinished ? CHistoryEvent::Outcome::Done : CHistoryEvent::Outcome::Cancelled);
        if (m_doc.Abgleichdaten().m_bGueltig) {
            history.Event().words =
                CAbgleichLayout::ToWords(m_doc.Abgleichdaten(), m_doc.GetTyp(), m_doc.IsErweitert());
        }
    }
    // The next transmitter's calibration starts afresh.
    m_nWritesAtStart = CHistoryScope::WriteCount();
}

bool CAbglWizardTransfer::ReadMeasuredValue() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    if (!Begin(tr(kVerbindeTransmitter), 2)) {
        return End(false);
    }
    m_operator.SetProgressPos(1);
    return End(Guarded([this] { return ReadMesswert(); }));
}
