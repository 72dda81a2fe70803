#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

/// The window's command line: a document file to open, "--print" to print its configuration sheet on
/// the printer without showing the window, and "--demo [TYPE]" to run against the simulated transmitter
/// of a type (0 to 10) instead of a serial port.
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
    };

    /// Parses the arguments after the program name; nothing and the reason in error when they are wrong.
    static std::optional<Options> Parse(const QStringList& arguments, QString& error);
    static QString Usage(const QString& program);

private:
    static std::optional<int> ParseTyp(const QString& text);
};
