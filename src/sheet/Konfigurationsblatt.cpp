#include "sheet/Konfigurationsblatt.h"

#include "base/Einheiten.h"
#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "document/QuillonDoc.h"

#include <QPainter>
#include <QPicture>
#include <array>

namespace {

/// Columns in inches from the left: L for the sheet's left edge, V for the values of the standard sheet,
/// H and I for labels and values of the KA71 sheet, whose headings stand in L beside their first row.
constexpr double kL = 1.0;
constexpr double kV = 4.0;
constexpr double kH = 2.5;
constexpr double kI = 5.0;
/// The least room between a KA71 heading and the label beside it.
constexpr double kHeadingAbstand = 0.15;
/// With a "Vorher" column the KA71 sheet's values move this far left, to give both columns room.
constexpr double kKA71Einzug = 0.4;
/// The table's columns, relative to the start of its block: number, first and second coordinate.
constexpr double kPunktX = 0.5;
constexpr double kPunktY = 1.5;
constexpr double kRechterBlock = 3.0;

constexpr int kStromDezimalen = 2;
constexpr int kDaempfungDezimalen = 1;
constexpr int kSpanneDezimalen = 2;

/// A number without a type row gets only the rows every type has.
CTypKatalog::BlattDaempfung DaempfungOf(int typ) {
    const CTypKatalog::Typ* row = CTypKatalog::Find(typ);
    return row != nullptr ? row->blattDaempfung : CTypKatalog::BlattDaempfung::Keine;
}

} // namespace

CKonfigurationsblatt::CKonfigurationsblatt(const CQuillonDoc& doc, const QLocale& locale, QDate druckdatum)
    : m_doc(doc)
    , m_locale(locale)
    , m_druckdatum(druckdatum) {}

QList<CKonfigurationsblatt::Item> CKonfigurationsblatt::Draw(QPainter& painter) const {
    if (!painter.isActive()) {
        return {};
    }
    m_vorherWerte = m_vorher != nullptr ? VorherWerte(painter) : QStringList();
    m_nRow = 0;
    CSheetCanvas canvas(painter);
    DrawSheet(canvas);
    return canvas.Items();
}

QString CKonfigurationsblatt::Title() const {
    return tr("Konfigurationsdaten");
}

void CKonfigurationsblatt::SetVorher(const CQuillonDoc* vorher) {
    m_vorher = vorher != nullptr && vorher->GetTyp() == m_doc.GetTyp() ? vorher : nullptr;
}

void CKonfigurationsblatt::DrawSheet(CSheetCanvas& c) const {
    if (m_doc.IsKA71()) {
        DrawKA71(c);
    } else {
        DrawStandard(c);
    }
}

QStringList CKonfigurationsblatt::VorherWerte(QPainter& painter) const {
    // The "as found" sheet is drawn on a picture nobody shows, only to take its rows' values: both sets
    // are of one type, so their rows come in the same order.
    CKonfigurationsblatt vorher(*m_vorher, m_locale, m_druckdatum);
    QStringList werte;
    vorher.m_pSammler = &werte;
    QPicture picture;
    QPainter sammler(&picture);
    sammler.setFont(painter.font());
    CSheetCanvas canvas(sammler);
    vorher.DrawSheet(canvas);
    return werte;
}

// --- Standard sheet -----------------------------------------------------------------------------------

void CKonfigurationsblatt::DrawStandard(CSheetCanvas& c) const {
    const Spalten spalten{kL, kV};
    DrawKopf(c);
    c.Down(2);
    Row(c, spalten, tr("Typ:"), CQuillonDoc::GetTypText(m_doc.GetTyp()));
    c.Down(1);
    Row(c, spalten, tr("Kennung:"), m_doc.GetKennungText());
    c.Down(1);
    Row(c, spalten, tr("Serien-Nummer:"), m_doc.GetSeriennummerText());
    c.Down(1);
    Row(c, spalten, tr("Bezeichnung:"), m_doc.GetBezeichnungText());
    DrawStandardEingang(c);
    DrawStandardAusgang(c);
    DrawLinTab(c);
    DrawDruckdatum(c, spalten);
}

