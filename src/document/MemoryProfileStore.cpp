#include "document/MemoryProfileStore.h"

#include "document/SettingsRegistry.h"

namespace {

QString Path(const QString& group, const QString& key) {
    return CSettingsRegistry::Key{group, key}.Path();
}

} // namespace

QVariant CMemoryProfileStore::Value(const QString& group, const QString& key) const {
    return m_values.value(Path(group, key));
}

void CMemoryProfileStore::SetValue(const QString& group, const QString& key, const QVariant& value) {
    m_values.insert(Path(group, key), value);
}

int CMemoryProfileStore::GetInt(const QString& key, int defaultValue) const {
    bool ok = false;
    const int number = Value(CSettingsRegistry::kSettings, key).toInt(&ok);
    return ok ? number : defaultValue;
}

QString CMemoryProfileStore::GetText(const QString& key, const QString& defaultValue) const {
    const QVariant value = Value(CSettingsRegistry::kSettings, key);
    return value.isValid() ? value.toString() : defaultValue;
}

void CMemoryProfileStore::SetInt(const QString& key, int value) {
    SetValue(CSettingsRegistry::kSettings, key, value);
}

void CMemoryProfileStore::SetText(const QString& key, const QString& value) {
    SetValue(CSettingsRegistry::kSettings, key, value);
}
