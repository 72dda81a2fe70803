#include "history/HistoryLocation.h"

#include "document/SettingsRegistry.h"

#include <QDir>
#include <QStandardPaths>

QString CHistoryLocation::DefaultLocalPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("history.sqlite"));
}

CHistoryLocation CHistoryLocation::FromSettings(const CSettingsRegistry& settings) {
    CHistoryLocation location;
    location.localPath = settings.Text(CSettingsRegistry::kHistoryDatabase);
    if (location.localPath.isEmpty()) {
        location.localPath = DefaultLocalPath();
    }
    if (settings.Int(CSettingsRegistry::kHistoryBackend) == CSettingsRegistry::kHistoryServerBackend) {
        location.server = settings.Text(CSettingsRegistry::kHistoryServer).trimmed();
    }
    return location;
}

CHistoryLocation CHistoryLocation::FromArgument(const QString& text, const CSettingsRegistry& settings) {
    CHistoryLocation location = FromSettings(settings);
    if (text.contains(QLatin1Char('='))) {
        location.server = text.trimmed();
    } else {
        location.localPath = text;
        location.server.clear();
    }
    return location;
}
