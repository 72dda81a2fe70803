#include "edit/EditDataRules.h"

#include "base/Einheiten.h"
#include "base/NumberField.h"
#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "document/Windows1252.h"
#include "edit/LinTabGenerator.h"

#include <cmath>
#include <utility>

namespace {

constexpr float kSpreizungEditData = 0.25f;
/// A number without a type row allows 4:1, as most types do.
constexpr int kMaxSpreizungOhneTyp = 4;
constexpr float kResetStromMin = 3.8f;
constexpr float kResetFehlerstrom = 3.5f;
constexpr int kResetFreiEnde = 1000;
constexpr int kResetFreiKomma = 1;

} // namespace

CEditDataRules::CEditDataRules(QLocale locale)
    : m_locale(std::move(locale)) {}

CEditDataRules::Variante CEditDataRules::VarianteFor(int nTyp) {
    return CTypKatalog::EditVarianteOf(nTyp);
}

int CEditDataRules::MaxSpreizung(int nTyp) {
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr ? typ->nMaxSpreizung : kMaxSpreizungOhneTyp;
}

bool CEditDataRules::HatTempDaempfung(const CEditDataValues& werte) {
    return werte.eVariante == Variante::RX31_3x &&
           CTypKatalog::Has(werte.nTyp, &CTypKatalog::Typ::bTempDaempfung);
}

QString CEditDataRules::Text(double value) const {
    return CNumberField::Format(value, m_locale);
}

float CEditDataRules::Value(const QString& text) const {
    return static_cast<float>(CNumberField::Parse(text, m_locale).value_or(0.0));
}

void CEditDataRules::SetZahlen(CEditDataValues& werte, const Zahlen& zahlen) const {
    werte.strMessAnfang = Text(zahlen.fMessAnfang);
    werte.strMessEnde = Text(zahlen.fMessEnde);
    werte.strDaempfung = Text(zahlen.fDaempfung);
    werte.strTempDaempfung = Text(zahlen.fTempDaempfung);
    werte.strStromMin = Text(zahlen.fStromMin);
    werte.strStromMax = Text(zahlen.fStromMax);
    werte.strFehlerstrom = Text(zahlen.fFehlerstrom);
}

CEditDataRules::Zahlen CEditDataRules::GetZahlen(const CEditDataValues& werte) const {
    Zahlen z;
    z.fMessAnfang = Value(werte.strMessAnfang);
    z.fMessEnde = Value(werte.strMessEnde);
    if (werte.eVariante == Variante::RX30) {
        // The characteristic sets the output range; the fields do not exist in this variant.
        z.fMessAnfang = werte.bFallend ? werte.fGrundEnde : werte.fGrundAnfang;
        z.fMessEnde = werte.bFallend ? werte.fGrundAnfang : werte.fGrundEnde;
    }
    z.fDaempfung = Value(werte.strDaempfung);
    z.fTempDaempfung = Value(werte.strTempDaempfung);
    z.fStromMin = Value(werte.strStromMin);
    z.fStromMax = Value(werte.strStromMax);
    z.fFehlerstrom = Value(werte.strFehlerstrom);
    return z;
}

std::optional<ValidationProblem> CEditDataRules::Validate(const CEditDataValues& werte) const {
    switch (werte.eVariante) {
    case Variante::EditData:
        return CheckEditData(werte);
    case Variante::RX31_3x:
        return CheckRX31(werte);
    case Variante::KA71:
        return CheckKA71(werte);
    case Variante::RX30:
        return CheckRX30(werte);
    }
    return std::nullopt;
}

std::optional<ValidationProblem> CEditDataRules::CheckFloat(const QString& text, int nFeld, float lo,
                                                            float hi, float& value) const {
    if (auto message = CNumberField::CheckFloat(text, lo, hi, m_locale, value)) {
        return ValidationProblem{nFeld, *message};
    }
    return std::nullopt;
}

std::optional<ValidationProblem> CEditDataRules::CheckNumber(const QString& text, int nFeld,
                                                             float& value) const {
    const std::optional<double> parsed = CNumberField::Parse(text, m_locale);
    if (!parsed || !std::isfinite(static_cast<float>(*parsed))) {
        return ValidationProblem{nFeld, CNumberField::MsgZahl()};
    }
    value = static_cast<float>(*parsed);
    return std::nullopt;
}

