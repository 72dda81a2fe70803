#include "core/Operator.h"

void IOperator::Message(const QString& text, const QString& caption, Icon icon) {
    ShowMessage(text, caption, icon, Buttons::Ok);
}

bool IOperator::AskYesNo(const QString& text, const QString& caption, Icon icon) {
    return ShowMessage(text, caption, icon, Buttons::YesNo) == Answer::Yes;
}

void IOperator::SetBereit(bool bBereit) {
    Q_UNUSED(bBereit);
}
