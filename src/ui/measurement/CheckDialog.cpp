#include "ui/measurement/CheckDialog.h"

#include "measurement/CheckHistory.h"
#include "shell/Edition.h"
#include "ui/edit/FieldBinder.h"
#include "ui/edit/FieldRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using Field = CCheckRules::Field;
using Phase = CCheckRules::Phase;
using Judgement = CCheckArithmetic::Judgement;

enum Column { kPunkt, kSoll, kReferenz, kMesswert, kStrom, kFehler, kStromFehler, kErgebnis, kColumns };

const QColor kPassColor(0xc8, 0xf0, 0xc8);
const QColor kFailColor(0xf5, 0xc0, 0xc0);

QPushButton* Button(QWidget* parent, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QColor VerdictColor(bool bPass) {
    return bPass ? kPassColor : kFailColor;
}

} // namespace

CCheckDialog::CCheckDialog(CCheckRules& rules, const CCheckRules::Values& values, CSettingsRegistry& settings,
                           const CQuillonDoc& doc, Hooks hooks, QWidget* parent)
    : QDialog(parent)
    , m_rules(rules)
    , m_values(values)
    , m_settings(settings)
    , m_doc(doc)
    , m_hooks(std::move(hooks))
    , m_binder(new CFieldBinder(this))
    , m_pages(new QStackedWidget(this)) {
    setWindowTitle(tr("Prüfung"));
    setObjectName(QStringLiteral("pruefung"));
    // One sample per shot, the next one timed from the end of the last: an exchange that waits longer
    // than the interval (repeated requests) must not have the next sample start inside its wait.
    m_timer.setSingleShot(true);
    m_timer.setInterval(CCheckRules::kSampleIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &CCheckDialog::OnTick);

    m_pages->addWidget(BuildSetup());
    m_pages->addWidget(BuildPoints());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(BuildButtons());
    ShowState();
}

QWidget* CCheckDialog::BuildSetup() {
    auto* page = new QWidget(m_pages);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    const CCheckRecord& range = m_rules.Record();
    layout->addWidget(new QLabel(tr("Eingestellter Messbereich: %1 %3 bei 4 mA, %2 %3 bei 20 mA")
                                     .arg(m_rules.Number(range.rangeAt4mA, range.decimals),
                                          m_rules.Number(range.rangeAt20mA, range.decimals), range.unit),
                                 page));

    auto* group = new QGroupBox(tr("Prüfung"), page);
    auto* grid = new QGridLayout(group);
    m_points =
        CFieldRow::AddEdit(grid, 0, tr("&Prüfpunkte:"), tr("% der Spanne"), *m_binder, int(Field::Points))
            .Edit();
    m_points->setMinimumWidth(3 * CFieldRow::kFieldWidth);
    m_points->setText(m_values.points);
    m_down = new QCheckBox(tr("Auch &abwärts prüfen (Hysterese)"), group);
    m_down->setChecked(m_values.down);
    grid->addWidget(m_down, 1, 1, 1, 2);
    m_tolerance =
        CFieldRow::AddEdit(grid, 2, tr("&Toleranz:"), tr("% der Spanne"), *m_binder, int(Field::Tolerance))
            .Edit();
    m_tolerance->setText(m_values.tolerance);
    m_ambient = CFieldRow::AddEdit(grid, 3, tr("&Umgebungstemperatur:"), QStringLiteral("°C"), *m_binder,
                                   int(Field::Ambient))
                    .Edit();
    m_ambient->setText(m_values.ambient);
    m_technician =
        CFieldRow::AddEdit(grid, 4, tr("P&rüfer:"), QString(), *m_binder, int(Field::Technician)).Edit();
    m_technician->setText(m_values.technician);
    m_interval =
        CFieldRow::AddEdit(grid, 5, tr("Prüf&intervall:"), tr("Tage"), *m_binder, int(Field::Interval))
            .Edit();
    m_interval->setText(m_values.interval);
    layout->addWidget(group);
    layout->addWidget(BuildReference(page));
    return page;
}

