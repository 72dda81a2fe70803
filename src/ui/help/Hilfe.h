#pragma once

#include <QWidget>

class QPlainTextEdit;

/// One page of "Hilfethemen": the text of one help file, read-only, with a vertical scroll bar.
class CHilfe : public QWidget {
    Q_OBJECT

public:
    explicit CHilfe(const QString& text, QWidget* parent = nullptr);

    QString Text() const;

private:
    QPlainTextEdit* m_pText;
};
