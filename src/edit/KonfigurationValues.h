#pragma once

#include <QString>

/// What the dialog "Konfiguration" shows and the user edits; number fields as typed.
struct CKonfigurationValues {
    enum Field { kOffset, kSpanne, kNullpunkt, kTastensperre };

    int nTyp = 2;
    /// |base end - base start| in the transmitter's unit; the offset limits follow it.
    float fSpanne = 1.0f;
    QString strMesswert;
    QString strTemperatur;
    QString strEinheit;

    QString strOffset;
    QString strSpanne;
    QString strNullpunkt;
    QString strTastensperre;
};
