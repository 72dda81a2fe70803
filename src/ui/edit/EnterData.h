#pragma once

#include <QDialog>

class CFieldBinder;
class QLineEdit;

/// "Dateneingabe": an index and a value for the test commands that write single values, handed on as
/// typed.
class CEnterData : public QDialog {
    Q_OBJECT

public:
    explicit CEnterData(QWidget* parent = nullptr);

    /// The texts the fields start with.
    void SetPresets(const QString& index, const QString& wert);
    QString Index() const;
    QString Wert() const;
    void accept() override;

private:
    CFieldBinder* m_binder;
    QLineEdit* m_index;
    QLineEdit* m_wert;
};
