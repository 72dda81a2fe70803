#pragma once

#include <QCoreApplication>
#include <QFileDevice>
#include <QString>

/// Why a file could not be opened, read or written, in the program's language. Qt's own texts ("file to
/// open is a directory", "No such file or directory") are English whatever the language, so they never
/// go into a message; the reason is told from the file's error and what the path is.
class CFileProblem {
    Q_DECLARE_TR_FUNCTIONS(CFileProblem)

public:
    enum class Zugriff { Lesen, Schreiben };

    static QString Reason(const QFileDevice& file, const QString& path, Zugriff zugriff);
};
