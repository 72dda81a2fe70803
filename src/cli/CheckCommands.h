#pragma once

#include "cli/CliOptions.h"

#include <QCoreApplication>
#include <functional>

class CHistoryStore;
class IOperator;

/// The check commands of quillon-cli, both on the device history: a recorded check's certificate as a
/// PDF, and the transmitters whose next check falls due.
class CCheckCommands {
    Q_DECLARE_TR_FUNCTIONS(CCheckCommands)

public:
    /// Results go to print line by line; problems to the operator. Each returns the tool's exit status.
    CCheckCommands(const CCliOptions& options, CHistoryStore& store, IOperator& op,
                   std::function<void(const QString&)> print);

    /// Refuses an unknown event, one that is no check and one whose check data are damaged, before a
    /// file is touched; an existing PDF is replaced only by a complete new one.
    int Certificate();
    /// One line (or JSON object) per transmitter due, soonest first; a latest check that cannot be read
    /// is reported and makes the exit status 1.
    int Due();

private:
    int Fail(const QString& message);

    const CCliOptions& m_options;
    CHistoryStore& m_store;
    IOperator& m_operator;
    std::function<void(const QString&)> m_print;
};
