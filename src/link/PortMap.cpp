#include "link/PortMap.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>
#include <tuple>

namespace {

int GroupRank(const QString& path) {
    if (path.contains(QLatin1String("ttyS"))) {
        return 0;
    }
    if (path.contains(QLatin1String("ttyUSB"))) {
        return 1;
    }
    if (path.contains(QLatin1String("ttyACM"))) {
        return 2;
    }
    return 3;
}

int TrailingNumber(const QString& path) {
    static const QRegularExpression digits(QStringLiteral("(\\d+)$"));
    const QRegularExpressionMatch match = digits.match(path);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

void CPortMap::Pin(int comNumber, const QString& devicePath) {
    if (comNumber >= 1) {
        m_pins.insert(comNumber, devicePath);
    }
}

void CPortMap::Pin(const QMap<int, QString>& pins) {
    for (auto it = pins.constBegin(); it != pins.constEnd(); ++it) {
        Pin(it.key(), it.value());
    }
}

QString CPortMap::DevicePath(int comNumber) const {
    if (m_pins.contains(comNumber)) {
        return m_pins.value(comNumber);
    }
    const QStringList devices = AvailableDevices();
    if (comNumber >= 1 && comNumber <= devices.size()) {
        return devices.at(comNumber - 1);
    }
    return QString();
}

QStringList CPortMap::AvailableDevices() const {
    if (!m_devices) {
        m_devices = SortDevices(m_enumerate());
    }
    return *m_devices;
}

void CPortMap::Refresh() {
    m_devices.reset();
}

void CPortMap::SetAvailableDevices(const QStringList& devices) {
    SetEnumerator([devices] { return devices; });
}

void CPortMap::SetEnumerator(Enumerator enumerate) {
    m_enumerate = std::move(enumerate);
    Refresh();
}

QStringList CPortMap::SystemDevices() {
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        devices.append(info.systemLocation());
    }
    return devices;
}

std::optional<int> CPortMap::ParseComName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^COM(\\d{1,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name.trimmed());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const int number = match.captured(1).toInt();
    return number >= 1 ? std::optional<int>(number) : std::nullopt;
}

QStringList CPortMap::SortDevices(QStringList devices) {
    std::stable_sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        return std::make_tuple(GroupRank(a), TrailingNumber(a), a) <
               std::make_tuple(GroupRank(b), TrailingNumber(b), b);
    });
    return devices;
}
