#pragma once

#include <QCoreApplication>
#include <QStringList>

class CQuillonDoc;

/// The check of a parameter set before it is sent. A document file can hold values no dialog accepts
/// (a damaged or hand-made file); sending them would leave zeros or clipped values in the transmitter
/// while reporting success. Refused are: an unknown type, a value that is not finite, a value its
/// encoding on the line cannot hold, a table count beyond 30, a tag beyond 20 characters or with a control
/// character and a zero span that a conversion divides by. Every finding names the field.
///
/// Values the encoding holds but the edit dialogs would not accept are a question, not a refusal; the
/// edit layer knows those limits (CSendeGrenzen) and CParameterTransfer asks through its hook.
class CParameterPruefung {
    Q_DECLARE_TR_FUNCTIONS(CParameterPruefung)

public:
    /// The fields of the parameter set as a person knows them from the edit dialogs.
    enum class Feld {
        Typ,
        GrundAnfang,
        GrundEnde,
        MessAnfang,
        MessEnde,
        Daempfung,
        TempDaempfung,
        Offset,
        Spanne,
        StromMin,
        StromMax,
        Fehlerstrom,
        Bezeichnung,
        Nullpunktsfenster,
        Tastensperre,
        Dezimalstellen,
        Anzeigeeinheit,
        Stuetzpunkte,
    };

    static QString FeldName(Feld feld);
    /// "field: text", the form of every finding.
    static QString Befund(Feld feld, const QString& text);

    /// The reasons the parameter set cannot be sent; empty when it can.
    static QStringList Pruefe(const CQuillonDoc& doc);

    /// The message refusing the send, and the question before sending values outside the limits.
    static QString FehlerText(const QStringList& fehler);
    static QString WarnungText(const QStringList& warnungen);

private:
    class Sammler;

    static void PruefeZahlen(const CQuillonDoc& doc, Sammler& s);
    static void PruefeBefehle(const CQuillonDoc& doc, Sammler& s);
    static void PruefeBild(const CQuillonDoc& doc, Sammler& s);
    static void PruefeTabelle(const CQuillonDoc& doc, Sammler& s);
};
