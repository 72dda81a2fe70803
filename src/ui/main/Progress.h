#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

/// The progress window "Datentransfer": a small modeless window with the step text and a bar, shown
/// while a transmitter operation runs.
class CProgress : public QDialog {
    Q_OBJECT

public:
    explicit CProgress(QWidget* parent = nullptr);

    void SetText(const QString& text);
    void SetRange(int minimum, int maximum);
    void SetPos(int pos);
    QString Text() const;

private:
    QLabel* m_text;
    QProgressBar* m_bar;
};