/// Tag, damping, output range as numbers and the three currents: the first steps of every variant but
/// the RX26/KA52/KA28 one.
std::optional<ValidationProblem> CEditDataRules::CheckCommon(const CEditDataValues& werte, Zahlen& z) const {
    using F = CEditDataValues;
    if (auto p = CheckBezeichnung(werte.strBezeichnung)) {
        return p;
    }
    if (auto p = CheckFloat(werte.strDaempfung, F::kDaempfung, 0.0f, kDaempfungMax, z.fDaempfung)) {
        return p;
    }
    if (auto p = CheckNumber(werte.strMessAnfang, F::kMessAnfang, z.fMessAnfang)) {
        return p;
    }
    if (auto p = CheckNumber(werte.strMessEnde, F::kMessEnde, z.fMessEnde)) {
        return p;
    }
    if (auto p = CheckFloat(werte.strStromMax, F::kStromMax, kStromMin, kStromMax, z.fStromMax)) {
        return p;
    }
    if (auto p = CheckFloat(werte.strStromMin, F::kStromMin, kStromMin, kStromMax, z.fStromMin)) {
        return p;
    }
    if (auto p = CheckFloat(werte.strFehlerstrom, F::kFehlerstrom, kStromMin, kStromMax, z.fFehlerstrom)) {
        return p;
    }
    if (HatTempDaempfung(werte)) {
        return CheckFloat(werte.strTempDaempfung, F::kTempDaempfung, 0.0f, kDaempfungMax, z.fTempDaempfung);
    }
    return std::nullopt;
}

std::optional<ValidationProblem> CEditDataRules::CheckBezeichnung(const QString& text) {
    if (auto message = CNumberField::CheckLength(text, kBezeichnungMax)) {
        return ValidationProblem{CEditDataValues::kBezeichnung, *message};
    }
    if (!CWindows1252::IsStorable(text)) {
        return ValidationProblem{CEditDataValues::kBezeichnung, MsgZeichen()};
    }
    return std::nullopt;
}

QString CEditDataRules::MsgZeichen() {
    return tr("Der Transmitter kann nur druckbare Zeichen aus Windows-1252 speichern (keine Tabulatoren, "
              "Zeilenumbrüche oder Steuerzeichen).");
}

std::optional<ValidationProblem> CEditDataRules::CheckInRange(const Zahlen& z, float lo, float hi) const {
    if (hi < lo) {
        std::swap(lo, hi);
    }
    if (z.fMessAnfang < lo || z.fMessAnfang > hi) {
        return ValidationProblem{CEditDataValues::kMessAnfang,
                                 CNumberField::MsgZahlZwischen(lo, hi, m_locale)};
    }
    if (z.fMessEnde < lo || z.fMessEnde > hi) {
        return ValidationProblem{CEditDataValues::kMessEnde, CNumberField::MsgZahlZwischen(lo, hi, m_locale)};
    }
    return std::nullopt;
}

std::optional<ValidationProblem> CEditDataRules::CheckSpreizung(float a, float b, int nSpreizung) {
    if (a / static_cast<float>(nSpreizung) > b) {
        return ValidationProblem{CEditDataValues::kMessAnfang, MsgSpreizung(nSpreizung)};
    }
    return std::nullopt;
}

std::optional<ValidationProblem> CEditDataRules::CheckMinMax(const Zahlen& z) {
    if (z.fStromMax - z.fStromMin < 0.0f) {
        return ValidationProblem{CEditDataValues::kStromMin, MsgMinMax()};
    }
    return std::nullopt;
}

std::optional<ValidationProblem> CEditDataRules::CheckEditData(const CEditDataValues& werte) const {
    Zahlen z;
    if (auto p = CheckCommon(werte, z)) {
        return p;
    }
    if (auto p = CheckInRange(z, werte.fGrundAnfang, werte.fGrundEnde)) {
        return p;
    }
    if (std::fabs(z.fMessEnde - z.fMessAnfang) <
        kSpreizungEditData * std::fabs(werte.fGrundEnde - werte.fGrundAnfang)) {
        return ValidationProblem{CEditDataValues::kMessAnfang, MsgSpreizung4()};
    }
    return CheckMinMax(z);
}

