#pragma once

#include <QCoreApplication>
#include <QString>

class CQuillonDoc;
class CRecentFiles;
class IFileChooser;
class IOperator;

/// The file side of the one document: its path, new, open, save and save as, the question before a
/// modified document is replaced, and the recent-file list. A file that cannot be read never becomes
/// the document's name or a recent-file entry, and the document keeps what it showed.
class CDocumentSession {
    Q_DECLARE_TR_FUNCTIONS(CDocumentSession)

public:
    CDocumentSession(CQuillonDoc& doc, IOperator& op, IFileChooser& chooser, CRecentFiles& recent);

    const QString& PathName() const { return m_strPath; }
    /// The file name, or the name of an untitled document.
    QString Title() const;

    /// Asks whether to save a modified document; false when the person cancelled (or the save failed).
    bool SaveModified();
    bool New();
    bool Open();
    bool OpenRecent(int index);
    /// A file dropped on the window.
    bool OpenDropped(const QString& path);
    /// The file of the command line: when it cannot be read, the program goes on with a new document.
    bool OpenCommandLine(const QString& path);
    bool Save();
    bool SaveAs();

private:
    bool OpenPath(const QString& path);

    CQuillonDoc& m_doc;
    IOperator& m_operator;
    IFileChooser& m_chooser;
    CRecentFiles& m_recent;
    QString m_strPath;
};
