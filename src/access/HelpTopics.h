#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

/// The help-topics sheet "Hilfethemen": one page per help text file Help1.txt to Help11.txt in the
/// program directory (Help1e.txt … for English), each showing the first 3999 bytes of its file.
class CHelpTopics {
    Q_DECLARE_TR_FUNCTIONS(CHelpTopics)

public:
    static constexpr int kPageCount = 11;
    static constexpr qsizetype kMaxBytes = 3999;

    struct Page {
        int nNumber;
        QString caption;
        QString text;
    };

    static QString Caption(int nNumber);
    static QString FileName(int nNumber, bool bEnglish);
    /// The pages of the files that can be read, in the order of their numbers; a missing file gives no
    /// page.
    static QList<Page> ReadPages(const QString& dir, bool bEnglish);
    /// As above, each file taken from the first of the directories that holds it (beside the program,
    /// then the installed data folder).
    static QList<Page> ReadPages(const QStringList& dirs, bool bEnglish);
    /// The text of a file's first bytes up to a zero byte: UTF-8 where it is (a character cut at the
    /// limit is dropped), else the Windows code page the older help files were written in.
    static QString DecodeText(QByteArray bytes);
};
