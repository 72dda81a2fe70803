#pragma once

#include <QString>

/// What a dialog's check found wrong: the field to put the focus on and the message to show. A warning
/// is a problem the user may accept (the caller asks); anything else refuses.
struct CFieldProblem {
    int nField = -1;
    QString strText;
    bool bWarning = false;
};
