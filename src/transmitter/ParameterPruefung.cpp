#include "transmitter/ParameterPruefung.h"

#include "document/EditDataDoc.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataRules.h"
#include "edit/KonfigurationRules.h"
#include "edit/TypKatalog.h"
#include "edit/Utils.h"
#include "transmitter/CommandSet.h"
#include "transmitter/Commands.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kMaxDezimalen = 4;
constexpr qsizetype kBezeichnungLaenge = 20;
constexpr qsizetype kScaledLaenge = 6;
constexpr double kWortMin = -32768.0;
constexpr double kWortMax = 32767.0;
constexpr double kWortOhneVorzeichenMax = 65535.0;
constexpr double kLongMin = -2147483648.0;
constexpr double kLongMax = 2147483647.0;

/// The types whose parameter set travels as single commands (the others as memory images).
bool SendetBefehle(int nTyp) {
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr && typ->senden == CTypKatalog::Senden::Befehle;
}

/// x as the send rounds it (half away from zero), compared before any saturation.
bool Passt(double x, double lo, double hi) {
    if (!std::isfinite(x)) {
        return false;
    }
    const double r = x > 0.0 ? std::floor(x + 0.5) : std::ceil(x - 0.5);
    return r >= lo && r <= hi;
}

const char* EditFeldName(int nFeld) {
    switch (nFeld) {
    case CEditDataWerte::kBezeichnung:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Bezeichnung");
    case CEditDataWerte::kDaempfung:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Dämpfung");
    case CEditDataWerte::kTempDaempfung:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Dämpfung Temp.");
    case CEditDataWerte::kMessAnfang:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "4mA Signal bei");
    case CEditDataWerte::kMessEnde:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "20mA Signal bei");
    case CEditDataWerte::kStromMax:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Stromgrenze Max");
    case CEditDataWerte::kStromMin:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Stromgrenze Min");
    case CEditDataWerte::kFehlerstrom:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Transmitterfehler Strom");
    default:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Messbereich");
    }
}

const char* KonfigurationFeldName(int nFeld) {
    switch (nFeld) {
    case CKonfigurationWerte::kOffset:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Offsetkorrektur");
    case CKonfigurationWerte::kSpanne:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Spannekorrektur");
    case CKonfigurationWerte::kNullpunkt:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Nullpunktsfenster");
    default:
        return QT_TRANSLATE_NOOP("CParameterPruefung", "Tastensperre");
    }
}

} // namespace

/// Collects the findings with their field names.
class CParameterPruefung::Sammler {
public:
    explicit Sammler(Ergebnis& ergebnis)
        : m_ergebnis(ergebnis) {}

    void Fehler(const QString& feld, const QString& text) {
        m_ergebnis.fehler << feld + QStringLiteral(": ") + text;
    }
    void Warnung(const QString& feld, const QString& text) {
        m_ergebnis.warnungen << feld + QStringLiteral(": ") + text;
    }
    /// A value that must travel as a number: finite, and within [lo, hi] once rounded.
    void Kodiert(const QString& feld, double x, double lo, double hi) {
        if (!std::isfinite(x)) {
            Fehler(feld, tr("kein gültiger Zahlenwert"));
        } else if (!Passt(x, lo, hi)) {
            Fehler(feld, tr("der Wert ist für die Übertragung zu groß"));
        }
    }
    bool HatFehler() const { return !m_ergebnis.fehler.isEmpty(); }

private:
    Ergebnis& m_ergebnis;
};

CParameterPruefung::Ergebnis CParameterPruefung::Pruefe(const CQuillonDoc& doc, const QLocale& locale) {
    Ergebnis ergebnis;
    Sammler s(ergebnis);
    if (!CTypKatalog::IsGueltigerTyp(doc.GetTyp())) {
        s.Fehler(tr("Transmitter-Typ"), tr("%1 ist kein bekannter Typ").arg(doc.GetTyp()));
        return ergebnis;
    }
    PruefeZahlen(doc, s);
    if (s.HatFehler()) {
        return ergebnis; // the encodings below would only repeat what is not a number
    }
    if (SendetBefehle(doc.GetTyp())) {
        PruefeBefehle(doc, s);
    } else {
        PruefeBild(doc, s);
    }
    PruefeTabelle(doc, s);
    if (!s.HatFehler()) {
        PruefeGrenzen(doc, locale, s);
    }
    return ergebnis;
}

