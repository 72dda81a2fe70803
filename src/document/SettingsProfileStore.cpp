#include "document/SettingsProfileStore.h"

namespace {

const QString kOrganisation = QStringLiteral("Quillon");
const QString kApplication = QStringLiteral("Quillon");
const QString kGroup = QStringLiteral("Settings");

} // namespace

CSettingsProfileStore::CSettingsProfileStore()
    : CSettingsProfileStore(std::make_unique<QSettings>(kOrganisation, kApplication), kGroup) {}

CSettingsProfileStore::CSettingsProfileStore(const QString& iniFile)
    : CSettingsProfileStore(std::make_unique<QSettings>(iniFile, QSettings::IniFormat), kGroup) {}

CSettingsProfileStore::CSettingsProfileStore(std::unique_ptr<QSettings> settings, QString group)
    : m_settings(std::move(settings))
    , m_group(std::move(group)) {}

std::unique_ptr<CSettingsProfileStore> CSettingsProfileStore::ForGroup(const QString& group) {
    return std::unique_ptr<CSettingsProfileStore>(
        new CSettingsProfileStore(std::make_unique<QSettings>(kOrganisation, kApplication), group));
}

QString CSettingsProfileStore::Key(const QString& key) const {
    return m_group + QLatin1Char('/') + key;
}

CSettingsProfileStore::~CSettingsProfileStore() = default;

int CSettingsProfileStore::GetInt(const QString& key, int defaultValue) const {
    const QVariant value = m_settings->value(Key(key));
    bool ok = false;
    const int number = value.toInt(&ok);
    return value.isValid() && ok ? number : defaultValue;
}

QString CSettingsProfileStore::GetText(const QString& key, const QString& defaultValue) const {
    const QVariant value = m_settings->value(Key(key));
    return value.isValid() ? value.toString() : defaultValue;
}

void CSettingsProfileStore::SetInt(const QString& key, int value) {
    m_settings->setValue(Key(key), value);
}

void CSettingsProfileStore::SetText(const QString& key, const QString& value) {
    m_settings->setValue(Key(key), value);
}

void CSettingsProfileStore::Sync() {
    m_settings->sync();
}
