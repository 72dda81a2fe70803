#pragma once

#include "shell/FileChooser.h"

#include <QCoreApplication>
#include <QPointer>

class QWidget;

/// The desktop's file dialogs over the main window.
class CFileDialogChooser : public IFileChooser {
    Q_DECLARE_TR_FUNCTIONS(CFileDialogChooser)

public:
    explicit CFileDialogChooser(QWidget* parent);
    QString ChooseOpen(const QString& filter, const QString& directory) override;
    QString ChooseSave(const QString& filter, const QString& suggestion) override;

private:
    QPointer<QWidget> m_parent;
};
