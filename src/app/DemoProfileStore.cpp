#include "app/DemoProfileStore.h"

#include <QStringList>

CDemoProfileStore::CDemoProfileStore(IProfileStore& profile)
    : m_profile(profile) {}

bool CDemoProfileStore::IsHardwareKey(const QString& key) {
    static const QStringList kHardwareKeys{QStringLiteral("COM"), QStringLiteral("InterfaceVersion"),
                                           QStringLiteral("TransmitterVersion")};
    return kHardwareKeys.contains(key);
}

int CDemoProfileStore::GetInt(const QString& key, int defaultValue) const {
    return m_profile.GetInt(key, defaultValue);
}

QString CDemoProfileStore::GetText(const QString& key, const QString& defaultValue) const {
    return m_profile.GetText(key, defaultValue);
}

void CDemoProfileStore::SetInt(const QString& key, int value) {
    if (!IsHardwareKey(key)) {
        m_profile.SetInt(key, value);
    }
}

void CDemoProfileStore::SetText(const QString& key, const QString& value) {
    if (!IsHardwareKey(key)) {
        m_profile.SetText(key, value);
    }
}
