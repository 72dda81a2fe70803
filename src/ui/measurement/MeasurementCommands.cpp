#include "ui/measurement/MeasurementCommands.h"

#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "document/Windows1252.h"
#include "edit/KonfigurationSchleife.h"
#include "history/CheckDue.h"
#include "history/HistoryStation.h"
#include "history/HistoryStore.h"
#include "link/TransmitterLink.h"
#include "measurement/CheckHistory.h"
#include "measurement/CheckSampler.h"
#include "measurement/KorrekturTransfer.h"
#include "measurement/LoggingRun.h"
#include "measurement/Messung.h"
#include "sheet/CheckCertificate.h"
#include "shell/Edition.h"
#include "ui/edit/EnterData.h"
#include "ui/edit/Konfiguration.h"
#include "ui/edit/Seriennummer.h"
#include "ui/measurement/CheckDialog.h"
#include "ui/measurement/DlgSioTransfer.h"
#include "ui/measurement/DoLoggen.h"
#include "ui/measurement/Kalibrierung.h"
#include "ui/measurement/Loggen.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>

CMeasurementCommands::CMeasurementCommands(QWidget* parent, CTransmitterLink& link, CConnection& connection,
                                           CParameterTransfer& transfer, CQuillonDoc& doc, QLocale locale)
    : m_parent(parent)
    , m_link(link)
    , m_connection(connection)
    , m_transfer(transfer)
    , m_doc(doc)
    , m_locale(std::move(locale))
    , m_menu(link, connection, doc)
    , m_service(link, connection, doc) {}

void CMeasurementCommands::OnMessung() {
    CMessung messung(m_link, m_transfer, m_doc, CLogFormat::FromLocale(m_locale));
    const auto showLoggen = [this] {
        CLoggen dialog(CLoggenRules::Load(m_doc, m_locale), m_parent);
        const int code = dialog.exec();
        if (code == QDialog::Accepted) {
            CLoggenRules::Apply(dialog.Values(), m_doc);
        }
        return CLoggen::ToResult(code);
    };
    const auto runLogging = [this, &messung] {
        CLoggingRun run(messung, m_doc, &QDateTime::currentDateTime, m_locale);
        CDoLoggen dialog(run, m_parent);
        if (run.Start()) {
            dialog.exec();
        }
        run.Stop();
    };
    messung.Run(showLoggen, runLogging);
}

qint64 CMeasurementCommands::OnPruefung() {
    CCheckSampler sampler(m_link, m_transfer, m_doc);
    if (!sampler.Begin()) {
        if (!sampler.Problem().isEmpty()) {
            m_link.Operator().Message(sampler.Problem());
        }
        sampler.End();
        return 0;
    }
    const CCheckRecord range = CCheckHistory::RangeOf(m_doc);
    if (const std::optional<QString> refused = CCheckArithmetic::RefuseRange(range)) {
        m_link.Operator().Message(*refused);
        sampler.End();
        return 0;
    }
    CCheckRules rules(
        range, [&sampler] { return sampler.Sample(); }, m_locale);
    const std::optional<int> lastInterval =
        m_history != nullptr ? LastCheckInterval(*m_history, m_doc.GetSeriennummer()) : std::nullopt;
    const QString technician = CHistoryStation::Local(m_doc.Settings(), QString(), QString()).user;
    CCheckDialog dialog(rules, rules.Load(m_doc.Settings(), technician, lastInterval), m_doc.Settings(),
                        m_doc, CheckHooks(sampler), m_parent);
    dialog.exec();
    sampler.End();
    return dialog.EventId();
}

CCheckDialog::Hooks CMeasurementCommands::CheckHooks(CCheckSampler& sampler) {
    CCheckDialog::Hooks hooks;
    // The adjustment runs with the dialogs of "Konfiguration..." over the check's window. They close the
    // port when they are done, so the as-left points connect and read the set afresh; should that
    // fail, the technician hears why once, and the points show "keine Messung" until it works.
    hooks.adjust = [this, &sampler] {
        sampler.End();
        if (!Adjust()) {
            return false;
        }
        if (!sampler.Begin() && !sampler.Problem().isEmpty()) {
            m_link.Operator().Message(sampler.Problem());
        }
        return true;
    };
    if (m_printPage) {
        hooks.printCertificate = [this](qint64 nEvent, const CCheckRecord& record) {
            PrintCertificate(nEvent, record);
        };
    }
    return hooks;
}

