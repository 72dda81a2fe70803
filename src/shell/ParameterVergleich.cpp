#include "shell/ParameterVergleich.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "document/QuillonDoc.h"
#include "shell/FormModel.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kBreite = 6;
/// Table points of the types with memory images: X is stored in 1/100000 of 16 mA, Y in 1/100000 of
/// the set range; the KA71 stores both as whole counts.
constexpr double kLinTabXSchritt = 16.0 / 100000.0;
constexpr double kLinTabYTeile = 100000.0;
/// The command types send a table's currents in hundredths of a milliampere.
constexpr double kLinTabXFaktorBefehle = 100.0;
/// Floats carry about seven digits: a value read back is never closer than that to the one sent.
constexpr double kFloatSchlupf = 1e-6;

using Satz = CParameterSatz;

/// When a field takes part, by what a send writes for the type's way of sending.
enum class Gesendet {
    Nie,      ///< identification and serial number: written only by the factory functions
    Immer,    ///< every type's send writes it (or checks it before writing, as the base range)
    Abbild,   ///< only the memory-image types write it
    NurKA71,  ///< only the KA71's memory image holds it
    OhneKA71, ///< the memory image of every type but the KA71 (temperature damping)
};

struct Feld {
    const char* name;
    const char* label;
    Gesendet gesendet;
    /// Whether the type has the field at all (the form shows it); nullptr: every type.
    bool (*vorhanden)(const CQuillonDoc&);
    /// Text fields: the shown text; number fields leave it unset.
    QString (*text)(const CQuillonDoc&);
    double (*zahl)(const CQuillonDoc&);
    int (*dezimalen)(const CQuillonDoc&);
    /// The step the transmitter stores the value in, when finer or coarser than the shown decimals.
    double (*schritt)(const CQuillonDoc&);
    QString (*einheit)(const CQuillonDoc&);
    void (*kopie)(const Satz& von, Satz& nach);
};

int Null(const CQuillonDoc&) {
    return 0;
}
int Eine(const CQuillonDoc&) {
    return 1;
}
int Zwei(const CQuillonDoc&) {
    return 2;
}
int Dezimalen(const CQuillonDoc& d) {
    return d.GetDezimalstellen();
}
int AnzeigeDezimalen(const CQuillonDoc& d) {
    return d.GetAnzeigeDezimalstellen();
}
QString Einheit(const CQuillonDoc& d) {
    return d.GetEinheitText().trimmed();
}
QString AnzeigeEinheit(const CQuillonDoc& d) {
    return d.GetAnzeigeEinheitText().trimmed();
}
QString Sekunden(const CQuillonDoc&) {
    return QStringLiteral("s");
}
QString Milliampere(const CQuillonDoc&) {
    return QStringLiteral("mA");
}
QString Prozent(const CQuillonDoc&) {
    return QStringLiteral("%");
}
QString Minuten(const CQuillonDoc&) {
    return QStringLiteral("min");
}
bool HatMessbereich(const CQuillonDoc& d) {
    return CFormModel::LayoutForType(d.GetTyp()).bMessbereich;
}
bool HatTempDaempfung(const CQuillonDoc& d) {
    return CFormModel::LayoutForType(d.GetTyp()).bTempDaempfung;
}
bool HatLinTab(const CQuillonDoc& d) {
    return CFormModel::LayoutForType(d.GetTyp()).bLinTab;
}
bool IstKA71(const CQuillonDoc& d) {
    return d.IsKA71();
}

double MessSchritt(const CQuillonDoc& d) {
    if (d.IsKA71()) {
        // The KA71 keeps its range as 1/10000 of its scale: one count, in the shown unit.
        const double proEinheit = std::fabs(d.ToPerTenThousand(1.0) - d.ToPerTenThousand(0.0));
        return proEinheit > 0.0 && std::isfinite(proEinheit) ? 1.0 / proEinheit : 0.0;
    }
    return 1.0 / CUtils::PowerOfTen(d.GetDezimalstellen());
}

