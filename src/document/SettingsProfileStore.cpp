#include "document/SettingsProfileStore.h"

namespace {

const QString kOrganisation = QStringLiteral("Quillon");
const QString kApplication = QStringLiteral("Quillon");
const QString kGroup = QStringLiteral("Settings");

QString Key(const QString& key) {
    return kGroup + QLatin1Char('/') + key;
}

} // namespace

CSettingsProfileStore::CSettingsProfileStore()
    : m_settings(std::make_unique<QSettings>(kOrganisation, kApplication)) {}

CSettingsProfileStore::CSettingsProfileStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

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
