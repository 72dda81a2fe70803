#include "base/NumberField.h"

#include <QtNumeric>
#include <cmath>

namespace {

constexpr int kMaxPrecision = 10;

} // namespace

QLocale CNumberField::Strict(const QLocale& locale) {
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return strict;
}

std::optional<double> CNumberField::Parse(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = Strict(locale).toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> CNumberField::ParseInt(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const int value = Strict(locale).toInt(trimmed, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

QString CNumberField::Format(double value, const QLocale& locale, int significantDigits) {
    return Strict(locale).toString(value, 'g', significantDigits);
}

QString CNumberField::FormatFixed(double value, int width, int precision, const QLocale& locale) {
    const int p = qBound(0, precision, kMaxPrecision);
    return Strict(locale).toString(value, 'f', p).rightJustified(width, QLatin1Char(' '));
}

QString CNumberField::Fixed(double value, int decimals, const QLocale& locale) {
    const int p = qBound(0, decimals, kMaxPrecision);
    if (std::abs(value) < 0.5 * std::pow(10.0, -p)) {
        value = 0.0;
    }
    return Strict(locale).toString(value, 'f', p);
}

std::optional<QString> CNumberField::CheckFloat(const QString& text, float lo, float hi,
                                                const QLocale& locale, float& value) {
    const std::optional<double> parsed = Parse(text, locale);
    if (!parsed) {
        return MsgZahl();
    }
    const float f = static_cast<float>(*parsed);
    if (!std::isfinite(f) || f < lo || f > hi) {
        return MsgZahlZwischen(lo, hi, locale);
    }
    value = f;
    return std::nullopt;
}

std::optional<QString> CNumberField::CheckInt(const QString& text, int lo, int hi, const QLocale& locale,
                                              int& value) {
    const std::optional<int> parsed = ParseInt(text, locale);
    if (!parsed || *parsed < lo || *parsed > hi) {
        return MsgGanzeZahlZwischen(lo, hi, locale);
    }
    value = *parsed;
    return std::nullopt;
}

std::optional<QString> CNumberField::CheckLength(const QString& text, int nMax) {
    if (text.size() > nMax) {
        return MsgZuLang(nMax);
    }
    return std::nullopt;
}

QString CNumberField::MsgZahl() {
    return tr("Geben Sie eine Zahl ein.");
}

QString CNumberField::MsgZahlZwischen(double lo, double hi, const QLocale& locale) {
    return tr("Geben Sie eine Zahl zwischen %1 und %2 ein.").arg(Format(lo, locale), Format(hi, locale));
}

QString CNumberField::MsgGanzeZahlZwischen(int lo, int hi, const QLocale& locale) {
    return tr("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.")
        .arg(Strict(locale).toString(lo), Strict(locale).toString(hi));
}

QString CNumberField::MsgZuLang(int nMax) {
    return tr("Geben Sie nicht mehr als %1 Zeichen ein.").arg(nMax);
}
