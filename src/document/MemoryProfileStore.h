#pragma once

#include "document/ProfileStore.h"

#include <QHash>
#include <QVariant>

/// A profile in memory, for tests and for runs that must leave the user's profile alone. Values are
/// kept with their type, so a test can also plant a text where an integer belongs.
class CMemoryProfileStore : public IProfileStore {
public:
    QVariant Value(const QString& group, const QString& key) const override;
    void SetValue(const QString& group, const QString& key, const QVariant& value) override;

    /// Shorthands for the group "Settings", where a test plants and reads most values. GetInt gives
    /// defaultValue for a missing key or one that holds no integer.
    int GetInt(const QString& key, int defaultValue) const;
    QString GetText(const QString& key, const QString& defaultValue) const;
    void SetInt(const QString& key, int value);
    void SetText(const QString& key, const QString& value);

    /// Every value by "group/key".
    const QHash<QString, QVariant>& Values() const { return m_values; }

private:
    QHash<QString, QVariant> m_values;
};
