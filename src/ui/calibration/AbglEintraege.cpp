#include "ui/calibration/AbglEintraege.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstring>

namespace {

constexpr int kFirstEditColumn = 1;
constexpr int kNoteColumn = 6;
/// "-32768" and "65535"; a float such as "-1.23457e-05".
constexpr int kIntegerChars = 6;
constexpr int kFloatChars = 11;

const CAbglEintraege::Beschriftung* RowOf(const QList<CAbglEintraege::Beschriftung>& rows,
                                          const char* field) {
    for (const CAbglEintraege::Beschriftung& row : rows) {
        if (std::strcmp(row.field, field) == 0) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

CAbglEintraege::CAbglEintraege(const QList<CAbgleichRecordRules::Entry>& entries,
                               const QList<Beschriftung>& rows, QWidget* parent)
    : QWidget(parent)
    , m_entries(entries) {
    new QVBoxLayout(this);
    QGridLayout* grid = nullptr;
    int nRow = -1;
    int nColumn = kFirstEditColumn;
    const char* current = nullptr;
    const Beschriftung* row = nullptr;
    // A row's note stands right behind its last edit, so that a short row does not widen the table.
    const auto placeNote = [&] {
        if (row != nullptr && !row->note.isEmpty()) {
            grid->addWidget(new QLabel(row->note, this), nRow, nColumn, 1, kNoteColumn - nColumn + 1);
        }
    };
    for (const CAbgleichRecordRules::Entry& entry : entries) {
        if (current == nullptr || std::strcmp(current, entry.field) != 0) {
            const Beschriftung* next = RowOf(rows, entry.field);
            const bool bSameRow = row != nullptr && next != nullptr && !next->label.isEmpty() &&
                                  next->label == row->label && next->group == row->group;
            const QString group = next != nullptr ? next->group : QString();
            if (!bSameRow) {
                placeNote();
                if (grid == nullptr || group != (row != nullptr ? row->group : QString())) {
                    grid = Section(group);
                    nRow = -1;
                }
                ++nRow;
                nColumn = kFirstEditColumn;
                if (next != nullptr) {
                    grid->addWidget(new QLabel(next->label, this), nRow, 0);
                }
            }
            current = entry.field;
            row = next;
        }
        const QString suffix =
            row != nullptr && entry.index < row->suffixes.size() ? row->suffixes.at(entry.index) : QString();
        grid->addWidget(Cell(entry, suffix), nRow, nColumn++);
        m_labels.append(row == nullptr         ? QString()
                        : row->group.isEmpty() ? row->label
                                               : QStringLiteral("%1 %2").arg(row->group, row->label));
    }
    placeNote();
    NameEdits();
}

void CAbglEintraege::NameEdits() {
    // The entries of one row stand together and share its label.
    for (int nFirst = 0; nFirst < m_edits.size();) {
        int nEnd = nFirst + 1;
        while (nEnd < m_edits.size() && m_labels.at(nEnd) == m_labels.at(nFirst)) {
            ++nEnd;
        }
        for (int i = nFirst; i < nEnd; ++i) {
            const QString label =
                m_labels.at(i).isEmpty() ? QString::fromLatin1(m_entries.at(i).field) : Label(i);
            m_edits.at(i)->setAccessibleName(
                nEnd - nFirst > 1 ? QStringLiteral("%1 %2").arg(label).arg(i - nFirst + 1) : label);
        }
        nFirst = nEnd;
    }
}

QGridLayout* CAbglEintraege::Section(const QString& group) {
    QWidget* section = group.isEmpty() ? new QWidget(this) : new QGroupBox(group, this);
    auto* grid = new QGridLayout(section);
    if (group.isEmpty()) {
        grid->setContentsMargins(0, 0, 0, 0);
    }
    grid->setColumnStretch(kNoteColumn, 1);
    layout()->addWidget(section);
    return grid;
}

QWidget* CAbglEintraege::Cell(const CAbgleichRecordRules::Entry& entry, const QString& suffix) {
    auto* edit = new QLineEdit(entry.text, this);
    edit->setObjectName(QStringLiteral("%1.%2").arg(QLatin1String(entry.field)).arg(entry.index));
    edit->setEnabled(entry.bEnabled);
    const bool bFloat = std::strncmp(entry.field, "m_f", 3) == 0;
    const int nChars = bFloat ? kFloatChars : kIntegerChars;
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * nChars + 12);
    m_edits.append(edit);
    if (suffix.isEmpty()) {
        return edit;
    }
    auto* cell = new QWidget(this);
    auto* layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    layout->addWidget(new QLabel(suffix, cell));
    layout->addStretch();
    return cell;
}

QString CAbglEintraege::Label(int nEntry) const {
    QString label = m_labels.value(nEntry).trimmed();
    if (label.endsWith(QLatin1Char(':'))) {
        label.chop(1);
    }
    return label;
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
