#pragma once

#include "base/TypKatalog.h"
#include "calibration/CalibrationTransfer.h"
#include "shell/StartupChecks.h"
#include "shell/TransmitterSession.h"
#include "ui/calibration/CalibrationCommands.h"
#include "ui/measurement/MeasurementCommands.h"

#include <QHash>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class CGuiOperator;
class CQuillonDoc;
class IByteDevice;
class IClock;
class QGridLayout;
class QGroupBox;
class QLabel;

/// The form of the main window: the parameter set of the document in read-only fields whose layout
/// depends on the transmitter type. It owns the transmitter side of the window (link, connection,
/// receive and send) and the link timer of "Test RS232", keeps the ready flag m_bBereit, and runs the
/// start-up checks once, after its first paint.
///
/// Every control of the form carries its id as object name ("ctl1015"), so tests find it by the id.
class CQuillonView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTestTimerMs = 500;

    CQuillonView(CQuillonDoc& doc, CGuiOperator& op, IClock& clock, std::unique_ptr<IByteDevice> device,
                 QWidget* parent = nullptr);
    ~CQuillonView() override;

    CQuillonDoc& Document() { return m_doc; }
    CTransmitterSession& Session() { return m_session; }
    CStartupChecks& StartupChecks() { return m_startupChecks; }

    /// The control of a form id; nullptr for an id the form does not have.
    QWidget* Control(int nId) const;

    /// Commands may start (no transmitter operation runs).
    bool IsBereit() const;
    /// The one way the window starts a transmitter operation: refused (false, nothing happens) while
    /// another one runs; otherwise the window is busy for the operation's whole length, its dialogs
    /// included, and ready again on every way out. Inside, the link's operation guard still refuses a
    /// second operation that a wait's event loop would dispatch.
    bool RunOperation(const std::function<void()>& operation);
    /// Asks the running transmitter operation to end at its next wait (the window is being closed).
    void RequestCancel();
    /// A transmitter operation starts (false) or ends (true). Operations may nest (a connect inside a
    /// receive); the view is ready again when the outermost one has ended.
    void SetBereit(bool bBereit);

    void OnInitialUpdate();
    void ShowDocument();
    void LayoutForType(int nTyp);

    void OnEmpfangen();
    void OnSenden();
    void OnTestRs232();
    /// "Messung...": live values, "Messwerte" and the logging run.
    void OnMessung();
    /// "Prüfung...": the calibration check of the attached transmitter.
    void OnPruefung();
    /// The device history "Prüfung..." takes the transmitter's last check interval from (none: nothing).
    void SetHistory(const CHistoryStore* history) { m_measurement.SetHistory(history); }
    void SetWizard(std::function<void()> runWizard) { m_measurement.SetWizard(std::move(runWizard)); }
    void SetPagePrinter(CMeasurementCommands::PagePrinter print) {
        m_measurement.SetPagePrinter(std::move(print));
    }
    /// The offset and span correction of the types without configuration dialog (0, 1 and above 10).
    void OnKorrektur();
    /// "Konfiguration...": the configuration dialog with the transmitter, or OnKorrektur by type.
    void OnKonfiguration();
    /// "Seriennummer ändern..." of the factory submenus.
    void OnSeriennummer();
    /// A single command of the "Test" menu.
    void OnTestBefehl(const CTestMenu::Entry& entry);
    /// "LinTab lesen" and "LinTab schreiben" of the "Test" menu.
    void OnTestLinTabLesen();
    void OnTestLinTabSchreiben();
    /// "Connect RX93" / "Verbinde Hardware...": connects and shows what the transmitter answered.
    void OnConnectRX93();
    void OnNormalbetrieb();
    void OnAdcValues();
    void OnInterfaceVersion();
    /// "Abgleichdaten lesen..." of a family's factory submenu.
    void OnAbgleichLesen(CTypKatalog::AbgleichForm familie);
    /// "Abgleichdaten scheiben/schreiben...": the document's calibration record into the transmitter.
    void OnAbgleichSchreiben();
    /// A calibration command with its dialog loop ("Analogabgleich...", "DAC-Abgleich...", the RX93's
    /// "Abgleich freigeben" and "Abgleichdaten ändern...") as one transmitter operation.
    void OnAbgleichBefehl(void (CCalibrationCommands::*befehl)());
    bool IsTestTimerActive() const { return m_testTimer.isActive(); }

signals:
    /// The ready flag changed: the window enables its commands again or disables them.
    void bereitChanged(bool bBereit);
    /// A start-up check refused to go on (program password): the program ends.
    void startupRefused();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildForm();
    QGroupBox* BuildGrundmessbereich();
    QGroupBox* BuildSignalumformung();
    QGroupBox* BuildStromgrenzen();
    QWidget* BuildKennzeichnung();
    void AlignLabelColumns(const QList<QGroupBox*>& groups);
    QWidget* Field(int nId, int nChars);
    QLabel* Label(const QString& text, int nId = 0);
    void SetText(int nId, const QString& text);
    void SetVisible(std::initializer_list<int> ids, bool bVisible);
    void RunStartupChecks();

    CQuillonDoc& m_doc;
    CGuiOperator& m_operator;
    CTransmitterSession m_session;
    CCalibrationTransfer m_calibration;
    CStartupChecks m_startupChecks;
    QHash<int, QWidget*> m_controls;
    QLocale m_locale;
    QTimer m_testTimer;
    CMeasurementCommands m_measurement;
    CCalibrationCommands m_abgleich;
    int m_nBusy = 0;
    bool m_bBereitGemeldet = true;
    bool m_bErsterAufruf = true;
};
