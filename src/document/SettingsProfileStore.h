#pragma once

#include "document/ProfileStore.h"

#include <QSettings>
#include <memory>

/// The profile in QSettings: organisation "Quillon", application "Quillon", group "Settings"
/// (~/.config/Quillon/Quillon.conf). A store that cannot be written loses the values silently, as a
/// profile does.
class CSettingsProfileStore : public IProfileStore {
public:
    CSettingsProfileStore();
    /// The same keys in an INI file of one's choice, for tools and tests that must not touch the
    /// user's profile.
    explicit CSettingsProfileStore(const QString& iniFile);
    /// Another group of the same profile (the window keeps its recent-file list in "Recent File List").
    static std::unique_ptr<CSettingsProfileStore> ForGroup(const QString& group);
    ~CSettingsProfileStore() override;

    int GetInt(const QString& key, int defaultValue) const override;
    QString GetText(const QString& key, const QString& defaultValue) const override;
    void SetInt(const QString& key, int value) override;
    void SetText(const QString& key, const QString& value) override;

    /// Writes pending changes out now instead of at destruction.
    void Sync();

private:
    CSettingsProfileStore(std::unique_ptr<QSettings> settings, QString group);
    QString Key(const QString& key) const;

    std::unique_ptr<QSettings> m_settings;
    QString m_group;
};
