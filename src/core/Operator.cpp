#include "core/Operator.h"

IOperator::Answer IOperator::Ask(const QString& text, const QString& caption, Icon icon, Buttons buttons) {
    ++m_nMessages;
    m_lastMessage = text;
    return ShowMessage(text, caption, icon, buttons);
}

void IOperator::Message(const QString& text, const QString& caption, Icon icon) {
    Ask(text, caption, icon, Buttons::Ok);
}

bool IOperator::AskYesNo(const QString& text, const QString& caption, Icon icon) {
    return Ask(text, caption, icon, Buttons::YesNo) == Answer::Yes;
}

void IOperator::SetBereit(bool bBereit) {
    Q_UNUSED(bBereit);
}
