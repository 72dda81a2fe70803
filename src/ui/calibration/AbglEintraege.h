#pragma once

#include "calibration/AbgleichRecordRules.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QGridLayout;
class QLineEdit;

/// The table of a calibration record dialog: one row per field with its label, an edit per entry and a
/// note; consecutive fields with the same label (the start and end of a range) share one row. Shared by
/// "RX31 Abgleichdaten" and "VN62 Abgleichdaten"; each edit is named after its field and entry
/// ("m_nAdc.2") so that tests find it, and is wide enough for every value its field can hold. Rows of a
/// group stand in a titled frame, and a message names their entries with the group ("P1 TK-Offset").
class CAbglEintraege : public QWidget {
    Q_OBJECT

public:
    /// A row's label and note for a field.
    struct Beschriftung {
        const char* field;
        QString label;
        QString note;
        /// Text behind each entry's edit (the terms of a polynomial), if any.
        QStringList suffixes = {};
        /// The titled group the row stands in; consecutive rows of one group share its frame.
        QString group = {};
    };

    CAbglEintraege(const QList<CAbgleichRecordRules::Entry>& entries, const QList<Beschriftung>& rows,
                   QWidget* parent = nullptr);

    /// The entries with the texts as edited.
    QList<CAbgleichRecordRules::Entry> Entries() const;
    void FocusEntry(int nEntry);
    /// The label of an entry's row without its closing colon, for naming the entry in a message.
    QString Label(int nEntry) const;

private:
    QWidget* Cell(const CAbgleichRecordRules::Entry& entry, const QString& suffix);
    /// A new grid for the rows from here on: framed and titled for a group, plain otherwise.
    QGridLayout* Section(const QString& group);
    /// Names each edit for a screen reader by its row's label, and by its place when the row has several.
    void NameEdits();

    QList<CAbgleichRecordRules::Entry> m_entries;
    QList<QLineEdit*> m_edits;
    QStringList m_labels;
};
