#pragma once

#include <QCoreApplication>
#include <QString>

/// The edition a program is built as: the customer edition (menu 132, title "Varnex") or the factory
/// edition (menu 129 with the menus "Test" and "Abgleich", title "Varnex Abgleich und Test"). Both read
/// and write the same document files.
class CEdition {
    Q_DECLARE_TR_FUNCTIONS(CEdition)

public:
    enum class Kind { Kunde, Werk };

    explicit CEdition(Kind kind);

    Kind GetKind() const { return m_kind; }
    bool IsWerk() const { return m_kind == Kind::Werk; }
    int MenuId() const;
    /// The window title of the edition ("Varnex" or "Varnex Abgleich und Test").
    QString Title() const;
    /// The program's name, the same in every edition: the title of every message box that has no
    /// caption of its own.
    static QString ProgramName();
    /// "<document> - <title>", with a demo marker while the program talks to the simulator.
    QString WindowTitle(const QString& documentName, bool bDemo) const;
    /// The name of a document that has not been saved yet.
    static QString UntitledName();
    /// The file chooser's filter of document files.
    static QString FileFilter();
    static QString FileExtension();

private:
    Kind m_kind;
};
