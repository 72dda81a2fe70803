#pragma once

#include "edit/SeriennummerRules.h"

#include <QDialog>
#include <array>

class CFieldBinder;
class QLineEdit;

/// "Seriennummer ändern": the serial number in its three parts.
class CSeriennummer : public QDialog {
    Q_OBJECT

public:
    explicit CSeriennummer(const QString& strSeriennummer, QWidget* parent = nullptr);

    /// The new serial number as the transmitter keeps it ("123456.78.901" and three blanks).
    QString Seriennummer() const;
    /// The three parts as typed.
    std::array<QString, CSeriennummerRules::kFelder> Felder() const;
    void accept() override;

private:
    CFieldBinder* m_binder;
    std::array<QLineEdit*, CSeriennummerRules::kFelder> m_felder{};
};
