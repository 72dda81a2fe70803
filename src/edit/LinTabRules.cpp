#include "edit/LinTabRules.h"

#include "base/NumberField.h"
#include "base/Utils.h"

#include <cmath>
#include <utility>

namespace {

constexpr float kStromMin = 4.0f;
constexpr float kStromMax = 20.0f;
constexpr float kProzentMax = 100.0f;
constexpr double kStromStufe = 100.0;
constexpr double kProzentStufe = 10.0;
constexpr int kStromDezimalen = 2;
constexpr double kFreiGrenze = 9999.0;
constexpr int kMaxKomma = 3;
constexpr int kZaehlerGenauigkeit = 6;

bool IsKA71(const CLinTabValues& werte) {
    return werte.eArt == CLinTabValues::Art::KA71;
}

} // namespace

CLinTabRules::CLinTabRules(QLocale locale)
    : m_locale(std::move(locale)) {}

CLinTabValues CLinTabRules::Load(CLinTabValues::Art eArt, const CLinTabelle& table, float fWert4mA,
                                 float fWert20mA, const QString& strEinheit, int nDezimalstellen) const {
    CLinTabValues werte;
    werte.eArt = eArt;
    werte.nAnzahl = qBound(CLinTabelle::kMinPunkte, table.nAnzahl, CLinTabelle::kPunkte);
    werte.fWert4mA = fWert4mA;
    werte.fWert20mA = fWert20mA;
    werte.strEinheit = strEinheit;
    werte.nDezimalstellen = CLinTabelle::BoundedDecimals(nDezimalstellen);
    ShowTable(werte, table);
    return werte;
}

CLinTabValues CLinTabRules::LoadKA71(const CLinTabelle& stored, const CLinTabGenerator::KA71Bereich& bereich,
                                     const QString& strEinheit, int nAnzeigeEinheit) const {
    CLinTabValues werte;
    werte.eArt = CLinTabValues::Art::KA71;
    werte.nAnzahl = stored.nAnzahl < CLinTabelle::kMinPunkte ? 0 : CLinTabelle::Bounded(stored.nAnzahl);
    werte.fWert4mA = bereich.fWert4mA;
    werte.fWert20mA = bereich.fWert20mA;
    werte.strEinheit = strEinheit;
    werte.bereich = bereich;
    werte.bereich.nKomma = qBound(0, bereich.nKomma, kMaxKomma);
    werte.bereich.nAnzeigeDezimalen = CLinTabelle::BoundedDecimals(bereich.nAnzeigeDezimalen);
    werte.nDezimalstellen = werte.bereich.nKomma;
    werte.nAnzeigeEinheit = nAnzeigeEinheit;
    werte.stored = stored;
    werte.stored.nAnzahl = werte.nAnzahl;
    ShowKA71(werte);
    return werte;
}

QStringList CLinTabRules::AnzahlTexte(CLinTabValues::Art eArt) {
    QStringList texts;
    if (eArt == CLinTabValues::Art::KA71) {
        texts << tr("radiziert");
    }
    for (int n = CLinTabelle::kMinPunkte; n <= CLinTabelle::kPunkte; ++n) {
        texts << QString::number(n);
    }
    return texts;
}

QStringList CLinTabRules::KommaTexte() {
    return {QStringLiteral("0000"), QStringLiteral("000.0"), QStringLiteral("00.00"),
            QStringLiteral("0.000")};
}

int CLinTabRules::AnzahlToIndex(const CLinTabValues& werte) {
    if (IsKA71(werte)) {
        return werte.nAnzahl < CLinTabelle::kMinPunkte ? 0 : werte.nAnzahl - 2;
    }
    return werte.nAnzahl - CLinTabelle::kMinPunkte;
}

int CLinTabRules::IndexToAnzahl(CLinTabValues::Art eArt, int nIndex) {
    if (eArt == CLinTabValues::Art::KA71) {
        return nIndex <= 0 ? 0 : qMin(nIndex + 2, CLinTabelle::kPunkte);
    }
    return qBound(CLinTabelle::kMinPunkte, nIndex + CLinTabelle::kMinPunkte, CLinTabelle::kPunkte);
}