bool CMeasurementCommands::Adjust() {
    if (!m_runWizard) {
        OnKonfiguration();
        return true;
    }
    QMessageBox box(QMessageBox::Question, CEdition::ProgramName(),
                    tr("Womit soll der Transmitter justiert werden?"), QMessageBox::NoButton, m_parent);
    box.setObjectName(QStringLiteral("justierenMit"));
    QPushButton* konfiguration = box.addButton(tr("Konfiguration..."), QMessageBox::AcceptRole);
    QPushButton* wizard = box.addButton(tr("Abgleich-Wizzard..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    konfiguration->setObjectName(QStringLiteral("konfiguration"));
    wizard->setObjectName(QStringLiteral("wizard"));
    box.setDefaultButton(konfiguration);
    box.exec();
    if (box.clickedButton() == konfiguration) {
        OnKonfiguration();
    } else if (box.clickedButton() == wizard) {
        m_runWizard();
    } else {
        return false;
    }
    return true;
}

void CMeasurementCommands::PrintCertificate(qint64 nEvent, const CCheckRecord& record) {
    // The certificate names the event as it was stored (time, station, technician's account); without
    // the store at hand it is the same event as it was handed over, dated now.
    CHistoryEvent event = CCheckHistory::Event(record, m_doc);
    if (m_history != nullptr && m_history->IsOpen()) {
        if (const std::optional<CHistoryRecord> stored = m_history->Event(nEvent)) {
            event = stored->event;
        }
    }
    if (!event.timeUtc.isValid()) {
        event.timeUtc = QDateTime::currentDateTimeUtc();
    }
    m_printPage(CCheckCertificate(event, nEvent, record, m_locale));
}

std::optional<int> CMeasurementCommands::LastCheckInterval(const CHistoryStore& history,
                                                           const QByteArray& seriennummer) {
    if (!history.IsOpen() || seriennummer.trimmed().isEmpty()) {
        return std::nullopt;
    }
    // The transmitter's check events with their detail, newest first: one query, as "due" asks.
    CHistoryFilter filter = CCheckDue::Filter();
    filter.seriennummer = seriennummer;
    const QList<CHistoryRecord> checks = history.Events(filter);
    if (checks.isEmpty()) {
        return std::nullopt;
    }
    QString error;
    const std::optional<CCheckRecord> record = CCheckHistory::FromEvent(checks.first().event, error);
    return record ? std::optional<int>(record->intervalDays) : std::nullopt;
}

CKorrekturSchleife::Result CMeasurementCommands::ShowKalibrierung(CKalibrierungRules::Values& values) {
    const CKalibrierungRules rules(m_locale);
    CKalibrierung dialog(values, rules, m_parent);
    const int code = dialog.exec();
    values = dialog.Values();
    return CKalibrierung::ToResult(code);
}

void CMeasurementCommands::OnKorrektur() {
    CKorrekturTransfer korrektur(m_link, m_connection, m_transfer, m_doc);
    CKorrekturSchleife loop(korrektur, m_doc);
    loop.Run(CKalibrierungRules(m_locale), [this](auto& values) { return ShowKalibrierung(values); });
}

void CMeasurementCommands::OnKonfiguration() {
    // Both dialogs end with the same codes for the loop's buttons.
    static_assert(CKonfiguration::kUebertragen == CKalibrierung::kUebertragen &&
                  CKonfiguration::kAuslesen == CKalibrierung::kAuslesen &&
                  CKonfiguration::kNeuerMesswert == CKalibrierung::kNeuerMesswert);
    CKorrekturTransfer korrektur(m_link, m_connection, m_transfer, m_doc);
    CKorrekturSchleife loop(korrektur, m_doc);
    CKonfigurationSchleife(loop, m_doc, m_locale)
        .Run([this](auto& values) { return ShowKalibrierung(values); },
             [this](CKonfigurationValues& values) {
                 CKonfiguration dialog(values, m_locale, m_parent);
                 const int code = dialog.exec();
                 values = dialog.Values();
                 return CKalibrierung::ToResult(code);
             });
}

bool CMeasurementCommands::ShowExchange(const CSioTransferRecord& record) {
    CDlgSioTransfer dialog(record, m_parent);
    return dialog.exec() == CDlgSioTransfer::kWiederholen;
}

std::optional<QByteArray> CMeasurementCommands::AskPayload(const QString& caption, const QString& preset) {
    QString text = preset;
    for (;;) {
        CEnterData dialog(text, m_parent);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        text = dialog.Wert();
        QString error;
        if (const std::optional<QByteArray> payload = CTestMenu::CheckUserPayload(text, error)) {
            return payload;
        }
        // Titled like every message of the program; the text says which command the entry was for.
        QMessageBox::warning(m_parent, CEdition::ProgramName(), QStringLiteral("%1: %2").arg(caption, error));
    }
}

void CMeasurementCommands::OnTestEntry(const CTestMenu::Entry& entry) {
    const QString caption = QString::fromUtf8(entry.caption);
    bool bAgain = true;
    while (bAgain) {
        QByteArray payload;
        if (entry.payload == CTestMenu::Payload::User) {
            const std::optional<QByteArray> typed = AskPayload(caption, CTestMenu::DefaultPayload());
            if (!typed) {
                return;
            }
            payload = *typed;
        }
        bAgain = ShowExchange(m_menu.Run(entry, payload));
    }
}

void CMeasurementCommands::OnTestReadTable() {
    while (ShowExchange(m_menu.TestReadTable())) {
    }
}

void CMeasurementCommands::OnTestWriteTableCount() {
    bool bAgain = true;
    while (bAgain) {
        const std::optional<QByteArray> count =
            AskPayload(QStringLiteral("Set LinTabCount"), CTestMenu::DefaultTableCount());
        if (!count) {
            return;
        }
        bAgain = ShowExchange(m_menu.TestWriteTableCount(*count));
    }
}

void CMeasurementCommands::OnShowInterfaceInfo() {
    while (ShowExchange(m_menu.ShowInterfaceInfo())) {
    }
}

CTestMenu::ConnectReport CMeasurementCommands::OnConnectRX93() {
    return m_menu.ConnectRX93();
}

bool CMeasurementCommands::OnNormalbetrieb() {
    return m_menu.Normalbetrieb();
}

bool CMeasurementCommands::OnShowAdcValues() {
    return m_service.ShowAdcValues();
}

bool CMeasurementCommands::OnChangeSerialNumber() {
    CSeriennummer dialog(m_doc.GetSeriennummerText(), m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const auto felder = dialog.Felder();
    return m_service.ChangeSerialNumber(CWindows1252::FromUnicode(felder[0]),
                                        CWindows1252::FromUnicode(felder[1]),
                                        CWindows1252::FromUnicode(felder[2]));
}
