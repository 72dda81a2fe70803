#include "calibration/RecordReadBack.h"

#include "calibration/AbgleichFelder.h"
#include "calibration/AbgleichLayout.h"

namespace {

using Befund = CWriteFinding::Befund;
using Field = CAbgleichFelder::Field;
using Kind = CAbgleichFelder::Kind;

/// One entry of a record field and the words that hold it.
struct Eintrag {
    Field field;
    int index;
    QList<int> words;
};

QString Name(const Eintrag& eintrag) {
    const QString name = QLatin1String(eintrag.field.name);
    return eintrag.field.count > 1 ? QStringLiteral("%1[%2]").arg(name).arg(eintrag.index) : name;
}

/// Sets every word of an entry to something other than an empty record holds there.
void Markiere(CAbgleichdaten& record, const Field& field, int index) {
    switch (field.kind) {
    case Kind::Text:
        CAbgleichFelder::SetText(record, QString(16, QLatin1Char('x')));
        break;
    case Kind::Float:
        CAbgleichFelder::SetNumber(record, field.name, index, 1.1); // 0x3F8CCCCD: both words non-zero
        break;
    case Kind::Signed:
        CAbgleichFelder::SetNumber(record, field.name, index, -1);
        break;
    case Kind::Word:
    case Kind::Unsigned:
        CAbgleichFelder::SetNumber(record, field.name, index, 0xFFFF);
        break;
    }
}

/// Which words hold which entry, found through the one layout: an entry owns the words that change when
/// only it changes (the parametrization enable owns its second copy, too).
QList<Eintrag> Eintraege(int nTyp, bool bErweitert) {
    const QList<quint16> leer = CAbgleichLayout::ToWords(CAbgleichdaten{}, nTyp, bErweitert);
    QList<Eintrag> eintraege;
    for (const Field& field : CAbgleichFelder::FieldsFor(nTyp, bErweitert)) {
        for (int i = 0; i < field.count; ++i) {
            CAbgleichdaten markiert;
            Markiere(markiert, field, i);
            const QList<quint16> words = CAbgleichLayout::ToWords(markiert, nTyp, bErweitert);
            Eintrag eintrag{field, i, {}};
            for (int w = 0; w < words.size(); ++w) {
                if (words.at(w) != leer.at(w)) {
                    eintrag.words.append(w);
                }
            }
            eintraege.append(eintrag);
        }
    }
    return eintraege;
}

bool Gleich(const Eintrag& eintrag, const QList<quint16>& a, const QList<quint16>& b) {
    for (const int w : eintrag.words) {
        if (a.value(w) != b.value(w)) {
            return false;
        }
    }
    return true;
}

QString Wert(const Eintrag& eintrag, const QList<quint16>& words, int nTyp, bool bErweitert) {
    CAbgleichdaten record;
    CAbgleichLayout::FromWords(words, nTyp, bErweitert, record);
    const QString text = CAbgleichFelder::Display(record, eintrag.field, eintrag.index);
    return eintrag.field.kind == Kind::Text ? QLatin1Char('"') + text + QLatin1Char('"') : text;
}

} // namespace

CRecordReadBack::Ergebnis CRecordReadBack::Vergleiche(int nTyp, bool bErweitert, const QList<quint16>& neu,
                                                      const std::optional<Woerter>& gelesen,
                                                      const std::optional<Woerter>& vorher) {
    Ergebnis ergebnis;
    if (!gelesen || gelesen->words.size() < neu.size()) {
        return ergebnis;
    }
    const QList<quint16> im = gelesen->words.mid(0, neu.size());
    bool bSerieGleich = vorher && vorher->kennung == gelesen->kennung;
    for (const Eintrag& eintrag : Eintraege(nTyp, bErweitert)) {
        if (!Gleich(eintrag, neu, im)) {
            ergebnis.abweichungen.append(tr("%1: gesendet %2, im Transmitter %3")
                                             .arg(Name(eintrag), Wert(eintrag, neu, nTyp, bErweitert),
                                                  Wert(eintrag, im, nTyp, bErweitert)));
        }
        if (vorher && eintrag.field.kind == Kind::Text) {
            bSerieGleich = bSerieGleich && Gleich(eintrag, vorher->words, im);
        }
    }
    std::optional<bool> wieVorher;
    if (bSerieGleich) {
        // Only a record that differs from the new one somewhere can tell old from new.
        const QList<quint16> alt = vorher->words.mid(0, neu.size());
        wieVorher = alt != neu && alt == im;
    }
    ergebnis.befund = CWriteFinding::NachFehler(im == neu, wieVorher);
    return ergebnis;
}

QString CRecordReadBack::Meldung(const Ergebnis& ergebnis) {
    const QString felder = ergebnis.abweichungen.join(QLatin1Char('\n'));
    switch (ergebnis.befund) {
    case Befund::NichtGeprueft:
        return tr("Nicht geprüft: die Abgleichdaten konnten nicht zurückgelesen werden.\n"
                  "Welche Abgleichdaten der Transmitter enthält, ist unbekannt.");
    case Befund::NeuerSatz:
        return tr("Das Schreiben meldete einen Fehler, der Transmitter enthält aber die vollständigen neuen "
                  "Abgleichdaten.");
    case Befund::AlterSatz:
        return tr("Das Schreiben ist fehlgeschlagen: der Transmitter enthält unverändert die alten "
                  "Abgleichdaten.");
    case Befund::Gemischt:
        return tr("Das Schreiben ist fehlgeschlagen: der Transmitter enthält teils neue, teils alte "
                  "Abgleichdaten.\nNicht übernommen:\n%1")
            .arg(felder);
    case Befund::NichtNeu:
    case Befund::Abweichend:
        return tr("Das Schreiben ist fehlgeschlagen: der Transmitter enthält nicht die neuen Abgleichdaten.\n"
                  "Abweichend vom Gesendeten:\n%1")
            .arg(felder);
    case Befund::Bestaetigt:
        break;
    }
    return QString();
}
