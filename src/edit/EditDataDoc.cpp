#include "edit/EditDataDoc.h"

#include "base/Einheiten.h"
#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataRules.h"
#include "edit/KonfigurationRules.h"
#include "edit/RangePreset.h"

#include <cmath>

namespace {

constexpr float kPresetFehlerstrom = 3.5f;
constexpr float kPresetStromMin = 3.8f;
constexpr int kPresetFreiEnde = 1000;
constexpr int kTemperaturDezimalen = 1;
constexpr int kMesswertBreite = 6;

} // namespace

void CEditDataDoc::SetContext(CEditDataValues& werte, const CQuillonDoc& doc, const CEditDataRules& rules) {
    werte.nTyp = doc.GetTyp();
    werte.eVariante = CEditDataRules::VarianteFor(werte.nTyp);
    werte.fGrundAnfang = doc.GetGrundAnfang();
    werte.fGrundEnde = doc.GetGrundEnde();
    werte.nDezimalstellen = doc.GetDezimalstellen();
    werte.nEinheit = doc.GetEinheit();
    werte.strGrundAnfang = rules.Text(werte.fGrundAnfang);
    werte.strGrundEnde = rules.Text(werte.fGrundEnde);
    werte.strEinheit = doc.GetEinheitText();
    werte.strMessEinheit = werte.strEinheit;
    for (int i = 0; i < CEinheiten::kUnitCount; ++i) {
        werte.strEinheitNamen << CTypKatalog::GetEinheitText(werte.nTyp, i);
    }
}

CEditDataValues CEditDataDoc::Load(const CQuillonDoc& doc, const CEditDataRules& rules) {
    CEditDataValues werte;
    SetContext(werte, doc, rules);
    CEditDataRules::Zahlen z;
    z.fMessAnfang = doc.GetMessAnfang();
    z.fMessEnde = doc.GetMessEnde();
    z.fDaempfung = doc.GetDaempfung();
    z.fTempDaempfung = doc.GetTempDaempfung();
    z.fStromMin = doc.GetStromgrenzeMin();
    z.fStromMax = doc.GetStromgrenzeMax();
    z.fFehlerstrom = doc.GetFehlerstrom();
    rules.SetZahlen(werte, z);
    // The transmitter pads the tag with blanks; the dialog shows it without them.
    QString tag = doc.GetBezeichnungText();
    while (tag.endsWith(QLatin1Char(' '))) {
        tag.chop(1);
    }
    werte.strBezeichnung = tag;
    werte.bFallend = doc.GetMessAnfang() != doc.GetGrundAnfang();
    werte.linTab.nAnzahl = doc.GetLinTabAnzahl();
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        werte.linTab.x[i] = doc.GetLinTabX(i);
        werte.linTab.y[i] = doc.GetLinTabY(i);
    }
    werte.nAnzeigeEinheit = doc.GetAnzeigeEinheit();
    werte.nMedium = doc.GetMedium();
    werte.nFreiAnfang = doc.GetFreiAnfang();
    werte.nFreiEnde = doc.GetFreiEnde();
    werte.nFreiDezimalpunkt = doc.GetFreiDezimalpunkt();
    if (werte.eVariante == CEditDataValues::Variante::KA71) {
        werte.strMessEinheit = werte.EinheitName(werte.nAnzeigeEinheit);
    }
    return werte;
}

void CEditDataDoc::Apply(const CEditDataValues& werte, const CEditDataRules& rules, CQuillonDoc& doc) {
    const CEditDataRules::Zahlen z = rules.GetZahlen(werte);
    doc.SetGrundAnfang(werte.fGrundAnfang);
    doc.SetGrundEnde(werte.fGrundEnde);
    doc.SetMessAnfang(z.fMessAnfang);
    doc.SetMessEnde(z.fMessEnde);
    doc.SetBezeichnungText(werte.strBezeichnung);
    doc.SetDaempfung(z.fDaempfung);
    if (werte.eVariante == CEditDataValues::Variante::RX31_3x) {
        doc.SetTempDaempfung(z.fTempDaempfung);
    }
    doc.SetFehlerstrom(z.fFehlerstrom);
    doc.SetStromgrenzeMin(z.fStromMin);
    doc.SetStromgrenzeMax(z.fStromMax);
    if (werte.eVariante != CEditDataValues::Variante::RX30) {
        ApplyLinTab(werte, doc);
    }
    if (werte.eVariante == CEditDataValues::Variante::KA71) {
        doc.SetFreiAnfang(static_cast<qint16>(qBound(-32768, werte.nFreiAnfang, 32767)));
        doc.SetFreiEnde(static_cast<qint16>(qBound(-32768, werte.nFreiEnde, 32767)));
        doc.SetFreiDezimalpunkt(werte.nFreiDezimalpunkt);
        doc.SetAnzeigeEinheit(werte.nAnzeigeEinheit);
        doc.SetMedium(werte.nMedium);
    }
    doc.SetModifiedFlag();
    doc.UpdateAllViews();
}

void CEditDataDoc::ApplyLinTab(const CEditDataValues& werte, CQuillonDoc& doc) {
    doc.SetLinTabAnzahl(werte.linTab.nAnzahl);
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        doc.SetLinTabX(i, werte.linTab.x[i]);
        doc.SetLinTabY(i, werte.linTab.y[i]);
    }
}

