#pragma once

#include "calibration/AbglWizardNavigation.h"
#include "core/ValidationProblem.h"

#include <QCoreApplication>
#include <optional>

class CQuillonDoc;

/// The wizard's range page ("Messbereich"): measuring range, calibration range, unit, decimal places and
/// output range, loaded from the record and stored back as digits.
class CAbglMessbereichRules {
    Q_DECLARE_TR_FUNCTIONS(CAbglMessbereichRules)

public:
    enum class Field { Anfang, Ende, AbglAnfang, AbglEnde, AusgAnfang, AusgEnde, KommaPos };

    struct Values {
        double anfang = 0;
        double ende = 0;
        double abglAnfang = 0;
        double abglEnde = 0;
        int nEinheit = 0;
        int nKommaPos = 0;
        double ausgAnfang = 0;
        double ausgEnde = 0;
        bool bDacUeberspringen = false;
    };

    /// The page as the record holds it; the skip box is preset for the KA28.
    static Values Load(const CAbgleichdaten& record, int nTyp);
    /// The first entry outside its range: range ends -1000..9999 (KA28 -9999..9999), the calibration
    /// range inside the measuring range, the output 0..22.5; and the range in digits within the record's
    /// 16-bit words (100 bar with three decimals would be stored as a wrong range).
    static std::optional<ValidationProblem> Validate(const Values& werte, int nTyp);
    /// Stores the page into record and document and recomputes the output flags; the page to go to.
    static int Apply(const Values& werte, CQuillonDoc& doc, CAbglWizardNavigation& nav);
};
