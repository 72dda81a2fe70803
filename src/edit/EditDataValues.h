#pragma once

#include "base/TypKatalog.h"
#include "edit/LinTabelle.h"

#include <QString>
#include <QStringList>

/// What the dialog "Daten editieren" shows and the user edits. Number fields are held as the texts the
/// user sees, so that the check on "OK" can say which one is not a number; the rules read them.
struct CEditDataValues {
    /// The four dialog variants; the transmitter type chooses one.
    using Variante = CTypKatalog::EditVariante;

    enum Field {
        kBezeichnung,
        kDaempfung,
        kTempDaempfung,
        kMessAnfang,
        kMessEnde,
        kStromMax,
        kStromMin,
        kFehlerstrom,
        kLinKorrektur,
        kAnzeigeEinheit,
    };

    // What the dialog shows but does not edit.
    Variante eVariante = Variante::EditData;
    int nTyp = 0;
    float fGrundAnfang = 0.0f;
    float fGrundEnde = 1.0f;
    int nDezimalstellen = 0;
    int nEinheit = 0;
    QString strGrundAnfang;
    QString strGrundEnde;
    /// Unit text of the base range, and of the output range fields (the KA71 shows those in its display
    /// unit).
    QString strEinheit;
    QString strMessEinheit;

    // What the user edits.
    QString strMessAnfang;
    QString strMessEnde;
    QString strDaempfung;
    QString strTempDaempfung;
    QString strStromMin;
    QString strStromMax;
    QString strFehlerstrom;
    QString strBezeichnung;
    /// Types 3 to 6: the output runs from base end to base start ("fallend").
    bool bFallend = false;
    CLinTabelle linTab;

    // KA71 only.
    /// The names of the seven display units as the document shows them (index = unit index).
    QStringList strEinheitNamen;
    int nAnzeigeEinheit = 0;
    int nMedium = 0;
    int nFreiAnfang = 0;
    int nFreiEnde = 1000;
    int nFreiDezimalpunkt = 0;
    /// The output range a display unit change converts from: as opened or last typed, in its unit, and
    /// what the last change showed. Converting the shown, rounded figures instead would move the range
    /// a little with every look at another unit.
    struct EinheitQuelle {
        QString strAnfang;
        QString strEnde;
        int nEinheit = -1;
        QString strGezeigtAnfang;
        QString strGezeigtEnde;
        int nGezeigtEinheit = -1;
    };
    EinheitQuelle einheitQuelle;

    bool LinKorrektur() const { return linTab.nAnzahl != 0; }
    /// The name of a display unit: the document's, else the unit table's.
    QString EinheitName(int nEinheit) const;
};
