#pragma once

#include <QDialog>

class QCheckBox;

/// "Hinweis": the connection notice for the PL45, with "Beim nächsten Programmstart anzeigen".
class CHinweisText : public QDialog {
    Q_OBJECT

public:
    explicit CHinweisText(bool bShowAtStart, QWidget* parent = nullptr);

    bool ShowAtStart() const;
    QCheckBox* ShowAtStartBox() const { return m_pShowAtStart; }

private:
    QCheckBox* m_pShowAtStart;
};
