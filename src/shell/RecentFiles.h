#pragma once

#include <QString>
#include <QStringList>

class IProfileStore;

/// The list of the documents opened or saved last, newest first, at most four. It lives in the profile
/// ("File1" … "File4" of its own group) from one run to the next.
class CRecentFiles {
public:
    static constexpr int kMax = 4;

    void Load(const IProfileStore& store);
    void Save(IProfileStore& store) const;

    /// Puts a document at the top; an entry for the same file moves up instead of doubling.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Entries() const { return m_entries; }

private:
    static QString Key(int index);
    static QString Normalised(const QString& path);

    QStringList m_entries;
};
