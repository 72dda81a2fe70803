#pragma once

#include "document/ProfileStore.h"

#include <QHash>
#include <QVariant>

/// A profile in memory, for tests and for runs that must leave the user's profile alone. Values are
/// kept with their type, so a test can also plant a text where an integer belongs.
class CMemoryProfileStore : public IProfileStore {
public:
    int GetInt(const QString& key, int defaultValue) const override;
    QString GetText(const QString& key, const QString& defaultValue) const override;
    void SetInt(const QString& key, int value) override;
    void SetText(const QString& key, const QString& value) override;

    const QHash<QString, QVariant>& Values() const { return m_values; }

private:
    QHash<QString, QVariant> m_values;
};