QWidget* CCheckDialog::BuildReference(QWidget* parent) {
    auto* group = new QGroupBox(tr("Referenzgerät"), parent);
    auto* grid = new QGridLayout(group);
    m_referenceList = new QComboBox(group);
    m_referenceList->setObjectName(QStringLiteral("referenzListe"));
    for (const CReferenceInstrument& reference : std::as_const(m_values.references)) {
        m_referenceList->addItem(QStringLiteral("%1 (%2)").arg(reference.name, reference.serial));
    }
    m_referenceList->addItem(tr("Neues Referenzgerät"));
    CFieldRow::Add(grid, 0, tr("&Gespeichert:"), m_referenceList, QString());
    m_referenceName =
        CFieldRow::AddEdit(grid, 1, tr("&Bezeichnung:"), QString(), *m_binder, int(Field::ReferenceName))
            .Edit();
    m_referenceSerial = new QLineEdit(group);
    CFieldRow::Add(grid, 2, tr("&Seriennummer:"), m_referenceSerial, QString());
    m_referenceCertificate = new QLineEdit(group);
    CFieldRow::Add(grid, 3, tr("&Kalibrierschein:"), m_referenceCertificate, QString());
    m_referenceDue =
        CFieldRow::AddEdit(grid, 4, tr("&Fällig am:"), QString(), *m_binder, int(Field::ReferenceDue)).Edit();
    const auto show = [this] {
        m_referenceName->setText(m_values.referenceName);
        m_referenceSerial->setText(m_values.referenceSerial);
        m_referenceCertificate->setText(m_values.referenceCertificate);
        m_referenceDue->setText(m_values.referenceDue);
    };
    show();
    connect(m_referenceList, &QComboBox::activated, this, [this, show](int index) {
        if (index < m_values.references.size()) {
            m_rules.ChooseReference(m_values, index);
        } else {
            m_values.referenceName.clear();
            m_values.referenceSerial.clear();
            m_values.referenceCertificate.clear();
            m_values.referenceDue.clear();
        }
        show();
        m_referenceName->setFocus();
    });
    return group;
}

