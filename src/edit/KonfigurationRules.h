#pragma once

#include "core/ValidationProblem.h"
#include "edit/KonfigurationValues.h"

#include <QCoreApplication>
#include <QLocale>
#include <optional>

/// The logic of the dialog "Konfiguration" (types 2 to 10): the limits of the zero window and key lock
/// by type (those of the corrections are CCorrectionLimits'), which rows it shows, and "Rücksetzen".
class CKonfigurationRules {
    Q_DECLARE_TR_FUNCTIONS(CKonfigurationRules)

public:
    /// The values of the four fields once the check passed.
    struct Zahlen {
        float fOffset = 0.0f;
        float fSpanne = 0.0f;
        float fNullpunkt = 0.0f;
        int nTastensperre = 0;
    };

    explicit CKonfigurationRules(QLocale locale);

    static int TastensperreGrenze(int nTyp);
    static bool TemperaturSichtbar(int nTyp);
    static bool TastensperreSichtbar(int nTyp);
    /// The KA71 keeps a password where the others keep a key lock time, without "Min.".
    static bool IstPasswort(int nTyp);
    static QString TastensperreLabel(int nTyp);

    QString Text(double value) const;
    std::optional<ValidationProblem> Validate(const CKonfigurationValues& werte) const;
    /// The numbers of the fields after a successful Validate; the zero window is truncated to digits.
    Zahlen GetZahlen(const CKonfigurationValues& werte) const;
    void Reset(CKonfigurationValues& werte) const;

private:
    QLocale m_locale;
};
