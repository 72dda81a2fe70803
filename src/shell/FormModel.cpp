#include "shell/FormModel.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "document/QuillonDoc.h"

namespace {

constexpr int kBreite = 6;
constexpr int kStromBreite = 5;
constexpr int kStromDezimalen = 2;

} // namespace

CFormModel::Layout CFormModel::LayoutForType(int nTyp) {
    Layout layout;
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    if (typ == nullptr) {
        return layout;
    }
    if (typ->ausgang == CTypKatalog::Ausgang::Kennlinie) {
        // Types without a settable range: the characteristic tells which way the output runs.
        layout.bMessbereich = false;
        layout.bKennlinie = true;
        layout.bLinTab = false;
    }
    layout.bTempDaempfung = typ->bTempDaempfung;
    return layout;
}

QString CFormModel::Number(double value, int width, int decimals, const QLocale& locale) {
    return CUtils::FormatSigned(value, width, decimals, locale).trimmed();
}

void CFormModel::BaseRange(const CQuillonDoc& doc, const QLocale& locale, Texts& texts) {
    if (!doc.IsKA71()) {
        const int n = doc.GetDezimalstellen();
        texts.grundAnfang = Number(doc.GetGrundAnfang(), kBreite, n, locale);
        texts.grundEnde = Number(doc.GetGrundEnde(), kBreite, n, locale);
        texts.grundEinheit = doc.GetEinheitText();
        return;
    }
    // The KA71 shows its base range as its display does: in the display unit, as scaled counts.
    const CEinheiten::Range range = doc.GetAnzeigeBereich();
    const double divisor = doc.GetEinheit() == doc.GetAnzeigeEinheit() ? 1.0 : CUtils::PowerOfTen(range.n);
    texts.grundAnfang = Number(range.lo / divisor, kBreite, range.n, locale);
    texts.grundEnde = Number(range.hi / divisor, kBreite, range.n, locale);
    texts.grundEinheit = doc.GetAnzeigeEinheitText();
}

CFormModel::Texts CFormModel::ShowDocument(const CQuillonDoc& doc, const QLocale& locale) {
    Texts texts;
    BaseRange(doc, locale, texts);
    const int nAnzeige = doc.GetAnzeigeDezimalstellen();
    texts.messAnfang = Number(doc.GetMessAnfang(), kBreite, nAnzeige, locale);
    texts.messEnde = Number(doc.GetMessEnde(), kBreite, nAnzeige, locale);
    texts.messEinheit = doc.GetAnzeigeEinheitText();
    texts.kennlinie = doc.IsKennlinieInvers() ? tr("fallend") : tr("steigend");
    texts.daempfung = Number(doc.GetDaempfung(), kBreite, 1, locale);
    texts.tempDaempfung = Number(doc.GetTempDaempfung(), kBreite, 1, locale);
    texts.bezeichnung = doc.GetBezeichnungText();
    texts.seriennummer = doc.GetSeriennummerText().left(kSeriennummerMax);
    texts.kennung = doc.GetKennungText();
    texts.typ = CQuillonDoc::GetTypText(doc.GetTyp());
    texts.stromMin = Number(doc.GetStromgrenzeMin(), kStromBreite, kStromDezimalen, locale);
    texts.stromMax = Number(doc.GetStromgrenzeMax(), kStromBreite, kStromDezimalen, locale);
    texts.fehlerstrom = Number(doc.GetFehlerstrom(), kStromBreite, kStromDezimalen, locale);
    texts.bLinTab = doc.GetLinTabAnzahl() != 0;
    return texts;
}
