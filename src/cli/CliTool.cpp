#include "cli/CliTool.h"

#include "access/AboutRules.h"
#include "base/TypKatalog.h"
#include "calibration/AbgleichLayout.h"
#include "cli/AbgleichJson.h"
#include "cli/CheckCommands.h"
#include "cli/HistoryCommands.h"
#include "cli/ParameterJson.h"
#include "cli/SampleGrid.h"
#include "cli/StopSignal.h"
#include "cli/TerminalOperator.h"
#include "cli/TerminalText.h"
#include "core/FileProblem.h"
#include "core/Logging.h"
#include "core/ProgramError.h"
#include "core/ProgramErrorReport.h"
#include "document/HistoryRecorder.h"
#include "document/Windows1252.h"
#include "edit/SerienVorgabe.h"
#include "history/HistoryStore.h"
#include "link/TtyDevice.h"
#include "measurement/LogFormat.h"
#include "measurement/MessAnzeige.h"
#include "sheet/Konfigurationsblatt.h"
#include "sheet/SheetPdfWriter.h"
#include "shell/SendePruefung.h"
#include "transmitter/TraceFormat.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

QJsonArray RowJson(const CTempAbgleich::Row& row) {
    QJsonArray array;
    for (const qint32 value : row) {
        array.append(value);
    }
    return array;
}

QString RowText(const CTempAbgleich::Row& row) {
    QStringList values;
    for (const qint32 value : row) {
        values.append(QString::number(value));
    }
    return values.join(QLatin1Char(' '));
}

std::unique_ptr<IByteDevice> PlainTtyDevice() {
    auto device = std::make_unique<CTtyDevice>();
    device->SetRunEventLoop(false);
    return device;
}

} // namespace

CCliTool::CCliTool(const CCliOptions& options, IProfileStore& profile, CTerminalOperator& op, FILE* out)
    : m_options(options)
    , m_operator(op)
    , m_out(out)
    , m_doc(op, QCoreApplication::applicationDirPath())
    , m_session(op, m_clock, PlainTtyDevice(), m_doc)
    , m_link(m_session.Link())
    , m_connection(m_session.Connection())
    , m_transfer(m_session.Transfer())
    , m_messung(m_link, m_transfer, m_doc, CLogFormat::FromLocale(QLocale::system()))
    , m_calibration(m_link, m_connection, m_doc)
    , m_temperatur(m_link, m_connection) {
    // Nothing but the operation runs in the tool: its waits are plain sleeps, without an event loop.
    m_clock.SetRunEventLoop(false);
    m_doc.LoadSettings(profile);
    // A send that was checked is confirmed on the output; what went wrong goes with the messages.
    m_session.SetFindingDisplay([this](const CSendePruefung::Ergebnis& ergebnis) {
        if (ergebnis.IstErfolg()) {
            Print(CSendePruefung::Meldung(ergebnis));
        } else {
            m_operator.Message(CSendePruefung::Meldung(ergebnis), QString(), IOperator::Icon::Error);
        }
    });
    m_link.PortMap().Pin(m_doc.Settings().PortPins());
    ApplyLinkOptions();
}

CCliTool::~CCliTool() {
    if (m_history != nullptr && CHistoryRecorder::Installed() == m_history.get()) {
        CHistoryRecorder::Install(nullptr);
    }
}

void CCliTool::ApplyLinkOptions() {
    if (m_options.comNumber) {
        m_doc.SetComPort(*m_options.comNumber - 1);
    } else if (!m_options.port.isEmpty()) {
        m_link.PortMap().Pin(1, m_options.port);
        m_doc.SetComPort(0);
    }
    if (m_options.typ) {
        m_doc.SetTyp(*m_options.typ);
    }
    if (m_options.interfaceVersion) {
        m_doc.SetInterfaceVersion(*m_options.interfaceVersion);
    }
}

bool CCliTool::OpenHistory() {
    const CSettingsRegistry& settings = m_doc.Settings();
    m_history = std::make_unique<CHistoryStore>(
        m_operator, CHistoryStation::Local(settings, QStringLiteral("cli"), CAboutRules::ProgramVersion()));
    const CHistoryLocation location = m_options.database.isEmpty()
                                          ? CHistoryLocation::FromSettings(settings)
                                          : CHistoryLocation::FromArgument(m_options.database, settings);
    if (!m_history->Open(location)) {
        return false;
    }
    if (m_options.RecordsHistory()) {
        CHistoryRecorder::Install(m_history.get());
    }
    return true;
}

