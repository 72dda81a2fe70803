#pragma once

#include <QLocale>
#include <QStringList>

class CParameterTransfer;
class CQuillonDoc;

/// The edit dialogs' limits applied to a whole parameter set before it is sent: a value the encoding
/// holds but no dialog would accept (a damping of 250 s, a turn-down beyond the type's) is sent only
/// after the user confirmed it. The check names the field and gives the dialog's own message.
class CSendeGrenzen {
public:
    /// The first value outside the edit dialog's limits and the first outside the configuration
    /// dialog's (types with a configuration dialog), each as "field: message".
    static QStringList Warnungen(const CQuillonDoc& doc, const QLocale& locale = QLocale());
    /// Lets every send of the transfer ask about such values.
    static void Install(CParameterTransfer& transfer);
};
