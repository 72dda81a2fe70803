#pragma once

#include <QLocale>
#include <QString>

class CQuillonDoc;

/// How the measurement windows and the log show a live value: which rows a type has, the precision and
/// unit text of the measured value (the KA71 shows its free range while a linearization table is in use),
/// and the signed six-character number forms.
class CMessAnzeige {
public:
    /// Types 2, 7, 8 and 9 measure a medium temperature besides the pressure.
    static bool HasTemperatur(int nTyp);
    /// The VN62 (type 7) reports its two input pressures P1 and P2 besides the difference.
    static bool HasDruecke(int nTyp);
    /// Decimals of the measured value as shown and logged.
    static int Precision(const CQuillonDoc& doc);
    /// Unit text beside the measured value.
    static QString UnitText(const CQuillonDoc& doc);
    /// A measured value: sign, width 6, the given decimals.
    static QString FormatMesswert(double value, int precision, const QLocale& locale);
    /// A temperature: sign, width 6, one decimal.
    static QString FormatTemperatur(double value, const QLocale& locale);
};