int CCliTool::RunHistoryCommand() {
    if (!OpenHistory()) {
        return kFailed;
    }
    CHistoryCommands commands(m_options, *m_history, m_operator,
                              [this](const QString& line) { Print(line); });
    CCheckCommands checks(m_options, *m_history, m_operator, [this](const QString& line) { Print(line); });
    switch (m_options.command) {
    case CCliOptions::Command::Certificate:
        return checks.Certificate();
    case CCliOptions::Command::Due:
        return checks.Due();
    case CCliOptions::Command::HistoryShow:
        return commands.Show();
    case CCliOptions::Command::HistoryExport:
        return commands.Export();
    default:
        return commands.List();
    }
}

int CCliTool::Run() {
    const quint64 nTraceStart = CLinkTrace::Global().LastSequence();
    if (m_options.IsHistoryCommand()) {
        return RunHistoryCommand();
    }
    if (m_options.RecordsHistory()) {
        OpenHistory(); // without history the operation runs all the same
    }
    const int code = RunCommand();
    if (m_options.traceFile.isEmpty()) {
        return code;
    }
    QString error;
    if (!CTraceFormat::Save(m_options.traceFile, CLinkTrace::Global().EntriesAfter(nTraceStart),
                            CAboutRules::ProgramVersion(), error)) {
        m_operator.Message(tr("Das Verbindungsprotokoll kann nicht gespeichert werden: %1").arg(error),
                           QString(), IOperator::Icon::Error);
        return kFailed;
    }
    return code;
}

int CCliTool::RunCommand() {
    try {
        switch (m_options.command) {
        case CCliOptions::Command::Identify:
            return Identify();
        case CCliOptions::Command::FindInterface:
            return FindInterface();
        case CCliOptions::Command::Receive:
            return Receive();
        case CCliOptions::Command::Send:
            return Send();
        case CCliOptions::Command::Show:
            return Show();
        case CCliOptions::Command::Sheet:
            return Sheet();
        case CCliOptions::Command::Measure:
            return Measure();
        case CCliOptions::Command::CalibrationRead:
            return CalibrationRead();
        case CCliOptions::Command::CalibrationWrite:
            return CalibrationWrite();
        case CCliOptions::Command::TemperatureRead:
            return TemperatureRead();
        case CCliOptions::Command::TemperatureWrite:
            return TemperatureWrite();
        case CCliOptions::Command::Diff:
            return Diff();
        case CCliOptions::Command::History:
        case CCliOptions::Command::HistoryShow:
        case CCliOptions::Command::HistoryExport:
        case CCliOptions::Command::Certificate:
        case CCliOptions::Command::Due:
            return RunHistoryCommand();
        }
    } catch (const CProgramError& error) {
        CProgramErrorReport::Show(m_operator, error.what());
    }
    m_link.Sio().ClosePort();
    // diff keeps 1 for "differ", like diff(1): its failures are 2.
    return m_options.command == CCliOptions::Command::Diff ? kUsage : kFailed;
}

void CCliTool::Print(const QString& line) {
    std::fputs(CTerminalText::Lines(line).toLocal8Bit().constData(), m_out);
    std::fputc('\n', m_out);
    std::fflush(m_out);
}

int CCliTool::Identify() {
    QByteArray reply;
    const bool bConnected = m_connection.ConnectTransmitter(reply);
    m_link.Sio().ClosePort();
    if (!bConnected) {
        return kFailed;
    }
    m_doc.SetKennung(reply);
    Print(tr("Kennung: %1").arg(m_doc.GetKennungText()));
    Print(tr("Typ: %1 %2").arg(m_doc.GetTyp()).arg(CQuillonDoc::GetTypText(m_doc.GetTyp())));
    Print(tr("Erweitert: %1").arg(m_doc.IsErweitert() ? tr("ja") : tr("nein")));
    return kSuccess;
}

