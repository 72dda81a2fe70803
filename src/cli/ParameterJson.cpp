#include "cli/ParameterJson.h"

#include "document/QuillonDoc.h"

#include <QJsonArray>
#include <charconv>
#include <cmath>
#include <cstdlib>

double CParameterJson::ShortestDouble(float value) {
    if (!std::isfinite(value)) {
        return static_cast<double>(value); // JSON has no such numbers; QJsonValue writes null
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    *result.ptr = '\0';
    double shortest = 0.0;
    std::from_chars(buffer, result.ptr, shortest);
    return shortest;
}

QJsonObject CParameterJson::ToJson(const CQuillonDoc& doc) {
    const auto f = [](float value) { return QJsonValue(ShortestDouble(value)); };
    QJsonArray x;
    QJsonArray y;
    for (int i = 0; i < CQuillonDoc::kLinTabPunkte; ++i) {
        x.append(f(doc.GetLinTabX(i)));
        y.append(f(doc.GetLinTabY(i)));
    }
    QJsonObject json;
    json.insert(QStringLiteral("m_nTyp"), doc.GetTyp());
    json.insert(QStringLiteral("m_strKennung"), doc.GetKennungText());
    json.insert(QStringLiteral("m_strSeriennummer"), doc.GetSeriennummerText());
    json.insert(QStringLiteral("m_strBezeichnung"), doc.GetBezeichnungText());
    json.insert(QStringLiteral("m_nDezimalstellen"), doc.GetDezimalstellen());
    json.insert(QStringLiteral("m_nEinheit"), doc.GetEinheit());
    json.insert(QStringLiteral("m_nAnzeigeEinheit"), doc.GetAnzeigeEinheit());
    json.insert(QStringLiteral("m_fGrundAnfang"), f(doc.GetGrundAnfang()));
    json.insert(QStringLiteral("m_fGrundEnde"), f(doc.GetGrundEnde()));
    json.insert(QStringLiteral("m_fMessAnfang"), f(doc.GetMessAnfang()));
    json.insert(QStringLiteral("m_fMessEnde"), f(doc.GetMessEnde()));
    json.insert(QStringLiteral("m_fOffset"), f(doc.GetOffset()));
    json.insert(QStringLiteral("m_fSpanne"), f(doc.GetSpanne()));
    json.insert(QStringLiteral("m_fDaempfung"), f(doc.GetDaempfung()));
    json.insert(QStringLiteral("m_fTempDaempfung"), f(doc.GetTempDaempfung()));
    json.insert(QStringLiteral("m_nTastatursperre"), doc.GetTastatursperre());
    json.insert(QStringLiteral("m_nNullpunktsfenster"), doc.GetNullpunktsfenster());
    json.insert(QStringLiteral("m_fStromgrenzeMin"), f(doc.GetStromgrenzeMin()));
    json.insert(QStringLiteral("m_fStromgrenzeMax"), f(doc.GetStromgrenzeMax()));
    json.insert(QStringLiteral("m_fFehlerstrom"), f(doc.GetFehlerstrom()));
    json.insert(QStringLiteral("m_nLinTabAnzahl"), doc.GetLinTabAnzahl());
    json.insert(QStringLiteral("m_fLinTabX"), x);
    json.insert(QStringLiteral("m_fLinTabY"), y);
    json.insert(QStringLiteral("m_nFreiDezimalpunkt"), doc.GetFreiDezimalpunkt());
    json.insert(QStringLiteral("m_nFreiAnfang"), doc.GetFreiAnfang());
    json.insert(QStringLiteral("m_nFreiEnde"), doc.GetFreiEnde());
    json.insert(QStringLiteral("m_nMedium"), doc.GetMedium());
    return json;
}
