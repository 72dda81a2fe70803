#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QPageSize>
#include <QString>

class ISheetPage;

/// Writes a page (the configuration sheet, a check certificate) as a PDF. The file is first written beside
/// the target and takes its place only when it is complete, so an existing PDF is never left half
/// overwritten.
class CSheetPdfWriter {
    Q_DECLARE_TR_FUNCTIONS(CSheetPdfWriter)

public:
    /// The paper of the user's country: Letter where US measures are used, A4 everywhere else.
    static QPageSize PaperFor(const QLocale& locale);

    /// True when the PDF is at path. Otherwise the old file stays as it was and error says why.
    static bool Write(const QString& path, const ISheetPage& page, const QPageSize& paper, QString& error);

private:
    static QString Message(const QString& path, const QString& reason);
};
