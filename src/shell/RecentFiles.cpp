#include "shell/RecentFiles.h"

#include "document/SettingsRegistry.h"

#include <QFileInfo>

CRecentFiles::CRecentFiles(CSettingsRegistry& settings)
    : m_settings(settings) {}

QString CRecentFiles::Normalised(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

void CRecentFiles::Load() {
    QStringList entries;
    for (int i = 0; i < CSettingsRegistry::kRecentFileCount; ++i) {
        const QString path = m_settings.Text(CSettingsRegistry::RecentFile(i));
        if (!path.isEmpty() && !entries.contains(Normalised(path))) {
            entries.append(Normalised(path));
        }
    }
    Store(entries);
}

QStringList CRecentFiles::Entries() const {
    QStringList entries;
    for (int i = 0; i < CSettingsRegistry::kRecentFileCount; ++i) {
        const QString path = m_settings.Text(CSettingsRegistry::RecentFile(i));
        if (!path.isEmpty()) {
            entries.append(path);
        }
    }
    return entries;
}

void CRecentFiles::Store(const QStringList& entries) {
    for (int i = 0; i < CSettingsRegistry::kRecentFileCount; ++i) {
        m_settings.Set(CSettingsRegistry::RecentFile(i), entries.value(i));
    }
}

void CRecentFiles::Add(const QString& path) {
    QStringList entries = Entries();
    const QString entry = Normalised(path);
    entries.removeAll(entry);
    entries.prepend(entry);
    Store(entries);
}

void CRecentFiles::Remove(const QString& path) {
    QStringList entries = Entries();
    entries.removeAll(Normalised(path));
    Store(entries);
}
