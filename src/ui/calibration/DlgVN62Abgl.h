#pragma once

#include "calibration/AbgleichRecordRules.h"

#include <QDialog>

class CAbglEintraege;

/// "VN62 Abgleichdaten": the calibration record of the two-input, two-output VN62 as edits. "OK"
/// writes every value back into the record it was given (integers keep their low 16 bits); nothing is
/// sent to the transmitter.
class CDlgVN62Abgl : public QDialog {
    Q_OBJECT

public:
    explicit CDlgVN62Abgl(CAbgleichdaten& record, QWidget* parent = nullptr);
    void accept() override;

private:
    CAbgleichdaten& m_record;
    CAbglEintraege* m_table;
};
