#pragma once

#include <QWidget>

class QPlainTextEdit;

/// One page of "Hilfethemen": the text of one help file, read-only, with a vertical scroll bar; a screen
/// reader names the text by the page's caption, the tab it stands under.
class CHilfe : public QWidget {
    Q_OBJECT

public:
    CHilfe(const QString& text, const QString& caption, QWidget* parent = nullptr);

    QString Text() const;

private:
    QPlainTextEdit* m_pText;
};