const std::vector<Feld>& Felder() {
    // Labels are the program's own German names; tr() runs when a row is made.
    static const std::vector<Feld> felder = {
        {"m_strKennung", QT_TRANSLATE_NOOP("CParameterVergleich", "Kennung"), Gesendet::Nie, nullptr,
         [](const CQuillonDoc& d) { return d.GetKennungText(); }, nullptr, nullptr, nullptr, nullptr,
         [](const Satz& v, Satz& n) { n.m_strKennung = v.m_strKennung; }},
        {"m_strSeriennummer", QT_TRANSLATE_NOOP("CParameterVergleich", "Seriennummer"), Gesendet::Nie,
         nullptr, [](const CQuillonDoc& d) { return d.GetSeriennummerText(); }, nullptr, nullptr, nullptr,
         nullptr, [](const Satz& v, Satz& n) { n.m_strSeriennummer = v.m_strSeriennummer; }},
        {"m_strBezeichnung", QT_TRANSLATE_NOOP("CParameterVergleich", "Bezeichnung"), Gesendet::Immer,
         nullptr,
         // The transmitter pads its tag with blanks: trailing blanks are no difference.
         [](const CQuillonDoc& d) {
             QString text = d.GetBezeichnungText();
             while (text.endsWith(QLatin1Char(' '))) {
                 text.chop(1);
             }
             return text;
         },
         nullptr, nullptr, nullptr, nullptr,
         [](const Satz& v, Satz& n) { n.m_strBezeichnung = v.m_strBezeichnung; }},
        {"m_nEinheit", QT_TRANSLATE_NOOP("CParameterVergleich", "Einheit"), Gesendet::Immer, nullptr,
         [](const CQuillonDoc& d) { return d.GetEinheitText().trimmed(); }, nullptr, nullptr, nullptr,
         nullptr, [](const Satz& v, Satz& n) { n.m_nEinheit = v.m_nEinheit; }},
        {"m_nDezimalstellen", QT_TRANSLATE_NOOP("CParameterVergleich", "Dezimalstellen"), Gesendet::Immer,
         nullptr, nullptr, [](const CQuillonDoc& d) { return double(d.GetDezimalstellen()); }, Null, nullptr,
         nullptr, [](const Satz& v, Satz& n) { n.m_nDezimalstellen = v.m_nDezimalstellen; }},
        {"m_fGrundAnfang", QT_TRANSLATE_NOOP("CParameterVergleich", "Grundmessbereich Anfang"),
         Gesendet::Immer, nullptr, nullptr, [](const CQuillonDoc& d) { return double(d.GetGrundAnfang()); },
         Dezimalen, nullptr, Einheit, [](const Satz& v, Satz& n) { n.m_fGrundAnfang = v.m_fGrundAnfang; }},
        {"m_fGrundEnde", QT_TRANSLATE_NOOP("CParameterVergleich", "Grundmessbereich Ende"), Gesendet::Immer,
         nullptr, nullptr, [](const CQuillonDoc& d) { return double(d.GetGrundEnde()); }, Dezimalen, nullptr,
         Einheit, [](const Satz& v, Satz& n) { n.m_fGrundEnde = v.m_fGrundEnde; }},
        {"m_fMessAnfang", QT_TRANSLATE_NOOP("CParameterVergleich", "Messbereich Anfang"), Gesendet::Immer,
         HatMessbereich, nullptr, [](const CQuillonDoc& d) { return double(d.GetMessAnfang()); },
         AnzeigeDezimalen, MessSchritt, AnzeigeEinheit,
         [](const Satz& v, Satz& n) { n.m_fMessAnfang = v.m_fMessAnfang; }},
        {"m_fMessEnde", QT_TRANSLATE_NOOP("CParameterVergleich", "Messbereich Ende"), Gesendet::Immer,
         HatMessbereich, nullptr, [](const CQuillonDoc& d) { return double(d.GetMessEnde()); },
         AnzeigeDezimalen, MessSchritt, AnzeigeEinheit,
         [](const Satz& v, Satz& n) { n.m_fMessEnde = v.m_fMessEnde; }},
        {"m_fOffset", QT_TRANSLATE_NOOP("CParameterVergleich", "Offsetkorrektur"), Gesendet::Abbild, nullptr,
         nullptr, [](const CQuillonDoc& d) { return double(d.GetOffset()); }, Dezimalen, nullptr, Einheit,
         [](const Satz& v, Satz& n) { n.m_fOffset = v.m_fOffset; }},
        {"m_fSpanne", QT_TRANSLATE_NOOP("CParameterVergleich", "Spannekorrektur"), Gesendet::Abbild, nullptr,
         nullptr, [](const CQuillonDoc& d) { return double(d.GetSpanne()); }, Zwei, nullptr, Prozent,
         [](const Satz& v, Satz& n) { n.m_fSpanne = v.m_fSpanne; }},
        {"m_fDaempfung", QT_TRANSLATE_NOOP("CParameterVergleich", "Dämpfung"), Gesendet::Immer, nullptr,
         nullptr, [](const CQuillonDoc& d) { return double(d.GetDaempfung()); }, Eine, nullptr, Sekunden,
         [](const Satz& v, Satz& n) { n.m_fDaempfung = v.m_fDaempfung; }},
        {"m_fTempDaempfung", QT_TRANSLATE_NOOP("CParameterVergleich", "Temperatur-Dämpfung"),
         Gesendet::OhneKA71, HatTempDaempfung, nullptr,
         [](const CQuillonDoc& d) { return double(d.GetTempDaempfung()); }, Eine, nullptr, Sekunden,
         [](const Satz& v, Satz& n) { n.m_fTempDaempfung = v.m_fTempDaempfung; }},
        {"m_nTastatursperre", QT_TRANSLATE_NOOP("CParameterVergleich", "Tastatursperre"), Gesendet::Abbild,
         nullptr, nullptr, [](const CQuillonDoc& d) { return double(d.GetTastatursperre()); }, Null, nullptr,
         Minuten, [](const Satz& v, Satz& n) { n.m_nTastatursperre = v.m_nTastatursperre; }},
        {"m_nNullpunktsfenster", QT_TRANSLATE_NOOP("CParameterVergleich", "Nullpunktsfenster"),
         Gesendet::Abbild, nullptr, nullptr,
         [](const CQuillonDoc& d) { return double(d.GetNullpunktsfenster()); }, Null, nullptr, nullptr,
         [](const Satz& v, Satz& n) { n.m_nNullpunktsfenster = v.m_nNullpunktsfenster; }},
        {"m_fStromgrenzeMin", QT_TRANSLATE_NOOP("CParameterVergleich", "Stromgrenze Min"), Gesendet::Immer,
         nullptr, nullptr, [](const CQuillonDoc& d) { return double(d.GetStromgrenzeMin()); }, Zwei, nullptr,
         Milliampere, [](const Satz& v, Satz& n) { n.m_fStromgrenzeMin = v.m_fStromgrenzeMin; }},
        {"m_fStromgrenzeMax", QT_TRANSLATE_NOOP("CParameterVergleich", "Stromgrenze Max"), Gesendet::Immer,
         nullptr, nullptr, [](const CQuillonDoc& d) { return double(d.GetStromgrenzeMax()); }, Zwei, nullptr,
         Milliampere, [](const Satz& v, Satz& n) { n.m_fStromgrenzeMax = v.m_fStromgrenzeMax; }},
        {"m_fFehlerstrom", QT_TRANSLATE_NOOP("CParameterVergleich", "Fehlersignal-Strom"), Gesendet::Immer,
         nullptr, nullptr, [](const CQuillonDoc& d) { return double(d.GetFehlerstrom()); }, Zwei, nullptr,
         Milliampere, [](const Satz& v, Satz& n) { n.m_fFehlerstrom = v.m_fFehlerstrom; }},
        {"m_nAnzeigeEinheit", QT_TRANSLATE_NOOP("CParameterVergleich", "Anzeigeeinheit"), Gesendet::NurKA71,
         IstKA71, [](const CQuillonDoc& d) { return d.GetAnzeigeEinheitText().trimmed(); }, nullptr, nullptr,
         nullptr, nullptr, [](const Satz& v, Satz& n) { n.m_nAnzeigeEinheit = v.m_nAnzeigeEinheit; }},
        {"m_nFreiDezimalpunkt", QT_TRANSLATE_NOOP("CParameterVergleich", "Freier Bereich Dezimalstellen"),
         Gesendet::NurKA71, IstKA71, nullptr,
         [](const CQuillonDoc& d) { return double(d.GetFreiDezimalpunkt()); }, Null, nullptr, nullptr,
         [](const Satz& v, Satz& n) { n.m_nFreiDezimalpunkt = v.m_nFreiDezimalpunkt; }},
        {"m_nFreiAnfang", QT_TRANSLATE_NOOP("CParameterVergleich", "Freier Bereich Anfang"),
         Gesendet::NurKA71, IstKA71, nullptr, [](const CQuillonDoc& d) { return double(d.GetFreiAnfang()); },
         Null, nullptr, nullptr, [](const Satz& v, Satz& n) { n.m_nFreiAnfang = v.m_nFreiAnfang; }},
        {"m_nFreiEnde", QT_TRANSLATE_NOOP("CParameterVergleich", "Freier Bereich Ende"), Gesendet::NurKA71,
         IstKA71, nullptr, [](const CQuillonDoc& d) { return double(d.GetFreiEnde()); }, Null, nullptr,
         nullptr, [](const Satz& v, Satz& n) { n.m_nFreiEnde = v.m_nFreiEnde; }},
        {"m_nMedium", QT_TRANSLATE_NOOP("CParameterVergleich", "Medium"), Gesendet::NurKA71, IstKA71, nullptr,
         [](const CQuillonDoc& d) { return double(d.GetMedium()); }, Null, nullptr, nullptr,
         [](const Satz& v, Satz& n) { n.m_nMedium = v.m_nMedium; }},
        {"m_nLinTabAnzahl", QT_TRANSLATE_NOOP("CParameterVergleich", "Linearisierung Punkte"),
         Gesendet::Immer, HatLinTab, nullptr,
         [](const CQuillonDoc& d) { return double(d.GetLinTabAnzahl()); }, Null, nullptr, nullptr,
         [](const Satz& v, Satz& n) { n.m_nLinTabAnzahl = v.m_nLinTabAnzahl; }},
    };
    return felder;
}

