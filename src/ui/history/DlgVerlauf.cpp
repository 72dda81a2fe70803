#include "ui/history/DlgVerlauf.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWidthRows = 200;

QTableWidget* MakeTable(const QStringList& headers, const QString& objectName, const QString& accessibleName,
                        QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(objectName);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    // Column widths from the first rows (the newest events, shown first) and the rows in view: measuring
    // every one of a long-serving transmitter's 10 000 events cost more than reading them.
    table->horizontalHeader()->setResizeContentsPrecision(kWidthRows);
    return table;
}

void Fill(QTableWidget* table, const QList<QStringList>& rows) {
    table->setUpdatesEnabled(false); // one repaint when the rows are in, not one per row
    table->setRowCount(0);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c) {
            table->setItem(r, c, new QTableWidgetItem(rows.at(r).at(c)));
        }
    }
    // The last column (the message) keeps filling the rest of the width: sizing it to its contents too
    // left an empty area beside a narrow column.
    for (int c = 0; c + 1 < table->columnCount(); ++c) {
        table->resizeColumnToContents(c);
    }
    table->setUpdatesEnabled(true);
}

} // namespace

CDlgVerlauf::CDlgVerlauf(const CHistoryStore& store, QWidget* parent)
    : QDialog(parent)
    , m_browser(store)
    , m_filter(new QLineEdit(this))
    , m_transmitterTable(MakeTable(CHistoryBrowser::TransmitterHeaders(), QStringLiteral("transmitters"),
                                   tr("Transmitter"), this))
    , m_eventTable(
          MakeTable(CHistoryBrowser::EventHeaders(), QStringLiteral("events"), tr("Ereignisse"), this)) {
    setWindowTitle(tr("Verlauf"));
    setObjectName(QStringLiteral("Verlauf"));
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setAccessibleName(tr("Suchen"));
    m_filter->setPlaceholderText(tr("Seriennummer oder Bezeichnung"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_open = buttons->addButton(tr("Als Dokument öffnen"), QDialogButtonBox::ActionRole);
    m_open->setObjectName(QStringLiteral("open"));
    m_compare = buttons->addButton(tr("Vergleichen"), QDialogButtonBox::ActionRole);
    m_compare->setObjectName(QStringLiteral("compare"));
    m_print = buttons->addButton(tr("Drucken..."), QDialogButtonBox::ActionRole);
    m_print->setObjectName(QStringLiteral("print"));
    m_sendAgain = buttons->addButton(tr("Erneut senden"), QDialogButtonBox::ActionRole);
    m_sendAgain->setObjectName(QStringLiteral("sendAgain"));
    // Two events are chosen together for "Vergleichen".
    m_eventTable->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Suchen:"), this));
    layout->addWidget(m_filter);
    layout->addWidget(m_transmitterTable, 1);
    layout->addWidget(m_eventTable, 2);
    layout->addWidget(buttons);
    resize(760, 560);

    connect(m_filter, &QLineEdit::textChanged, this, [this] { FillTransmitters(); });
    connect(m_transmitterTable, &QTableWidget::itemSelectionChanged, this, [this] { FillEvents(); });
    connect(m_eventTable, &QTableWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    connect(m_open, &QPushButton::clicked, this, [this] { Finish(Action::Open); });
    connect(m_compare, &QPushButton::clicked, this, [this] { Finish(Action::Compare); });
    connect(m_print, &QPushButton::clicked, this, [this] { Finish(Action::Print); });
    connect(m_sendAgain, &QPushButton::clicked, this, [this] { Finish(Action::SendAgain); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FillTransmitters();
}

void CDlgVerlauf::FillTransmitters() {
    m_transmitters = m_browser.Transmitters(m_filter->text());
    QList<QStringList> rows;
    for (const CHistoryTransmitter& transmitter : std::as_const(m_transmitters)) {
        rows << CHistoryBrowser::TransmitterRow(transmitter, locale());
    }
    Fill(m_transmitterTable, rows);
    FillEvents();
}

void CDlgVerlauf::FillEvents() {
    const int row = m_transmitterTable->currentRow();
    QList<QStringList> rows;
    if (row >= 0 && row < m_transmitters.size()) {
        for (const CHistoryRecord& record : m_browser.Events(m_transmitters.at(row).seriennummer)) {
            rows << CHistoryBrowser::EventRow(record, locale());
        }
    }
    Fill(m_eventTable, rows);
    UpdateButtons();
}

void CDlgVerlauf::UpdateButtons() {
    QList<qint64> ids;
    const QModelIndexList rows = m_eventTable->selectionModel()->selectedRows();
    for (const QModelIndex& index : rows) {
        ids << m_eventTable->item(index.row(), 0)->text().toLongLong();
    }
    // No action takes more than two events: a long selection is not read with its sets.
    m_chosen = ids.size() <= 2 ? m_browser.WithSets(ids) : QList<CHistoryRecord>();
    m_open->setEnabled(ids.size() == 1);
    const bool bPair = CHistoryBrowser::ComparedPair(m_chosen).has_value();
    m_compare->setEnabled(bPair);
    m_print->setEnabled(bPair);
    m_sendAgain->setEnabled(CHistoryBrowser::CanSendAgain(m_chosen));
}

void CDlgVerlauf::Finish(Action action) {
    if (m_chosen.isEmpty()) {
        return;
    }
    m_action = action;
    m_nChosen = m_chosen.constFirst().id;
    accept();
}
