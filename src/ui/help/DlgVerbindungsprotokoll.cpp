#include "ui/help/DlgVerbindungsprotokoll.h"

#include "access/AboutRules.h"
#include "core/Operator.h"
#include "link/LinkTrace.h"
#include "shell/FileChooser.h"
#include "shell/LoggingSwitches.h"
#include "transmitter/TraceFormat.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

CDlgVerbindungsprotokoll::CDlgVerbindungsprotokoll(CLinkTrace& trace, CLoggingSwitches& switches,
                                                   IFileChooser& chooser, IOperator& op, QWidget* parent)
    : QDialog(parent)
    , m_trace(trace)
    , m_switches(switches)
    , m_chooser(chooser)
    , m_operator(op)
    , m_table(new QTableWidget(0, CTraceFormat::kColumnCount, this))
    , m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("DlgVerbindungsprotokoll"));
    setWindowTitle(tr("Verbindungsprotokoll"));
    m_table->setObjectName(QStringLiteral("traceTable"));
    m_table->setAccessibleName(windowTitle()); // the table has no label but the window's title
    m_table->setHorizontalHeaderLabels(CTraceFormat::Headers());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(tr("Speichern..."), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("saveButton"));
    QPushButton* close = buttons->addButton(tr("Schließen"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(save, &QPushButton::clicked, this, [this] { Save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(MakeSwitches());
    layout->addWidget(buttons);
    resize(980, 520);

    m_timer->setInterval(kRefreshMs);
    connect(m_timer, &QTimer::timeout, this, &CDlgVerbindungsprotokoll::Refresh);
}

CDlgVerbindungsprotokoll::~CDlgVerbindungsprotokoll() = default;

QWidget* CDlgVerbindungsprotokoll::MakeSwitches() {
    auto* group = new QGroupBox(tr("Protokollkategorien (ausführliche Meldungen)"), this);
    auto* layout = new QHBoxLayout(group);
    for (const QString& category : CLoggingSwitches::Categories()) {
        auto* box = new QCheckBox(
            QStringLiteral("%1 (%2)").arg(category, CLoggingSwitches::Description(category)), group);
        box->setObjectName(category);
        box->setChecked(m_switches.IsOn(category));
        connect(box, &QCheckBox::toggled, this,
                [this, category](bool bOn) { m_switches.Set(category, bOn); });
        layout->addWidget(box);
    }
    layout->addStretch(1);
    return group;
}

void CDlgVerbindungsprotokoll::Refresh() {
    const QList<CLinkTrace::Entry> entries = m_trace.EntriesAfter(m_nShownSequence);
    if (entries.isEmpty()) {
        return;
    }
    QScrollBar* scroll = m_table->verticalScrollBar();
    const bool bAtEnd = scroll->value() == scroll->maximum();
    m_table->setUpdatesEnabled(false);
    // The table holds what the ring holds: the oldest rows go as the ring drops them.
    const int nExcess = std::min(m_table->rowCount(),
                                 m_table->rowCount() + static_cast<int>(entries.size()) - m_trace.Capacity());
    if (nExcess > 0) {
        m_table->model()->removeRows(0, nExcess);
    }
    const bool bFirstFill = m_table->rowCount() == 0;
    int row = m_table->rowCount();
    m_table->setRowCount(row + static_cast<int>(entries.size()));
    for (const CLinkTrace::Entry& entry : entries) {
        const QStringList cells = CTraceFormat::Row(entry);
        for (int column = 0; column < cells.size(); ++column) {
            m_table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
        }
        ++row;
    }
    m_nShownSequence = entries.last().nSequence;
    if (bFirstFill) {
        m_table->resizeColumnsToContents(); // once: later rows keep the columns where the person left them
    }
    m_table->setUpdatesEnabled(true);
    if (bAtEnd) {
        m_table->scrollToBottom(); // follow the line unless the person scrolled back to read
    }
}

bool CDlgVerbindungsprotokoll::Save() {
    const QString path = m_chooser.ChooseSave(tr("Textdateien (*.txt);;Alle Dateien (*)"),
                                              QStringLiteral("Verbindungsprotokoll.txt"));
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!CTraceFormat::Save(path, m_trace.Entries(), CAboutRules::ProgramVersion(), error)) {
        m_operator.Message(tr("Das Verbindungsprotokoll kann nicht gespeichert werden: %1").arg(error),
                           QString(), IOperator::Icon::Error);
        return false;
    }
    return true;
}

void CDlgVerbindungsprotokoll::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
    m_timer->start();
}

void CDlgVerbindungsprotokoll::hideEvent(QHideEvent* event) {
    m_timer->stop();
    QDialog::hideEvent(event);
}
