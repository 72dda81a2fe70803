#include "FuzzOperator.h"

CFuzzOperator::CFuzzOperator(bool bAnswerYes)
    : m_bAnswerYes(bAnswerYes) {}

IOperator::Answer CFuzzOperator::ShowMessage(const QString&, const QString&, Icon, Buttons buttons) {
    ++m_nMessages;
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return m_bAnswerYes ? Answer::Yes : Answer::No;
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::RetryCancel:
        break;
    }
    return Answer::Cancel;
}

void CFuzzOperator::BeginProgress(const QString&, const QString&, int, int) {
    m_bProgress = true;
}

void CFuzzOperator::SetProgressRange(int, int) {}

void CFuzzOperator::SetProgressPos(int) {}

void CFuzzOperator::SetProgressText(const QString&) {}

void CFuzzOperator::EndProgress() {
    m_bProgress = false;
}

void CFuzzOperator::BeginWaitCursor() {
    ++m_nWaitDepth;
}

void CFuzzOperator::EndWaitCursor() {
    --m_nWaitDepth;
}