std::optional<ValidationProblem> CEditDataRules::CheckRX31(const CEditDataValues& werte) const {
    Zahlen z;
    if (auto p = CheckCommon(werte, z)) {
        return p;
    }
    if (auto p = CheckInRange(z, werte.fGrundAnfang, werte.fGrundEnde)) {
        return p;
    }
    const float a = std::fabs(werte.fGrundEnde - werte.fGrundAnfang);
    const float b = std::fabs(z.fMessEnde - z.fMessAnfang);
    if (auto p = CheckSpreizung(a, b, MaxSpreizung(werte.nTyp))) {
        return p;
    }
    return CheckMinMax(z);
}

std::optional<ValidationProblem> CEditDataRules::CheckKA71(const CEditDataValues& werte) const {
    Zahlen z;
    if (auto p = CheckCommon(werte, z)) {
        return p;
    }
    const CEinheiten converter = KA71Converter(werte);
    const CEinheiten::Range range = converter.ScaledRange();
    const auto [lo, hi] = KA71Bereich(werte);
    if (auto p = CheckInRange(z, lo, hi)) {
        return p;
    }
    if (range.hi == range.lo) {
        // The spread is measured on the 0..10000 scale of the base range, which then has no span.
        return ValidationProblem{CEditDataValues::kMessAnfang, tr("Der Grundmessbereich hat keine Spanne.")};
    }
    float a = std::fabs(werte.fGrundEnde - werte.fGrundAnfang);
    float b = std::fabs(z.fMessEnde - z.fMessAnfang);
    if (CTypKatalog::IsKA71(werte.nTyp)) {
        b = static_cast<float>(std::fabs(converter.SpanToScale(b)));
        a = static_cast<float>(CEinheiten::kScale);
    }
    if (auto p = CheckSpreizung(a, b, MaxSpreizung(werte.nTyp))) {
        return p;
    }
    return CheckMinMax(z);
}

std::optional<ValidationProblem> CEditDataRules::CheckRX30(const CEditDataValues& werte) const {
    using F = CEditDataValues;
    Zahlen z;
    if (auto p = CheckBezeichnung(werte.strBezeichnung)) {
        return p;
    }
    if (auto p = CheckFloat(werte.strDaempfung, F::kDaempfung, 0.0f, kDaempfungMax, z.fDaempfung)) {
        return p;
    }
    if (auto p = CheckNumber(werte.strStromMax, F::kStromMax, z.fStromMax)) {
        return p;
    }
    if (auto p = CheckNumber(werte.strStromMin, F::kStromMin, z.fStromMin)) {
        return p;
    }
    if (auto p = CheckMinMax(z)) {
        return p;
    }
    if (auto p = CheckFloat(werte.strStromMax, F::kStromMax, 0.0f, kStromMax, z.fStromMax)) {
        return p;
    }
    if (auto p = CheckFloat(werte.strStromMin, F::kStromMin, 0.0f, kStromMax, z.fStromMin)) {
        return p;
    }
    return CheckFloat(werte.strFehlerstrom, F::kFehlerstrom, 0.0f, kStromMax, z.fFehlerstrom);
}

QString CEditDataRules::Hint(const CEditDataValues& werte, int nFeld) const {
    switch (nFeld) {
    case CEditDataValues::kDaempfung:
    case CEditDataValues::kTempDaempfung:
        return tr("0,0 ... 200,0 Sekunden");
    case CEditDataValues::kStromMin:
    case CEditDataValues::kStromMax:
    case CEditDataValues::kFehlerstrom:
        if (werte.eVariante == Variante::RX30) {
            return CNumberField::FormatFixed(0.0, 2, 1, m_locale) + QStringLiteral(" ... ") +
                   CNumberField::FormatFixed(kStromMax, 2, 1, m_locale);
        }
        return tr("3,5 ... 22,5 mA");
    case CEditDataValues::kMessAnfang:
    case CEditDataValues::kMessEnde:
        return RangeHint(werte);
    case CEditDataValues::kBezeichnung:
        return tr("max. 20 Zeichen");
    default:
        return QString();
    }
}

CEinheiten CEditDataRules::KA71Converter(const CEditDataValues& werte) {
    return CEinheiten(werte.nTyp, werte.fGrundAnfang, werte.fGrundEnde, werte.nDezimalstellen, werte.nEinheit,
                      werte.nAnzeigeEinheit);
}

std::pair<float, float> CEditDataRules::KA71Bereich(const CEditDataValues& werte) {
    const CEinheiten::Range range = KA71Converter(werte).ScaledRange();
    double lo = range.lo;
    double hi = range.hi;
    if (werte.nEinheit != werte.nAnzeigeEinheit) {
        lo /= CUtils::PowerOfTen(range.n);
        hi /= CUtils::PowerOfTen(range.n);
    }
    return {static_cast<float>(lo), static_cast<float>(hi)};
}

