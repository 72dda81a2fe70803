#include "measurement/MessAnzeige.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "document/QuillonDoc.h"

namespace {

constexpr int kWidth = 6;

} // namespace

bool CMessAnzeige::HasTemperatur(int nTyp) {
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr && typ->bTemperatur;
}

bool CMessAnzeige::HasDruecke(int nTyp) {
    return CTypKatalog::Has(nTyp, &CTypKatalog::Typ::bMehrereMesswerte);
}

int CMessAnzeige::Precision(const CQuillonDoc& doc) {
    if (!doc.IsKA71()) {
        return doc.GetDezimalstellen();
    }
    return doc.GetLinTabAnzahl() != 0 ? doc.GetFreiDezimalpunkt() : doc.GetAnzeigeDezimalstellen();
}

QString CMessAnzeige::UnitText(const CQuillonDoc& doc) {
    if (!doc.IsKA71()) {
        return doc.GetEinheitText();
    }
    return doc.GetLinTabAnzahl() != 0 ? QString() : doc.GetAnzeigeEinheitText();
}

QString CMessAnzeige::FormatMesswert(double value, int precision, const QLocale& locale) {
    return CUtils::FormatSigned(value, kWidth, precision, locale);
}

QString CMessAnzeige::FormatTemperatur(double value, const QLocale& locale) {
    return CUtils::FormatSigned(value, kWidth, 1, locale);
}
