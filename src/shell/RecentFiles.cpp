#include "shell/RecentFiles.h"

#include "document/ProfileStore.h"

#include <QFileInfo>

QString CRecentFiles::Key(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

QString CRecentFiles::Normalised(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

void CRecentFiles::Load(const IProfileStore& store) {
    m_entries.clear();
    for (int i = 0; i < kMax; ++i) {
        const QString path = store.GetText(Key(i), QString());
        if (!path.isEmpty() && !m_entries.contains(Normalised(path))) {
            m_entries.append(Normalised(path));
        }
    }
}

void CRecentFiles::Save(IProfileStore& store) const {
    for (int i = 0; i < kMax; ++i) {
        store.SetText(Key(i), m_entries.value(i));
    }
}

void CRecentFiles::Add(const QString& path) {
    const QString entry = Normalised(path);
    m_entries.removeAll(entry);
    m_entries.prepend(entry);
    while (m_entries.size() > kMax) {
        m_entries.removeLast();
    }
}

void CRecentFiles::Remove(const QString& path) {
    m_entries.removeAll(Normalised(path));
}
