#pragma once

#include <QString>
#include <QStringList>

class CSettingsRegistry;

/// The list of the documents opened or saved last, newest first, at most four. It is kept in the
/// settings ("File1" … "File4" of the group "Recent File List") from one run to the next.
class CRecentFiles {
public:
    explicit CRecentFiles(CSettingsRegistry& settings);

    /// Takes the list from the settings as loaded: empty entries and doubles go, paths become absolute.
    void Load();

    /// Puts a document at the top; an entry for the same file moves up instead of doubling.
    void Add(const QString& path);
    void Remove(const QString& path);
    QStringList Entries() const;

private:
    static QString Normalised(const QString& path);
    void Store(const QStringList& entries);

    CSettingsRegistry& m_settings;
};
