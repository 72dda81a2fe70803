#include "measurement/Messung.h"

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
#include "measurement/LogDatei.h"
#include "measurement/MessAnzeige.h"
#include "transmitter/Commands.h"
#include "transmitter/ParameterTransfer.h"

namespace {

constexpr int kLastLiveStep = 3;
/// The transmitter needs this long after a unit read before its measured value is current.
constexpr int kMesswertPauseMs = 2500;
constexpr int kGroupLength = 7;
constexpr int kValues = 3;
constexpr int kFirstData = 2;

const char* const kDatentransfer = QT_TRANSLATE_NOOP("CMessung", "Datentransfer");

int DigitAt(const QByteArray& reply, int position) {
    if (position >= reply.size()) {
        throw CProgramError("unit reply of " + std::to_string(reply.size()) + " characters, position " +
                            std::to_string(position) + " needed");
    }
    const char c = reply.at(position);
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

} // namespace

CMessung::CMessung(CTransmitterLink& link, CParameterTransfer& transfer, CQuillonDoc& doc, CLogFormat format)
    : m_link(link)
    , m_transfer(transfer)
    , m_doc(doc)
    , m_operator(link.Operator())
    , m_format(std::move(format)) {}

bool CMessung::Transfer(quint8 command, QByteArray& reply) {
    QByteArray request;
    reply.clear();
    return m_link.TransferCommand(command, request, reply);
}

void CMessung::FailToConnectHardware() {
    m_operator.Message(QStringLiteral("Fail to Connect Hardware!"));
}

void CMessung::ReportProgramError(const char* what) {
    CProgramErrorReport::Show(m_operator, what);
}

void CMessung::Run(const ShowLoggen& showLoggen, const RunLogging& runLogging) {
    if (!m_transfer.ReceiveParameterSet()) {
        return;
    }
    for (;;) {
        if (!ReadLiveValues()) {
            m_link.Sio().ClosePort();
            return;
        }
        const LoggenResult result = showLoggen();
        if (result == LoggenResult::Ok && m_doc.GetLogStatus() != 0) {
            runLogging();
        }
        if (result == LoggenResult::DatenHolen) {
            continue; // the parameter set is not read again
        }
        if (m_doc.GetLogStatus() == 0) {
            m_link.Sio().ClosePort();
        }
        return;
    }
}

bool CMessung::ReadLiveValues() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    m_operator.BeginProgress(tr(kDatentransfer), tr("Verbinde Transmitter ..."), 0, kLastLiveStep);
    m_operator.SetProgressPos(1);
    bool bOk = true;
    for (int nStep = 0; bOk && nStep <= kLastLiveStep; ++nStep) {
        m_operator.SetProgressPos(nStep);
        try {
            bOk = LiveValueStep(nStep);
        } catch (const CProgramError& error) {
            ReportProgramError(error.what());
            bOk = false;
        }
    }
    if (!bOk) {
        FailToConnectHardware();
    }
    m_operator.EndProgress();
    return bOk;
}

bool CMessung::LiveValueStep(int nStep) {
    QByteArray reply;
    switch (nStep) {
    case 1:
        if (!ReadUnits()) {
            return false;
        }
        m_operator.SetProgressText(tr("Lese aktuellen Messwert ..."));
        return true;
    case 2:
        m_link.Clock().SleepMs(kMesswertPauseMs);
        if (!ReadMesswert()) {
            return false;
        }
        m_operator.SetProgressText(tr("Lese aktuelle Temperatur ..."));
        return true;
    case 3:
        if (!Transfer(Cmd::GetTemperatur, reply)) {
            return false;
        }
        CReplyDecoder(m_doc).DecodeTemperatur(reply);
        return true;
    default:
        return true;
    }
}

bool CMessung::ReadUnits() {
    QByteArray reply;
    if (!Transfer(Cmd::GetEinheit, reply)) {
        return false;
    }
    DecodeUnits(reply);
    return true;
}

bool CMessung::ReadMesswert() {
    QByteArray reply;
    if (!Transfer(Cmd::GetAktMesswert, reply)) {
        return false;
    }
    DecodeMultiValue(reply);
    return true;
}

