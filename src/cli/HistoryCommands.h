#pragma once

#include "cli/CliOptions.h"
#include "history/HistoryRecord.h"

#include <QCoreApplication>
#include <functional>

class CHistoryStore;
class IOperator;

/// The history commands of quillon-cli: the recorded events as lines or JSON, one event (and its set as
/// a document file), the events as a CSV file. Times are shown in local time, as the user reads them;
/// the CSV carries them in UTC as they are stored, so that files of several stations sort together.
class CHistoryCommands {
    Q_DECLARE_TR_FUNCTIONS(CHistoryCommands)

public:
    /// Results go to print line by line; problems to the operator. Returns the tool's exit status.
    CHistoryCommands(const CCliOptions& options, CHistoryStore& store, IOperator& op,
                     std::function<void(const QString&)> print);

    int List();
    int Show();
    int Export();

    /// "Kein Vorgang mit der Nummer %1 im Verlauf."
    static QString NoSuchEvent(qint64 id);

private:
    CHistoryFilter Filter() const;

    const CCliOptions& m_options;
    CHistoryStore& m_store;
    IOperator& m_operator;
    std::function<void(const QString&)> m_print;
};
