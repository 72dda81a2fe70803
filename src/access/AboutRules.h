#pragma once

#include <QCoreApplication>
#include <QString>

/// The about box "Info über Varnex": program name and version, and the maker's notice.
class CAboutRules {
    Q_DECLARE_TR_FUNCTIONS(CAboutRules)

public:
    static QString ProgramVersion();
    /// "Varnex\nVersion 2.34": the name line, the word "Version", a blank and the program version.
    static QString VersionText();
    /// The three lines of the maker's notice below the version.
    static QString MakerNotice();
};
