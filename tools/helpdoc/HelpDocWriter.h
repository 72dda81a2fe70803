#pragma once

#include <QString>

/// Turns a help text written in Markdown into a PDF document with Qt's own text document and PDF
/// writer, so that the help documents are built with the program and need no further package.
class CHelpDocWriter {
public:
    /// Page body font size in points; headings scale from it.
    static constexpr int kFontPointSize = 10;
    static constexpr int kResolutionDpi = 300;

    /// The document's title: the text of its first heading ("# ..."), empty when it has none.
    static QString TitleOf(const QString& markdown);
    /// Writes the PDF; false with the reason in error when the source or the target fails.
    static bool Write(const QString& markdownPath, const QString& pdfPath, QString& error);
    /// Renders Markdown text into a PDF file (A4, 2 cm margins, page numbers at the foot).
    static bool Render(const QString& markdown, const QString& pdfPath, QString& error);
};
