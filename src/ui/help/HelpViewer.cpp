#include "ui/help/HelpViewer.h"

#include "access/HelpDocuments.h"

#include <QDesktopServices>
#include <QUrl>

bool CHelpViewer::OpenDocument(const QString& fileName, const QString& programDir, bool bEnglish,
                               IOperator& op) {
    const QStringList dirs = CHelpDocuments::SearchDirs(programDir);
    const QString name = CHelpDocuments::LocalizedFileName(fileName, bEnglish, dirs);
    return CHelpDocuments::Open(
        name, dirs, [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
        op);
}
