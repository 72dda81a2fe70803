#include "document/MemoryProfileStore.h"

int CMemoryProfileStore::GetInt(const QString& key, int defaultValue) const {
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd()) {
        return defaultValue;
    }
    bool ok = false;
    const int number = it->toInt(&ok);
    return ok ? number : defaultValue;
}

QString CMemoryProfileStore::GetText(const QString& key, const QString& defaultValue) const {
    const auto it = m_values.constFind(key);
    return it == m_values.constEnd() ? defaultValue : it->toString();
}

void CMemoryProfileStore::SetInt(const QString& key, int value) {
    m_values.insert(key, value);
}

void CMemoryProfileStore::SetText(const QString& key, const QString& value) {
    m_values.insert(key, value);
}