QString CEditDataRules::RangeHint(const CEditDataValues& werte) const {
    if (werte.eVariante == Variante::KA71 && werte.nEinheit != werte.nAnzeigeEinheit) {
        // The output range is typed in the display unit: the limits it is checked against, in that unit.
        const auto [lo, hi] = KA71Bereich(werte);
        return Text(lo) + QStringLiteral(" ... ") + Text(hi) + QLatin1Char(' ') + werte.strMessEinheit;
    }
    return werte.strGrundAnfang + QStringLiteral(" ... ") + werte.strGrundEnde + QLatin1Char(' ') +
           werte.strEinheit;
}

void CEditDataRules::Reset(CEditDataValues& werte) const {
    Zahlen z = GetZahlen(werte);
    z.fDaempfung = 0.0f;
    z.fStromMax = kStromMax;
    z.fMessAnfang = werte.fGrundAnfang;
    z.fMessEnde = werte.fGrundEnde;
    z.fStromMin = kResetStromMin;
    z.fFehlerstrom = kResetFehlerstrom;
    switch (werte.eVariante) {
    case Variante::EditData:
        z.fStromMin = kStromMin;
        z.fFehlerstrom = kStromMax;
        break;
    case Variante::RX31_3x:
        z.fTempDaempfung = 0.0f;
        break;
    case Variante::KA71:
        werte.nAnzeigeEinheit = werte.nEinheit;
        werte.strMessEinheit = werte.strEinheit;
        werte.nMedium = 0;
        werte.nFreiAnfang = 0;
        werte.nFreiEnde = kResetFreiEnde;
        werte.nFreiDezimalpunkt = kResetFreiKomma;
        break;
    case Variante::RX30:
        if (CTypKatalog::IsDreiLeiter(werte.nTyp)) {
            z.fStromMin = 0.0f;
            z.fFehlerstrom = 0.0f;
        }
        werte.bFallend = false;
        break;
    }
    SetZahlen(werte, z);
    if (werte.eVariante != Variante::RX30) {
        werte.linTab = CLinTabelle{};
    }
}

std::optional<ValidationProblem> CEditDataRules::SetLinKorrektur(CEditDataValues& werte, bool bOn) const {
    if (!bOn) {
        werte.linTab = CLinTabelle{};
        return std::nullopt;
    }
    if (auto problem = Validate(werte)) {
        werte.linTab = CLinTabelle{};
        return problem;
    }
    const Zahlen z = GetZahlen(werte);
    if (werte.eVariante == Variante::KA71) {
        werte.linTab = CLinTabGenerator::EvenKA71(CLinTabelle::kPunkte);
    } else {
        werte.linTab = CLinTabGenerator::ForEditData(werte.nTyp, CLinTabelle::kPunkte, z.fMessAnfang,
                                                     z.fMessEnde, werte.nDezimalstellen);
    }
    return std::nullopt;
}

void CEditDataRules::MessbereichEdited(CEditDataValues& werte) {
    if (werte.eVariante == Variante::EditData || werte.eVariante == Variante::RX31_3x) {
        werte.linTab = CLinTabelle{};
    }
}

CLinTabValues CEditDataRules::LinTabEditor(const CEditDataValues& werte, const CLinTabRules& rules) const {
    const Zahlen z = GetZahlen(werte);
    if (werte.eVariante == Variante::KA71) {
        CLinTabGenerator::KA71Bereich bereich;
        bereich.nFreiAnfang = werte.nFreiAnfang;
        bereich.nFreiEnde = werte.nFreiEnde;
        bereich.nKomma = werte.nFreiDezimalpunkt;
        bereich.fWert4mA = z.fMessAnfang;
        bereich.fWert20mA = z.fMessEnde;
        bereich.nAnzeigeDezimalen = CEinheiten(werte.nTyp, werte.fGrundAnfang, werte.fGrundEnde,
                                               werte.nDezimalstellen, werte.nEinheit, werte.nAnzeigeEinheit)
                                        .DisplayDecimals();
        CLinTabelle stored = werte.linTab;
        if (stored.nAnzahl == 1) {
            stored.nAnzahl = 0; // "radiziert"
        } else {
            stored.nAnzahl = qBound(CLinTabelle::kMinPunkte, stored.nAnzahl, CLinTabelle::kPunkte);
        }
        return rules.LoadKA71(stored, bereich, werte.strMessEinheit, werte.nAnzeigeEinheit);
    }
    const bool bProzent = CTypKatalog::Has(werte.nTyp, &CTypKatalog::Typ::bLinTabProzent);
    const CLinTabValues::Art art = werte.eVariante == Variante::EditData && bProzent
                                       ? CLinTabValues::Art::Prozent
                                       : CLinTabValues::Art::Druck;
    return rules.Load(art, werte.linTab, z.fMessAnfang, z.fMessEnde, werte.strMessEinheit,
                      werte.nDezimalstellen);
}

