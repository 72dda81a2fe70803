#include "shell/DocumentSession.h"

#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "shell/Edition.h"
#include "shell/FileChooser.h"
#include "shell/RecentFiles.h"

#include <QFileInfo>

CDocumentSession::CDocumentSession(CQuillonDoc& doc, IOperator& op, IFileChooser& chooser,
                                   CRecentFiles& recent)
    : m_doc(doc)
    , m_operator(op)
    , m_chooser(chooser)
    , m_recent(recent) {}

QString CDocumentSession::Title() const {
    return m_strPath.isEmpty() ? CEdition::UntitledName() : QFileInfo(m_strPath).fileName();
}

bool CDocumentSession::SaveModified() {
    if (!m_doc.IsModified()) {
        return true;
    }
    const IOperator::Answer answer =
        m_operator.ShowMessage(tr("Änderungen an %1 speichern?").arg(Title()), QString(),
                               IOperator::Icon::Warning, IOperator::Buttons::YesNoCancel);
    switch (answer) {
    case IOperator::Answer::Yes:
        return Save();
    case IOperator::Answer::No:
        return true;
    default:
        return false;
    }
}

bool CDocumentSession::New() {
    if (!SaveModified()) {
        return false;
    }
    m_doc.OnNewDocument();
    m_strPath.clear();
    return true;
}

bool CDocumentSession::OpenPath(const QString& path) {
    if (!m_doc.LoadFile(path)) {
        return false;
    }
    m_strPath = QFileInfo(path).absoluteFilePath();
    m_recent.Add(m_strPath);
    return true;
}

bool CDocumentSession::Open() {
    if (!SaveModified()) {
        return false;
    }
    const QString directory = m_strPath.isEmpty() ? QString() : QFileInfo(m_strPath).absolutePath();
    const QString path = m_chooser.ChooseOpen(CEdition::FileFilter(), directory);
    return !path.isEmpty() && OpenPath(path);
}

bool CDocumentSession::OpenRecent(int index) {
    const QString path = m_recent.Entries().value(index);
    if (path.isEmpty() || !SaveModified()) {
        return false;
    }
    if (!OpenPath(path)) {
        // An entry that no longer opens would fail the same way every time.
        m_recent.Remove(path);
        return false;
    }
    return true;
}

bool CDocumentSession::OpenDropped(const QString& path) {
    return SaveModified() && OpenPath(path);
}

bool CDocumentSession::OpenCommandLine(const QString& path) {
    if (OpenPath(path)) {
        return true;
    }
    m_doc.OnNewDocument();
    m_strPath.clear();
    return false;
}

bool CDocumentSession::Save() {
    if (m_strPath.isEmpty()) {
        return SaveAs();
    }
    if (!m_doc.SaveFile(m_strPath)) {
        return false;
    }
    m_recent.Add(m_strPath);
    return true;
}

bool CDocumentSession::SaveAs() {
    const QString suggestion = m_strPath.isEmpty() ? Title() + CEdition::FileExtension() : m_strPath;
    QString path = m_chooser.ChooseSave(CEdition::FileFilter(), suggestion);
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += CEdition::FileExtension();
    }
    if (!m_doc.SaveFile(path)) {
        return false;
    }
    m_strPath = QFileInfo(path).absoluteFilePath();
    m_recent.Add(m_strPath);
    return true;
}
