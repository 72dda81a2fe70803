#pragma once

// Reads a problem report back the way a service technician's unzip would: every file of the archive by
// name. Header-only so that only the tests that read zips link libzip.

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>
#include <zip.h>

/// Every file of a zip by name, read back with libzip; empty when the archive cannot be opened.
inline QMap<QString, QByteArray> Unzip(const QString& path) {
    QMap<QString, QByteArray> files;
    int nError = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &nError);
    if (archive == nullptr) {
        return files;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
        QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        files.insert(QString::fromUtf8(stat.name), bytes);
    }
    zip_close(archive);
    return files;
}
