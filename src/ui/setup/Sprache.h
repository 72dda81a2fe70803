#pragma once

#include "shell/SpracheRules.h"

#include <QDialog>

class QRadioButton;

/// The dialog "Landessprache": German or English, taken at the next start. A thin shell over
/// CSpracheRules: it shows the values it is given and hands them back after a valid "OK".
class CSprache : public QDialog {
    Q_OBJECT

public:
    explicit CSprache(const CSpracheRules::Values& values, QWidget* parent = nullptr);

    CSpracheRules::Values Values() const;
    void accept() override;

private:
    QRadioButton* m_deutsch;
    QRadioButton* m_englisch;
};