const Feld* FindFeld(const QString& name) {
    for (const Feld& feld : Felder()) {
        if (name == QLatin1String(feld.name)) {
            return &feld;
        }
    }
    return nullptr;
}

bool NimmtTeil(const Feld& feld, const CQuillonDoc& doc, CParameterVergleich::Umfang umfang) {
    if (feld.vorhanden != nullptr && !feld.vorhanden(doc)) {
        return false;
    }
    if (umfang == CParameterVergleich::Umfang::Alle) {
        return true;
    }
    const CTypKatalog::Typ* typ = CTypKatalog::Find(doc.GetTyp());
    const bool bAbbild = typ != nullptr && typ->senden != CTypKatalog::Senden::Befehle;
    switch (feld.gesendet) {
    case Gesendet::Nie:
        return false;
    case Gesendet::Immer:
        return true;
    case Gesendet::Abbild:
        return bAbbild;
    case Gesendet::NurKA71:
        return bAbbild && doc.IsKA71();
    case Gesendet::OhneKA71:
        return bAbbild && !doc.IsKA71();
    }
    return false;
}

/// Half a step of the finer of the two resolutions, with room for the float's last digit.
bool InnerhalbSchritt(double a, double b, int dezimalen, double schritt) {
    const double gezeigt = 1.0 / CUtils::PowerOfTen(qBound(0, dezimalen, 9));
    const double toleranz = 0.5 * qMax(gezeigt, schritt) + kFloatSchlupf * qMax(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= toleranz;
}

QString ZahlText(double value, int dezimalen, const QString& einheit, const QLocale& locale) {
    const QString zahl = CFormModel::Number(value, kBreite, qBound(0, dezimalen, 9), locale);
    return einheit.isEmpty() ? zahl : zahl + QLatin1Char(' ') + einheit;
}

CParameterVergleich::Zeile FeldZeile(const Feld& feld, const CQuillonDoc& a, const CQuillonDoc& b,
                                     const QLocale& locale) {
    CParameterVergleich::Zeile zeile;
    zeile.feld = QLatin1String(feld.name);
    zeile.label = CParameterVergleich::tr(feld.label);
    if (feld.text != nullptr) {
        zeile.links = feld.text(a);
        zeile.rechts = feld.text(b);
        zeile.bVerschieden = zeile.links != zeile.rechts;
        return zeile;
    }
    const double va = feld.zahl(a);
    const double vb = feld.zahl(b);
    const QString ea = feld.einheit != nullptr ? feld.einheit(a) : QString();
    const QString eb = feld.einheit != nullptr ? feld.einheit(b) : QString();
    if (feld.dezimalen == Null) {
        // Counts and codes: plain whole numbers, not the form's signed values.
        const auto ganz = [&locale](double v, const QString& e) {
            const QString zahl = locale.toString(static_cast<qint64>(v));
            return e.isEmpty() ? zahl : zahl + QLatin1Char(' ') + e;
        };
        zeile.links = ganz(va, ea);
        zeile.rechts = ganz(vb, eb);
    } else {
        zeile.links = ZahlText(va, feld.dezimalen(a), ea, locale);
        zeile.rechts = ZahlText(vb, feld.dezimalen(b), eb, locale);
    }
    const double schritt = feld.schritt != nullptr ? qMax(feld.schritt(a), feld.schritt(b)) : 0.0;
    zeile.bVerschieden =
        zeile.links != zeile.rechts &&
        !(ea == eb && InnerhalbSchritt(va, vb, qMax(feld.dezimalen(a), feld.dezimalen(b)), schritt));
    return zeile;
}

/// The table points in use on either side; a point beyond one side's count has no value there.
void LinTabZeilen(const CQuillonDoc& a, const CQuillonDoc& b, const QLocale& locale,
                  QList<CParameterVergleich::Zeile>& zeilen) {
    const int n = qBound(0, qMax(a.GetLinTabAnzahl(), b.GetLinTabAnzahl()), CQuillonDoc::kLinTabPunkte);
    const bool bKA71 = a.IsKA71();
    const CTypKatalog::Typ* typ = CTypKatalog::Find(a.GetTyp());
    // The command types send table words whose fraction is dropped: up to a whole step off, so the
    // step counted here is two of theirs.
    const bool bBefehle = typ == nullptr || typ->senden == CTypKatalog::Senden::Befehle;
    const double xSchritt = bKA71 ? 1.0 : bBefehle ? 2.0 / kLinTabXFaktorBefehle : kLinTabXSchritt;
    const auto ySchritt = [bKA71, bBefehle](const CQuillonDoc& d) {
        if (bKA71) {
            return 1.0;
        }
        if (bBefehle) {
            return 2.0 / (d.GetLinTabOption() != 0 ? CUtils::PowerOfTen(d.GetDezimalstellen()) : 10.0);
        }
        return std::fabs(static_cast<double>(d.GetMessEnde()) - d.GetMessAnfang()) / kLinTabYTeile;
    };
    const double yStep = qMax(ySchritt(a), ySchritt(b));
    const int yDezimalen = qMax(a.GetDezimalstellen(), b.GetDezimalstellen());
    for (int i = 0; i < n; ++i) {
        for (const bool bY : {false, true}) {
            CParameterVergleich::Zeile zeile;
            zeile.feld = QStringLiteral("%1[%2]").arg(bY ? "m_fLinTabY" : "m_fLinTabX").arg(i);
            zeile.label = bY ? CParameterVergleich::tr("Linearisierung Punkt %1 Druck").arg(i + 1)
                             : CParameterVergleich::tr("Linearisierung Punkt %1 Strom").arg(i + 1);
            const int dezimalen = bY ? yDezimalen : 3;
            const double schritt = bY ? yStep : xSchritt;
            const bool bInA = i < a.GetLinTabAnzahl();
            const bool bInB = i < b.GetLinTabAnzahl();
            const double va = bY ? a.GetLinTabY(i) : a.GetLinTabX(i);
            const double vb = bY ? b.GetLinTabY(i) : b.GetLinTabX(i);
            zeile.links = bInA ? ZahlText(va, dezimalen, QString(), locale) : QString();
            zeile.rechts = bInB ? ZahlText(vb, dezimalen, QString(), locale) : QString();
            zeile.bVerschieden = bInA != bInB || (zeile.links != zeile.rechts &&
                                                  !InnerhalbSchritt(va, vb, dezimalen, schritt));
            zeilen.append(zeile);
        }
    }
}

/// "m_fLinTabX[3]" -> X, 3; false for any other name.
bool ParseLinTabName(const QString& feld, bool& bY, int& index) {
    static const QString x = QStringLiteral("m_fLinTabX[");
    static const QString y = QStringLiteral("m_fLinTabY[");
    if (!(feld.startsWith(x) || feld.startsWith(y)) || !feld.endsWith(QLatin1Char(']'))) {
        return false;
    }
    bY = feld.startsWith(y);
    bool ok = false;
    index = feld.mid(x.size(), feld.size() - x.size() - 1).toInt(&ok);
    return ok && index >= 0 && index < CQuillonDoc::kLinTabPunkte;
}

} // namespace

