#pragma once

#include <QCoreApplication>

class IOperator;

/// How an operation tells the user that it ended on a program error (a reply too short for its decoder,
/// an oversize payload): the system's text for an invalid argument, in the program's language. Which
/// reply it was goes to the link trace for the service technician, never into the message.
class CProgramErrorReport {
    Q_DECLARE_TR_FUNCTIONS(CProgramErrorReport)

public:
    static void Show(IOperator& op, const char* what);
};