void CLinTabRules::SetAnzahl(CLinTabValues& werte, int nAnzahl) const {
    switch (werte.eArt) {
    case CLinTabValues::Art::Prozent:
        werte.nAnzahl = qBound(CLinTabelle::kMinPunkte, nAnzahl, CLinTabelle::kPunkte);
        ShowTable(werte, CLinTabGenerator::EvenProzent(werte.nAnzahl));
        break;
    case CLinTabValues::Art::Druck:
        werte.nAnzahl = qBound(CLinTabelle::kMinPunkte, nAnzahl, CLinTabelle::kPunkte);
        ShowTable(werte, CLinTabGenerator::EvenDruck(werte.nAnzahl, werte.fWert4mA, werte.fWert20mA,
                                                     werte.nDezimalstellen));
        break;
    case CLinTabValues::Art::KA71:
        if (nAnzahl < CLinTabelle::kMinPunkte) {
            werte.nAnzahl = 0;
            werte.stored = CLinTabGenerator::Radiziert();
        } else {
            werte.nAnzahl = qMin(nAnzahl, CLinTabelle::kPunkte);
            werte.stored = CLinTabGenerator::EvenKA71(werte.nAnzahl);
        }
        ShowKA71(werte);
        break;
    }
}

CLinTabRules::RowState CLinTabRules::Row(const CLinTabValues& werte, int nRow) {
    RowState state;
    const int n = CLinTabelle::Bounded(werte.nAnzahl);
    state.bEnabled = nRow >= 0 && nRow < n;
    state.bReadOnly = nRow == 0 || nRow == n - 1;
    state.bVisible = !IsKA71(werte) || state.bEnabled;
    return state;
}

std::optional<ValidationProblem> CLinTabRules::FreiBereichVerlassen(CLinTabValues& werte, int nFeld) const {
    const bool bAnfang = nFeld == kFeldFreiAnfang;
    const double f = CUtils::PowerOfTen(werte.bereich.nKomma);
    const double grenze = kFreiGrenze / f;
    const double value = Value(bAnfang ? werte.strFreiAnfang : werte.strFreiEnde);
    if (value < -grenze || value > grenze) {
        return ValidationProblem{nFeld, CNumberField::MsgZahlZwischen(-grenze, grenze, m_locale)};
    }
    TakeEditedKA71(werte);
    // 0.29 x 100 is 28.999... in binary: the typed digits count, not the representation error.
    double scaled = value * f;
    CUtils::RoundDouble(scaled, kZaehlerGenauigkeit);
    const int counts = static_cast<int>(std::trunc(scaled));
    (bAnfang ? werte.bereich.nFreiAnfang : werte.bereich.nFreiEnde) = counts;
    ShowKA71(werte);
    return std::nullopt;
}

void CLinTabRules::SetKomma(CLinTabValues& werte, int nKomma) const {
    TakeEditedKA71(werte);
    werte.bereich.nKomma = qBound(0, nKomma, kMaxKomma);
    werte.nDezimalstellen = werte.bereich.nKomma;
    ShowKA71(werte);
}

std::optional<ValidationProblem> CLinTabRules::Validate(const CLinTabValues& werte) const {
    switch (werte.eArt) {
    case CLinTabValues::Art::Prozent:
        return CheckProzent(werte);
    case CLinTabValues::Art::Druck:
        return CheckDruck(werte);
    case CLinTabValues::Art::KA71:
        return CheckKA71(werte);
    }
    return std::nullopt;
}

std::optional<ValidationProblem> CLinTabRules::CheckProzent(const CLinTabValues& werte) const {
    const Column output{0, &werte.strX, kStromMin, kStromMax, kStromDezimalen, kStromStufe, kStromDezimalen};
    const Column measured{kFeldY, &werte.strY, 0.0f, kProzentMax, 2, kProzentStufe, 2};
    if (auto problem = CheckColumn(output, werte.nAnzahl)) {
        return problem;
    }
    return CheckColumn(measured, werte.nAnzahl);
}

