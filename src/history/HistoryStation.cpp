#include "history/HistoryStation.h"

#include "document/SettingsRegistry.h"

#include <QSysInfo>
#include <pwd.h>
#include <unistd.h>

CHistoryStation CHistoryStation::Local(const CSettingsRegistry& settings, const QString& edition,
                                       const QString& version) {
    CHistoryStation station;
    station.station = settings.Text(CSettingsRegistry::kHistoryStation).trimmed();
    if (station.station.isEmpty()) {
        station.station = QSysInfo::machineHostName();
    }
    // The account the program runs under, not $USER, which a shell or sudo may have left behind.
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr) {
        station.user = QString::fromLocal8Bit(entry->pw_name);
    } else {
        station.user = QString::number(geteuid());
    }
    station.edition = edition;
    station.version = version;
    return station;
}