bool CParameterVergleich::Ergebnis::Gleich() const {
    return !bTypVerschieden && VerschiedeneFelder().isEmpty();
}

QStringList CParameterVergleich::Ergebnis::VerschiedeneFelder() const {
    QStringList felder;
    for (const Zeile& zeile : zeilen) {
        if (zeile.bVerschieden) {
            felder.append(zeile.feld);
        }
    }
    return felder;
}

CParameterVergleich::Ergebnis CParameterVergleich::Vergleiche(const CQuillonDoc& links,
                                                              const CQuillonDoc& rechts,
                                                              const QLocale& locale, Umfang umfang) {
    Ergebnis ergebnis;
    ergebnis.nTypLinks = links.GetTyp();
    ergebnis.nTypRechts = rechts.GetTyp();
    if (ergebnis.nTypLinks != ergebnis.nTypRechts) {
        ergebnis.bTypVerschieden = true;
        return ergebnis;
    }
    for (const Feld& feld : Felder()) {
        if (NimmtTeil(feld, links, umfang)) {
            ergebnis.zeilen.append(FeldZeile(feld, links, rechts, locale));
        }
    }
    if (HatLinTab(links)) {
        LinTabZeilen(links, rechts, locale, ergebnis.zeilen);
    }
    return ergebnis;
}

bool CParameterVergleich::Uebernehmen(const QString& feld, const CQuillonDoc& von, CQuillonDoc& nach) {
    CParameterSatz satz = nach.GetParameterSatz();
    const CParameterSatz& quelle = von.GetParameterSatz();
    bool bY = false;
    int index = 0;
    if (const Feld* f = FindFeld(feld); f != nullptr) {
        f->kopie(quelle, satz);
    } else if (ParseLinTabName(feld, bY, index)) {
        auto& ziel = bY ? satz.m_fLinTabY : satz.m_fLinTabX;
        ziel[static_cast<size_t>(index)] =
            (bY ? quelle.m_fLinTabY : quelle.m_fLinTabX)[static_cast<size_t>(index)];
    } else {
        return false;
    }
    nach.SetParameterSatz(satz);
    nach.SetModifiedFlag();
    nach.UpdateAllViews();
    return true;
}

QStringList CParameterVergleich::FeldNamen() {
    QStringList namen;
    for (const Feld& feld : Felder()) {
        namen.append(QLatin1String(feld.name));
    }
    return namen;
}
