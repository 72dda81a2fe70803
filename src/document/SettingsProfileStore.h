#pragma once

#include "document/ProfileStore.h"

#include <QSettings>
#include <memory>

/// The profile in QSettings: organisation "Quillon", application "Quillon"
/// (~/.config/Quillon/Quillon.conf), one INI group per settings group. A store that cannot be written
/// loses the values silently, as a profile does.
class CSettingsProfileStore : public IProfileStore {
public:
    CSettingsProfileStore();
    /// The same groups in an INI file of one's choice, for tools and tests that must not touch the
    /// user's profile.
    explicit CSettingsProfileStore(const QString& iniFile);
    ~CSettingsProfileStore() override;

    QVariant Value(const QString& group, const QString& key) const override;
    void SetValue(const QString& group, const QString& key, const QVariant& value) override;

    /// Writes pending changes out now instead of at destruction.
    void Sync();

private:
    std::unique_ptr<QSettings> m_settings;
};
