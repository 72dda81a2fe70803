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
Feld FieldOfSendCheck(const std::pair<int, Feld> (&fields)[N], int nFeld) {
    for (const auto& [nDialogField, feld] : fields) {
        if (nDialogField == nFeld) {
            return feld;
        }
    }
    return fields[0].second;
}

constexpr std::pair<int, Feld> kEditFields[] = {
    {CEditDataValues::kMessAnfang, Feld::MessAnfang}, {CEditDataValues::kBezeichnung, Feld::Bezeichnung},
    {CEditDataValues::kDaempfung, Feld::Daempfung},   {CEditDataValues::kTempDaempfung, Feld::TempDaempfung},
    {CEditDataValues::kMessEnde, Feld::MessEnde},     {CEditDataValues::kStromMax, Feld::StromMax},
    {CEditDataValues::kStromMin, Feld::StromMin},     {CEditDataValues::kFehlerstrom, Feld::Fehlerstrom},
};

constexpr std::pair<int, Feld> kKonfigurationFields[] = {
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
        warnungen << CParameterPruefung::Befund(FieldOfSendCheck(kEditFields, problem->field), problem->text);
    }
    if (HatKonfiguration(doc.GetTyp())) {
        const CKonfigurationRules rules(locale);
        if (const auto problem = rules.Validate(CEditDataDoc::LoadKonfiguration(doc, rules, locale))) {
            warnungen << CParameterPruefung::Befund(FieldOfSendCheck(kKonfigurationFields, problem->field),
                                                    problem->text);
        }
    }
    return warnungen;
}

void CSendeGrenzen::Install(CParameterTransfer& transfer) {
    transfer.SetGrenzenPruefung([](const CQuillonDoc& doc) { return Warnungen(doc); });
}
