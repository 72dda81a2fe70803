#include "transmitter/ParameterPruefung.h"

#include "base/Einheiten.h"
#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "core/ProgramError.h"
#include "document/QuillonDoc.h"
#include "document/Windows1252.h"
#include "transmitter/CommandSet.h"
#include "transmitter/Commands.h"

#include <array>
#include <cmath>

namespace {

using Feld = CParameterPruefung::Feld;

constexpr int kMaxDezimalen = 4;
constexpr qsizetype kBezeichnungLaenge = 20;
constexpr qsizetype kScaledLaenge = 6;
constexpr double kWortMin = -32768.0;
constexpr double kWortMax = 32767.0;
constexpr double kWortOhneVorzeichenMax = 65535.0;
constexpr double kLongMin = -2147483648.0;
constexpr double kLongMax = 2147483647.0;

constexpr std::array<const char*, 18> kFeldNamen = {
    QT_TRANSLATE_NOOP("CParameterPruefung", "Transmitter-Typ"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Grundmessbereich Anfang"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Grundmessbereich Ende"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "4mA Signal bei"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "20mA Signal bei"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Dämpfung"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Dämpfung Temp."),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Offsetkorrektur"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Spannekorrektur"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Stromgrenze Min"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Stromgrenze Max"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Transmitterfehler Strom"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Bezeichnung"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Nullpunktsfenster"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Tastensperre"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Dezimalstellen"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Anzeigeeinheit"),
    QT_TRANSLATE_NOOP("CParameterPruefung", "Stützpunkte"),
};

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

} // namespace

/// Collects the refusals with their field names.
class CParameterPruefung::Sammler {
public:
    explicit Sammler(QStringList& fehler)
        : m_fehler(fehler) {}

    void Fehler(const QString& feld, const QString& text) { m_fehler << feld + QStringLiteral(": ") + text; }
    void Fehler(Feld feld, const QString& text) { m_fehler << Befund(feld, text); }
    /// A value that must travel as a number: finite, and within [lo, hi] once rounded.
    void Kodiert(const QString& feld, double x, double lo, double hi) {
        if (!std::isfinite(x)) {
            Fehler(feld, tr("kein gültiger Zahlenwert"));
        } else if (!Passt(x, lo, hi)) {
            Fehler(feld, tr("der Wert ist für die Übertragung zu groß"));
        }
    }
    void Kodiert(Feld feld, double x, double lo, double hi) { Kodiert(FeldName(feld), x, lo, hi); }
    bool HatFehler() const { return !m_fehler.isEmpty(); }

private:
    QStringList& m_fehler;
};

QString CParameterPruefung::FeldName(Feld feld) {
    return tr(kFeldNamen[static_cast<std::size_t>(feld)]);
}

QString CParameterPruefung::Befund(Feld feld, const QString& text) {
    return FeldName(feld) + QStringLiteral(": ") + text;
}

QStringList CParameterPruefung::Pruefe(const CQuillonDoc& doc) {
    QStringList fehler;
    Sammler s(fehler);
    if (!CTypKatalog::IsGueltigerTyp(doc.GetTyp())) {
        s.Fehler(Feld::Typ, tr("%1 ist kein bekannter Typ").arg(doc.GetTyp()));
        return fehler;
    }
    PruefeZahlen(doc, s);
    if (s.HatFehler()) {
        return fehler; // the encodings below would only repeat what is not a number
    }
    if (SendetBefehle(doc.GetTyp())) {
        PruefeBefehle(doc, s);
    } else {
        PruefeBild(doc, s);
    }
    PruefeTabelle(doc, s);
    return fehler;
}

void CParameterPruefung::PruefeZahlen(const CQuillonDoc& doc, Sammler& s) {
    const struct {
        Feld feld;
        float value;
    } zahlen[] = {
        {Feld::GrundAnfang, doc.GetGrundAnfang()}, {Feld::GrundEnde, doc.GetGrundEnde()},
        {Feld::MessAnfang, doc.GetMessAnfang()},   {Feld::MessEnde, doc.GetMessEnde()},
        {Feld::Daempfung, doc.GetDaempfung()},     {Feld::TempDaempfung, doc.GetTempDaempfung()},
        {Feld::Offset, doc.GetOffset()},           {Feld::Spanne, doc.GetSpanne()},
        {Feld::StromMin, doc.GetStromgrenzeMin()}, {Feld::StromMax, doc.GetStromgrenzeMax()},
        {Feld::Fehlerstrom, doc.GetFehlerstrom()},
    };
    for (const auto& zahl : zahlen) {
        if (!std::isfinite(zahl.value)) {
            s.Fehler(zahl.feld, tr("kein gültiger Zahlenwert"));
        }
    }
    for (int i = 0; i < CQuillonDoc::kLinTabPunkte; ++i) {
        if (!std::isfinite(doc.GetLinTabX(i)) || !std::isfinite(doc.GetLinTabY(i))) {
            s.Fehler(tr("Linearisierung Punkt %1").arg(i + 1), tr("kein gültiger Zahlenwert"));
        }
    }
    if (doc.GetDezimalstellen() < 0 || doc.GetDezimalstellen() > kMaxDezimalen) {
        s.Fehler(Feld::Dezimalstellen, tr("%1 kann nicht übertragen werden").arg(doc.GetDezimalstellen()));
    }
    if (doc.GetBezeichnung().size() > kBezeichnungLaenge) {
        s.Fehler(Feld::Bezeichnung, tr("der Transmitter hält höchstens 20 Zeichen"));
    }
    if (!CWindows1252::IsStorable(QByteArrayView(doc.GetBezeichnung()))) {
        s.Fehler(Feld::Bezeichnung, tr("ein Steuerzeichen kann der Transmitter nicht speichern"));
    }
}

