#pragma once

#include <QString>

class CSettingsRegistry;

/// The part of every event that describes where and by whom it was recorded. The program fills edition
/// and version; the station name comes from the setting and defaults to the host name, the user is the
/// operating system's.
struct CHistoryStation {
    QString station;
    QString user;
    QString edition;
    QString version;

    /// This machine and its logged-in user; the station setting wins over the host name when set.
    static CHistoryStation Local(const CSettingsRegistry& settings, const QString& edition,
                                 const QString& version);
};
