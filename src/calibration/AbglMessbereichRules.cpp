#include "calibration/AbglMessbereichRules.h"

#include "document/QuillonDoc.h"

#include <algorithm>

namespace {

using R = CAbglWizardRules;

constexpr double kAusgangMax = 22.5;
/// Output ends below this are volts.
constexpr double kSpannungGrenze = 11;
/// Output starts above this are a live zero (4 mA).
constexpr double kLiveZeroGrenze = 3;

} // namespace

CAbglMessbereichRules::Values CAbglMessbereichRules::Load(const CAbgleichdaten& record, int nTyp) {
    Values w;
    const double s = R::Scale(record.m_nKommaPos);
    w.nEinheit = record.m_nAbglEinheit;
    w.nKommaPos = record.m_nKommaPos;
    w.anfang = record.m_nBereichAnfang / s;
    w.ende = record.m_nBereichEnde / s;
    w.abglAnfang = record.m_nAbglBereichAnfang / s;
    w.abglEnde = record.m_nAbglBereichEnde / s;
    // Whole mA or V: the record keeps hundredths, the page shows what the quick buttons set.
    w.ausgAnfang = record.m_nDac[3] / 100;
    w.ausgEnde = record.m_nDac[4] / 100;
    w.bDacUeberspringen = R::HasKA28Presets(nTyp);
    return w;
}

std::optional<ValidationProblem> CAbglMessbereichRules::Validate(const Values& werte, int nTyp) {
    const double lo = R::HasKA28Presets(nTyp) ? -9999 : -1000;
    const double hi = 9999;
    const auto outside = [](double v, double a, double b) { return !(v >= a && v <= b); };
    if (outside(werte.anfang, lo, hi)) {
        return ValidationProblem::At(Field::Anfang, R::RangeText(lo, hi));
    }
    if (outside(werte.ende, lo, hi)) {
        return ValidationProblem::At(Field::Ende, R::RangeText(lo, hi));
    }
    const double min = std::min(werte.anfang, werte.ende);
    const double max = std::max(werte.anfang, werte.ende);
    if (outside(werte.abglAnfang, min, max)) {
        return ValidationProblem::At(Field::AbglAnfang, R::RangeText(min, max));
    }
    if (outside(werte.abglEnde, min, max)) {
        return ValidationProblem::At(Field::AbglEnde, R::RangeText(min, max));
    }
    const double s = R::Scale(werte.nKommaPos);
    if (R::Truncate(max * s) > 32767 || R::Truncate(min * s) < -32768) {
        return ValidationProblem::At(Field::KommaPos,
                                     tr("Der Messbereich ist mit dieser Kommaposition zu groß für den "
                                        "Transmitter. Wählen Sie weniger Nachkommastellen."));
    }
    if (outside(werte.ausgAnfang, 0, kAusgangMax)) {
        return ValidationProblem::At(Field::AusgAnfang, R::RangeText(0, kAusgangMax));
    }
    if (outside(werte.ausgEnde, 0, kAusgangMax)) {
        return ValidationProblem::At(Field::AusgEnde, R::RangeText(0, kAusgangMax));
    }
    return std::nullopt;
}

int CAbglMessbereichRules::Apply(const Values& werte, CQuillonDoc& doc, CAbglWizardNavigation& nav) {
    nav.bSpannung = werte.ausgEnde < kSpannungGrenze;
    nav.bLiveZero = werte.ausgAnfang > kLiveZeroGrenze;
    CAbgleichdaten& record = doc.Abgleichdaten();
    record.m_nAbglEinheit = static_cast<quint16>(werte.nEinheit);
    record.m_nKommaPos = static_cast<quint16>(werte.nKommaPos);
    doc.SetGrundAnfang(static_cast<float>(werte.anfang));
    doc.SetMessAnfang(static_cast<float>(werte.anfang));
    doc.SetGrundEnde(static_cast<float>(werte.ende));
    doc.SetMessEnde(static_cast<float>(werte.ende));
    const double s = R::Scale(werte.nKommaPos);
    const auto digits = [s](double v) { return static_cast<qint16>(R::Truncate(v * s)); };
    record.m_nBereichAnfang = digits(werte.anfang);
    record.m_nBereichEnde = digits(werte.ende);
    record.m_nAbglBereichAnfang = digits(werte.abglAnfang);
    record.m_nAbglBereichEnde = digits(werte.abglEnde);
    record.m_nDac[3] = R::Truncate(werte.ausgAnfang * 100);
    record.m_nDac[4] = R::Truncate(werte.ausgEnde * 100);
    return nav.Next(R::kMessbereich, werte.bDacUeberspringen);
}
