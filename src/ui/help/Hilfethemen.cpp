#include "ui/help/Hilfethemen.h"

#include "ui/access/DialogButtons.h"
#include "ui/help/Hilfe.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CHilfethemen::CHilfethemen(const QList<CHelpTopics::Page>& pages, QWidget* parent)
    : QDialog(parent)
    , m_pTabs(new QTabWidget(this)) {
    setWindowTitle(tr("Hilfethemen"));
    for (const CHelpTopics::Page& page : pages) {
        m_pTabs->addTab(new CHilfe(page.text, page.caption, m_pTabs), page.caption);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(CDialogButtons::OkOnly(this));
    resize(560, 420);
}