CEditDataValues CEditDataDoc::LoadPreset(CQuillonDoc& doc, int nPreset, const CEditDataRules& rules) {
    doc.OnNewDocument();
    const CRangePreset::Preset& preset = CRangePreset::At(nPreset);
    const int nTyp = doc.GetTyp();
    const int u = CRangePreset::UnitIndex(nTyp, preset.nEinheit);
    CEditDataValues werte;
    SetContext(werte, doc, rules);
    werte.fGrundAnfang = preset.fAnfang;
    werte.fGrundEnde = preset.fEnde;
    werte.strGrundAnfang = rules.Text(preset.fAnfang);
    werte.strGrundEnde = rules.Text(preset.fEnde);
    werte.nDezimalstellen = preset.nDezimalstellen;
    werte.nEinheit = u;
    werte.strEinheit = CTypKatalog::GetEinheitText(nTyp, u);
    werte.strMessEinheit =
        werte.eVariante == CEditDataValues::Variante::KA71 ? CEinheiten::UnitName(u) : werte.strEinheit;
    const bool bDreiLeiter = CTypKatalog::IsDreiLeiter(nTyp);
    CEditDataRules::Zahlen z;
    z.fMessAnfang = preset.fAnfang;
    z.fMessEnde = preset.fEnde;
    z.fFehlerstrom = bDreiLeiter ? 0.0f : kPresetFehlerstrom;
    z.fStromMin = bDreiLeiter ? 0.0f : kPresetStromMin;
    z.fStromMax = CEditDataRules::kStromMax;
    rules.SetZahlen(werte, z);
    werte.bFallend = false;
    werte.nAnzeigeEinheit = u;
    werte.nMedium = 0;
    werte.nFreiAnfang = 0;
    werte.nFreiEnde = kPresetFreiEnde;
    werte.nFreiDezimalpunkt = 0;
    return werte;
}

void CEditDataDoc::ApplyPreset(const CEditDataValues& werte, const CEditDataRules& rules, CQuillonDoc& doc) {
    Apply(werte, rules, doc);
    doc.SetEinheit(werte.nEinheit);
    doc.SetAnzeigeEinheit(werte.eVariante == CEditDataValues::Variante::KA71 ? werte.nAnzeigeEinheit
                                                                             : werte.nEinheit);
    doc.SetDezimalstellen(werte.nDezimalstellen);
    if (CTypKatalog::Has(werte.nTyp, &CTypKatalog::Typ::bKonfiguration)) {
        // These values travel in the memory image: a new parameter set starts without them.
        doc.SetTastatursperre(0);
        doc.SetNullpunktsfenster(0);
    }
    doc.SetGueltig(true);
    doc.UpdateAllViews();
}

CKonfigurationValues CEditDataDoc::LoadKonfiguration(const CQuillonDoc& doc, const CKonfigurationRules& rules,
                                                     const QLocale& locale) {
    CKonfigurationValues werte;
    werte.nTyp = doc.GetTyp();
    werte.fSpanne = std::fabs(doc.GetGrundEnde() - doc.GetGrundAnfang());
    werte.strTemperatur =
        CUtils::FormatSigned(doc.GetTemperatur(), kMesswertBreite, kTemperaturDezimalen, locale);
    // Without a base span the KA71's display conversions would divide by zero; such a range shows the
    // stored values, and the dialog refuses to store any.
    if (!doc.IsKA71() || werte.fSpanne == 0.0f) {
        werte.strMesswert =
            CUtils::FormatSigned(doc.GetMesswert(0), kMesswertBreite, doc.GetDezimalstellen(), locale);
        werte.strEinheit = doc.GetEinheitText();
        werte.strOffset = rules.Text(doc.GetOffset());
        werte.strNullpunkt = rules.Text(doc.GetNullpunktsfenster());
    } else {
        const int precision =
            doc.GetLinTabAnzahl() != 0 ? doc.GetFreiDezimalpunkt() : doc.GetAnzeigeDezimalstellen();
        werte.strMesswert = CUtils::FormatSigned(doc.GetMesswert(0), kMesswertBreite, precision, locale);
        werte.strEinheit = doc.GetAnzeigeEinheitText();
        // The offset is shown in the display unit, so its limits are the base span in that unit too.
        werte.fSpanne = static_cast<float>(std::fabs(doc.ConvertToAnzeigeEinheit(werte.fSpanne)));
        CQuillonDoc::DisplayValue offset = doc.GetOffsetAnzeige();
        CUtils::RoundDouble(offset.value, offset.decimals);
        werte.strOffset = rules.Text(offset.value);
        werte.strNullpunkt = rules.Text(doc.GetNullpunktAnzeige().value);
    }
    werte.strSpanne = rules.Text(doc.GetSpanne());
    werte.strTastensperre = QString::number(doc.GetTastatursperre());
    return werte;
}

void CEditDataDoc::ApplyKonfiguration(const CKonfigurationValues& werte, const CKonfigurationRules& rules,
                                      CQuillonDoc& doc) {
    const CKonfigurationRules::Zahlen z = rules.GetZahlen(werte);
    if (doc.IsKA71()) {
        doc.SetOffsetAnzeige(z.fOffset);
        doc.SetNullpunktAnzeige(z.fNullpunkt);
    } else {
        doc.SetOffset(z.fOffset);
        doc.SetNullpunktsfenster(static_cast<qint16>(z.fNullpunkt));
    }
    doc.SetSpanne(z.fSpanne);
    if (CKonfigurationRules::TastensperreSichtbar(werte.nTyp)) {
        doc.SetTastatursperre(static_cast<qint16>(z.nTastensperre));
    }
    doc.SetModifiedFlag();
    doc.UpdateAllViews();
}
