#pragma once

#include <QString>

/// The user's profile: integers and texts by key, all in the section "Settings". The product keeps it
/// in QSettings; tests use an in-memory one.
class IProfileStore {
public:
    virtual ~IProfileStore() = default;
    /// The stored integer, or defaultValue when the key is missing or holds no integer.
    virtual int GetInt(const QString& key, int defaultValue) const = 0;
    virtual QString GetText(const QString& key, const QString& defaultValue) const = 0;
    virtual void SetInt(const QString& key, int value) = 0;
    virtual void SetText(const QString& key, const QString& value) = 0;
};