std::optional<ValidationProblem> CLinTabRules::CheckDruck(const CLinTabValues& werte) const {
    const int d = werte.nDezimalstellen;
    // The output column holds mA with two decimals: its step message shows 0.01 with the document's
    // decimals like the range message does, but never fewer than two (a minimum change of "0.0").
    const Column output{0, &werte.strX, kStromMin, kStromMax, d, kStromStufe, qMax(d, kStromDezimalen)};
    float lo = werte.fWert4mA;
    float hi = werte.fWert20mA;
    double e = CUtils::PowerOfTen(d);
    if (hi < lo) {
        std::swap(lo, hi);
        e = -e;
    }
    const Column measured{kFeldY, &werte.strY, lo, hi, d, e, d};
    if (auto problem = CheckColumn(output, werte.nAnzahl)) {
        return problem;
    }
    return CheckColumn(measured, werte.nAnzahl);
}

std::optional<ValidationProblem> CLinTabRules::CheckKA71(const CLinTabValues& werte) const {
    if (auto problem = CheckFreiBereich(werte)) {
        return problem;
    }
    if (werte.nAnzahl < CLinTabelle::kMinPunkte) {
        return std::nullopt; // "radiziert": no rows to check
    }
    float freiLo = static_cast<float>(Value(werte.strFreiAnfang));
    float freiHi = static_cast<float>(Value(werte.strFreiEnde));
    if (freiLo == freiHi) {
        return ValidationProblem{kFeldFreiAnfang, tr("Anfang und Ende dürfen nicht gleich sein.")};
    }
    if (werte.fWert4mA == werte.fWert20mA) {
        return ValidationProblem{-1, tr("Der Messbereich von 4 mA bis 20 mA hat keine Spanne.")};
    }
    if (freiHi < freiLo) {
        std::swap(freiLo, freiHi);
    }
    const float lo = qMin(werte.fWert4mA, werte.fWert20mA);
    const float hi = qMax(werte.fWert4mA, werte.fWert20mA);
    const Column display{0, &werte.strX, freiLo, freiHi, werte.bereich.nKomma, 0.0, 0};
    const Column measured{kFeldY, &werte.strY, lo, hi, werte.bereich.nAnzeigeDezimalen, 0.0, 0};
    if (auto problem = CheckColumn(display, werte.nAnzahl)) {
        return problem;
    }
    return CheckColumn(measured, werte.nAnzahl);
}

std::optional<ValidationProblem> CLinTabRules::CheckFreiBereich(const CLinTabValues& werte) const {
    const float grenze = static_cast<float>(kFreiGrenze / CUtils::PowerOfTen(werte.bereich.nKomma));
    float value = 0.0f;
    if (auto text = CNumberField::CheckFloat(werte.strFreiAnfang, -grenze, grenze, m_locale, value)) {
        return ValidationProblem{kFeldFreiAnfang, *text};
    }
    if (auto text = CNumberField::CheckFloat(werte.strFreiEnde, -grenze, grenze, m_locale, value)) {
        return ValidationProblem{kFeldFreiEnde, *text};
    }
    return std::nullopt;
}

std::optional<ValidationProblem> CLinTabRules::CheckColumn(const Column& column, int nAnzahl) const {
    const int n = CLinTabelle::Bounded(nAnzahl);
    float previous = 0.0f;
    for (int i = 0; i < n; ++i) {
        const int nFeld = column.nFeld + i;
        const std::optional<double> parsed = CNumberField::Parse((*column.texts)[i], m_locale);
        if (!parsed) {
            return ValidationProblem{nFeld, CNumberField::MsgZahl()};
        }
        const float value = static_cast<float>(*parsed);
        if (value < column.lo || value > column.hi) {
            const QString text = i == 0 ? CNumberField::MsgZahlZwischen(column.lo, column.hi, m_locale)
                                        : Msg21010(column.lo, column.hi, column.nPrecision, m_locale);
            return ValidationProblem{nFeld, text};
        }
        if (i > 0 && column.e != 0.0 && StepTooSmall(value, previous, column.e)) {
            return ValidationProblem{nFeld, Msg21009(1.0 / column.e, column.nStepPrecision, m_locale)};
        }
        previous = value;
    }
    return std::nullopt;
}

