#include "sim/SimStateFile.h"

#include "sim/Simulator.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

const QString kFormat = QStringLiteral("quillon-sim-state");

bool ReadArea(const QJsonObject& json, const QString& key, QByteArray& area, QString& error) {
    if (!json.contains(key)) {
        return true;
    }
    const QByteArray hex = json.value(key).toString().toLatin1();
    const QByteArray bytes = QByteArray::fromHex(hex);
    if (hex.size() % 2 != 0 || bytes.size() * 2 != hex.size() || bytes.size() > area.size()) {
        error = QStringLiteral("\"%1\" is not hex text of at most %2 bytes").arg(key).arg(area.size());
        return false;
    }
    area.replace(0, bytes.size(), bytes);
    return true;
}

bool ReadWords(const QJsonObject& json, QList<quint16>& words, QString& error) {
    const QJsonArray array = json.value(QStringLiteral("calibration")).toArray();
    if (array.size() > words.size()) {
        error = QStringLiteral("\"calibration\" holds more than %1 words").arg(words.size());
        return false;
    }
    for (qsizetype i = 0; i < array.size(); ++i) {
        const int value = array.at(i).toInt(-1);
        if (value < 0 || value > 0xFFFF) {
            error = QStringLiteral("calibration word %1 is not a number from 0 to 65535").arg(i);
            return false;
        }
        words[i] = static_cast<quint16>(value);
    }
    return true;
}

bool ReadInterface(const QJsonObject& json, CSimInterface& iface, QString& error) {
    const std::optional<CSimInterface::Kind> kind =
        CSimInterface::ParseKind(json.value(QStringLiteral("interface")).toString(QStringLiteral("pl45")));
    if (!kind) {
        error = QStringLiteral("\"interface\" must be \"pl45\" or \"pl40\"");
        return false;
    }
    iface.SetKind(*kind);
    iface.SetMode(json.value(QStringLiteral("interfaceMode")).toInt(CSimInterface::kNoMode));
    const QJsonObject info = json.value(QStringLiteral("interfaceInfo")).toObject();
    CSimInterface::Info& target = iface.GetInfo();
    target.byte1 = static_cast<quint8>(info.value(QStringLiteral("byte1")).toInt(target.byte1));
    target.byte2 = static_cast<quint8>(info.value(QStringLiteral("byte2")).toInt(target.byte2));
    target.firmware = static_cast<quint8>(info.value(QStringLiteral("firmware")).toInt(target.firmware));
    target.digit = qBound(0, info.value(QStringLiteral("digit")).toInt(target.digit), 9);
    const QJsonArray words = info.value(QStringLiteral("words")).toArray();
    for (qsizetype i = 0; i < words.size() && i < static_cast<qsizetype>(target.words.size()); ++i) {
        target.words[static_cast<size_t>(i)] = static_cast<quint16>(words.at(i).toInt());
    }
    return true;
}

} // namespace

QJsonObject CSimStateFile::ToJson(const CSimulator& simulator) {
    const CSimTransmitter& tx = simulator.Transmitter();
    const CSimInterface& iface = simulator.Interface();
    const CSimCatalogue::ParamLayout& par = tx.ParamLayout();
    const CSimCatalogue::CalLayout& cal = tx.CalLayout();

    QJsonArray calibration;
    for (const quint16 word : tx.CalWords()) {
        calibration.append(word);
    }
    QJsonArray infoWords;
    for (const quint16 word : iface.GetInfo().words) {
        infoWords.append(word);
    }
    QJsonObject info{{"byte1", iface.GetInfo().byte1},
                     {"byte2", iface.GetInfo().byte2},
                     {"firmware", iface.GetInfo().firmware},
                     {"words", infoWords},
                     {"digit", iface.GetInfo().digit}};
    QJsonObject summary{
        {"seriennummer", QString::fromLatin1(tx.Serial())},
        {"bezeichnung", QString::fromLatin1(tx.Tag())},
        {"einheit", tx.CalWords().at(cal.einheit)},
        {"dezimalstellen", tx.Dezimalstellen()},
        {"grundAnfang", static_cast<qint16>(tx.CalWords().at(cal.bereichAnfang))},
        {"grundEnde", static_cast<qint16>(tx.CalWords().at(cal.bereichEnde))},
        {"messAnfang", static_cast<qint16>(tx.ParamWord(par.ma))},
        {"messEnde", static_cast<qint16>(tx.ParamWord(par.me))},
        {"linTabAnzahl", tx.TableCount()},
    };
    return QJsonObject{
        {"format", kFormat},
        {"version", kVersion},
        {"typ", tx.Typ()},
        {"kennung", QString::fromLatin1(tx.Kennung())},
        {"interface", CSimInterface::KindName(iface.GetKind())},
        {"interfaceMode", iface.Mode()},
        {"interfaceInfo", info},
        {"released", tx.Released()},
        {"parameter", QString::fromLatin1(tx.Parameter().toHex().toUpper())},
        {"table", QString::fromLatin1(tx.Table().toHex().toUpper())},
        {"calibration", calibration},
        {"summary", summary},
    };
}

bool CSimStateFile::FromJson(const QJsonObject& json, CSimulator& simulator, QString& error) {
    if (json.value(QStringLiteral("format")).toString() != kFormat) {
        error = QStringLiteral("not a simulator state file");
        return false;
    }
    if (json.value(QStringLiteral("version")).toInt() > kVersion) {
        error = QStringLiteral("state file of a newer version");
        return false;
    }
    const int nTyp = json.value(QStringLiteral("typ")).toInt(-1);
    if (!CSimCatalogue::IsValidTyp(nTyp)) {
        error = QStringLiteral("\"typ\" must be a transmitter type from 0 to 10");
        return false;
    }
    const QByteArray kennung = json.value(QStringLiteral("kennung")).toString().toLatin1();
    CSimTransmitter tx(nTyp, kennung);
    CSimInterface iface;
    if (!ReadArea(json, QStringLiteral("parameter"), tx.Parameter(), error) ||
        !ReadArea(json, QStringLiteral("table"), tx.Table(), error) ||
        !ReadWords(json, tx.CalWords(), error) || !ReadInterface(json, iface, error)) {
        return false;
    }
    tx.SetReleased(json.value(QStringLiteral("released")).toBool(tx.Released()));
    simulator.Transmitter() = tx;
    simulator.Interface().SetKind(iface.GetKind());
    simulator.Interface().SetMode(iface.Mode());
    simulator.Interface().GetInfo() = iface.GetInfo();
    return true;
}

bool CSimStateFile::Save(const QString& path, const CSimulator& simulator, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    file.write(QJsonDocument(ToJson(simulator)).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool CSimStateFile::Load(const QString& path, CSimulator& simulator, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        error = QStringLiteral("not JSON: %1").arg(parseError.errorString());
        return false;
    }
    return FromJson(document.object(), simulator, error);
}
