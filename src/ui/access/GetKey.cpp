#include "ui/access/GetKey.h"

#include <QKeyEvent>

CGetKey::CGetKey(QWidget* parent)
    : QLineEdit(parent) {
    // Visible to the focus chain but not to the eye: a hidden widget could not take the keys.
    setReadOnly(true);
    setFrame(false);
    setFixedSize(0, 0);
    setFocusPolicy(Qt::StrongFocus);
}

void CGetKey::SetAskPassword(CGetKeyRules::AskPassword ask) {
    m_ask = std::move(ask);
}

void CGetKey::Reset() {
    m_rules.Reset();
}

int CGetKey::CharacterCode(const QKeyEvent& event) {
    const bool bEnter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if (bEnter && (event.modifiers() & Qt::ControlModifier)) {
        return CGetKeyRules::kCtrlEnter;
    }
    return event.text().isEmpty() ? -1 : event.text().at(0).unicode();
}

void CGetKey::keyPressEvent(QKeyEvent* event) {
    const int nCode = CharacterCode(*event);
    if (nCode == CGetKeyRules::kCtrlEnter) {
        // Taken here: the dialog must not treat Ctrl+Enter as its default button.
        event->accept();
        m_rules.OnCharacter(
            nCode, m_ask ? m_ask : [] { return std::optional<QString>(); });
        return;
    }
    if (nCode >= 0) {
        m_rules.OnCharacter(nCode, m_ask);
    }
    QLineEdit::keyPressEvent(event);
}
