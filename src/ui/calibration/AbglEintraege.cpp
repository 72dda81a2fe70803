#include "ui/calibration/AbglEintraege.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <cstring>

namespace {

constexpr int kFirstEditColumn = 1;
constexpr int kNoteColumn = 6;

} // namespace

CAbglEintraege::CAbglEintraege(const QList<CAbgleichRecordRules::Entry>& entries,
                               const QList<Beschriftung>& rows, QWidget* parent)
    : QWidget(parent)
    , m_entries(entries) {
    auto* grid = new QGridLayout(this);
    int nRow = -1;
    const char* current = nullptr;
    for (const CAbgleichRecordRules::Entry& entry : entries) {
        if (current == nullptr || std::strcmp(current, entry.field) != 0) {
            current = entry.field;
            ++nRow;
            for (const Beschriftung& row : rows) {
                if (std::strcmp(row.field, entry.field) == 0) {
                    grid->addWidget(new QLabel(row.label, this), nRow, 0);
                    grid->addWidget(new QLabel(row.note, this), nRow, kNoteColumn);
                }
            }
        }
        auto* edit = new QLineEdit(entry.text, this);
        edit->setObjectName(QStringLiteral("%1.%2").arg(QLatin1String(entry.field)).arg(entry.index));
        edit->setEnabled(entry.bEnabled);
        grid->addWidget(edit, nRow, kFirstEditColumn + entry.index);
        m_edits.append(edit);
    }
}

QList<CAbgleichRecordRules::Entry> CAbglEintraege::Entries() const {
    QList<CAbgleichRecordRules::Entry> entries = m_entries;
    for (int i = 0; i < entries.size(); ++i) {
        entries[i].text = m_edits.at(i)->text();
    }
    return entries;
}

void CAbglEintraege::FocusEntry(int nEntry) {
    if (nEntry >= 0 && nEntry < m_edits.size()) {
        m_edits.at(nEntry)->setFocus();
        m_edits.at(nEntry)->selectAll();
    }
}