void CKonfigurationsblatt::DrawStandardEingang(CSheetCanvas& c) const {
    const Spalten spalten{kL, kV};
    const int d = m_doc.GetDezimalstellen();
    c.Down(2);
    Heading(c, tr("Eingang"), c.Right());
    c.Down(2);
    Row(c, spalten, tr("Messbereichsanfang:"), Zahl(m_doc.GetGrundAnfang(), d) + QLatin1Char(' '));
    c.Down(1);
    Row(c, spalten, tr("Messbereichsende:"), Zahl(m_doc.GetGrundEnde(), d) + QLatin1Char(' '));
    DrawStandardDaempfung(c);
    c.Down(1);
    Row(c, spalten, tr("Offsetkorrektur (OFF):"), Zahl(m_doc.GetOffset(), d) + QLatin1Char(' '));
    c.Down(1);
    Row(c, spalten, tr("Spannekorrektur (SPAN):"),
        Zahl(m_doc.GetSpanne(), kSpanneDezimalen) + QStringLiteral(" %FS"));
    c.Down(1);
    Row(c, spalten, tr("Nullpunktsfenster (NP):"), QString::number(m_doc.GetNullpunktsfenster()));
    if (CTypKatalog::Has(m_doc.GetTyp(), &CTypKatalog::Typ::bBlattTastatursperre)) {
        c.Down(1);
        Row(c, spalten, tr("Tastatursperre (TAST):"),
            QStringLiteral("%1 min").arg(m_doc.GetTastatursperre()));
    }
}

void CKonfigurationsblatt::DrawStandardDaempfung(CSheetCanvas& c) const {
    const Spalten spalten{kL, kV};
    const int typ = m_doc.GetTyp();
    const QString sekunden = QStringLiteral(" s");
    switch (DaempfungOf(typ)) {
    case CTypKatalog::BlattDaempfung::Keine:
        return;
    case CTypKatalog::BlattDaempfung::Einfach:
        c.Down(1);
        Row(c, spalten, tr("Dämpfung:"), Zahl(m_doc.GetDaempfung(), kDaempfungDezimalen) + sekunden);
        return;
    case CTypKatalog::BlattDaempfung::Druck:
        c.Down(1);
        Row(c, spalten, tr("Dämpfung Druck (DP):"),
            Zahl(m_doc.GetDaempfung(), kDaempfungDezimalen) + sekunden);
        if (CTypKatalog::Has(typ, &CTypKatalog::Typ::bTempDaempfung)) {
            c.Down(1);
            Row(c, spalten, tr("Dämpfung Temperatur (DT):"),
                Zahl(m_doc.GetTempDaempfung(), kDaempfungDezimalen) + sekunden);
        }
    }
}

void CKonfigurationsblatt::DrawStandardAusgang(CSheetCanvas& c) const {
    const Spalten spalten{kL, kV};
    c.Down(2);
    Heading(c, tr("Ausgang"), c.Right());
    c.Down(2);
    if (CTypKatalog::Is(m_doc.GetTyp(), &CTypKatalog::Typ::ausgang, CTypKatalog::Ausgang::Kennlinie)) {
        Row(c, spalten, tr("Kennlinie:"), m_doc.IsKennlinieInvers() ? tr("fallend") : tr("steigend"));
    } else {
        const int d = m_doc.GetDezimalstellen();
        const QString einheit = QLatin1Char(' ') + m_doc.GetEinheitText();
        Row(c, spalten, tr("4mA bei (MA):"), Zahl(m_doc.GetMessAnfang(), d) + einheit);
        c.Down(1);
        Row(c, spalten, tr("20mA bei (ME):"), Zahl(m_doc.GetMessEnde(), d) + einheit);
    }
    c.Down(1);
    Row(c, spalten, tr("min. Ausgangsgrenzwert:"), Zahl(m_doc.GetStromgrenzeMin(), kStromDezimalen));
    c.Down(1);
    Row(c, spalten, tr("max. Ausgangsgrenzwert:"), Zahl(m_doc.GetStromgrenzeMax(), kStromDezimalen));
    c.Down(1);
    Row(c, spalten, tr("Fehlersignal:"), Zahl(m_doc.GetFehlerstrom(), kStromDezimalen));
}

// --- KA71 sheet ---------------------------------------------------------------------------------------

