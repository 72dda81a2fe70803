#include "document/SettingsProfileStore.h"

#include "document/SettingsRegistry.h"

namespace {

QString Path(const QString& group, const QString& key) {
    return CSettingsRegistry::Key{group, key}.Path();
}

} // namespace

CSettingsProfileStore::CSettingsProfileStore()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("Quillon"), QStringLiteral("Quillon"))) {}

CSettingsProfileStore::CSettingsProfileStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

CSettingsProfileStore::~CSettingsProfileStore() = default;

QVariant CSettingsProfileStore::Value(const QString& group, const QString& key) const {
    return m_settings->value(Path(group, key));
}

void CSettingsProfileStore::SetValue(const QString& group, const QString& key, const QVariant& value) {
    m_settings->setValue(Path(group, key), value);
}

void CSettingsProfileStore::Sync() {
    m_settings->sync();
}
