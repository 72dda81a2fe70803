#pragma once

#include "calibration/AbgleichRecordRules.h"

#include <QList>
#include <QWidget>

class QLineEdit;

/// The table of a calibration record dialog: one row per field with its label, an edit per entry and a
/// note. Shared by "RX31 Abgleichdaten" and "VN62 Abgleichdaten"; each edit is named after its field
/// and entry ("m_nAdc.2") so that tests find it.
class CAbglEintraege : public QWidget {
    Q_OBJECT

public:
    /// A row's label and note for a field.
    struct Beschriftung {
        const char* field;
        QString label;
        QString note;
    };

    CAbglEintraege(const QList<CAbgleichRecordRules::Entry>& entries, const QList<Beschriftung>& rows,
                   QWidget* parent = nullptr);

    /// The entries with the texts as edited.
    QList<CAbgleichRecordRules::Entry> Entries() const;
    void FocusEntry(int nEntry);

private:
    QList<CAbgleichRecordRules::Entry> m_entries;
    QList<QLineEdit*> m_edits;
};
