#pragma once

#include "document/ParameterSatz.h"
#include "link/LinkTrace.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

/// "Fehlerbericht speichern...": one zip file a technician sends in with a problem, holding
///   Verbindungsprotokoll.txt  the link trace (as "Speichern..." of the trace window writes it),
///   Version.txt               program, edition, version, Qt and system, time of the report,
///   Einstellungen.txt         the settings as the program uses them, passwords left out,
///   Dokument.qlc              the open document's parameter set as a document file.
/// Nothing secret goes in: the program password is no line of the report's settings, the release
/// password lives in a file of its own that is not included, the trace hides the transmitter's lock code,
/// and the document goes in with its lock code (the KA71's password) set to 0.
///
/// The zip is written with libzip (Debian's libzip-dev, a small and long-standing library; Qt 6.4 has no
/// public zip writer). libzip writes to a temporary file and renames it only when the archive is
/// complete, so an existing report is replaced only by a whole new one.
class CProblemReport {
    Q_DECLARE_TR_FUNCTIONS(CProblemReport)

public:
    struct Inhalt {
        QString programVersion;
        QString edition;
        QList<CLinkTrace::Entry> trace;
        /// "group/key" and value (CSettingsRegistry::ValuesWithoutPasswords)
        QList<std::pair<QString, QString>> settings;
        /// nothing when no document is open
        std::optional<CParameterSatz> document;
    };

    static QStringList FileNames();
    /// Whether a setting ("group/key") holds a password.
    static bool IsPasswordKey(const QString& path);
    /// The text files and the document, by file name, as they go into the zip.
    static QList<std::pair<QString, QByteArray>> Files(const Inhalt& inhalt);
    /// Writes the zip; false with the reason when it could not be written whole.
    static bool Write(const QString& path, const Inhalt& inhalt, QString& error);
};
