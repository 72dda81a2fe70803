#include "core/WaitCursor.h"

#include "core/Operator.h"

CWaitCursor::CWaitCursor(IOperator& op)
    : m_operator(op) {
    m_operator.BeginWaitCursor();
}

CWaitCursor::~CWaitCursor() {
    m_operator.EndWaitCursor();
}
