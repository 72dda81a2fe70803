#include "FuzzOperator.h"

CFuzzOperator::CFuzzOperator(bool bAnswerYes)
    : m_bAnswerYes(bAnswerYes) {}

IOperator::Answer CFuzzOperator::ShowMessage(const QString&, const QString&, Icon, Buttons buttons) {
    ++m_nMessages;
    switch (buttons) {
    case Buttons::YesNo:
        return m_bAnswerYes ? Answer::Yes : Answer::No;
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::RetryCancel:
        break;
    }
    return Answer::Cancel;
}

void CFuzzOperator::BeginProgress(const QString&, const QString&, int, int) {}

void CFuzzOperator::SetProgressRange(int, int) {}

void CFuzzOperator::SetProgressPos(int) {}

void CFuzzOperator::SetProgressText(const QString&) {}

void CFuzzOperator::EndProgress() {}

void CFuzzOperator::BeginWaitCursor() {}

void CFuzzOperator::EndWaitCursor() {}
