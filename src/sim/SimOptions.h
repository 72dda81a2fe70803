#pragma once

#include "sim/SimInterface.h"
#include "sim/Simulator.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

/// The command line of quillon-sim: which transmitter behind which interface, the pacing, the state
/// file, the trace and the faults. Options given on the command line win over a state file's
/// identification and interface kind; the type of a state file cannot be changed (its memory belongs to it).
class CSimOptions {
public:
    static constexpr int kDefaultBaud = 1200;

    std::optional<int> nTyp;
    QByteArray kennung;
    std::optional<CSimInterface::Kind> interfaceKind;
    int nBaud = kDefaultBaud;
    QString statePath;
    bool bTrace = false;
    bool bHelp = false;
    CSimulator::Faults faults;

    /// Parses the arguments (without the program name); nothing and a reason for a bad command line.
    static std::optional<CSimOptions> Parse(const QStringList& arguments, QString& error);
    static QString HelpText();
    /// The line noise of the fault "garbage": count bytes that never start a valid frame.
    static QByteArray Garbage(int count);

    /// The type to simulate: the given one, else the one the identification names, else 2 (RX31).
    int EffectiveTyp() const;
};
