#pragma once

#include <QWizardPage>
#include <optional>

class CAbglWizard;
class QLineEdit;

/// A page of the calibration wizard: loads itself on every activation and does its work on Next.
class CAbglWizardPage : public QWizardPage {
    Q_OBJECT

public:
    explicit CAbglWizardPage(CAbglWizard& wizard);

    /// Next: stores and transfers; the page to go to, nothing to stay.
    virtual std::optional<int> Leave() = 0;
    /// The page keeps its entries when it is left: it loads them itself on its next activation.
    void cleanupPage() override {}

protected:
    CAbglWizard& Wizard() { return m_wizard; }
    /// A number entry in the program locale; nothing (and the message, focus on the field) when it is
    /// no number.
    std::optional<double> Number(QLineEdit* edit);
    /// What a number field holds, 0 when it holds no number: for what the page derives as it is typed.
    static double Shown(const QLineEdit* edit);
    /// Shows a refused entry and puts the focus on its field.
    void Refuse(QWidget* field, const QString& text);
    /// A number as the page shows it, in the program locale.
    static QString Text(double value);

private:
    CAbglWizard& m_wizard;
};
