#pragma once

#include <QDialog>

class CFieldBinder;
class QLineEdit;

/// "Dateneingabe": an index and a value for the test commands that write single values, handed on as
/// typed. The value may start with a preset (the wire form a command expects, such as "+00000").
class CEnterData : public QDialog {
    Q_OBJECT

public:
    explicit CEnterData(const QString& strWert = QString(), QWidget* parent = nullptr);

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