bool CMessung::Quietly(const std::function<bool()>& step, QString& problem) {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        problem = tr("Eine andere Übertragung zum Transmitter läuft noch.");
        return false;
    }
    try {
        if (step()) {
            return true;
        }
        problem = tr("Der Transmitter antwortet nicht.");
    } catch (const CProgramError& error) {
        qCWarning(lcTransmitter) << "measured value not decoded:" << error.what();
        problem = tr("Die Antwort des Transmitters ist unvollständig.");
    }
    return false;
}

bool CMessung::PrepareSamples(QString& problem) {
    return Quietly(
        [this] {
            if (!ReadUnits()) {
                return false;
            }
            m_link.Clock().SleepMs(kMesswertPauseMs);
            return true;
        },
        problem);
}

bool CMessung::ReadSample(QString& problem) {
    return Quietly([this] { return ReadMesswert(); }, problem);
}

bool CMessung::ReadLogSample() {
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return false;
    }
    bool bOk = false;
    try {
        bOk = LogSampleSteps();
    } catch (const CProgramError& error) {
        ReportProgramError(error.what());
    }
    if (!bOk) {
        FailToConnectHardware();
    }
    return bOk;
}

bool CMessung::LogSampleSteps() {
    CReplyDecoder decoder(m_doc);
    QByteArray reply;
    if (!Transfer(Cmd::GetAktMesswert, reply)) {
        return false;
    }
    decoder.DecodeDezimalstellen(reply);
    decoder.DecodeMesswert(reply);
    if (!Transfer(Cmd::GetEinheit, reply)) {
        return false;
    }
    DecodeUnits(reply);
    if (!Transfer(Cmd::GetTemperatur, reply)) {
        return false;
    }
    decoder.DecodeTemperatur(reply);
    return true;
}

bool CMessung::AppendLogLine(const QDateTime& time, double messwert, double temperatur, const QString& path) {
    const QByteArray line =
        m_format.Line(time, messwert, temperatur, m_doc.GetTyp(), CMessAnzeige::Precision(m_doc));
    if (CLogDatei::Append(path.isEmpty() ? m_doc.GetLogFile() : path, line)) {
        return true;
    }
    m_operator.Message(tr("Kann Datei nicht öffnen!"));
    return false;
}

void CMessung::DecodeMultiValue(const QByteArray& reply) {
    CReplyDecoder decoder(m_doc);
    if (reply.isEmpty() || reply.at(0) != '\x02') {
        decoder.StoreMesswert(CUtils::ParseText(reply));
        return;
    }
    decoder.DecodeDezimalstellen(reply);
    const int length = static_cast<quint8>(reply.at(1));
    const int decimals = m_doc.GetDezimalstellen();
    for (int k = 0; k < kValues; ++k) {
        const int start = kFirstData + kGroupLength * k;
        double value = 0.0;
        // A group counts only when all its characters lie within the reply's data (positions 2 to L - 1).
        if (start + kGroupLength <= length) {
            const QByteArray group = QByteArray("\x02\x09") + reply.mid(start, kGroupLength);
            value = CUtils::ParseReplyValue(group);
        }
        if (k == 0) {
            decoder.StoreMesswert(value);
        } else {
            float rounded = static_cast<float>(value);
            CUtils::RoundFloat(rounded, decimals);
            m_doc.SetMesswert(k, rounded);
        }
    }
}

void CMessung::DecodeUnits(const QByteArray& reply) {
    const int d2 = DigitAt(reply, kFirstData);
    if (m_doc.IsKA71()) {
        const int d3 = DigitAt(reply, kFirstData + 1);
        if (d2 >= 0) {
            m_doc.SetEinheit(d2);
        }
        if (d3 >= 0) {
            m_doc.SetAnzeigeEinheit(d3);
        }
        return;
    }
    if (d2 >= 0) {
        m_doc.SetAnzeigeEinheit(d2);
        m_doc.SetEinheit(d2);
    }
}
