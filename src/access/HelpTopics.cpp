#include "access/HelpTopics.h"

#include "document/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <array>

namespace {

const std::array<const char*, CHelpTopics::kPageCount> kCaptions = {{
    QT_TRANSLATE_NOOP("CHelpTopics", "Programmer"),
    QT_TRANSLATE_NOOP("CHelpTopics", "Menü"),
    QT_TRANSLATE_NOOP("CHelpTopics", "Parametrierung"),
    QT_TRANSLATE_NOOP("CHelpTopics", "Linearitätskorrektur"),
    QT_TRANSLATE_NOOP("CHelpTopics", "Empfangen"),
    QT_TRANSLATE_NOOP("CHelpTopics", "Senden"),
    QT_TRANSLATE_NOOP("CHelpTopics", "Messen"),
    QT_TRANSLATE_NOOP("CHelpTopics", "Loggen"),
    QT_TRANSLATE_NOOP("CHelpTopics", "Kalibrierung"),
    QT_TRANSLATE_NOOP("CHelpTopics", "Vor- Ort Bedienung"),
    QT_TRANSLATE_NOOP("CHelpTopics", "frei"),
}};

/// UTF-8 text, or nothing when the bytes are not UTF-8. bStateless: an incomplete character at the
/// end is an error too; else it is left out (a file cut at the byte limit).
std::optional<QString> DecodeUtf8(const QByteArray& bytes, bool bStateless) {
    QStringDecoder decoder(QStringDecoder::Utf8,
                           bStateless ? QStringDecoder::Flag::Stateless : QStringDecoder::Flag::Default);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

} // namespace

QString CHelpTopics::Caption(int nNumber) {
    if (nNumber < 1 || nNumber > kPageCount) {
        return QString();
    }
    return tr(kCaptions.at(static_cast<size_t>(nNumber - 1)));
}

QString CHelpTopics::FileName(int nNumber, bool bEnglish) {
    return bEnglish ? QStringLiteral("Help%1e.txt").arg(nNumber) : QStringLiteral("Help%1.txt").arg(nNumber);
}

QList<CHelpTopics::Page> CHelpTopics::ReadPages(const QString& dir, bool bEnglish) {
    return ReadPages(QStringList{dir}, bEnglish);
}

QList<CHelpTopics::Page> CHelpTopics::ReadPages(const QStringList& dirs, bool bEnglish) {
    QList<Page> pages;
    for (int n = 1; n <= kPageCount; ++n) {
        for (const QString& dir : dirs) {
            QFile file(QDir(dir).filePath(FileName(n, bEnglish)));
            if (file.open(QIODevice::ReadOnly)) {
                pages.append({n, Caption(n), DecodeText(file.read(kMaxBytes))});
                break;
            }
        }
    }
    return pages;
}

QString CHelpTopics::DecodeText(QByteArray bytes) {
    const bool bCut = bytes.size() >= kMaxBytes;
    if (const qsizetype ende = bytes.indexOf('\0'); ende >= 0) {
        bytes.truncate(ende);
    }
    if (const std::optional<QString> text = DecodeUtf8(bytes, true)) {
        return *text;
    }
    if (bCut) {
        if (const std::optional<QString> text = DecodeUtf8(bytes, false)) {
            return *text;
        }
    }
    return CWindows1252::ToUnicode(bytes);
}
