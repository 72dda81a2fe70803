#include "edit/SerienVorgabe.h"

#include "document/QuillonDoc.h"
#include "edit/EditDataDoc.h"
#include "edit/EditDataRules.h"

#include <QLocale>
#include <QSet>
#include <utility>

namespace {

using F = CEditDataValues::Field;

using Zahlen = CEditDataRules::Zahlen;

/// A field --set may replace: its name in the file, the edit dialog's field and text, and for a number
/// the value the rules made of the text and the document's setter (the tag has neither).
struct Ziel {
    const char* name;
    F feld;
    QString CEditDataValues::*text;
    float Zahlen::*number;
    void (CQuillonDoc::*setter)(float);
};

const Ziel kZiele[] = {
    {"m_strBezeichnung", F::kBezeichnung, &CEditDataValues::strBezeichnung, nullptr, nullptr},
    {"m_fMessAnfang", F::kMessAnfang, &CEditDataValues::strMessAnfang, &Zahlen::fMessAnfang,
     &CQuillonDoc::SetMessAnfang},
    {"m_fMessEnde", F::kMessEnde, &CEditDataValues::strMessEnde, &Zahlen::fMessEnde,
     &CQuillonDoc::SetMessEnde},
    {"m_fDaempfung", F::kDaempfung, &CEditDataValues::strDaempfung, &Zahlen::fDaempfung,
     &CQuillonDoc::SetDaempfung},
    {"m_fTempDaempfung", F::kTempDaempfung, &CEditDataValues::strTempDaempfung, &Zahlen::fTempDaempfung,
     &CQuillonDoc::SetTempDaempfung},
    {"m_fStromgrenzeMin", F::kStromMin, &CEditDataValues::strStromMin, &Zahlen::fStromMin,
     &CQuillonDoc::SetStromgrenzeMin},
    {"m_fStromgrenzeMax", F::kStromMax, &CEditDataValues::strStromMax, &Zahlen::fStromMax,
     &CQuillonDoc::SetStromgrenzeMax},
    {"m_fFehlerstrom", F::kFehlerstrom, &CEditDataValues::strFehlerstrom, &Zahlen::fFehlerstrom,
     &CQuillonDoc::SetFehlerstrom},
};

const Ziel* FindZiel(const QString& name) {
    for (const Ziel& ziel : kZiele) {
        if (name == QLatin1String(ziel.name)) {
            return &ziel;
        }
    }
    return nullptr;
}

void Schreiben(const Ziel& ziel, const CEditDataValues& werte, const Zahlen& zahlen, CQuillonDoc& doc) {
    if (ziel.setter == nullptr) {
        doc.SetBezeichnungText(werte.*(ziel.text));
    } else {
        (doc.*(ziel.setter))(zahlen.*(ziel.number));
    }
}

/// The other end of a pair the rules judge together (the spread of the range, the order of the current
/// limits) and name by one end; the field itself otherwise.
int Partner(int feld) {
    constexpr std::pair<int, int> kPaare[] = {{F::kMessAnfang, F::kMessEnde}, {F::kStromMin, F::kStromMax}};
    for (const auto& [a, b] : kPaare) {
        if (feld == a || feld == b) {
            return feld == a ? b : a;
        }
    }
    return feld;
}

} // namespace

QStringList CSerienVorgabe::FeldNamen() {
    QStringList namen;
    for (const Ziel& ziel : kZiele) {
        namen.append(QLatin1String(ziel.name));
    }
    return namen;
}

std::optional<QString> CSerienVorgabe::Anwenden(const QStringList& vorgaben, CQuillonDoc& doc,
                                                QString& warnung) {
    const CEditDataRules rules(QLocale::c());
    CEditDataValues werte = CEditDataDoc::Load(doc, rules);
    const std::optional<ValidationProblem> eigenes = rules.Validate(werte);
    QSet<int> gesetzt;
    for (const QString& vorgabe : vorgaben) {
        const qsizetype gleich = vorgabe.indexOf(QLatin1Char('='));
        const QString name = gleich < 0 ? vorgabe : vorgabe.left(gleich);
        const Ziel* ziel = FindZiel(name);
        if (gleich < 0 || ziel == nullptr) {
            return tr("--set %1: unbekanntes Feld. Möglich sind: %2")
                .arg(vorgabe, FeldNamen().join(QStringLiteral(", ")));
        }
        const QString wert = vorgabe.mid(gleich + 1);
        if (ziel->feld != F::kBezeichnung) {
            bool ok = false;
            QLocale::c().toFloat(wert, &ok);
            if (!ok) {
                return tr("--set %1: \"%2\" ist keine Zahl.").arg(name, wert);
            }
        }
        const bool bBereich = ziel->feld == F::kMessAnfang || ziel->feld == F::kMessEnde;
        if (bBereich && (doc.IsKA71() || doc.GetLinTabAnzahl() != 0 ||
                         werte.eVariante == CEditDataValues::Variante::RX30)) {
            // The range is shown in another unit, set by the characteristic, or a table hangs on it:
            // that needs the dialog, which keeps them consistent.
            return tr("--set %1: der Messbereich dieses Parametersatzes lässt sich nur im Dialog ändern.")
                .arg(name);
        }
        if (ziel->feld == F::kTempDaempfung && !CEditDataRules::HatTempDaempfung(werte)) {
            return tr("--set %1: diesen Wert hat der Transmittertyp nicht.").arg(name);
        }
        werte.*(ziel->text) = wert;
        gesetzt.insert(ziel->feld);
    }
    // The file's own problem, unchanged by these values, is left to the send's check of every file; any
    // other problem comes from the values set here. The rules name one end of a pair for a problem of
    // both (the spread names the range's start, crossed limits the minimum): setting either end makes
    // the pair's problem one of these values, and the end set here is named.
    const std::optional<ValidationProblem> problem = rules.Validate(werte);
    const bool bPaarGesetzt =
        problem && !gesetzt.contains(problem->field) && gesetzt.contains(Partner(problem->field));
    const bool bDateiEigen = problem && eigenes && !gesetzt.contains(problem->field) && !bPaarGesetzt &&
                             problem->field == eigenes->field && problem->text == eigenes->text;
    if (problem && !bDateiEigen) {
        const int feld = bPaarGesetzt ? Partner(problem->field) : problem->field;
        QString feldName = QStringLiteral("?");
        for (const Ziel& ziel : kZiele) {
            if (ziel.feld == feld) {
                feldName = QLatin1String(ziel.name);
            }
        }
        if (problem->kind != ValidationProblem::Kind::Warning) {
            return tr("--set %1: %2").arg(feldName, problem->text);
        }
        warnung = tr("--set %1: %2").arg(feldName, problem->text);
    }
    const Zahlen zahlen = rules.GetZahlen(werte);
    for (const Ziel& ziel : kZiele) {
        if (gesetzt.contains(ziel.feld)) {
            Schreiben(ziel, werte, zahlen, doc);
        }
    }
    doc.SetModifiedFlag();
    return std::nullopt;
}
