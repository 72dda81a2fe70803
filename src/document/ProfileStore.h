#pragma once

#include <QString>
#include <QVariant>

/// The user's profile: values by group and key, as they are stored. What a value means, its default and
/// its range are the settings registry's business (CSettingsRegistry). The product keeps the profile in
/// QSettings; tests use one in memory.
class IProfileStore {
public:
    virtual ~IProfileStore() = default;
    /// The stored value; invalid when the profile does not hold the key.
    virtual QVariant Value(const QString& group, const QString& key) const = 0;
    virtual void SetValue(const QString& group, const QString& key, const QVariant& value) = 0;
};
