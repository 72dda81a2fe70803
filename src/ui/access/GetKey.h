#pragma once

#include "access/GetKeyRules.h"

#include <QLineEdit>

/// The about box's hidden field: it holds the keyboard focus and remembers Ctrl+Enter and the password
/// asked for then. Nothing typed into it shows.
class CGetKey : public QLineEdit {
    Q_OBJECT

public:
    explicit CGetKey(QWidget* parent = nullptr);

    /// Asks for the password after Ctrl+Enter ("Passworteingabe" in the product).
    void SetAskPassword(CGetKeyRules::AskPassword ask);
    const CGetKeyRules& Rules() const { return m_rules; }
    void Reset();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static int CharacterCode(const QKeyEvent& event);

    CGetKeyRules m_rules;
    CGetKeyRules::AskPassword m_ask;
};
