#pragma once

#include "calibration/AbglWizardNavigation.h"
#include "core/ValidationProblem.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

class CQuillonDoc;

/// The wizard's options page ("Zusätzliche Optionen"): characteristic, damping, zero window, output
/// limits, serial number and the factory offset and span correction.
class CAbglOptionenRules {
    Q_DECLARE_TR_FUNCTIONS(CAbglOptionenRules)

public:
    enum class Field { Daempfung, Nullpunktsfenster, AusgMin, AusgMax, Fehler, Offset, Spanne, Serie };

    struct Values {
        bool bFallend = false;
        double daempfung = 0;
        double nullpunktsfenster = 0;
        double ausgMin = 0;
        double ausgMax = 0;
        double fehler = 0;
        std::array<QString, 3> serie;
        double offset = 0;
        double spanne = 0;
        double messwert = 0;
    };

    /// The page when it opens: output limits by the output kind, the serial parts of the document, then
    /// Reload.
    static Values Load(const CQuillonDoc& doc, const CAbglWizardNavigation& nav);
    /// Every activation: factory offset and span, characteristic, damping, measured value and zero window;
    /// after reading from the transmitter also its limits and serial number.
    static void Reload(const CQuillonDoc& doc, const CAbglWizardNavigation& nav, Values& werte);
    /// The span of the range in its unit: the limit of the offset correction.
    static double Spanne(const CAbgleichdaten& record);
    static std::optional<ValidationProblem> Validate(const Values& werte, const CAbgleichdaten& record);
    /// Stores the page (after Validate) into document and record.
    static void Apply(const Values& werte, CQuillonDoc& doc);
};