bool CLinTabRules::StepTooSmall(float value, float previous, double e) {
    double a = value * e;
    double b = previous * e;
    CUtils::RoundDouble(a, 1);
    CUtils::RoundDouble(b, 1);
    return std::trunc(a - b) <= 0.0;
}

CLinTabRules::Ergebnis CLinTabRules::Result(const CLinTabValues& werte) const {
    if (!IsKA71(werte)) {
        CLinTabelle table = Parsed(werte);
        table.nAnzahl = werte.nAnzahl;
        return {table, werte.bereich};
    }
    CLinTabValues copy = werte;
    CLinTabValues shown = werte;
    ShowKA71(shown);
    const QString ende = copy.strFreiEnde;
    if (copy.strFreiAnfang != shown.strFreiAnfang) {
        FreiBereichVerlassen(copy, kFeldFreiAnfang);
    }
    copy.strFreiEnde = ende;
    if (copy.strFreiEnde != shown.strFreiEnde) {
        FreiBereichVerlassen(copy, kFeldFreiEnde);
    }
    TakeEditedKA71(copy);
    copy.stored.nAnzahl = copy.nAnzahl;
    return {copy.stored, copy.bereich};
}

QString CLinTabRules::Msg21010(double lo, double hi, int nPrecision, const QLocale& locale) {
    return tr("Geben Sie bitte eine Zahl zwischen %1 und %2 ein.")
        .arg(CNumberField::FormatFixed(lo, 6, nPrecision, locale),
             CNumberField::FormatFixed(hi, 6, nPrecision, locale));
}

QString CLinTabRules::Msg21009(double step, int nPrecision, const QLocale& locale) {
    return tr("Die Tabellenwerte müssen sich um mindestens %1 ändern !")
        .arg(CNumberField::FormatFixed(step, 6, nPrecision, locale));
}

double CLinTabRules::Value(const QString& text) const {
    return CNumberField::Parse(text, m_locale).value_or(0.0);
}

CLinTabelle CLinTabRules::Parsed(const CLinTabValues& werte) const {
    CLinTabelle table;
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        table.x[i] = static_cast<float>(Value(werte.strX[i]));
        table.y[i] = static_cast<float>(Value(werte.strY[i]));
    }
    return table;
}

void CLinTabRules::ShowTable(CLinTabValues& werte, const CLinTabelle& table) const {
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        werte.strX[i] = CNumberField::Format(table.x[i], m_locale);
        werte.strY[i] = CNumberField::Format(table.y[i], m_locale);
    }
}

void CLinTabRules::ShowKA71(CLinTabValues& werte) const {
    const int d = werte.bereich.nKomma;
    const double f = CUtils::PowerOfTen(d);
    werte.strFreiAnfang = CNumberField::FormatFixed(werte.bereich.nFreiAnfang / f, 0, d, m_locale);
    werte.strFreiEnde = CNumberField::FormatFixed(werte.bereich.nFreiEnde / f, 0, d, m_locale);
    const CLinTabelle shown = CLinTabGenerator::KA71Shown(werte.stored, werte.bereich);
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        werte.strX[i] = CNumberField::FormatFixed(shown.x[i], 0, d, m_locale);
        werte.strY[i] = CNumberField::FormatFixed(shown.y[i], 0, werte.bereich.nAnzeigeDezimalen, m_locale);
    }
    werte.strXGezeigt = werte.strX;
    werte.strYGezeigt = werte.strY;
}

void CLinTabRules::TakeEditedKA71(CLinTabValues& werte) const {
    const std::optional<CLinTabelle> converted = CLinTabGenerator::KA71Stored(Parsed(werte), werte.bereich);
    if (!converted) {
        return;
    }
    for (int i = 0; i < CLinTabelle::kPunkte; ++i) {
        if (werte.strX[i] != werte.strXGezeigt[i]) {
            werte.stored.x[i] = converted->x[i];
        }
        if (werte.strY[i] != werte.strYGezeigt[i]) {
            werte.stored.y[i] = converted->y[i];
        }
    }
    werte.strXGezeigt = werte.strX;
    werte.strYGezeigt = werte.strY;
}
