#pragma once

#include "access/HelpTopics.h"

#include <QDialog>

class QTabWidget;

/// "Hilfethemen": one page per help text file of the program directory.
class CHilfethemen : public QDialog {
    Q_OBJECT

public:
    CHilfethemen(const QList<CHelpTopics::Page>& pages, QWidget* parent = nullptr);

    QTabWidget* Pages() const { return m_pTabs; }

private:
    QTabWidget* m_pTabs;
};