int CCliTool::FindInterface() {
    QList<bool> available;
    if (m_options.arguments.isEmpty()) {
        available = m_connection.ProbePorts();
    } else {
        // The devices given stand for COM1, COM2, … in their order.
        CPortMap& map = m_link.PortMap();
        for (int i = 0; i < m_options.arguments.size() && i < CConnection::kPortCount; ++i) {
            map.Pin(i + 1, m_options.arguments.at(i));
            available.append(m_link.Sio().TestPort(i));
        }
    }
    const std::optional<CConnection::FoundInterface> found = m_connection.SearchInterface(available);
    if (!found) {
        return kFailed;
    }
    const int com = found->nPortIndex + 1;
    Print(tr("Port: COM%1 (%2)").arg(com).arg(m_link.PortMap().DevicePath(com)));
    Print(
        tr("Version: %1.%2").arg(found->nVersion / 100).arg(found->nVersion % 100, 2, 10, QLatin1Char('0')));
    return kSuccess;
}

int CCliTool::Receive() {
    if (!m_session.Empfangen()) {
        return kFailed; // nothing is written: a half-read parameter set never becomes a file
    }
    return m_doc.SaveFile(m_options.output) ? kSuccess : kFailed;
}

bool CCliTool::LoadDocument(const QString& path) {
    if (m_doc.LoadFile(path)) {
        return true;
    }
    if (m_operator.QuestionUnanswered()) {
        m_operator.Message(tr("Ohne Terminal braucht diese Frage die Option --yes."));
    }
    return false;
}

int CCliTool::Send() {
    if (!LoadDocument(m_options.arguments.first())) {
        return kFailed; // refused before anything is sent
    }
    if (!m_options.sets.isEmpty()) {
        QString warnung;
        if (const std::optional<QString> fehler = CSerienVorgabe::Anwenden(m_options.sets, m_doc, warnung)) {
            m_operator.Message(tr("%1\nNichts gesendet.").arg(*fehler), QString(), IOperator::Icon::Error);
            return kFailed;
        }
        if (!warnung.isEmpty() &&
            !m_operator.AskYesNo(warnung, tr("Parameter senden"), IOperator::Icon::Warning)) {
            m_operator.Message(m_operator.QuestionUnanswered()
                                   ? tr("Ohne Terminal braucht send die Option --yes.")
                                   : tr("Nichts gesendet."));
            return kFailed;
        }
    }
    // With --verify, what the transmitter holds now is read first: a send that fails half-way can then
    // tell the old set from a mix. A transmitter that cannot be read could not be verified either:
    // nothing is sent.
    if (m_options.verify && !m_session.ReadAsFound()) {
        m_operator.Message(tr("Nichts gesendet."));
        return kFailed;
    }
    const CParameterTransfer::SendResult result = m_session.Senden(m_options.verify);
    if (result == CParameterTransfer::SendResult::Declined && m_operator.QuestionUnanswered()) {
        m_operator.Message(tr("Ohne Terminal braucht send die Option --yes."));
    }
    const std::optional<CSendePruefung::Ergebnis>& pruefung = m_session.LetztePruefung();
    // A failed send stays a failure even when the read-back finds the whole new set.
    const bool bOk = result == CParameterTransfer::SendResult::Sent && (!pruefung || pruefung->IstErfolg());
    return bOk ? kSuccess : kFailed;
}

int CCliTool::Diff() {
    CQuillonDoc datei(m_operator, QCoreApplication::applicationDirPath());
    if (!datei.LoadFile(m_options.arguments.first())) {
        if (m_operator.QuestionUnanswered()) {
            m_operator.Message(tr("Ohne Terminal braucht diese Frage die Option --yes."));
        }
        return kUsage;
    }
    if (m_options.arguments.size() > 1) {
        if (!LoadDocument(m_options.arguments.at(1))) {
            return kUsage;
        }
        return PrintDiff(CParameterVergleich::Vergleiche(datei, m_doc, QLocale::system()),
                         m_options.arguments.first(), m_options.arguments.at(1));
    }
    // Against the transmitter: connect for the file's type, then read into the tool's own set; the
    // file stays as it is.
    if (!m_options.typ) {
        m_doc.SetTyp(datei.GetTyp());
    }
    if (!IdentifyTransmitter()) {
        return kUsage;
    }
    if (m_doc.GetTyp() == datei.GetTyp() && !m_session.Empfangen()) {
        return kUsage;
    }
    return PrintDiff(CParameterVergleich::Vergleiche(datei, m_doc, QLocale::system()),
                     m_options.arguments.first(), tr("Transmitter"));
}

