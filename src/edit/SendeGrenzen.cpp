#include "edit/SendeGrenzen.h"

#include "base/TypKatalog.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataDoc.h"
#include "edit/EditDataRules.h"
#include "edit/KonfigurationRules.h"
#include "transmitter/ParameterPruefung.h"
#include "transmitter/ParameterTransfer.h"

#include <utility>

namespace {

using Feld = CParameterPruefung::Feld;

/// The send check's name for a field of a dialog's rules; the fields the table does not list are named
/// by the dialog's first field.
template <std::size_t N>
Feld SendeFeld(const std::pair<int, Feld> (&felder)[N], int nFeld) {
    for (const auto& [nDialogFeld, feld] : felder) {
        if (nDialogFeld == nFeld) {
            return feld;
        }
    }
    return felder[0].second;
}

constexpr std::pair<int, Feld> kEditFelder[] = {
    {CEditDataValues::kMessAnfang, Feld::MessAnfang}, {CEditDataValues::kBezeichnung, Feld::Bezeichnung},
    {CEditDataValues::kDaempfung, Feld::Daempfung},   {CEditDataValues::kTempDaempfung, Feld::TempDaempfung},
    {CEditDataValues::kMessEnde, Feld::MessEnde},     {CEditDataValues::kStromMax, Feld::StromMax},
    {CEditDataValues::kStromMin, Feld::StromMin},     {CEditDataValues::kFehlerstrom, Feld::Fehlerstrom},
};

constexpr std::pair<int, Feld> kKonfigurationFelder[] = {
    {CKonfigurationValues::kTastensperre, Feld::Tastensperre},
    {CKonfigurationValues::kOffset, Feld::Offset},
    {CKonfigurationValues::kSpanne, Feld::Spanne},
    {CKonfigurationValues::kNullpunkt, Feld::Nullpunktsfenster},
};

/// The types whose corrections, zero window and key lock travel with the parameter set.
bool HatKonfiguration(int nTyp) {
    return CTypKatalog::Has(nTyp, &CTypKatalog::Typ::bKonfiguration);
}

} // namespace

QStringList CSendeGrenzen::Warnungen(const CQuillonDoc& doc, const QLocale& locale) {
    QStringList warnungen;
    const CEditDataRules editRules(locale);
    if (const auto problem = editRules.Validate(CEditDataDoc::Load(doc, editRules))) {
        warnungen << CParameterPruefung::Befund(SendeFeld(kEditFelder, problem->field), problem->text);
    }
    if (HatKonfiguration(doc.GetTyp())) {
        const CKonfigurationRules rules(locale);
        if (const auto problem = rules.Validate(CEditDataDoc::LoadKonfiguration(doc, rules, locale))) {
            warnungen << CParameterPruefung::Befund(SendeFeld(kKonfigurationFelder, problem->field),
                                                    problem->text);
        }
    }
    return warnungen;
}

void CSendeGrenzen::Install(CParameterTransfer& transfer) {
    transfer.SetGrenzenPruefung([](const CQuillonDoc& doc) { return Warnungen(doc); });
}