void CParameterPruefung::PruefeZahlen(const CQuillonDoc& doc, Sammler& s) {
    const struct {
        const char* feld;
        float value;
    } zahlen[] = {
        {QT_TRANSLATE_NOOP("CParameterPruefung", "Grundmessbereich Anfang"), doc.GetGrundAnfang()},
        {QT_TRANSLATE_NOOP("CParameterPruefung", "Grundmessbereich Ende"), doc.GetGrundEnde()},
        {EditFeldName(CEditDataWerte::kMessAnfang), doc.GetMessAnfang()},
        {EditFeldName(CEditDataWerte::kMessEnde), doc.GetMessEnde()},
        {EditFeldName(CEditDataWerte::kDaempfung), doc.GetDaempfung()},
        {EditFeldName(CEditDataWerte::kTempDaempfung), doc.GetTempDaempfung()},
        {KonfigurationFeldName(CKonfigurationWerte::kOffset), doc.GetOffset()},
        {KonfigurationFeldName(CKonfigurationWerte::kSpanne), doc.GetSpanne()},
        {EditFeldName(CEditDataWerte::kStromMin), doc.GetStromgrenzeMin()},
        {EditFeldName(CEditDataWerte::kStromMax), doc.GetStromgrenzeMax()},
        {EditFeldName(CEditDataWerte::kFehlerstrom), doc.GetFehlerstrom()},
    };
    for (const auto& zahl : zahlen) {
        if (!std::isfinite(zahl.value)) {
            s.Fehler(tr(zahl.feld), tr("kein gültiger Zahlenwert"));
        }
    }
    for (int i = 0; i < CQuillonDoc::kLinTabPunkte; ++i) {
        if (!std::isfinite(doc.GetLinTabX(i)) || !std::isfinite(doc.GetLinTabY(i))) {
            s.Fehler(tr("Linearisierung Punkt %1").arg(i + 1), tr("kein gültiger Zahlenwert"));
        }
    }
    if (doc.GetDezimalstellen() < 0 || doc.GetDezimalstellen() > kMaxDezimalen) {
        s.Fehler(tr("Dezimalstellen"), tr("%1 kann nicht übertragen werden").arg(doc.GetDezimalstellen()));
    }
    if (doc.GetBezeichnung().size() > kBezeichnungLaenge) {
        s.Fehler(tr(EditFeldName(CEditDataWerte::kBezeichnung)),
                 tr("der Transmitter hält höchstens 20 Zeichen"));
    }
}

void CParameterPruefung::PruefeBefehle(const CQuillonDoc& doc, Sammler& s) {
    // The single writes carry "%+06.0f" of the scaled value: six characters with the sign.
    const struct {
        int nFeld;
        quint8 command;
        float value;
    } writes[] = {
        {CEditDataWerte::kMessAnfang, Cmd::SetMessAnfang, doc.GetMessAnfang()},
        {CEditDataWerte::kMessEnde, Cmd::SetMessEnde, doc.GetMessEnde()},
        {CEditDataWerte::kDaempfung, Cmd::SetDaempfung, doc.GetDaempfung()},
        {CEditDataWerte::kStromMin, Cmd::SetStromgrenzeMin, doc.GetStromgrenzeMin()},
        {CEditDataWerte::kStromMax, Cmd::SetStromgrenzeMax, doc.GetStromgrenzeMax()},
        {CEditDataWerte::kFehlerstrom, Cmd::SetFehlerstrom, doc.GetFehlerstrom()},
    };
    for (const auto& write : writes) {
        if (CCommandSet::ScaledPayload(write.command, write.value, doc).size() > kScaledLaenge) {
            s.Fehler(tr(EditFeldName(write.nFeld)), tr("der Wert ist für die Übertragung zu groß"));
        }
    }
}

