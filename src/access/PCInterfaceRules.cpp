#include "access/PCInterfaceRules.h"

#include "document/QuillonDoc.h"

QStringList CPCInterfaceRules::ChoiceTexts() {
    return {tr("PL40 (bis 2005)"), tr("PL45 (ab 2006)")};
}

int CPCInterfaceRules::Load(const CQuillonDoc& doc) {
    return doc.GetInterfaceVersion() != 0 ? 1 : 0;
}

void CPCInterfaceRules::Apply(int nValue, CQuillonDoc& doc) {
    doc.SetInterfaceVersion(nValue != 0 ? 1 : 0);
}
