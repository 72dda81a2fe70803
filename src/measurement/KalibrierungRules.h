#pragma once

#include "core/ValidationProblem.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <optional>

class CQuillonDoc;

/// The dialog "Kalibrierung": a fresh measured value beside the offset correction (in the unit of the
/// measured value) and the span correction (in % of full scale). The limits follow the base range's
/// span and the type, as in "Konfiguration" (CCorrectionLimits); the document changes only by Apply ("OK" or
/// "Übertragen").
class CKalibrierungRules {
    Q_DECLARE_TR_FUNCTIONS(CKalibrierungRules)

public:
    struct Values {
        QString messdruck;
        QString einheit;
        QString temperatur;
        bool bTemperatur = false;
        QString offset; ///< as typed, in the locale's form
        QString spanne; ///< as typed, in the locale's form
        double span = 1.0;
        int nTyp = 0;
        int offsetDecimals = 0;
    };
    enum class Field { Offset, Spanne };

    explicit CKalibrierungRules(QLocale locale = QLocale());

    Values Load(const CQuillonDoc& doc) const;
    std::optional<ValidationProblem> Validate(const Values& values) const;
    /// Offset and span correction into the document; only for values that passed Validate.
    void Apply(const Values& values, CQuillonDoc& doc) const;
    /// "Rücksetzen": both corrections 0 in the dialog only.
    void Reset(Values& values) const;

private:
    QString Offset(double value, int decimals) const;
    QString Spanne(double value) const;

    QLocale m_locale;
};