int CCliTool::PrintDiff(const CParameterVergleich::Ergebnis& ergebnis, const QString& links,
                        const QString& rechts) {
    if (m_options.json) {
        QJsonObject json;
        json.insert(QStringLiteral("left"), links);
        json.insert(QStringLiteral("right"), rechts);
        json.insert(QStringLiteral("equal"), ergebnis.Gleich());
        json.insert(QStringLiteral("typeMismatch"), ergebnis.bTypVerschieden);
        json.insert(QStringLiteral("leftType"), ergebnis.nTypLinks);
        json.insert(QStringLiteral("rightType"), ergebnis.nTypRechts);
        QJsonArray unterschiede;
        for (const CParameterVergleich::Zeile& zeile : ergebnis.zeilen) {
            if (zeile.bVerschieden) {
                unterschiede.append(QJsonObject{{QStringLiteral("field"), zeile.feld},
                                                {QStringLiteral("label"), zeile.label},
                                                {QStringLiteral("left"), zeile.links},
                                                {QStringLiteral("right"), zeile.rechts}});
            }
        }
        json.insert(QStringLiteral("differences"), unterschiede);
        Print(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)).trimmed());
    } else if (ergebnis.bTypVerschieden) {
        Print(CTerminalText::Escaped(tr("Typ verschieden: %1 ist %2 %3, %4 ist %5 %6; nichts verglichen.")
                                         .arg(links)
                                         .arg(ergebnis.nTypLinks)
                                         .arg(CQuillonDoc::GetTypText(ergebnis.nTypLinks), rechts)
                                         .arg(ergebnis.nTypRechts)
                                         .arg(CQuillonDoc::GetTypText(ergebnis.nTypRechts))));
    } else {
        for (const CParameterVergleich::Zeile& zeile : ergebnis.zeilen) {
            if (zeile.bVerschieden) {
                Print(CTerminalText::Escaped(QStringLiteral("%1 (%2): %3 | %4")
                                                 .arg(zeile.label, zeile.feld, zeile.links, zeile.rechts)));
            }
        }
    }
    return ergebnis.Gleich() ? kSuccess : kFailed;
}

int CCliTool::Show() {
    if (!LoadDocument(m_options.arguments.first())) {
        return kFailed;
    }
    if (m_options.json) {
        Print(QString::fromUtf8(QJsonDocument(CParameterJson::ToJson(m_doc)).toJson(QJsonDocument::Indented))
                  .trimmed());
    } else {
        PrintParameterSet();
    }
    return kSuccess;
}

int CCliTool::Sheet() {
    if (!LoadDocument(m_options.arguments.first())) {
        return kFailed; // the old PDF, if any, stays as it was
    }
    CQuillonDoc vorher(m_operator, QCoreApplication::applicationDirPath());
    if (!m_options.before.isEmpty()) {
        if (!vorher.LoadFile(m_options.before)) {
            return kFailed;
        }
        if (vorher.GetTyp() != m_doc.GetTyp()) {
            m_operator.Message(tr("%1 gilt für einen anderen Transmittertyp (%2) als %3 (%4).")
                                   .arg(m_options.before, CQuillonDoc::GetTypText(vorher.GetTyp()),
                                        m_options.arguments.first(), CQuillonDoc::GetTypText(m_doc.GetTyp())),
                               QString(), IOperator::Icon::Error);
            return kFailed;
        }
    }
    const QLocale locale = QLocale::system();
    CKonfigurationsblatt blatt(m_doc, locale, QDate::currentDate());
    blatt.SetVorher(m_options.before.isEmpty() ? nullptr : &vorher);
    QString error;
    if (!CSheetPdfWriter::Write(m_options.output, blatt, CSheetPdfWriter::PaperFor(locale), error)) {
        m_operator.Message(error, QString(), IOperator::Icon::Error);
        return kFailed;
    }
    return kSuccess;
}

int CCliTool::Measure() {
    const CStopSignal stop;
    if (!m_transfer.ReceiveParameterSet()) {
        return kFailed;
    }
    const int interval = m_options.interval.value_or(m_doc.GetLogIntervall());
    CSampleGrid grid(m_clock.NowMs(), interval * 1000LL);
    bool bAllOk = true;
    int taken = 0;
    while (!stop.Requested()) {
        bAllOk = MeasureSample() && bAllOk;
        ++taken;
        if (m_options.count && taken >= *m_options.count) {
            break;
        }
        stop.WaitMs(static_cast<long>(grid.WaitBeforeNext(m_clock.NowMs())));
    }
    m_link.Sio().ClosePort();
    return bAllOk ? kSuccess : kFailed;
}

