#pragma once

#include "core/ValidationProblem.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <optional>

class CQuillonDoc;

/// The dialog "Messwerte": the live values just read and the logging settings. Only "OK" stores the
/// settings; the interval must be a whole number of seconds from 2 to 120.
class CLoggenRules {
    Q_DECLARE_TR_FUNCTIONS(CLoggenRules)

public:
    static constexpr int kIntervallMin = 2;
    static constexpr int kIntervallMax = 120;

    struct Values {
        QString messwert;
        QString einheit;
        QString temperatur;
        QString p1;
        QString p2;
        bool bTemperatur = false; ///< the temperature row is shown
        bool bDruecke = false;    ///< the rows P1 and P2 are shown
        QString intervall;        ///< as typed
        bool bLoggen = false;
        QString logFile;
    };
    enum class Field { Intervall };

    static Values Load(const CQuillonDoc& doc, const QLocale& locale);
    static std::optional<ValidationProblem> Validate(const Values& values);
    /// Stores interval, log status and log file; only for values that passed Validate.
    static void Apply(const Values& values, CQuillonDoc& doc);
    /// The default extension and filter of the log file chooser.
    static QString LogFileFilter();
    static QString LogFileSuffix();
};
