#include "shell/SendePruefung.h"

#include "link/TransmitterLink.h"

CSendePruefung::CSendePruefung(CTransmitterLink& link, const CQuillonDoc& gesendet, const QLocale& locale)
    : m_link(link)
    , m_gesendet(gesendet)
    , m_locale(locale)
    , m_gelesen(link.Operator(), gesendet.GetProgrammVerzeichnis())
    , m_connection(link, m_gelesen)
    , m_transfer(link, m_connection, m_gelesen) {
    // Connect as the send did: same port, interface and type.
    m_gelesen.TakeConnectionSettings(gesendet);
}

bool CSendePruefung::Identifizieren() {
    QByteArray reply;
    const bool bConnected = m_connection.ConnectTransmitter(reply);
    m_link.Sio().ClosePort();
    if (bConnected) {
        m_gelesen.SetKennung(reply);
    }
    return bConnected;
}

bool CSendePruefung::Lesen() {
    return m_transfer.ReceiveParameterSet();
}

QList<CParameterVergleich::Zeile> CSendePruefung::AbweichungenVon(const CQuillonDoc& soll) const {
    const CParameterVergleich::Ergebnis vergleich =
        CParameterVergleich::Vergleiche(soll, m_gelesen, m_locale, CParameterVergleich::Umfang::Gesendet);
    QList<CParameterVergleich::Zeile> abweichungen;
    if (vergleich.bTypVerschieden) {
        // Another transmitter answered the read-back: nothing it holds is the set sent.
        CParameterVergleich::Zeile zeile;
        zeile.feld = QStringLiteral("m_nTyp");
        zeile.label = tr("Typ");
        zeile.links = CQuillonDoc::GetTypText(vergleich.nTypLinks);
        zeile.rechts = CQuillonDoc::GetTypText(vergleich.nTypRechts);
        zeile.bVerschieden = true;
        abweichungen.append(zeile);
        return abweichungen;
    }
    for (const CParameterVergleich::Zeile& zeile : vergleich.zeilen) {
        if (zeile.bVerschieden) {
            abweichungen.append(zeile);
        }
    }
    return abweichungen;
}

CSendePruefung::Ergebnis CSendePruefung::NachSenden() {
    Ergebnis ergebnis;
    if (!Lesen()) {
        return ergebnis;
    }
    ergebnis.abweichungen = AbweichungenVon(m_gesendet);
    ergebnis.befund = ergebnis.abweichungen.isEmpty() ? Befund::Bestaetigt : Befund::Abweichend;
    return ergebnis;
}

CSendePruefung::Ergebnis CSendePruefung::NachFehler(const std::optional<CParameterSatz>& vorher) {
    Ergebnis ergebnis;
    if (!Lesen()) {
        return ergebnis;
    }
    ergebnis.abweichungen = AbweichungenVon(m_gesendet);
    if (ergebnis.abweichungen.isEmpty()) {
        ergebnis.befund = CWriteFinding::NachFehler(true, std::nullopt);
        return ergebnis;
    }
    // The set held before counts only when it was read from this very transmitter.
    const bool bSelbesGeraet = vorher && vorher->m_strKennung == m_gelesen.GetKennung() &&
                               vorher->m_strSeriennummer == m_gelesen.GetSeriennummer();
    std::optional<bool> wieVorher;
    if (bSelbesGeraet) {
        CQuillonDoc alt(m_gelesen.Operator(), m_gelesen.GetProgrammVerzeichnis());
        alt.SetParameterSatz(*vorher);
        // Only a set that differs from the new one somewhere can tell old from new.
        const bool bUnterscheidbar =
            !CParameterVergleich::Vergleiche(m_gesendet, alt, m_locale, CParameterVergleich::Umfang::Gesendet)
                 .Gleich();
        wieVorher = bUnterscheidbar && AbweichungenVon(alt).isEmpty();
    }
    ergebnis.befund = CWriteFinding::NachFehler(false, wieVorher);
    return ergebnis;
}

QString CSendePruefung::Meldung(const Ergebnis& ergebnis) {
    QStringList zeilen;
    for (const CParameterVergleich::Zeile& zeile : ergebnis.abweichungen) {
        zeilen.append(tr("%1 (%2): gesendet %3, im Transmitter %4")
                          .arg(zeile.label, zeile.feld, zeile.links, zeile.rechts));
    }
    const QString felder = zeilen.join(QLatin1Char('\n'));
    switch (ergebnis.befund) {
    case Befund::Bestaetigt:
        return tr("Geprüft: der Transmitter enthält die gesendeten Werte.");
    case Befund::Abweichend:
        return tr("Prüfung nach dem Senden: der Transmitter enthält andere Werte als gesendet:\n%1\n"
                  "Der Transmitter arbeitet mit den zurückgelesenen Werten.")
            .arg(felder);
    case Befund::NichtGeprueft:
        return tr("Nicht geprüft: die Parameter konnten nicht zurückgelesen werden.\n"
                  "Welche Werte der Transmitter enthält, ist unbekannt.");
    case Befund::NeuerSatz:
        return tr("Das Senden meldete einen Fehler, der Transmitter enthält aber den vollständigen neuen "
                  "Parametersatz.");
    case Befund::AlterSatz:
        return tr("Das Senden ist fehlgeschlagen: der Transmitter enthält unverändert den alten "
                  "Parametersatz.");
    case Befund::Gemischt:
        return tr("Das Senden ist fehlgeschlagen: der Transmitter enthält teils neue, teils alte Werte.\n"
                  "Nicht übernommen:\n%1")
            .arg(felder);
    case Befund::NichtNeu:
        return tr("Das Senden ist fehlgeschlagen: der Transmitter enthält nicht den neuen Parametersatz.\n"
                  "Abweichend vom Gesendeten:\n%1")
            .arg(felder);
    }
    return QString();
}