void CKonfigurationsblatt::DrawKA71(CSheetCanvas& c) const {
    const Spalten spalten{kH, kI};
    DrawKopf(c);
    Row(c, spalten, tr("Typ:"), CQuillonDoc::GetTypText(m_doc.GetTyp()));
    c.Down(1);
    Row(c, spalten, tr("Kennung:"), m_doc.GetKennungText());
    c.Down(1);
    Row(c, spalten, tr("Serien-Nummer:"), m_doc.GetSeriennummerText());
    c.Down(1);
    Row(c, spalten, tr("Bezeichnung:"), m_doc.GetBezeichnungText());
    DrawKA71Eingang(c);
    DrawKA71Ausgang(c);
    if (Punkte() > 0) {
        DrawKA71FreierMessbereich(c);
        DrawLinTab(c);
    }
    DrawDruckdatum(c, spalten);
}

void CKonfigurationsblatt::DrawKA71Eingang(CSheetCanvas& c) const {
    const Spalten spalten{kH, kI};
    CEinheiten::Range bereich = m_doc.GetAnzeigeBereich();
    if (m_doc.GetEinheit() != m_doc.GetAnzeigeEinheit()) {
        // The display range is held as counts of the 4-digit display.
        const double teiler = CUtils::PowerOfTen(bereich.n);
        bereich.lo /= teiler;
        bereich.hi /= teiler;
    }
    c.Down(2);
    SideHeading(c, tr("Eingang"));
    Row(c, spalten, tr("Messbereichsanfang:"), AnzeigeWert(bereich.lo, bereich.n));
    c.Down(1);
    Row(c, spalten, tr("Messbereichsende:"), AnzeigeWert(bereich.hi, bereich.n));
    c.Down(1);
    Row(c, spalten, tr("Dämpfung Druck (DP):"),
        Zahl(m_doc.GetDaempfung(), kDaempfungDezimalen) + QStringLiteral(" s"));
    const CQuillonDoc::DisplayValue offset = m_doc.GetOffsetAnzeige();
    c.Down(1);
    Row(c, spalten, tr("Offsetkorrektur (OFF):"), AnzeigeWert(offset.value, offset.decimals));
    c.Down(1);
    Row(c, spalten, tr("Spannekorrektur (SPAN):"),
        Zahl(m_doc.GetSpanne(), kSpanneDezimalen) + QStringLiteral(" %FS"));
    const CQuillonDoc::DisplayValue fenster = m_doc.GetNullpunktAnzeige();
    c.Down(1);
    Row(c, spalten, tr("Nullpunktsfenster (NP):"), AnzeigeWert(fenster.value, fenster.decimals));
    c.Down(1); // the sheet leaves a blank line before the output section
}

void CKonfigurationsblatt::DrawKA71Ausgang(CSheetCanvas& c) const {
    const Spalten spalten{kH, kI};
    const int d = m_doc.GetAnzeigeDezimalstellen();
    c.Down(2);
    SideHeading(c, tr("Ausgang"));
    Row(c, spalten, tr("4mA bei (MA):"), AnzeigeWert(m_doc.GetMessAnfang(), d));
    c.Down(1);
    Row(c, spalten, tr("20mA bei (ME):"), AnzeigeWert(m_doc.GetMessEnde(), d));
    c.Down(1);
    Row(c, spalten, tr("min. Ausgangsgrenzwert:"), Stromwert(m_doc.GetStromgrenzeMin()));
    c.Down(1);
    Row(c, spalten, tr("max. Ausgangsgrenzwert:"), Stromwert(m_doc.GetStromgrenzeMax()));
    c.Down(1);
    Row(c, spalten, tr("Fehlersignal:"), Stromwert(m_doc.GetFehlerstrom()));
}

void CKonfigurationsblatt::DrawKA71FreierMessbereich(CSheetCanvas& c) const {
    const Spalten spalten{kH, kI};
    const int dpf = m_doc.GetFreiDezimalpunkt();
    const double teiler = CUtils::PowerOfTen(dpf);
    c.Down(2);
    SideHeading(c, tr("Freier Messbereich"));
    Row(c, spalten, tr("Anfang (MAF):"), Zahl(m_doc.GetFreiAnfang() / teiler, dpf));
    c.Down(1);
    Row(c, spalten, tr("Ende (MEF):"), Zahl(m_doc.GetFreiEnde() / teiler, dpf));
    c.Down(1);
    Row(c, spalten, tr("Dezimalpunkt (DPF):"), DezimalpunktText());
    c.Down(1);
    Row(c, spalten, tr("Medium (MED):"), MediumText());
}

// --- Parts of both sheets -----------------------------------------------------------------------------

