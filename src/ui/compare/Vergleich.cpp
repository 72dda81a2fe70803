#include "ui/compare/Vergleich.h"

#include "document/QuillonDoc.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor kVerschieden(255, 214, 214);

} // namespace

CVergleich::CVergleich(CQuillonDoc& doc, const CQuillonDoc& geraet, QWidget* parent)
    : QDialog(parent)
    , m_doc(doc)
    , m_geraet(geraet)
    , m_vorher(std::make_unique<CQuillonDoc>(doc.Operator(), doc.GetProgrammVerzeichnis()))
    , m_pTable(new QTableWidget(this))
    , m_pTakeTransmitter(new QPushButton(tr("Wert des Transmitters übernehmen"), this))
    , m_pTakeDokument(new QPushButton(tr("Wert des Dokuments zurücksetzen"), this)) {
    setWindowTitle(tr("Vergleichen"));
    m_vorher->SetParameterSatz(doc.GetParameterSatz());
    m_pTable->setObjectName(QStringLiteral("vergleich"));
    m_pTable->setAccessibleName(windowTitle()); // the table has no label but the window's title
    m_pTable->setColumnCount(kSpalten);
    m_pTable->setHorizontalHeaderLabels({tr("Feld"), tr("Dokument"), tr("Transmitter")});
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setSectionResizeMode(kFeld, QHeaderView::Stretch);
    m_pTakeTransmitter->setObjectName(QStringLiteral("takeTransmitter"));
    m_pTakeDokument->setObjectName(QStringLiteral("takeDokument"));
    auto* close = new QPushButton(tr("Schließen"), this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pTakeTransmitter, &QPushButton::clicked, this,
            [this] { TakeTransmitter(m_pTable->currentRow()); });
    connect(m_pTakeDokument, &QPushButton::clicked, this, [this] { TakeDokument(m_pTable->currentRow()); });
    connect(m_pTable, &QTableWidget::currentCellChanged, this, [this] { UpdateButtons(); });

    auto* hint = new QLabel(tr("Rot markierte Zeilen unterscheiden sich."), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pTakeTransmitter);
    buttons->addWidget(m_pTakeDokument);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_pTable);
    layout->addLayout(buttons);
    resize(620, 560);
    Fill();
}

CVergleich::~CVergleich() = default;

void CVergleich::Fill() {
    const int nCurrent = m_pTable->currentRow();
    m_ergebnis = CParameterVergleich::Vergleiche(m_doc, m_geraet, QLocale());
    m_pTable->setRowCount(static_cast<int>(m_ergebnis.zeilen.size()));
    for (int row = 0; row < m_ergebnis.zeilen.size(); ++row) {
        const CParameterVergleich::Zeile& zeile = m_ergebnis.zeilen.at(row);
        const QStringList texts = {zeile.label, zeile.links, zeile.rechts};
        for (int column = 0; column < kSpalten; ++column) {
            auto* item = new QTableWidgetItem(texts.at(column));
            if (zeile.bVerschieden) {
                item->setBackground(kVerschieden);
            }
            if (column != kFeld) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_pTable->setItem(row, column, item);
        }
    }
    m_pTable->resizeColumnToContents(kDokument);
    m_pTable->resizeColumnToContents(kTransmitter);
    if (nCurrent >= 0 && nCurrent < m_pTable->rowCount()) {
        m_pTable->setCurrentCell(nCurrent, 0);
    }
    UpdateButtons();
}

void CVergleich::UpdateButtons() {
    const int row = m_pTable->currentRow();
    const bool bRow = row >= 0 && row < m_ergebnis.zeilen.size();
    m_pTakeTransmitter->setEnabled(bRow && m_ergebnis.zeilen.at(row).bVerschieden);
    m_pTakeDokument->setEnabled(bRow);
}

QString CVergleich::Feld(int nRow) const {
    return nRow >= 0 && nRow < m_ergebnis.zeilen.size() ? m_ergebnis.zeilen.at(nRow).feld : QString();
}

void CVergleich::TakeTransmitter(int nRow) {
    if (CParameterVergleich::Uebernehmen(Feld(nRow), m_geraet, m_doc)) {
        Fill();
    }
}

void CVergleich::TakeDokument(int nRow) {
    if (CParameterVergleich::Uebernehmen(Feld(nRow), *m_vorher, m_doc)) {
        Fill();
    }
}

void CVergleich::ShowOnly(const QString& leftTitle, const QString& rightTitle) {
    m_pTable->setHorizontalHeaderLabels({tr("Feld"), leftTitle, rightTitle});
    m_pTakeTransmitter->hide();
    m_pTakeDokument->hide();
}
