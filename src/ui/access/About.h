#pragma once

#include <QDialog>
#include <optional>

class CGetKey;
class QLabel;

/// "Info über Varnex": program name and version, the maker's notice, and the hidden field that takes
/// Ctrl+Enter for the release entry.
class CAbout : public QDialog {
    Q_OBJECT

public:
    explicit CAbout(QWidget* parent = nullptr);

    /// Whether Ctrl+Enter was used, and the password confirmed after it (empty when none).
    bool KeyFlag() const;
    QString Passwort() const;

    CGetKey* KeyField() const { return m_pGetKey; }
    QLabel* VersionLabel() const { return m_pVersion; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::optional<QString> AskPassword();

    CGetKey* m_pGetKey;
    QLabel* m_pVersion;
};
