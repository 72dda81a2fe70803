#include "transmitter/ParameterTransfer.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "core/Clock.h"
#include "core/Logging.h"
#include "core/Operator.h"
#include "core/ProgramError.h"
#include "core/ProgramErrorReport.h"
#include "document/BlockImage.h"
#include "document/QuillonDoc.h"
#include "document/ReplyDecoder.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/CommandSet.h"
#include "transmitter/Commands.h"
#include "transmitter/Connection.h"
#include "transmitter/ParameterPruefung.h"

#include <cmath>

namespace {

constexpr int kReceiveBarMax = 79;
constexpr int kCommandSendBarMax = 22;
constexpr int kImageSendBarMax = 46;
constexpr int kImageBlockDigits = 20;
constexpr int kLinTabBlocks = 10;
/// Frame position of the decimals digit in the reply to "Get Grundmessbereich Anfang".
constexpr int kGrundAnfangDezimalPosition = 8;

const char* const kDatentransfer = QT_TRANSLATE_NOOP("CParameterTransfer", "Datentransfer");
const char* const kVerbinde = QT_TRANSLATE_NOOP("CParameterTransfer", "Verbinde Transmitter ...");
const char* const kLeseKennung = QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Kennung ...");
const char* const kLeseDisplayInfo = QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Display-Info ...");
const char* const kLeseGrundAnfang =
    QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Grundmessbereich Anfang ...");
const char* const kLeseGrundEnde = QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Grundmessbereich Ende ...");
const char* const kLeseLinearitaet = QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Linearitätskorrektur ...");
const char* const kSchreibeMessAnfang =
    QT_TRANSLATE_NOOP("CParameterTransfer", "Schreibe Messbereichsanfang ...");
const char* const kSchreibeDaten = QT_TRANSLATE_NOOP("CParameterTransfer", "Schreibe Daten...");

/// Steps 2 to 17 of the receive: one read each, its decoder, and the text naming the step after it.
struct SingleRead {
    quint8 command;
    const char* textAfter;
};

const SingleRead kSingleReads[] = {
    {Cmd::GetEinheit, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Seriennummer ...")},
    {Cmd::GetSeriennummer, kLeseGrundAnfang},
    {Cmd::GetGrundAnfang, kLeseGrundEnde},
    {Cmd::GetGrundEnde, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Messbereich Anfang ...")},
    {Cmd::GetMessAnfang, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Messbereich Ende ...")},
    {Cmd::GetMessEnde, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Offsetkorrektur ...")},
    {Cmd::GetOffset, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Spannekorrektur ...")},
    {Cmd::GetSpanne, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Dämpfung ...")},
    {Cmd::GetDaempfung, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Bezeichnung ...")},
    {Cmd::GetBezeichnung, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Stromgrenze Min. ...")},
    {Cmd::GetStromgrenzeMin, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Stromgrenze Max ....")},
    {Cmd::GetStromgrenzeMax, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Fehlersignal-Strom ...")},
    {Cmd::GetFehlerstrom, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Temperatur-Dämpfung...")},
    {Cmd::GetTempDaempfung, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Tastatur-Timeout...")},
    {Cmd::GetTastatursperre, QT_TRANSLATE_NOOP("CParameterTransfer", "Lese Nullpunktsunterdrückung...")},
    {Cmd::GetNullpunktsfenster, kLeseLinearitaet},
};
constexpr int kFirstSingleRead = 2;
constexpr int kLastSingleRead = kFirstSingleRead + static_cast<int>(std::size(kSingleReads)) - 1;
constexpr int kFreiWertStep = 18;
constexpr int kLinTabCountStep = 23;
constexpr int kLinTabBlockStep = 24;
constexpr int kLinTabPointStep = 50;
constexpr int kLinTabPointStepKA71 = 100;

/// The payload of a single write, taken from the document.
using PayloadOf = QByteArray (*)(quint8 command, const CQuillonDoc& doc);

/// A value as a scaled number with the decimals its command takes.
template <float (CQuillonDoc::*Get)() const>
QByteArray Scaled(quint8 command, const CQuillonDoc& doc) {
    return CCommandSet::ScaledPayload(command, (doc.*Get)(), doc);
}

QByteArray Tag(quint8 /*command*/, const CQuillonDoc& doc) {
    return doc.GetBezeichnung();
}

/// Steps 5 to 11 of the command sequence (types 0 and 1): one scaled or text write each, its payload and
/// the text naming the step after it.
struct SingleWrite {
    quint8 command;
    PayloadOf payload;
    const char* textAfter;
};

const SingleWrite kSingleWrites[] = {
    {Cmd::SetMessAnfang, Scaled<&CQuillonDoc::GetMessAnfang>,
     QT_TRANSLATE_NOOP("CParameterTransfer", "Schreibe Messbereichsende ...")},
    {Cmd::SetMessEnde, Scaled<&CQuillonDoc::GetMessEnde>,
     QT_TRANSLATE_NOOP("CParameterTransfer", "Schreibe Dämpfung ...")},
    {Cmd::SetDaempfung, Scaled<&CQuillonDoc::GetDaempfung>,
     QT_TRANSLATE_NOOP("CParameterTransfer", "Schreibe Bezeichnung ...")},
    {Cmd::SetBezeichnung, Tag, QT_TRANSLATE_NOOP("CParameterTransfer", "Schreibe Stromgrenze Min ...")},
    {Cmd::SetStromgrenzeMin, Scaled<&CQuillonDoc::GetStromgrenzeMin>,
     QT_TRANSLATE_NOOP("CParameterTransfer", "Schreibe Stromgrenze Max ...")},
    {Cmd::SetStromgrenzeMax, Scaled<&CQuillonDoc::GetStromgrenzeMax>,
     QT_TRANSLATE_NOOP("CParameterTransfer", "Schreibe Fehlersignal-Strom ...")},
    {Cmd::SetFehlerstrom, Scaled<&CQuillonDoc::GetFehlerstrom>,
     QT_TRANSLATE_NOOP("CParameterTransfer", "Schreibe Linearitätskorrektur ...")},
};
constexpr int kFirstSingleWrite = 5;
constexpr int kLinTabCountWriteStep = 12;
constexpr int kLinTabBlockWriteStep = 13;
constexpr int kCommandSendEndStep = 23;

// Steps of the memory-image sequence (types 2 to 10).
constexpr int kParamBeginStep = 2;
constexpr int kParamBuildStep = 3;
constexpr int kParamBlockStep = 4;
constexpr int kParamEndStep = 15;
constexpr int kTableBeginStep = 16;
constexpr int kTableBuildStep = 17;
constexpr int kTableBlockStep = 18;
constexpr int kTableEndStep = 47;

/// What the sequences ask of a type; a number without a row is sent like the oldest types (its connect
/// fails before anything is written).
CTypKatalog::Senden SendenOf(int nTyp) {
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr ? typ->senden : CTypKatalog::Senden::Befehle;
}

CTypKatalog::Tabelle TabelleOf(int nTyp) {
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr ? typ->tabelle : CTypKatalog::Tabelle::Bloecke;
}

/// A table value as the types 0 and 1 take it: v x f rounded to one decimal, fraction dropped, low 16
/// bits as four hex digits.
QByteArray LinTabWord(float value, double factor) {
    double scaled = static_cast<double>(value) * factor;
    CUtils::RoundDouble(scaled, 1);
    const qint32 integer = static_cast<qint32>(std::trunc(qBound(-2147483648.0, scaled, 2147483647.0)));
    return CUtils::WordToHexHighFirst(static_cast<quint16>(integer & 0xFFFF));
}

} // namespace

CParameterTransfer::CParameterTransfer(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc)
    : m_link(link)
    , m_connection(connection)
    , m_doc(doc)
    , m_operator(link.Operator()) {}

void CParameterTransfer::SetText(const char* text) {
    m_operator.SetProgressText(tr(text));
}

void CParameterTransfer::ReportProgramError(const char* what) {
    CProgramErrorReport::Show(m_operator, what);
}

// --- Receive -----------------------------------------------------------------------------------------

bool CParameterTransfer::ReceiveParameterSet() {
    const CLinkOperation operation(m_link);
    m_strFehler.clear();
    if (operation.IsRefused()) {
        return false;
    }
    // The set is read into a document of its own and taken over only when it is whole: a receive that
    // fails part-way leaves the shown set, its validity and its live values exactly as they were.
    CQuillonDoc gelesen(m_operator, m_doc.GetProgrammVerzeichnis());
    gelesen.TakeConnectionSettings(m_doc);
    gelesen.SetParameterSatz(m_doc.GetParameterSatz());
    gelesen.ClearParameters(); // keeps the type and the KA71's free range, which not every type reads
    CConnection connection(m_link, gelesen);
    CParameterTransfer leser(m_link, connection, gelesen);
    const bool bOk = leser.ReadSteps();
    m_strFehler = leser.m_strFehler;
    m_lastRead = gelesen.GetParameterSatz();
    if (bOk) {
        m_doc.ClearParameters(); // the live values belonged to the set shown before
        m_doc.SetParameterSatz(m_lastRead);
        m_doc.SetErweitertFlag(gelesen.IsErweitert());
        m_doc.SetGueltig(true);
    }
    m_doc.UpdateAllViews();
    return bOk;
}

bool CParameterTransfer::ReadSteps() {
    m_operator.BeginProgress(tr(kDatentransfer), tr(kVerbinde), 0, kReceiveBarMax);
    int nStep = 0;
    bool bOk = true;
    while (bOk && nStep != kEnd) {
        m_operator.SetProgressPos(nStep);
        Step step{false, kEnd};
        try {
            step = ReceiveStep(nStep);
        } catch (const CProgramError& error) {
            ReportProgramError(error.what());
        }
        bOk = step.bOk;
        nStep = step.nNext;
        m_link.Clock().SleepMs(kReceiveStepPauseMs);
    }
    if (!bOk) {
        m_strFehler = tr("Empfangsfehler!");
        m_operator.Message(m_strFehler);
    }
    m_operator.EndProgress();
    m_link.Sio().ClosePort();
    return bOk;
}

CParameterTransfer::Step CParameterTransfer::ReceiveStep(int nStep) {
    CReplyDecoder decoder(m_doc);
    QByteArray reply;
    if (nStep == 0) {
        const bool bOk = m_connection.ConnectTransmitter(reply);
        SetText(kLeseKennung);
        return {bOk, 1};
    }
    if (nStep == 1) {
        m_doc.ClearParameters();
        if (!m_link.Transfer(Cmd::GetDeviceInfo, {}, reply)) {
            return {false, kEnd};
        }
        m_doc.SetErweitert(reply);
        m_doc.SetKennung(reply);
        SetText(kLeseDisplayInfo);
        return {true, 2};
    }
    if (nStep >= kFirstSingleRead && nStep <= kLastSingleRead) {
        const SingleRead& read = kSingleReads[nStep - kFirstSingleRead];
        if (!m_link.Transfer(read.command, {}, reply)) {
            return {false, kEnd};
        }
        if (read.command == Cmd::GetGrundAnfang) {
            decoder.DecodeDezimalstellen(reply, kGrundAnfangDezimalPosition);
        }
        (decoder.*CCommandSet::DecoderOf(read.command))(reply);
        SetText(read.textAfter);
        return {true, nStep + 1};
    }
    if (nStep >= kFreiWertStep && nStep < kLinTabCountStep) {
        if (!CTypKatalog::IsKA71(m_doc.GetTyp())) { // only the KA71 has a free range
            return {true, kLinTabCountStep};
        }
        const int index = nStep - kFreiWertStep;
        if (!m_link.Transfer(Cmd::GetFreiWert, QByteArray(1, static_cast<char>('0' + index)), reply)) {
            return {false, kEnd};
        }
        decoder.DecodeFreiBereich(reply, index);
        SetText(kLeseLinearitaet);
        return {true, nStep + 1};
    }
    if (nStep == kLinTabCountStep) {
        if (!m_link.Transfer(Cmd::GetLinTabAnzahl, {}, reply)) {
            return {false, kEnd};
        }
        decoder.DecodeLinTabAnzahl(reply);
        switch (TabelleOf(m_doc.GetTyp())) {
        case CTypKatalog::Tabelle::Bloecke:
            return {true, kLinTabBlockStep};
        case CTypKatalog::Tabelle::Punkte:
            return {true, kLinTabPointStep};
        case CTypKatalog::Tabelle::PunkteKA71:
            return {true, kLinTabPointStepKA71};
        }
        return {true, kEnd};
    }
    return ReceiveLinTab(nStep);
}

CParameterTransfer::Step CParameterTransfer::ReceiveLinTab(int nStep) {
    CReplyDecoder decoder(m_doc);
    QByteArray reply;
    const int nAnzahl = m_doc.GetLinTabAnzahl();
    if (nStep >= kLinTabBlockStep && nStep < kLinTabBlockStep + kLinTabBlocks) {
        // Types 0 and 1 hold the table in ten blocks of three points, read whenever one point is used.
        if (nAnzahl == 0) {
            return {true, kEnd};
        }
        const int block = nStep - kLinTabBlockStep;
        if (!m_link.Transfer(Cmd::GetLinTabBlock, QByteArray::number(block), reply)) {
            return {false, kEnd};
        }
        decoder.DecodeLinTabBlock(reply, block);
        return {true, nStep + 1};
    }
    const bool bKA71 =
        nStep >= kLinTabPointStepKA71 && nStep < kLinTabPointStepKA71 + CQuillonDoc::kLinTabPunkte;
    const bool bZweiLeiter =
        nStep >= kLinTabPointStep && nStep < kLinTabPointStep + CQuillonDoc::kLinTabPunkte;
    if (!bKA71 && !bZweiLeiter) {
        return {true, kEnd};
    }
    // The newer types are read point by point, only as many as are used.
    const int point = nStep - (bKA71 ? kLinTabPointStepKA71 : kLinTabPointStep);
    if (point >= nAnzahl) {
        return {true, kEnd};
    }
    if (!m_link.Transfer(Cmd::GetLinTabBlock, QByteArray(1, static_cast<char>('0' + point)), reply)) {
        return {false, kEnd};
    }
    if (bKA71) {
        decoder.DecodeLinTabPunktKA71(reply, point);
    } else {
        decoder.DecodeLinTabPunkt(reply, point);
    }
    return {true, nStep + 1};
}

// --- Send --------------------------------------------------------------------------------------------

bool CParameterTransfer::VerifyTransmitterRange() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    QByteArray reply;
    if (!m_link.Transfer(Cmd::GetDeviceInfo, {}, reply)) {
        return false;
    }
    m_doc.SetErweitert(reply);
    SetText(kLeseDisplayInfo);

    if (!m_link.Transfer(Cmd::GetEinheit, {}, reply) || reply.size() < 3 ||
        reply.at(2) != static_cast<char>('0' + m_doc.GetEinheit())) {
        return false;
    }
    SetText(kLeseGrundAnfang);

    if (!m_link.Transfer(Cmd::GetGrundAnfang, {}, reply) ||
        static_cast<float>(CUtils::ParseReplyValue(reply)) != m_doc.GetGrundAnfang()) {
        return false;
    }
    SetText(kLeseGrundEnde);

    if (!m_link.Transfer(Cmd::GetGrundEnde, {}, reply) ||
        static_cast<float>(CUtils::ParseReplyValue(reply)) != m_doc.GetGrundEnde()) {
        return false;
    }
    SetText(kSchreibeMessAnfang);
    return true;
}

CParameterTransfer::SendResult CParameterTransfer::SendParameterSet() {
    const CLinkOperation operation(m_link);
    m_strFehler.clear();
    if (operation.IsRefused()) {
        return SendResult::Refused;
    }
    const QStringList fehler = CParameterPruefung::Pruefe(m_doc);
    if (!fehler.isEmpty()) {
        m_operator.Message(CParameterPruefung::FehlerText(fehler), tr("Parameter senden"),
                           IOperator::Icon::Error);
        return SendResult::Unsendable;
    }
    const QStringList warnungen = m_grenzenPruefung ? m_grenzenPruefung(m_doc) : QStringList();
    if (!warnungen.isEmpty() && !m_operator.AskYesNo(CParameterPruefung::WarnungText(warnungen),
                                                     tr("Parameter senden"), IOperator::Icon::Warning)) {
        return SendResult::Declined;
    }
    const bool bYes = m_operator.AskYesNo(tr("Diese Vorgang überschreibt\ndie Transmitter-Parametrierung!\n\n"
                                             "Sind Sie sicher, dass sie die \nParametrierung ändern wollen?"),
                                          tr("Parameter senden"), IOperator::Icon::Warning);
    if (!bYes) {
        return SendResult::Declined;
    }
    m_bMayHaveWritten = false;
    const bool bImages = SendenOf(m_doc.GetTyp()) != CTypKatalog::Senden::Befehle;
    const SendResult result = RunSend(bImages ? kImageSendBarMax : kCommandSendBarMax, bImages);
    m_link.Sio().ClosePort();
    return result;
}

CParameterTransfer::SendResult CParameterTransfer::RunSend(int nBarMax, bool bImages) {
    if (bImages && !CTypKatalog::HasTastatursperre(m_doc.GetTyp())) {
        // These types have neither a keyboard lock nor the reserve word in their memory.
        m_doc.SetTastatursperre(0);
        m_doc.SetReserve(0);
    }
    m_operator.BeginProgress(tr(kDatentransfer), tr(kVerbinde), 0, nBarMax);
    int nStep = 0;
    bool bOk = true;
    bool bAbort = false;
    QList<QByteArray> blocks;
    while (bOk && nStep != kEnd) {
        m_operator.SetProgressPos(nStep);
        Step step{false, kEnd};
        try {
            step = bImages ? ImageSendStep(nStep, bAbort, blocks) : CommandSendStep(nStep, bAbort);
        } catch (const CProgramError& error) {
            ReportProgramError(error.what());
        }
        bOk = step.bOk;
        if (!bOk) {
            m_bMayHaveWritten = nStep >= (bImages ? kParamEndStep : kFirstSingleWrite);
        }
        nStep = step.nNext;
    }
    SendResult result = SendResult::Sent;
    if (!bOk) {
        if (bAbort) {
            m_strFehler = tr("Messbereich im Transmitter unterscheidet sich\nvom eingestellten Bereich!.");
            result = SendResult::RangeDiffers;
        } else {
            m_strFehler = tr("Sendefehler!");
            result = SendResult::Failed;
        }
        m_operator.Message(m_strFehler);
    }
    m_operator.EndProgress();
    m_doc.UpdateAllViews();
    return result;
}

CParameterTransfer::Step CParameterTransfer::CommandSendStep(int nStep, bool& bAbort) {
    if (nStep == 0) {
        QByteArray reply;
        const bool bOk = m_connection.ConnectTransmitter(reply);
        SetText(kLeseKennung);
        return {bOk, 1};
    }
    if (nStep == 1) {
        bAbort = !VerifyTransmitterRange();
        return {!bAbort, kFirstSingleWrite};
    }
    if (nStep >= kFirstSingleWrite && nStep < kLinTabCountWriteStep) {
        const SingleWrite& write = kSingleWrites[nStep - kFirstSingleWrite];
        if (!m_link.Transfer(write.command, write.payload(write.command, m_doc))) {
            return {false, kEnd};
        }
        SetText(write.textAfter);
        return {true, nStep + 1};
    }
    if (nStep == kLinTabCountWriteStep) {
        const QByteArray count = QByteArray::number(m_doc.GetLinTabAnzahl()).rightJustified(2, '0');
        return {m_link.Transfer(Cmd::SetLinTabAnzahl, count), kLinTabBlockWriteStep};
    }
    if (nStep >= kLinTabBlockWriteStep && nStep < kCommandSendEndStep) {
        // All ten blocks, whatever the count: the transmitter keeps the whole table.
        const bool bOk =
            m_link.Transfer(Cmd::SetLinTabBlock, LinTabBlockPayload(nStep - kLinTabBlockWriteStep));
        return {bOk, nStep + 1};
    }
    return {true, kEnd};
}

QByteArray CParameterTransfer::LinTabBlockPayload(int nBlock) const {
    const double yFactor =
        m_doc.GetLinTabOption() != 0 ? CUtils::PowerOfTen(m_doc.GetDezimalstellen()) : 10.0;
    QByteArray payload = QByteArray::number(nBlock);
    for (int k = 0; k < 3; ++k) {
        const int i = 3 * nBlock + k;
        payload += LinTabWord(m_doc.GetLinTabX(i), 100.0);
        payload += LinTabWord(m_doc.GetLinTabY(i), yFactor);
    }
    return payload;
}

CParameterTransfer::Step CParameterTransfer::ImageSendStep(int nStep, bool& bAbort,
                                                           QList<QByteArray>& blocks) {
    const bool bKA71 = SendenOf(m_doc.GetTyp()) == CTypKatalog::Senden::BildKA71;
    const CBlockImage images(m_doc);
    switch (nStep) {
    case 0:
    case 1:
        return CommandSendStep(nStep, bAbort).bOk ? Step{true, nStep + 1} : Step{false, kEnd};
    case kParamBeginStep:
        return {m_link.Transfer(Cmd::SpeicherBeginn, "1"), kParamBuildStep};
    case kParamBuildStep:
        blocks = ImageBlocks(bKA71 ? images.BuildParameterBlockKA71() : images.BuildParameterBlock());
        return {true, kParamBlockStep};
    case kParamEndStep:
        return {m_link.Transfer(Cmd::SpeicherEnde, "1"), kTableBeginStep};
    case kTableBeginStep:
        return {m_link.Transfer(Cmd::SpeicherBeginn, "2"), kTableBuildStep};
    case kTableBuildStep:
        blocks = ImageBlocks(bKA71 ? images.BuildLinTabBlockKA71() : images.BuildLinTabBlock());
        return {true, kTableBlockStep};
    case kTableEndStep:
        return {m_link.Transfer(Cmd::SpeicherEnde, "2"), kEnd};
    default:
        break;
    }
    if (nStep >= kParamBlockStep && nStep < kParamEndStep) {
        return SendImageBlock(nStep, kParamBlockStep, blocks, kParamEndStep, false);
    }
    if (nStep >= kTableBlockStep && nStep < kTableEndStep) {
        return SendImageBlock(nStep, kTableBlockStep, blocks, kTableEndStep, m_doc.GetLinTabAnzahl() == 0);
    }
    return {true, kEnd};
}

QList<QByteArray> CParameterTransfer::ImageBlocks(const QByteArray& image) {
    QList<QByteArray> blocks;
    for (qsizetype offset = 0; offset < image.size(); offset += kImageBlockDigits) {
        // The address byte is the low 8 bits of the byte offset: two hex digits make one byte.
        const auto address = static_cast<quint8>((offset / 2) & 0xFF);
        blocks.append(CUtils::ByteToHex(address) + image.mid(offset, kImageBlockDigits));
    }
    return blocks;
}

CParameterTransfer::Step CParameterTransfer::SendImageBlock(int nStep, int nFirstStep,
                                                            const QList<QByteArray>& blocks,
                                                            int nNextWhenDone, bool bOnlyOne) {
    const int block = nStep - nFirstStep;
    if (block >= blocks.size()) {
        return {true, nNextWhenDone};
    }
    if (!m_link.Transfer(Cmd::SpeicherBlock, blocks.at(block))) {
        return {false, kEnd};
    }
    SetText(kSchreibeDaten);
    const bool bUsedUp = block + 1 >= blocks.size();
    return {true, (bUsedUp || bOnlyOne) ? nNextWhenDone : nStep + 1};
}