void CEditDataRules::TakeLinTab(CEditDataValues& werte, const CLinTabRules::Ergebnis& ergebnis) {
    werte.linTab = ergebnis.table;
    if (werte.eVariante == Variante::KA71) {
        if (werte.linTab.nAnzahl == 0) {
            werte.linTab.nAnzahl = 1; // "radiziert"
        }
        werte.nFreiAnfang = ergebnis.bereich.nFreiAnfang;
        werte.nFreiEnde = ergebnis.bereich.nFreiEnde;
        werte.nFreiDezimalpunkt = ergebnis.bereich.nKomma;
    }
}

namespace {

/// The range a unit change starts from: the one the last change started from while the fields still show
/// what that change put there, else the fields as they are (opened or typed since).
CEditDataValues::EinheitQuelle EinheitQuelleOf(const CEditDataValues& werte) {
    const CEditDataValues::EinheitQuelle& quelle = werte.einheitQuelle;
    if (werte.nAnzeigeEinheit == quelle.nGezeigtEinheit && werte.strMessAnfang == quelle.strGezeigtAnfang &&
        werte.strMessEnde == quelle.strGezeigtEnde) {
        return quelle;
    }
    CEditDataValues::EinheitQuelle neu;
    neu.strAnfang = werte.strMessAnfang;
    neu.strEnde = werte.strMessEnde;
    neu.nEinheit = werte.nAnzeigeEinheit;
    return neu;
}

} // namespace

CEditDataRules::EinheitWechsel CEditDataRules::ChangeAnzeigeEinheit(CEditDataValues& werte, int nNeu) const {
    EinheitWechsel result;
    result.problem = Validate(werte);
    if (result.problem) {
        return result;
    }
    const CEditDataValues::EinheitQuelle neueQuelle = EinheitQuelleOf(werte);
    const float fAnfang = Value(neueQuelle.strAnfang);
    const float fEnde = Value(neueQuelle.strEnde);
    const int nVon = neueQuelle.nEinheit;
    const CEinheiten alt(werte.nTyp, fAnfang, fEnde, werte.nDezimalstellen, nVon, nVon);
    const CEinheiten neu(werte.nTyp, fAnfang, fEnde, werte.nDezimalstellen, nVon, nNeu);
    if (nNeu < 0 || nNeu >= CEinheiten::kUnitCount || fAnfang == fEnde || neu.ScaledRange().overflow) {
        return result;
    }
    if (nNeu == nVon) {
        // Back in the unit the range was given in: exactly those figures again.
        werte.strMessAnfang = neueQuelle.strAnfang;
        werte.strMessEnde = neueQuelle.strEnde;
    } else {
        werte.strMessAnfang = Text(neu.FromScale(alt.ToScale(fAnfang)));
        werte.strMessEnde = Text(neu.FromScale(alt.ToScale(fEnde)));
    }
    CEditDataValues::EinheitQuelle& quelle = werte.einheitQuelle;
    quelle = neueQuelle;
    quelle.strGezeigtAnfang = werte.strMessAnfang;
    quelle.strGezeigtEnde = werte.strMessEnde;
    quelle.nGezeigtEinheit = nNeu;
    werte.nAnzeigeEinheit = nNeu;
    werte.strMessEinheit = werte.EinheitName(nNeu);
    result.bUebernommen = true;
    return result;
}

QString CEditDataRules::MsgSpreizung4() {
    return tr("Maximale Spreizung 4:1");
}

QString CEditDataRules::MsgSpreizung(int nSpreizung) {
    return tr("Maximale Spreizung %1 : 1 !")
        .arg(QString::number(nSpreizung).rightJustified(3, QLatin1Char(' ')));
}

QString CEditDataRules::MsgMinMax() {
    return tr("Stromgrenze Min > Max!");
}
