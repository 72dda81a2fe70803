#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

/// The window's command line: a document file to open, "--print" to print its configuration sheet on
/// the printer without showing the window, and "--demo [TYPE]" to run against the simulated transmitter
/// of a type (0 to 10) instead of a serial port; "--help" and "--version" answer on the terminal and end.
class CCommandLine {
    Q_DECLARE_TR_FUNCTIONS(CCommandLine)

public:
    struct Options {
        QString file;
        bool bDemo = false;
        /// Print the file's configuration sheet and end, as the desktop's "print" action of a document.
        bool bPrint = false;
        /// The demo's transmitter type; without one the type of the profile is used.
        std::optional<int> nDemoTyp;
        /// Print the usage (--help, -h) or the version (--version, -V) and end without a window.
        bool bHelp = false;
        bool bVersion = false;
    };

    /// Parses the arguments after the program name; nothing and the reason in error when they are wrong.
    static std::optional<Options> Parse(const QStringList& arguments, QString& error);
    static QString Usage(const QString& program);
    /// Whether the arguments start the window: the usage, the version and a usage error are answered
    /// on the terminal before Qt looks for a display, so that they work on a terminal without one.
    static bool NeedsWindow(const QStringList& arguments);

private:
    static std::optional<int> ParseTyp(const QString& text);
};
