#pragma once

#include "calibration/AbglWizardNavigation.h"

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
    enum class Feld { Daempfung, Nullpunktsfenster, AusgMin, AusgMax, Fehler, Offset, Spanne, Serie };

    struct Werte {
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

    struct Problem {
        Feld feld;
        QString text;
    };

    /// The page when it opens: output limits by the output kind, the serial parts of the document, then
    /// Load.
    static Werte Open(const CQuillonDoc& doc, const CAbglWizardNavigation& nav);
    /// Every activation: factory offset and span, characteristic, damping, measured value and zero window;
    /// after reading from the transmitter also its limits and serial number.
    static void Load(const CQuillonDoc& doc, const CAbglWizardNavigation& nav, Werte& werte);
    /// The span of the range in its unit: the limit of the offset correction.
    static double Spanne(const CAbgleichdaten& record);
    static std::optional<Problem> Validate(const Werte& werte, const CAbgleichdaten& record);
    /// Stores the page (after Validate) into document and record.
    static void Store(const Werte& werte, CQuillonDoc& doc);
};
