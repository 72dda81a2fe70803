#pragma once

#include "measurement/KorrekturSchleife.h"
#include "transmitter/ServiceTransfer.h"
#include "transmitter/TestMenu.h"
#include "ui/measurement/CheckDialog.h"

#include <QCoreApplication>
#include <QLocale>
#include <functional>
#include <optional>

class CCheckSampler;
class CConnection;
class CHistoryStore;
class CParameterTransfer;
class CQuillonDoc;
class CTransmitterLink;
class ISheetPage;
class QWidget;

/// The window's commands of live measurement, correction and the factory "Test" menu: each runs its core
/// sequence and shows its dialogs over the given parent. The view calls one of these per command; the
/// ready flag and the busy state stay the view's.
class CMeasurementCommands {
    Q_DECLARE_TR_FUNCTIONS(CMeasurementCommands)

public:
    CMeasurementCommands(QWidget* parent, CTransmitterLink& link, CConnection& connection,
                         CParameterTransfer& transfer, CQuillonDoc& doc, QLocale locale = QLocale());

    /// "Messung...": parameter set, live values, "Messwerte" and, if asked, the logging run.
    void OnMessung();
    /// "Prüfung...": the window "Prüfung" with the transmitter's measured value; the id of the recorded
    /// check event, 0 when none was recorded (cancelled, or no history).
    qint64 OnPruefung();
    /// Where "Prüfung..." finds the interval of the transmitter's last check (none: the setting's).
    void SetHistory(const CHistoryStore* history) { m_history = history; }
    /// How the window prints a page such as the check certificate (the main window's printer); none:
    /// "Zertifikat drucken..." stays disabled.
    using PagePrinter = std::function<void(const ISheetPage&)>;
    void SetPagePrinter(PagePrinter print) { m_printPage = std::move(print); }
    /// How the check's "Justieren..." runs the calibration wizard (factory edition); none: it offers
    /// "Konfiguration..." alone.
    void SetWizard(std::function<void()> runWizard) { m_runWizard = std::move(runWizard); }
    /// The interval of the newest check of a transmitter in the history; nothing when it has none.
    static std::optional<int> LastCheckInterval(const CHistoryStore& history, const QByteArray& seriennummer);
    /// The correction loop with the dialog "Kalibrierung".
    void OnKorrektur();
    /// "Konfiguration...": the loop with the dialog "Konfiguration" or, for the types without it,
    /// "Kalibrierung".
    void OnKonfiguration();
    /// One entry of the "Test" menu, until the user leaves "Sio-Transfer" with "OK".
    void OnTestEntry(const CTestMenu::Entry& entry);
    /// "LinTab lesen", "LinTab schreiben", "Interface Version...".
    void OnTestReadTable();
    void OnTestWriteTableCount();
    void OnShowInterfaceInfo();
    /// "Connect RX93": what the view writes into its window.
    CTestMenu::ConnectReport OnConnectRX93();
    /// "Normalberieb".
    bool OnNormalbetrieb();
    /// "ADC-Werte auslesen...": the converter values in a message box.
    bool OnShowAdcValues();
    /// "Seriennummer ändern...": the serial number in "Seriennummer ändern", then into the transmitter;
    /// nothing is sent when the person cancels.
    bool OnChangeSerialNumber();

    /// The text a person types for a command in "Dateneingabe": asked with its preset until it fits a
    /// request or the person cancels (nothing).
    std::optional<QByteArray> AskPayload(const QString& caption, const QString& preset);

private:
    /// What the window "Prüfung" asks of the program: the adjustment and the certificate.
    CCheckDialog::Hooks CheckHooks(CCheckSampler& sampler);
    void PrintCertificate(qint64 nEvent, const CCheckRecord& record);
    /// The adjustment between as found and as left: "Konfiguration..." or, where it is at hand, the
    /// calibration wizard, as the technician chooses; false when they chose neither.
    bool Adjust();
    /// The correction dialog once, for the correction loop.
    CKorrekturSchleife::Result ShowKalibrierung(CKalibrierungRules::Values& values);
    /// Shows one exchange; true when the person asked to repeat it.
    bool ShowExchange(const CSioTransferRecord& record);

    QWidget* m_parent;
    CTransmitterLink& m_link;
    CConnection& m_connection;
    CParameterTransfer& m_transfer;
    CQuillonDoc& m_doc;
    QLocale m_locale;
    CTestMenu m_menu;
    CServiceTransfer m_service;
    const CHistoryStore* m_history = nullptr;
    PagePrinter m_printPage;
    std::function<void()> m_runWizard;
};
