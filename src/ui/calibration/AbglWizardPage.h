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
    /// A number entry; nothing (and the message, focus on the field) when it is no number.
    std::optional<double> Number(QLineEdit* edit);
    /// Shows a refused entry and puts the focus on its field.
    void Refuse(QWidget* field, const QString& text);
    static QString Text(double value);

private:
    CAbglWizard& m_wizard;
};