void CParameterPruefung::PruefeBild(const CQuillonDoc& doc, Sammler& s) {
    const double p = CUtils::PowerOfTen(doc.GetDezimalstellen());
    if (doc.IsKA71()) {
        if (doc.GetGrundEnde() == doc.GetGrundAnfang()) {
            s.Fehler(tr("Grundmessbereich Anfang"), tr("Anfang und Ende sind gleich"));
            return;
        }
        s.Kodiert(tr(EditFeldName(CEditDataWerte::kMessAnfang)), doc.ToPerTenThousand(doc.GetMessAnfang()),
                  kWortMin, kWortMax);
        s.Kodiert(tr(EditFeldName(CEditDataWerte::kMessEnde)), doc.ToPerTenThousand(doc.GetMessEnde()),
                  kWortMin, kWortMax);
        if (doc.GetAnzeigeEinheit() < 0 || doc.GetAnzeigeEinheit() >= CEinheiten::kUnitCount) {
            s.Fehler(tr("Anzeigeeinheit"), tr("%1 ist keine bekannte Einheit").arg(doc.GetAnzeigeEinheit()));
        }
    } else {
        s.Kodiert(tr(EditFeldName(CEditDataWerte::kMessAnfang)), doc.GetMessAnfang() * p, kWortMin, kWortMax);
        s.Kodiert(tr(EditFeldName(CEditDataWerte::kMessEnde)), doc.GetMessEnde() * p, kWortMin, kWortMax);
        s.Kodiert(tr(EditFeldName(CEditDataWerte::kTempDaempfung)), doc.GetTempDaempfung() * 10.0, 0.0,
                  kWortOhneVorzeichenMax);
    }
    s.Kodiert(tr(EditFeldName(CEditDataWerte::kDaempfung)), doc.GetDaempfung() * 10.0, 0.0,
              kWortOhneVorzeichenMax);
    s.Kodiert(tr(KonfigurationFeldName(CKonfigurationWerte::kOffset)), doc.GetOffset() * p, kWortMin,
              kWortMax);
    s.Kodiert(tr(KonfigurationFeldName(CKonfigurationWerte::kSpanne)), 10000.0 - doc.GetSpanne() * 100.0,
              kWortMin, kWortMax);
    s.Kodiert(tr(EditFeldName(CEditDataWerte::kStromMin)), doc.GetStromgrenzeMin() * 100.0, 0.0,
              kWortOhneVorzeichenMax);
    s.Kodiert(tr(EditFeldName(CEditDataWerte::kStromMax)), doc.GetStromgrenzeMax() * 100.0, 0.0,
              kWortOhneVorzeichenMax);
    s.Kodiert(tr(EditFeldName(CEditDataWerte::kFehlerstrom)), doc.GetFehlerstrom() * 100.0, 0.0,
              kWortOhneVorzeichenMax);
}

void CParameterPruefung::PruefeTabelle(const CQuillonDoc& doc, Sammler& s) {
    const int n = doc.GetLinTabAnzahl();
    if (n < 0 || n > CQuillonDoc::kLinTabPunkte) {
        s.Fehler(tr("Stützpunkte"), tr("%1 kann nicht übertragen werden").arg(n));
        return;
    }
    const int nTyp = doc.GetTyp();
    const double anfang = doc.GetMessAnfang();
    const double spanne = doc.GetMessEnde() - anfang;
    if (!SendetBefehle(nTyp) && !doc.IsKA71() && spanne == 0.0) {
        // The table travels as positions on the set range, which then has no span.
        s.Fehler(tr(EditFeldName(CEditDataWerte::kMessEnde)), tr("4mA- und 20mA-Wert sind gleich"));
        return;
    }
    // Types 0 and 1 take the table as 16-bit words of the value times its factor.
    const double yFactor = doc.GetLinTabOption() != 0 ? CUtils::PowerOfTen(doc.GetDezimalstellen()) : 10.0;
    for (int i = 0; i < CQuillonDoc::kLinTabPunkte; ++i) {
        const QString feld = tr("Linearisierung Punkt %1").arg(i + 1);
        const double x = doc.GetLinTabX(i);
        const double y = doc.GetLinTabY(i);
        if (SendetBefehle(nTyp)) {
            s.Kodiert(feld, x * 100.0, kWortMin, kWortOhneVorzeichenMax);
            s.Kodiert(feld, y * yFactor, kWortMin, kWortOhneVorzeichenMax);
        } else if (doc.IsKA71()) {
            s.Kodiert(feld, x, kLongMin, kLongMax);
            s.Kodiert(feld, y, kLongMin, kLongMax);
        } else {
            s.Kodiert(feld, (x - 4.0) * 0.0625 * 100000.0, kLongMin, kLongMax);
            s.Kodiert(feld, (y - anfang) / spanne * 100000.0, kLongMin, kLongMax);
        }
    }
}

void CParameterPruefung::PruefeGrenzen(const CQuillonDoc& doc, const QLocale& locale, Sammler& s) {
    const CEditDataRules editRules(locale);
    if (const auto problem = editRules.Validate(CEditDataDoc::Load(doc, editRules))) {
        s.Warnung(tr(EditFeldName(problem->nField)), problem->strText);
    }
    if (SendetBefehle(doc.GetTyp())) {
        return; // the older types take no corrections, zero window or key lock with the parameter set
    }
    const CKonfigurationRules konfigRules(locale);
    if (const auto problem =
            konfigRules.Validate(CEditDataDoc::LoadKonfiguration(doc, konfigRules, locale))) {
        s.Warnung(tr(KonfigurationFeldName(problem->nField)), problem->strText);
    }
}

QString CParameterPruefung::FehlerText(const Ergebnis& ergebnis) {
    return tr("Der Parametersatz kann nicht gesendet werden:\n%1")
        .arg(ergebnis.fehler.join(QLatin1Char('\n')));
}

QString CParameterPruefung::WarnungText(const Ergebnis& ergebnis) {
    return tr("Der Parametersatz enthält Werte außerhalb der Eingabegrenzen:\n%1\n\nTrotzdem senden?")
        .arg(ergebnis.warnungen.join(QLatin1Char('\n')));
}
