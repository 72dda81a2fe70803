#include "calibration/AbglOptionenRules.h"

#include "base/Utils.h"
#include "document/QuillonDoc.h"

#include <cmath>

namespace {

using R = CAbglWizardRules;

constexpr double kDaempfungMax = 200;
constexpr double kNullpunktsfensterMax = 100;
constexpr double kStromMax = 22.5;
constexpr double kSpanneKorrekturMax = 10;
constexpr int kSpanneNeutral = 10000;

bool Outside(double v, double lo, double hi) {
    return !(v >= lo && v <= hi);
}

bool Ascending(float a, float b) {
    return b >= a;
}

} // namespace

double CAbglOptionenRules::Spanne(const CAbgleichdaten& record) {
    return std::abs(record.m_nBereichEnde - record.m_nBereichAnfang) / R::Scale(record.m_nKommaPos);
}

CAbglOptionenRules::Values CAbglOptionenRules::Load(const CQuillonDoc& doc,
                                                    const CAbglWizardNavigation& nav) {
    Values w;
    w.daempfung = doc.GetDaempfung();
    const R::Grenzen grenzen = R::OutputLimits(nav.bSpannung, nav.bLiveZero);
    w.ausgMin = grenzen.min;
    w.ausgMax = grenzen.max;
    w.fehler = grenzen.fehler;
    w.serie = R::SerialParts(doc.GetSeriennummer());
    Reload(doc, nav, w);
    return w;
}

void CAbglOptionenRules::Reload(const CQuillonDoc& doc, const CAbglWizardNavigation& nav, Values& w) {
    const CAbgleichdaten& record = doc.Abgleichdaten();
    w.offset = record.m_nWerksOffset / R::Scale(record.m_nKommaPos);
    w.spanne = (record.m_nWerksSpanne - kSpanneNeutral) / 100.0;
    w.bFallend = Ascending(doc.GetMessAnfang(), doc.GetMessEnde()) !=
                 Ascending(doc.GetGrundAnfang(), doc.GetGrundEnde());
    w.daempfung = doc.GetDaempfung();
    w.messwert = doc.GetMesswert(0);
    w.nullpunktsfenster = doc.GetNullpunktsfenster();
    if (nav.FromTransmitter()) {
        w.ausgMin = doc.GetStromgrenzeMin();
        w.ausgMax = doc.GetStromgrenzeMax();
        w.fehler = doc.GetFehlerstrom();
        w.serie = R::SerialParts(doc.GetSeriennummer());
    }
}

std::optional<ValidationProblem> CAbglOptionenRules::Validate(const Values& w, const CAbgleichdaten& record) {
    if (Outside(w.daempfung, 0, kDaempfungMax)) {
        return ValidationProblem::At(Field::Daempfung, R::RangeText(0, kDaempfungMax));
    }
    if (Outside(w.nullpunktsfenster, 0, kNullpunktsfensterMax)) {
        return ValidationProblem::At(Field::Nullpunktsfenster, R::RangeText(0, kNullpunktsfensterMax));
    }
    const std::pair<Field, double> limits[] = {
        {Field::AusgMin, w.ausgMin}, {Field::AusgMax, w.ausgMax}, {Field::Fehler, w.fehler}};
    for (const auto& [feld, value] : limits) {
        if (Outside(value, 0, kStromMax)) {
            return ValidationProblem::At(feld, R::RangeText(0, kStromMax));
        }
    }
    const double spanne = Spanne(record);
    if (Outside(w.offset, -spanne, spanne)) {
        return ValidationProblem::At(Field::Offset, R::RangeText(-spanne, spanne));
    }
    if (Outside(w.spanne, -kSpanneKorrekturMax, kSpanneKorrekturMax)) {
        return ValidationProblem::At(Field::Spanne, R::RangeText(-kSpanneKorrekturMax, kSpanneKorrekturMax));
    }
    const int widths[] = {6, 2, 3};
    for (std::size_t i = 0; i < w.serie.size(); ++i) {
        const QString part = w.serie[i].trimmed();
        bool bOk = part.isEmpty();
        if (!bOk) {
            part.toUInt(&bOk);
        }
        if (!bOk || part.size() > widths[i]) {
            return ValidationProblem::At(Field::Serie,
                                         tr("Die Seriennummer besteht aus Ziffern: %1, %2 und %3 Stellen.")
                                             .arg(widths[0])
                                             .arg(widths[1])
                                             .arg(widths[2]));
        }
    }
    return std::nullopt;
}

void CAbglOptionenRules::Apply(const Values& w, CQuillonDoc& doc) {
    CAbgleichdaten& record = doc.Abgleichdaten();
    // The options page writes the range in digits, as the transmitter's registers take it.
    const float anfang = record.m_nBereichAnfang;
    const float ende = record.m_nBereichEnde;
    doc.SetMessAnfang(w.bFallend ? ende : anfang);
    doc.SetMessEnde(w.bFallend ? anfang : ende);
    doc.SetDaempfung(static_cast<float>(w.daempfung));
    const double s = R::Scale(record.m_nKommaPos);
    record.m_nWerksOffset = static_cast<qint16>(CUtils::RoundToInt(w.offset * s));
    record.m_nWerksSpanne = static_cast<quint16>(CUtils::RoundToInt(w.spanne * 100 + kSpanneNeutral));
    doc.SetStromgrenzeMin(static_cast<float>(w.ausgMin));
    doc.SetStromgrenzeMax(static_cast<float>(w.ausgMax));
    doc.SetFehlerstrom(static_cast<float>(w.fehler));
    doc.SetNullpunktsfenster(static_cast<qint16>(w.nullpunktsfenster));
    doc.SetSeriennummer(R::SerialText(w.serie[0], w.serie[1], w.serie[2]));
}