QWidget* CCheckDialog::BuildPoints() {
    auto* page = new QWidget(m_pages);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    m_phase = new QLabel(page);
    m_phase->setObjectName(QStringLiteral("phase"));
    QFont bold = m_phase->font();
    bold.setBold(true);
    m_phase->setFont(bold);
    layout->addWidget(m_phase);

    m_table = new QTableWidget(0, kColumns, page);
    m_table->setObjectName(QStringLiteral("punkte"));
    m_table->setAccessibleName(tr("Prüfpunkte"));
    const QString unit = m_rules.Record().unit;
    m_table->setHorizontalHeaderLabels({tr("Punkt %"), tr("Soll %1").arg(unit), tr("Referenz %1").arg(unit),
                                        tr("Messwert %1").arg(unit), tr("Strom mA"), tr("Fehler %"),
                                        tr("Fehler Strom %"), tr("Ergebnis")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Wide enough for every column with "außer Toleranz" and a reading of six digits, so the verdict is
    // never cut off.
    m_table->setMinimumSize(m_table->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 100, 220);
    layout->addWidget(m_table);

    auto* entry = new QGroupBox(tr("Aktueller Prüfpunkt"), page);
    auto* grid = new QGridLayout(entry);
    m_nominal = new QLabel(entry);
    m_nominal->setObjectName(QStringLiteral("soll"));
    grid->addWidget(m_nominal, 0, 0, 1, 3);
    m_reference =
        CFieldRow::AddEdit(grid, 1, tr("&Referenzgerät zeigt:"), unit, *m_binder, int(Field::Reference))
            .Edit();
    m_current = CFieldRow::AddEdit(grid, 2, tr("Ausgangs&strom (wenn gemessen):"), tr("mA"), *m_binder,
                                   int(Field::Current))
                    .Edit();
    m_progress = new QProgressBar(entry);
    m_progress->setObjectName(QStringLiteral("fortschritt"));
    m_progress->setRange(0, CCheckRules::kMaxSamples);
    m_progress->setFormat(tr("%v von %m Messungen"));
    grid->addWidget(m_progress, 3, 0, 1, 3);
    m_status = new QLabel(entry);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    grid->addWidget(m_status, 4, 0, 1, 3);
    layout->addWidget(entry);
    return page;
}

QWidget* CCheckDialog::BuildButtons() {
    auto* row = new QWidget(this);
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    m_weiter = Button(row, tr("&Weiter"), QStringLiteral("weiter"));
    m_messen = Button(row, tr("&Messen"), QStringLiteral("messen"));
    m_uebernehmen = Button(row, tr("Ü&bernehmen"), QStringLiteral("uebernehmen"));
    m_justieren = Button(row, tr("&Justieren..."), QStringLiteral("justieren"));
    m_abschliessen = Button(row, tr("&Abschließen"), QStringLiteral("abschliessen"));
    m_zertifikat = Button(row, tr("&Zertifikat drucken..."), QStringLiteral("zertifikat"));
    m_abbrechen = Button(row, tr("Abbrechen"), QStringLiteral("cancel"));
    connect(m_weiter, &QPushButton::clicked, this, &CCheckDialog::Start);
    connect(m_messen, &QPushButton::clicked, this, &CCheckDialog::Measure);
    connect(m_uebernehmen, &QPushButton::clicked, this, &CCheckDialog::TakeAsItStands);
    connect(m_justieren, &QPushButton::clicked, this, &CCheckDialog::Adjust);
    connect(m_abschliessen, &QPushButton::clicked, this, &CCheckDialog::Finish);
    connect(m_zertifikat, &QPushButton::clicked, this, &CCheckDialog::PrintCertificate);
    connect(m_abbrechen, &QPushButton::clicked, this, &CCheckDialog::reject);
    box->addStretch();
    for (QPushButton* button :
         {m_weiter, m_messen, m_uebernehmen, m_justieren, m_abschliessen, m_zertifikat, m_abbrechen}) {
        box->addWidget(button);
    }
    return row;
}

CCheckRules::Values CCheckDialog::Values() const {
    CCheckRules::Values values = m_values;
    values.points = m_points->text();
    values.down = m_down->isChecked();
    values.tolerance = m_tolerance->text();
    values.referenceName = m_referenceName->text();
    values.referenceSerial = m_referenceSerial->text();
    values.referenceCertificate = m_referenceCertificate->text();
    values.referenceDue = m_referenceDue->text();
    values.ambient = m_ambient->text();
    values.technician = m_technician->text();
    values.interval = m_interval->text();
    return values;
}

void CCheckDialog::Start() {
    const CCheckRules::Values values = Values();
    if (const std::optional<ValidationProblem> problem = m_rules.Validate(values)) {
        if (problem->kind == ValidationProblem::Kind::Error) {
            m_binder->Show(*problem);
            return;
        }
        if (QMessageBox::question(this, CEdition::ProgramName(), problem->text) != QMessageBox::Yes) {
            return;
        }
    }
    m_values = values;
    m_rules.Start(values, m_settings);
    m_pages->setCurrentIndex(1);
    ShowState();
    m_reference->setFocus();
}

void CCheckDialog::Measure() {
    if (const std::optional<ValidationProblem> problem =
            m_rules.EnterReadings(m_reference->text(), m_current->text())) {
        m_binder->Show(*problem);
        return;
    }
    m_rules.StartSampling();
    m_bAwaitingAccept = false;
    m_status->setText(tr("Der Messwert wird gelesen, bis er sich nicht mehr ändert ..."));
    m_bSampling = true;
    m_timer.start();
    ShowState();
}

void CCheckDialog::OnTick() {
    if (!m_bSampling) {
        return;
    }
    const int nRow = m_rules.PointIndex();
    const CCheckRules::Sampling sampling = m_rules.Tick();
    if (!m_bSampling) {
        return; // cancelled while the exchange waited
    }
    m_progress->setValue(m_rules.SampleCount());
    if (sampling == CCheckRules::Sampling::Going) {
        SetRow(nRow, m_rules.Series().points.at(nRow)); // the reading so far, as the pressure settles
        m_timer.start();
        return;
    }
    m_bSampling = false;
    switch (sampling) {
    case CCheckRules::Sampling::Going:
        break;
    case CCheckRules::Sampling::Settled:
        m_status->setText(tr("Punkt %1 übernommen.").arg(nRow + 1));
        m_reference->clear();
        m_current->clear();
        break;
    case CCheckRules::Sampling::Unsettled:
        m_bAwaitingAccept = true;
        m_status->setText(
            tr("Der Messwert hat sich nicht beruhigt. \"Übernehmen\" nimmt den Mittelwert trotzdem, "
               "\"Messen\" misst erneut."));
        break;
    case CCheckRules::Sampling::NoReading:
        m_bAwaitingAccept = true;
        m_status->setText(
            tr("Der Transmitter hat keinen Messwert gesendet. \"Übernehmen\" trägt den Punkt als "
               "\"keine Messung\" ein, \"Messen\" versucht es erneut."));
        break;
    }
    ShowState();
}

void CCheckDialog::TakeAsItStands() {
    m_rules.Accept();
    m_bAwaitingAccept = false;
    m_status->clear();
    m_reference->clear();
    m_current->clear();
    ShowState();
}

void CCheckDialog::Adjust() {
    if (m_hooks.adjust && !m_hooks.adjust()) {
        return;
    }
    m_rules.BeginAsLeft();
    m_status->setText(tr("Nach der Justierung: dieselben Punkte noch einmal."));
    ShowState();
    m_reference->setFocus();
}

void CCheckDialog::Finish() {
    m_nEvent = m_rules.Finish(QDate::currentDate(), m_doc);
    m_bFinished = true;
    const CCheckRecord& record = m_rules.Record();
    QString text = tr("Ergebnis: %1. Nächste Prüfung bis %2.")
                       .arg(CCheckHistory::VerdictText(record.verdict),
                            QLocale().toString(record.nextDue, QLocale::ShortFormat));
    if (m_nEvent == 0) {
        text += QLatin1Char(' ') + tr("Die Prüfung konnte nicht im Verlauf gespeichert werden.");
    }
    m_status->setText(text);
    ShowState();
}

void CCheckDialog::PrintCertificate() {
    if (m_hooks.printCertificate) {
        m_hooks.printCertificate(m_nEvent, m_rules.Record());
    }
}

void CCheckDialog::reject() {
    // Points measured and not yet recorded would be lost by a slip of Escape: as found ones too, once
    // the as-left pass has begun.
    const auto measured = [](const CCheckSeries& series) {
        return std::any_of(series.points.begin(), series.points.end(),
                           [](const CCheckPoint& point) { return point.reference.has_value(); });
    };
    const CCheckRecord& record = m_rules.Record();
    const bool bMeasured = measured(record.asFound) || (record.asLeft && measured(*record.asLeft));
    if (!m_bFinished && m_rules.CurrentPhase() != Phase::Setup && bMeasured &&
        QMessageBox::question(this, CEdition::ProgramName(),
                              tr("Die Prüfung abbrechen? Sie wird nicht gespeichert."),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    m_bSampling = false;
    m_timer.stop();
    QDialog::reject();
}

QString CCheckDialog::PhaseTitle() const {
    const CCheckRecord& record = m_rules.Record();
    switch (m_rules.CurrentPhase()) {
    case Phase::Setup:
        return QString();
    case Phase::AsFound:
        return tr("Wie vorgefunden: Punkt %1 von %2")
            .arg(m_rules.PointIndex() + 1)
            .arg(record.asFound.points.size());
    case Phase::AsLeft:
        return tr("Nach der Justierung: Punkt %1 von %2")
            .arg(m_rules.PointIndex() + 1)
            .arg(record.asFound.points.size());
    case Phase::AsFoundDone:
        return tr("Wie vorgefunden: %1. Justieren oder abschließen.")
            .arg(CCheckHistory::VerdictText(m_rules.Verdict()));
    case Phase::Done:
        return m_bFinished ? tr("Prüfung abgeschlossen: %1").arg(CCheckHistory::VerdictText(record.verdict))
                           : tr("Nach der Justierung: %1. Abschließen speichert die Prüfung.")
                                 .arg(CCheckHistory::VerdictText(m_rules.Verdict()));
    }
    return QString();
}

void CCheckDialog::ShowState() {
    const Phase phase = m_rules.CurrentPhase();
    const bool bSampling = m_bSampling;
    const bool bMeasuring = phase == Phase::AsFound || phase == Phase::AsLeft;
    const bool bRecorded = m_bFinished;
    m_weiter->setVisible(phase == Phase::Setup);
    m_messen->setVisible(bMeasuring);
    m_messen->setEnabled(!bSampling);
    m_uebernehmen->setVisible(bMeasuring);
    m_uebernehmen->setEnabled(m_bAwaitingAccept && !bSampling);
    m_justieren->setVisible(phase == Phase::AsFoundDone);
    m_abschliessen->setVisible((phase == Phase::AsFoundDone || phase == Phase::Done) && !bRecorded);
    m_zertifikat->setVisible(bRecorded);
    m_zertifikat->setEnabled(m_nEvent != 0 && m_hooks.printCertificate != nullptr);
    m_abbrechen->setText(bRecorded ? tr("Schließen") : tr("Abbrechen"));
    (bMeasuring && !bSampling ? m_messen
     : phase == Phase::Setup  ? m_weiter
                              : m_abschliessen)
        ->setDefault(true);
    if (phase == Phase::Setup) {
        return;
    }
    m_phase->setText(PhaseTitle());
    m_reference->setEnabled(bMeasuring && !bSampling);
    m_current->setEnabled(bMeasuring && !bSampling);
    if (!bSampling && !m_bAwaitingAccept) {
        m_progress->setValue(0);
    }
    if (bMeasuring) {
        const CCheckPoint& point = m_rules.Point();
        m_nominal->setText(
            tr("Bitte %1 %2 anlegen (%3 % des Messbereichs) und den Wert des Referenzgeräts eingeben.")
                .arg(m_rules.Number(point.nominal, m_rules.Record().decimals), m_rules.Record().unit,
                     QLocale().toString(point.percent)));
    } else {
        m_nominal->clear();
    }
    FillTable();
}

void CCheckDialog::FillTable() {
    const CCheckSeries& series = m_rules.Series();
    m_table->setRowCount(static_cast<int>(series.points.size()));
    for (int nRow = 0; nRow < series.points.size(); ++nRow) {
        SetRow(nRow, series.points.at(nRow));
    }
    const Phase phase = m_rules.CurrentPhase();
    if (phase == Phase::AsFound || phase == Phase::AsLeft) {
        m_table->selectRow(m_rules.PointIndex());
    } else {
        m_table->clearSelection();
    }
}

void CCheckDialog::SetRow(int nRow, const CCheckPoint& taken) {
    const CCheckRecord& range = m_rules.Record();
    // The point being measured shows what it would read if taken now; until it is taken it has no
    // verdict, and a reading still on its way is no "keine Messung".
    const bool bLive = (m_bSampling || m_bAwaitingAccept) && nRow == m_rules.PointIndex();
    CCheckPoint point = taken;
    if (bLive) {
        point.reading = m_rules.RunningMean();
    }
    const int nDecimals = range.decimals;
    const auto number = [&](const std::optional<double>& value, int decimals) {
        return value ? m_rules.Number(*value, decimals) : QString();
    };
    const bool bPending = bLive && (m_bSampling || point.reading);
    const Judgement judgement = bPending ? Judgement::Open : CCheckArithmetic::Judge(range, point);
    QString verdict;
    switch (judgement) {
    case Judgement::Open:
        if (bPending) {
            verdict = m_bSampling ? tr("misst ...") : tr("nicht beruhigt");
        }
        break;
    case Judgement::NoReading:
        verdict = tr("keine Messung");
        break;
    case Judgement::Pass:
        verdict = point.acceptedUnsettled ? tr("in Toleranz (unruhig)") : tr("in Toleranz");
        break;
    case Judgement::Fail:
        verdict = tr("außer Toleranz");
        break;
    }
    const QStringList texts = {
        QLocale().toString(point.percent),
        m_rules.Number(point.nominal, nDecimals),
        number(point.reference, nDecimals),
        judgement == Judgement::NoReading ? tr("keine Messung") : number(point.reading, nDecimals + 1),
        number(point.currentMa, 3),
        m_rules.ErrorText(CCheckArithmetic::ReadingError(range, point)),
        m_rules.ErrorText(CCheckArithmetic::CurrentError(range, point)),
        verdict,
    };
    for (int nColumn = 0; nColumn < kColumns; ++nColumn) {
        auto* item = new QTableWidgetItem(texts.at(nColumn));
        item->setTextAlignment(nColumn == kErgebnis ? Qt::AlignLeft | Qt::AlignVCenter
                                                    : Qt::AlignRight | Qt::AlignVCenter);
        if (nColumn == kErgebnis && (judgement == Judgement::Pass || judgement == Judgement::Fail ||
                                     judgement == Judgement::NoReading)) {
            item->setBackground(VerdictColor(judgement == Judgement::Pass));
            item->setForeground(Qt::black); // readable on the light colours in a dark theme too
        }
        m_table->setItem(nRow, nColumn, item);
    }
}
