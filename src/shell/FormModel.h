#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

class CQuillonDoc;

/// What the main window's form shows: the texts of its read-only fields, taken from the document, and
/// which of its controls a transmitter type shows. The form widget only copies these into its controls.
class CFormModel {
    Q_DECLARE_TR_FUNCTIONS(CFormModel)

public:
    static constexpr int kSeriennummerMax = 16;

    /// The controls that come and go with the type; the base range, the damping, the current limits
    /// and the identification are always shown.
    struct Layout {
        bool bMessbereich = true;    ///< set range: labels 1217/1218, fields 1009/1010, units 1019/1020
        bool bKennlinie = false;     ///< characteristic 1215/1216
        bool bTempDaempfung = false; ///< temperature damping 1219/1012/1221
        bool bLinTab = true;         ///< check box 1131
    };

    struct Texts {
        QString grundAnfang;   ///< 1015
        QString grundEnde;     ///< 1016
        QString grundEinheit;  ///< 1017 and 1018
        QString messAnfang;    ///< 1009
        QString messEnde;      ///< 1010
        QString messEinheit;   ///< 1019 and 1020
        QString kennlinie;     ///< 1216: "steigend" or "fallend"
        QString daempfung;     ///< 1011
        QString tempDaempfung; ///< 1012
        QString stromMin;      ///< 1041
        QString stromMax;      ///< 1034
        QString fehlerstrom;   ///< 1043
        QString typ;           ///< 1023
        QString kennung;       ///< 1014
        QString seriennummer;  ///< 1022
        QString bezeichnung;   ///< 1021
        bool bLinTab = false;  ///< 1131: the document holds a linearization table
    };

    static Layout LayoutForType(int nTyp);
    /// The texts of the document's parameter set; numbers with the locale's decimal separator.
    static Texts ShowDocument(const CQuillonDoc& doc, const QLocale& locale);
    /// A number as the form shows it: signed, with the decimals, without leading blanks.
    static QString Number(double value, int width, int decimals, const QLocale& locale);

private:
    static void BaseRange(const CQuillonDoc& doc, const QLocale& locale, Texts& texts);
};
