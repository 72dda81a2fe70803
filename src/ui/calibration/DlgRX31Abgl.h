#pragma once

#include "calibration/AbgleichRecordRules.h"

#include <QDialog>

class CAbglEintraege;

/// "RX31 Abgleichdaten": every field of the calibration record of the RX31 family as an edit; in the
/// KA71 form without factory offset, span and calibration range. "OK" writes every value back into the
/// record it was given (integers keep their low 16 bits); nothing is sent to the transmitter.
class CDlgRX31Abgl : public QDialog {
    Q_OBJECT

public:
    CDlgRX31Abgl(CAbgleichdaten& record, CAbgleichRecordRules::Form form, bool bErweitert,
                 QWidget* parent = nullptr);
    void accept() override;

private:
    CAbgleichdaten& m_record;
    CAbglEintraege* m_table;
};
