#include "shell/ProblemReport.h"

#include "document/DocumentFile.h"
#include "document/SettingsRegistry.h"
#include "transmitter/TraceFormat.h"

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <zip.h>

namespace {

const QString kTrace = QStringLiteral("Verbindungsprotokoll.txt");
const QString kVersion = QStringLiteral("Version.txt");
const QString kSettings = QStringLiteral("Einstellungen.txt");
const QString kDocument = QStringLiteral("Dokument.qlc");

QString ZipError(zip_t* archive) {
    return QString::fromLocal8Bit(zip_strerror(archive));
}

} // namespace

QStringList CProblemReport::FileNames() {
    return {kTrace, kVersion, kSettings, kDocument};
}

bool CProblemReport::IsPasswordKey(const QString& path) {
    return CSettingsRegistry::IsPassword(path.section(QLatin1Char('/'), 0, 0),
                                         path.section(QLatin1Char('/'), 1));
}

QList<std::pair<QString, QByteArray>> CProblemReport::Files(const Inhalt& inhalt) {
    QList<std::pair<QString, QByteArray>> files;
    files.append({kTrace, CTraceFormat::Text(inhalt.trace, inhalt.programVersion).toUtf8()});

    QString version;
    version += QStringLiteral("Quillon %1\n").arg(inhalt.edition);
    version += QStringLiteral("Version %1\n").arg(inhalt.programVersion);
    version += QStringLiteral("Qt %1\n").arg(QString::fromLatin1(qVersion()));
    version +=
        QStringLiteral("%1 (%2)\n").arg(QSysInfo::prettyProductName(), QSysInfo::currentCpuArchitecture());
    version += QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char('\n');
    if (inhalt.document) {
        version += QStringLiteral("Transmitter-Typ %1\n").arg(inhalt.document->m_nTyp);
    }
    files.append({kVersion, version.toUtf8()});

    QString settings;
    for (const auto& [key, value] : inhalt.settings) {
        if (!IsPasswordKey(key)) { // also when a caller hands in a password
            settings += key + QLatin1Char('=') + value + QLatin1Char('\n');
        }
    }
    files.append({kSettings, settings.toUtf8()});

    if (inhalt.document) {
        CParameterSatz satz = *inhalt.document;
        satz.m_nTastatursperre = 0;
        files.append({kDocument, CDocumentFile::Store(satz)});
    }
    return files;
}

bool CProblemReport::Write(const QString& path, const Inhalt& inhalt, QString& error) {
    int nError = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &nError);
    if (archive == nullptr) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, nError);
        error = QString::fromLocal8Bit(zip_error_strerror(&zipError));
        zip_error_fini(&zipError);
        return false;
    }
    // The buffers must live until zip_close, which is when libzip reads them.
    const QList<std::pair<QString, QByteArray>> files = Files(inhalt);
    for (const auto& [name, bytes] : files) {
        zip_source_t* source =
            zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
        if (source == nullptr || zip_file_add(archive, name.toUtf8().constData(), source,
                                              ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            error = ZipError(archive);
            if (source != nullptr) {
                zip_source_free(source);
            }
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        error = ZipError(archive);
        zip_discard(archive);
        return false;
    }
    return true;
}