void CKonfigurationsblatt::DrawKopf(CSheetCanvas& c) const {
    c.Text(CSheetCanvas::Font::Title, c.X(kL), c.Right(), tr("Halvard Drucktransmitter"));
    const int y = c.Y();
    if (!m_vorherWerte.isEmpty()) {
        const Spalten spalten = m_doc.IsKA71() ? Spalten{kH, kI} : Spalten{kL, kV};
        const int mitte = NachherX(c, spalten);
        c.SetY(y + c.LineHeight(CSheetCanvas::Font::Title));
        c.Text(CSheetCanvas::Font::Heading, VorherX(c, spalten), mitte, tr("Vorher"));
        c.Text(CSheetCanvas::Font::Heading, mitte, c.Right(), tr("Nachher"));
    }
    c.SetY(y + 2 * c.LineHeight(CSheetCanvas::Font::Title));
    if (m_doc.IsKA71()) {
        SideHeading(c, tr("Konfigurationsdaten")); // the type stands beside it
    } else {
        Heading(c, tr("Konfigurationsdaten"), c.Right());
    }
}

void CKonfigurationsblatt::DrawLinTab(CSheetCanvas& c) const {
    const int n = Punkte();
    if (n == 0) {
        return;
    }
    c.Down(2);
    Heading(c, tr("Linearitätskorrektur"), c.Right());
    c.Down(1);
    // The first half of the points (one more for an odd count) on the left, the rest beside them.
    const int links = (n + 1) / 2;
    for (int i = 0; i < n; ++i) {
        const bool rechts = i >= links;
        const double block = rechts ? kL + kRechterBlock : kL;
        const int zeile = (rechts ? i - links : i) + 1;
        const int ende = rechts ? c.Right() : c.X(kL + kRechterBlock);
        const Punkt punkt = m_doc.IsKA71() ? KA71Punkt(i) : StandardPunkt(i);
        const auto text = CSheetCanvas::Font::Text;
        c.Text(text, c.X(block), c.X(block + kPunktX), QString::number(i + 1), zeile);
        c.Text(text, c.X(block + kPunktX), c.X(block + kPunktY), punkt.x, zeile);
        c.Text(text, c.X(block + kPunktY), ende, punkt.y, zeile);
    }
    c.Down(n - links);
}

void CKonfigurationsblatt::DrawDruckdatum(CSheetCanvas& c, const Spalten& spalten) const {
    c.Down(3);
    const auto text = CSheetCanvas::Font::Text;
    c.Text(text, c.X(kL), c.X(spalten.wert), tr("Druckdatum:"));
    c.Text(text, c.X(spalten.wert), c.Right(), m_locale.toString(m_druckdatum, QLocale::ShortFormat));
    if (!m_vorherWerte.isEmpty()) {
        c.Down(1);
        c.Text(text, c.X(kL), c.Right(),
               tr("* Wert geändert (Vorher: wie empfangen, Nachher: wie gesendet)"));
    }
}

void CKonfigurationsblatt::Row(CSheetCanvas& c, const Spalten& spalten, const QString& label,
                               const QString& wert) const {
    if (m_pSammler != nullptr) {
        m_pSammler->append(wert);
        return;
    }
    const auto text = CSheetCanvas::Font::Text;
    c.Text(text, c.X(spalten.label), c.X(spalten.wert), label);
    if (m_vorherWerte.isEmpty()) {
        c.Text(text, c.X(spalten.wert), c.Right(), wert);
        return;
    }
    const QString vorher = m_nRow < m_vorherWerte.size() ? m_vorherWerte.at(m_nRow) : QString();
    ++m_nRow;
    const int mitte = NachherX(c, spalten);
    c.Text(text, VorherX(c, spalten), mitte, vorher);
    c.Text(text, mitte, c.Right(), vorher == wert ? wert : QStringLiteral("* ") + wert);
}

int CKonfigurationsblatt::VorherX(const CSheetCanvas& c, const Spalten& spalten) {
    // The KA71 sheet's values begin far right; two columns of them start where its labels end.
    return c.X(spalten.wert == kI ? kI - kKA71Einzug : spalten.wert);
}

int CKonfigurationsblatt::NachherX(const CSheetCanvas& c, const Spalten& spalten) {
    return (VorherX(c, spalten) + c.Right()) / 2;
}

