#include "edit/SendeGrenzen.h"

#include "base/TypKatalog.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataDoc.h"
#include "edit/EditDataRules.h"
#include "edit/KonfigurationRules.h"
#include "transmitter/ParameterPruefung.h"
#include "transmitter/ParameterTransfer.h"

namespace {

using Feld = CParameterPruefung::Feld;

Feld EditFeld(int nFeld) {
    switch (nFeld) {
    case CEditDataValues::kBezeichnung:
        return Feld::Bezeichnung;
    case CEditDataValues::kDaempfung:
        return Feld::Daempfung;
    case CEditDataValues::kTempDaempfung:
        return Feld::TempDaempfung;
    case CEditDataValues::kMessEnde:
        return Feld::MessEnde;
    case CEditDataValues::kStromMax:
        return Feld::StromMax;
    case CEditDataValues::kStromMin:
        return Feld::StromMin;
    case CEditDataValues::kFehlerstrom:
        return Feld::Fehlerstrom;
    default:
        return Feld::MessAnfang;
    }
}

Feld KonfigurationFeld(int nFeld) {
    switch (nFeld) {
    case CKonfigurationValues::kOffset:
        return Feld::Offset;
    case CKonfigurationValues::kSpanne:
        return Feld::Spanne;
    case CKonfigurationValues::kNullpunkt:
        return Feld::Nullpunktsfenster;
    default:
        return Feld::Tastensperre;
    }
}

/// The types whose corrections, zero window and key lock travel with the parameter set.
bool HatKonfiguration(int nTyp) {
    return CTypKatalog::Has(nTyp, &CTypKatalog::Typ::bKonfiguration);
}

} // namespace

QStringList CSendeGrenzen::Warnungen(const CQuillonDoc& doc, const QLocale& locale) {
    QStringList warnungen;
    const CEditDataRules editRules(locale);
    if (const auto problem = editRules.Validate(CEditDataDoc::Load(doc, editRules))) {
        warnungen << CParameterPruefung::Befund(EditFeld(problem->field), problem->text);
    }
    if (HatKonfiguration(doc.GetTyp())) {
        const CKonfigurationRules rules(locale);
        if (const auto problem = rules.Validate(CEditDataDoc::LoadKonfiguration(doc, rules, locale))) {
            warnungen << CParameterPruefung::Befund(KonfigurationFeld(problem->field), problem->text);
        }
    }
    return warnungen;
}

void CSendeGrenzen::Install(CParameterTransfer& transfer) {
    transfer.SetGrenzenPruefung([](const CQuillonDoc& doc) { return Warnungen(doc); });
}
