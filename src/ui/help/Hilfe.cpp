#include "ui/help/Hilfe.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

CHilfe::CHilfe(const QString& text, const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_pText(new QPlainTextEdit(text, this)) {
    m_pText->setReadOnly(true);
    m_pText->setAccessibleName(caption);
    m_pText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
}

QString CHilfe::Text() const {
    return m_pText->toPlainText();
}