void CKonfigurationsblatt::Heading(CSheetCanvas& c, const QString& text, int right) const {
    c.Text(CSheetCanvas::Font::Heading, c.X(kL), right, text);
}

void CKonfigurationsblatt::SideHeading(CSheetCanvas& c, const QString& text) const {
    // "Konfigurationsdaten" and "Freier Messbereich" fill the room before the labels almost to the
    // point; underlined, they would read as running into the label.
    const int room = c.X(kH) - c.X(kHeadingAbstand) - c.X(kL);
    if (c.Width(CSheetCanvas::Font::Heading, text) <= room) {
        Heading(c, text, c.X(kH));
        return;
    }
    Heading(c, text, c.Right());
    c.Down(1);
}

// --- Values -------------------------------------------------------------------------------------------

CKonfigurationsblatt::Punkt CKonfigurationsblatt::StandardPunkt(int i) const {
    const QString x = Zahl(m_doc.GetLinTabX(i), 2) + QStringLiteral(" mA");
    if (m_doc.GetLinTabOption() == 1) {
        return {x, Zahl(m_doc.GetLinTabY(i), m_doc.GetDezimalstellen()) + QLatin1Char(' ') +
                       m_doc.GetEinheitText()};
    }
    return {x, Zahl(m_doc.GetLinTabY(i), 2) + QStringLiteral(" %")};
}

CKonfigurationsblatt::Punkt CKonfigurationsblatt::KA71Punkt(int i) const {
    if (m_doc.GetLinTabOption() != 1) {
        return {Zahl(m_doc.GetLinTabX(i), 2) + QStringLiteral("  "),
                Zahl(m_doc.GetLinTabY(i), 2) + QStringLiteral(" %")};
    }
    // The KA71 keeps both coordinates on the 0 to 10000 scale: the first of the free range, the second
    // of the set range.
    const int dpf = m_doc.GetFreiDezimalpunkt();
    const double teiler = CUtils::PowerOfTen(dpf);
    const int typ = m_doc.GetTyp();
    const CEinheiten frei(typ, static_cast<float>(m_doc.GetFreiAnfang() / teiler),
                          static_cast<float>(m_doc.GetFreiEnde() / teiler), dpf, 0, 0);
    const CEinheiten gesetzt(typ, m_doc.GetMessAnfang(), m_doc.GetMessEnde(), dpf, 0, 0);
    return {Zahl(frei.FromScale(m_doc.GetLinTabX(i)), dpf) + QStringLiteral("  "),
            AnzeigeWert(gesetzt.FromScale(m_doc.GetLinTabY(i)), m_doc.GetAnzeigeDezimalstellen())};
}

int CKonfigurationsblatt::Punkte() const {
    return qBound(0, m_doc.GetLinTabAnzahl(), static_cast<int>(CQuillonDoc::kLinTabPunkte));
}

QString CKonfigurationsblatt::Zahl(double value, int decimals) const {
    // The width of "%6.*f" only adds leading blanks, which the sheet removes again; the sign of a
    // positive number is the signed form's, not the sheet's.
    QString text = CUtils::FormatSigned(value, 0, decimals, m_locale);
    if (text.startsWith(QLatin1Char('+'))) {
        text.remove(0, 1);
    }
    return text;
}

QString CKonfigurationsblatt::Stromwert(float mA) const {
    return Zahl(mA, kStromDezimalen) + QStringLiteral(" mA");
}

QString CKonfigurationsblatt::AnzeigeWert(double value, int decimals) const {
    return Zahl(value, decimals) + QLatin1Char(' ') + m_doc.GetAnzeigeEinheitText();
}

QString CKonfigurationsblatt::DezimalpunktText() const {
    static constexpr std::array<const char*, 4> kTexte = {"0 (1234)", "1 (123.4)", "2 (12.34)", "3 (1.234)"};
    const int dpf = m_doc.GetFreiDezimalpunkt();
    return dpf >= 0 && dpf < static_cast<int>(kTexte.size()) ? QString::fromLatin1(kTexte.at(dpf))
                                                             : QString();
}

QString CKonfigurationsblatt::MediumText() const {
    switch (m_doc.GetMedium()) {
    case 0:
        return QStringLiteral("0: ") + tr("Wasser");
    case 1:
        return QStringLiteral("1: ") + tr("Benzin");
    case 2:
        return QStringLiteral("2: ") + tr("Diesel");
    default:
        return QString();
    }
}
