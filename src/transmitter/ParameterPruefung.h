#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

class CQuillonDoc;

/// The check of a parameter set before it is sent. A document file can hold values no dialog accepts
/// (a damaged or hand-made file); sending them would leave zeros or clipped values in the transmitter
/// while reporting success. So:
/// - refusals: an unknown type, a value that is not finite, a value its encoding on the line cannot
///   hold, a table count beyond 30, a span that a conversion divides by being zero; nothing is sent;
/// - warnings: values the encoding holds but the edit dialogs would not accept; the user is asked.
/// Every entry names the field.
class CParameterPruefung {
    Q_DECLARE_TR_FUNCTIONS(CParameterPruefung)

public:
    struct Ergebnis {
        QStringList fehler;
        QStringList warnungen;
    };

    static Ergebnis Pruefe(const CQuillonDoc& doc, const QLocale& locale = QLocale());

    /// The message refusing the send, and the question before sending values outside the limits.
    static QString FehlerText(const Ergebnis& ergebnis);
    static QString WarnungText(const Ergebnis& ergebnis);

private:
    class Sammler;

    static void PruefeZahlen(const CQuillonDoc& doc, Sammler& s);
    static void PruefeBefehle(const CQuillonDoc& doc, Sammler& s);
    static void PruefeBild(const CQuillonDoc& doc, Sammler& s);
    static void PruefeTabelle(const CQuillonDoc& doc, Sammler& s);
    static void PruefeGrenzen(const CQuillonDoc& doc, const QLocale& locale, Sammler& s);
};
