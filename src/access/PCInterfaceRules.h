#pragma once

#include <QCoreApplication>
#include <QStringList>

class CQuillonDoc;

/// The interface choice "PC-Interface": the older PL40 (value 0) or the PL45 with its own command set
/// (value 1).
class CPCInterfaceRules {
    Q_DECLARE_TR_FUNCTIONS(CPCInterfaceRules)

public:
    /// The two choices in the order of their values.
    static QStringList ChoiceTexts();
    /// Any interface kind other than 0 preselects the PL45.
    static int Load(const CQuillonDoc& doc);
    static void Apply(int nValue, CQuillonDoc& doc);
};