bool CCliTool::MeasureSample() {
    // A sample that fails is reported and skipped; the next one may find the transmitter again.
    if (!m_messung.ReadLogSample()) {
        return false;
    }
    const QDateTime time = QDateTime::currentDateTime();
    const double messwert = m_doc.GetMesswert(0);
    const double temperatur = m_doc.GetTemperatur();
    const QByteArray line =
        m_messung.Format().Line(time, messwert, temperatur, m_doc.GetTyp(), CMessAnzeige::Precision(m_doc));
    Print(CWindows1252::ToUnicode(line.chopped(2))); // the same fields as the log line, without its CR LF
    if (m_options.logFile.isEmpty()) {
        return true;
    }
    return m_messung.AppendLogLine(time, messwert, temperatur, m_options.logFile);
}

void CCliTool::PrintParameterSet() {
    const int d = m_doc.GetDezimalstellen();
    const auto value = [](double v, int decimals) { return QString::number(v, 'f', qBound(0, decimals, 6)); };
    const auto line = [this](const QString& label, const QString& text) {
        Print(QStringLiteral("%1 %2").arg(label + QLatin1Char(':'), -22).arg(CTerminalText::Escaped(text)));
    };
    const QString unit = m_doc.GetEinheitText().trimmed();
    line(tr("Typ"), QStringLiteral("%1 %2").arg(m_doc.GetTyp()).arg(CQuillonDoc::GetTypText(m_doc.GetTyp())));
    line(tr("Kennung"), m_doc.GetKennungText());
    line(tr("Seriennummer"), m_doc.GetSeriennummerText());
    line(tr("Bezeichnung"), m_doc.GetBezeichnungText());
    line(tr("Einheit"), QStringLiteral("%1 %2").arg(m_doc.GetEinheit()).arg(unit));
    line(tr("Anzeigeeinheit"),
         QStringLiteral("%1 %2").arg(m_doc.GetAnzeigeEinheit()).arg(m_doc.GetAnzeigeEinheitText().trimmed()));
    line(tr("Dezimalstellen"), QString::number(d));
    line(tr("Grundmessbereich"), value(m_doc.GetGrundAnfang(), d) + QStringLiteral(" … ") +
                                     value(m_doc.GetGrundEnde(), d) + QLatin1Char(' ') + unit);
    const int da = m_doc.GetAnzeigeDezimalstellen();
    line(tr("Messbereich"),
         value(m_doc.GetMessAnfang(), da) + QStringLiteral(" … ") + value(m_doc.GetMessEnde(), da));
    line(tr("Offsetkorrektur"), value(m_doc.GetOffset(), d));
    line(tr("Spannekorrektur"), value(m_doc.GetSpanne(), 2) + QStringLiteral(" %"));
    line(tr("Dämpfung"), value(m_doc.GetDaempfung(), 1) + QStringLiteral(" s"));
    line(tr("Temperatur-Dämpfung"), value(m_doc.GetTempDaempfung(), 1) + QStringLiteral(" s"));
    line(tr("Tastatursperre"), QString::number(m_doc.GetTastatursperre()) + QStringLiteral(" min"));
    line(tr("Nullpunktsfenster"), QString::number(m_doc.GetNullpunktsfenster()));
    line(tr("Stromgrenze Min"), value(m_doc.GetStromgrenzeMin(), 2) + QStringLiteral(" mA"));
    line(tr("Stromgrenze Max"), value(m_doc.GetStromgrenzeMax(), 2) + QStringLiteral(" mA"));
    line(tr("Fehlersignal-Strom"), value(m_doc.GetFehlerstrom(), 2) + QStringLiteral(" mA"));
    if (m_doc.IsKA71()) {
        line(tr("Freier Bereich"), QStringLiteral("%1 … %2, %3 Dezimalstellen, Medium %4")
                                       .arg(m_doc.GetFreiAnfang())
                                       .arg(m_doc.GetFreiEnde())
                                       .arg(m_doc.GetFreiDezimalpunkt())
                                       .arg(m_doc.GetMedium()));
    }
    line(tr("Linearisierung"), tr("%1 Punkte").arg(m_doc.GetLinTabAnzahl()));
    for (int i = 0; i < m_doc.GetLinTabAnzahl() && i < CQuillonDoc::kLinTabPunkte; ++i) {
        Print(QStringLiteral("  %1: %2  %3")
                  .arg(i + 1, 2)
                  .arg(static_cast<double>(m_doc.GetLinTabX(i)), 10, 'f', 3)
                  .arg(static_cast<double>(m_doc.GetLinTabY(i)), 10, 'f', qBound(0, d, 6)));
    }
}

