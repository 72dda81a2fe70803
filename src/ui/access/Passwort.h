#pragma once

#include <QDialog>

class QLineEdit;

/// "Passworteingabe": one masked field that starts empty.
class CPasswort : public QDialog {
    Q_OBJECT

public:
    explicit CPasswort(QWidget* parent = nullptr);

    QString Passwort() const;
    QLineEdit* Field() const { return m_pField; }

private:
    QLineEdit* m_pField;
};
