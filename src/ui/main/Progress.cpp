#include "ui/main/Progress.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

CProgress::CProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_text(new QLabel(this))
    , m_bar(new QProgressBar(this)) {
    setWindowTitle(tr("Datentransfer"));
    setModal(false);
    setObjectName(QStringLiteral("progress"));
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 40);
    m_bar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
}

void CProgress::SetText(const QString& text) {
    m_text->setText(text);
}

void CProgress::SetRange(int minimum, int maximum) {
    m_bar->setRange(minimum, maximum);
}

void CProgress::SetPos(int pos) {
    m_bar->setValue(pos);
}

QString CProgress::Text() const {
    return m_text->text();
}
