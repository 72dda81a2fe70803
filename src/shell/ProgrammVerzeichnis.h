#pragma once

#include <QString>

/// Where the program finds its own files and writes the release password file.
///
/// Files that come with the program (the English catalogue, the help files, a QlSet.cfg) are looked up
/// beside the executable first, then in the installed data directory (/usr/share/quillon for a package).
/// QlSet.cfg is written beside the executable when that directory can be written (a build tree or a
/// copied program directory, as the program always did), otherwise into the user's configuration
/// directory ~/.config/Quillon/, where the profile lives too: a packaged install cannot write /usr/bin.
class CProgrammVerzeichnis {
public:
    CProgrammVerzeichnis(QString programDir, QString dataDir, QString userDir);
    /// The directories of the running program: its executable's, the data directory it was built for,
    /// and the user's configuration directory of Quillon.
    static CProgrammVerzeichnis OfThisProgram();

    /// The full path of a file of the program, or an empty text when neither directory holds it.
    QString FindFile(const QString& name) const;
    /// The directory whose QlSet.cfg the program reads and writes.
    QString CfgDir() const;

private:
    static bool IsWritableDir(const QString& dir);

    QString m_strProgramDir;
    QString m_strDataDir;
    QString m_strUserDir;
};
