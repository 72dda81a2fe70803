#pragma once

#include "measurement/CheckRules.h"

#include <QDialog>
#include <QTimer>
#include <functional>

class CFieldBinder;
class CQuillonDoc;
class CSettingsRegistry;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableWidget;

/// The window "Prüfung": the set-up page, then the table of test points with the entry of the current
/// point, as found and, after an adjustment, as left. The samples are taken from a timer, one exchange
/// per tick, so the window answers while a point settles. Nothing is recorded unless the technician
/// ends the check with "Abschließen"; "Abbrechen" at any point leaves no trace.
class CCheckDialog : public QDialog {
    Q_OBJECT

public:
    /// What the window asks of the rest of the program.
    struct Hooks {
        /// The technician adjusts the transmitter with the program's adjustment dialogs; false when they
        /// chose not to after all (the as-found result stays as it is).
        std::function<bool()> adjust;
        /// The recorded check's certificate; empty while there is no certificate printer.
        std::function<void(qint64 nEvent, const CCheckRecord& record)> printCertificate;
    };

    CCheckDialog(CCheckRules& rules, const CCheckRules::Values& values, CSettingsRegistry& settings,
                 const CQuillonDoc& doc, Hooks hooks, QWidget* parent = nullptr);

    /// The id of the recorded event; 0 while nothing was recorded.
    qint64 EventId() const { return m_nEvent; }
    CCheckRules::Values Values() const;

    void reject() override;

private:
    QWidget* BuildSetup();
    QWidget* BuildReference(QWidget* parent);
    QWidget* BuildPoints();
    QWidget* BuildButtons();
    void Start();
    void Measure();
    void OnTick();
    void TakeAsItStands();
    void Adjust();
    void Finish();
    void PrintCertificate();
    /// Table, entry, buttons and texts as the rules stand.
    void ShowState();
    void FillTable();
    void SetRow(int nRow, const CCheckPoint& point);
    QString PhaseTitle() const;

    CCheckRules& m_rules;
    CCheckRules::Values m_values;
    CSettingsRegistry& m_settings;
    const CQuillonDoc& m_doc;
    Hooks m_hooks;
    CFieldBinder* m_binder;
    QTimer m_timer;
    qint64 m_nEvent = 0;
    bool m_bSampling = false; ///< the samples of a point are being taken
    bool m_bFinished = false; ///< "Abschließen" was pressed: the check is recorded where a history is
    /// The samples of the current point ended without a settled reading: "Übernehmen" takes it so.
    bool m_bAwaitingAccept = false;

    QStackedWidget* m_pages;
    QLineEdit* m_points;
    QCheckBox* m_down;
    QLineEdit* m_tolerance;
    QComboBox* m_referenceList;
    QLineEdit* m_referenceName;
    QLineEdit* m_referenceSerial;
    QLineEdit* m_referenceCertificate;
    QLineEdit* m_referenceDue;
    QLineEdit* m_ambient;
    QLineEdit* m_technician;
    QLineEdit* m_interval;

    QLabel* m_phase;
    QTableWidget* m_table;
    QLabel* m_nominal;
    QLineEdit* m_reference;
    QLineEdit* m_current;
    QProgressBar* m_progress;
    QLabel* m_status;

    QPushButton* m_weiter;
    QPushButton* m_messen;
    QPushButton* m_uebernehmen;
    QPushButton* m_justieren;
    QPushButton* m_abschliessen;
    QPushButton* m_zertifikat;
    QPushButton* m_abbrechen;
};
