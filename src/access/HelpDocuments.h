#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

class IOperator;

/// The two help documents, "hilfe_software.pdf" and "hilfe_transmitter.pdf", handed to the desktop's
/// viewer. They are looked for beside the program first, then in the installed data directories.
class CHelpDocuments {
    Q_DECLARE_TR_FUNCTIONS(CHelpDocuments)

public:
    /// Hands a file to the desktop's viewer; false when no viewer took it.
    using Opener = std::function<bool(const QString& path)>;

    static QString SoftwareFileName();
    static QString TransmitterFileName();

    /// The program directory, then the data folder of the install, then "../share/quillon" beside the
    /// program (an install moved elsewhere), then "quillon" in every data directory of the desktop.
    static QStringList SearchDirs(const QString& programDir);
    /// The first directory of dirs that holds the file; empty when none does.
    static QString Locate(const QString& fileName, const QStringList& dirs);
    /// With English chosen, the English document ("hilfe_software_en.pdf") where it exists; the German
    /// one otherwise.
    static QString LocalizedFileName(const QString& fileName, bool bEnglish, const QStringList& dirs);
    /// Opens the document, or tells the user that the file or a viewer for it is missing.
    static bool Open(const QString& fileName, const QStringList& dirs, const Opener& opener, IOperator& op);
};