void CParameterPruefung::PruefeBefehle(const CQuillonDoc& doc, Sammler& s) {
    // The single writes carry "%+06.0f" of the scaled value: six characters with the sign.
    const struct {
        Feld feld;
        quint8 command;
        float value;
    } writes[] = {
        {Feld::MessAnfang, Cmd::SetMessAnfang, doc.GetMessAnfang()},
        {Feld::MessEnde, Cmd::SetMessEnde, doc.GetMessEnde()},
        {Feld::Daempfung, Cmd::SetDaempfung, doc.GetDaempfung()},
        {Feld::StromMin, Cmd::SetStromgrenzeMin, doc.GetStromgrenzeMin()},
        {Feld::StromMax, Cmd::SetStromgrenzeMax, doc.GetStromgrenzeMax()},
        {Feld::Fehlerstrom, Cmd::SetFehlerstrom, doc.GetFehlerstrom()},
    };
    for (const auto& write : writes) {
        if (CCommandSet::ScaledPayload(write.command, write.value, doc).size() > kScaledLaenge) {
            s.Fehler(write.feld, tr("der Wert ist für die Übertragung zu groß"));
        }
    }
}

void CParameterPruefung::PruefeBild(const CQuillonDoc& doc, Sammler& s) {
    const double p = CUtils::PowerOfTen(doc.GetDezimalstellen());
    if (doc.IsKA71()) {
        if (doc.GetGrundEnde() == doc.GetGrundAnfang()) {
            s.Fehler(Feld::GrundAnfang, tr("Anfang und Ende sind gleich"));
            return;
        }
        try {
            s.Kodiert(Feld::MessAnfang, doc.ToPerTenThousand(doc.GetMessAnfang()), kWortMin, kWortMax);
            s.Kodiert(Feld::MessEnde, doc.ToPerTenThousand(doc.GetMessEnde()), kWortMin, kWortMax);
        } catch (const CProgramError&) {
            // The KA71 shows its range in 16-bit display counts; a range beyond them cannot be sent.
            s.Fehler(Feld::GrundAnfang, tr("Der Anzeigebereich passt nicht in 16 Bit"));
        }
        if (doc.GetAnzeigeEinheit() < 0 || doc.GetAnzeigeEinheit() >= CEinheiten::kUnitCount) {
            s.Fehler(Feld::Anzeigeeinheit, tr("%1 ist keine bekannte Einheit").arg(doc.GetAnzeigeEinheit()));
        }
    } else {
        s.Kodiert(Feld::MessAnfang, doc.GetMessAnfang() * p, kWortMin, kWortMax);
        s.Kodiert(Feld::MessEnde, doc.GetMessEnde() * p, kWortMin, kWortMax);
        s.Kodiert(Feld::TempDaempfung, doc.GetTempDaempfung() * 10.0, 0.0, kWortOhneVorzeichenMax);
    }
    s.Kodiert(Feld::Daempfung, doc.GetDaempfung() * 10.0, 0.0, kWortOhneVorzeichenMax);
    s.Kodiert(Feld::Offset, doc.GetOffset() * p, kWortMin, kWortMax);
    s.Kodiert(Feld::Spanne, 10000.0 - doc.GetSpanne() * 100.0, kWortMin, kWortMax);
    s.Kodiert(Feld::StromMin, doc.GetStromgrenzeMin() * 100.0, 0.0, kWortOhneVorzeichenMax);
    s.Kodiert(Feld::StromMax, doc.GetStromgrenzeMax() * 100.0, 0.0, kWortOhneVorzeichenMax);
    s.Kodiert(Feld::Fehlerstrom, doc.GetFehlerstrom() * 100.0, 0.0, kWortOhneVorzeichenMax);
}

void CParameterPruefung::PruefeTabelle(const CQuillonDoc& doc, Sammler& s) {
    const int n = doc.GetLinTabAnzahl();
    if (n < 0 || n > CQuillonDoc::kLinTabPunkte) {
        s.Fehler(Feld::Stuetzpunkte, tr("%1 kann nicht übertragen werden").arg(n));
        return;
    }
    const bool bBefehle = SendetBefehle(doc.GetTyp());
    const double anfang = doc.GetMessAnfang();
    const double spanne = doc.GetMessEnde() - anfang;
    if (!bBefehle && !doc.IsKA71() && spanne == 0.0) {
        // The table travels as positions on the set range, which then has no span.
        s.Fehler(Feld::MessEnde, tr("4mA- und 20mA-Wert sind gleich"));
        return;
    }
    // Types with single commands take the table as 16-bit words of the value times its factor.
    const double yFactor = doc.GetLinTabOption() != 0 ? CUtils::PowerOfTen(doc.GetDezimalstellen()) : 10.0;
    for (int i = 0; i < CQuillonDoc::kLinTabPunkte; ++i) {
        const QString feld = tr("Linearisierung Punkt %1").arg(i + 1);
        const double x = doc.GetLinTabX(i);
        const double y = doc.GetLinTabY(i);
        if (bBefehle) {
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

QString CParameterPruefung::FehlerText(const QStringList& fehler) {
    return tr("Der Parametersatz kann nicht gesendet werden:\n%1").arg(fehler.join(QLatin1Char('\n')));
}

QString CParameterPruefung::WarnungText(const QStringList& warnungen) {
    return tr("Der Parametersatz enthält Werte außerhalb der Eingabegrenzen:\n%1\n\nTrotzdem senden?")
        .arg(warnungen.join(QLatin1Char('\n')));
}
