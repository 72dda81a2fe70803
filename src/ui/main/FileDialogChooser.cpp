#include "ui/main/FileDialogChooser.h"

#include <QFileDialog>

CFileDialogChooser::CFileDialogChooser(QWidget* parent)
    : m_parent(parent) {}

QString CFileDialogChooser::ChooseOpen(const QString& filter, const QString& directory) {
    return QFileDialog::getOpenFileName(m_parent, tr("Öffnen"), directory, filter);
}

QString CFileDialogChooser::ChooseSave(const QString& filter, const QString& suggestion) {
    return QFileDialog::getSaveFileName(m_parent, tr("Speichern unter"), suggestion, filter);
}
