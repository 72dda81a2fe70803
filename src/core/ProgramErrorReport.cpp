#include "core/ProgramErrorReport.h"

#include "core/Logging.h"
#include "core/Operator.h"

void CProgramErrorReport::Show(IOperator& op, const char* what) {
    qCWarning(lcLink).noquote() << "program error:" << what;
    op.Message(tr("Ungültiges Argument."), QString(), IOperator::Icon::Error);
}
