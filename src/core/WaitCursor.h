#pragma once

class IOperator;

/// Shows the operator's wait cursor for the lifetime of the object, also when an exception leaves the scope.
class CWaitCursor {
public:
    explicit CWaitCursor(IOperator& op);
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    IOperator& m_operator;
};
