#include "app/DemoProfileStore.h"

#include "document/SettingsRegistry.h"

CDemoProfileStore::CDemoProfileStore(IProfileStore& profile)
    : m_profile(profile) {}

bool CDemoProfileStore::IsHardwareKey(const QString& group, const QString& key) {
    using R = CSettingsRegistry;
    for (const R::Key& hardware : {R::kCom, R::kInterfaceVersion, R::kTransmitterVersion}) {
        if (hardware.group == group && hardware.name == key) {
            return true;
        }
    }
    return false;
}

QVariant CDemoProfileStore::Value(const QString& group, const QString& key) const {
    return m_profile.Value(group, key);
}

void CDemoProfileStore::SetValue(const QString& group, const QString& key, const QVariant& value) {
    if (!IsHardwareKey(group, key)) {
        m_profile.SetValue(group, key, value);
    }
}