bool CCliTool::IdentifyTransmitter() {
    QByteArray reply;
    const bool bConnected = m_connection.ConnectTransmitter(reply);
    m_link.Sio().ClosePort();
    if (bConnected) {
        m_doc.SetKennung(reply);
    }
    return bConnected;
}

int CCliTool::CalibrationRead() {
    if (!IdentifyTransmitter()) {
        return kFailed;
    }
    if (!CAbgleichLayout::HasRecord(m_doc.GetTyp())) {
        m_operator.Message(tr("Gerät nicht kompatibel!"));
        return kFailed; // the RX89 keeps no record of this form: its words would make a meaningless file
    }
    if (!m_calibration.ReadCalibrationData()) {
        return kFailed; // no file: a half-read record must never be written back by a script
    }
    const QJsonObject json =
        CAbgleichJson::ToJson(m_doc.Abgleichdaten(), m_doc.GetTyp(), m_doc.IsErweitert());
    QSaveFile file(m_options.output);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(json).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        m_operator.Message(
            tr("Die Datei %1 kann nicht gespeichert werden.\n%2")
                .arg(m_options.output,
                     CFileProblem::Reason(file, m_options.output, CFileProblem::Zugriff::Schreiben)));
        return kFailed;
    }
    return kSuccess;
}

int CCliTool::CalibrationWrite() {
    const QString path = m_options.arguments.first();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_operator.Message(tr("Die Datei %1 kann nicht geöffnet werden.\n%2")
                               .arg(path, CFileProblem::Reason(file, path, CFileProblem::Zugriff::Lesen)));
        return kFailed;
    }
    QJsonObject json;
    QString error;
    if (!CAbgleichJson::Parse(file.readAll(), json, error)) {
        m_operator.Message(tr("%1: nichts gesendet.\n%2").arg(path, error));
        return kFailed;
    }
    // Only the identification is exchanged before the file has been checked against the transmitter.
    if (!IdentifyTransmitter()) {
        return kFailed;
    }
    CAbgleichdaten record = m_doc.Abgleichdaten();
    if (!CAbgleichJson::FromJson(json, m_doc.GetTyp(), m_doc.IsErweitert(), record, error)) {
        m_operator.Message(tr("%1: nichts gesendet.\n%2").arg(path, error));
        return kFailed;
    }
    // The record the transmitter holds now, as the window has it before its write: should the write's
    // end go unconfirmed, the read-back can then tell the old record from a mix of old and new. A
    // transmitter whose record cannot be read is not written either.
    if (!m_calibration.ReadCalibrationData()) {
        m_operator.Message(tr("%1: nichts gesendet.").arg(path));
        return kFailed;
    }
    m_doc.Abgleichdaten() = record;
    return m_calibration.WriteCalibrationData() ? kSuccess : kFailed;
}

int CCliTool::TemperatureRead() {
    CTempAbgleich::Values werte;
    if (!m_temperatur.ReadTemperatureData(werte)) {
        return kFailed;
    }
    if (m_options.json) {
        const QJsonObject json{{QStringLiteral("imin"), RowJson(werte.iMin)},
                               {QStringLiteral("imax"), RowJson(werte.iMax)},
                               {QStringLiteral("temp"), RowJson(werte.temp)},
                               {QStringLiteral("checksum"), werte.checksum}};
        Print(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)));
        return kSuccess;
    }
    Print(tr("I-Min (4mA): %1").arg(RowText(werte.iMin)));
    Print(tr("I-Max (20mA): %1").arg(RowText(werte.iMax)));
    Print(tr("Temperaturen: %1").arg(RowText(werte.temp)));
    Print(tr("Checksumme: %1").arg(werte.checksum));
    return kSuccess;
}

int CCliTool::TemperatureWrite() {
    // The options were checked for count and 16 bits; the checksum is checked before anything is sent.
    return m_temperatur.WriteTemperatureData(m_options.temperatur) ? kSuccess : kFailed;
}
