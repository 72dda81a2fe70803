#pragma once

#include "ui/calibration/AbglEintraege.h"

#include <QDialog>

/// A calibration record dialog: the record's table of entries with "OK" and "Abbrechen". "OK" checks
/// every entry and writes them all back into the record it was given, or names the first refused entry
/// (no number, or beyond its field's width) and stays open; nothing is sent to the transmitter.
class CDlgAbgleichdaten : public QDialog {
    Q_OBJECT

public:
    void accept() override;

protected:
    CDlgAbgleichdaten(CAbgleichdaten& record, const QString& title, const QString& name,
                      QWidget* parent = nullptr);
    /// Builds the table and the buttons; called once by the dialog of each family.
    void Build(const QList<CAbgleichRecordRules::Entry>& entries,
               const QList<CAbglEintraege::Beschriftung>& rows);

private:
    CAbgleichdaten& m_record;
    CAbglEintraege* m_table = nullptr;
};
