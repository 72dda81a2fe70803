#include "HelpDocWriter.h"

#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

/// Tables span the page with thin ruled cells, as in a printed manual.
void FormatTables(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        QTextTable* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr) {
            continue;
        }
        QTextTableFormat format = table->format();
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setBorderCollapse(true);
        format.setBorder(0.5);
        format.setCellSpacing(0);
        format.setCellPadding(3);
        table->setFormat(format);
    }
}

} // namespace

QString CHelpDocWriter::TitleOf(const QString& markdown) {
    static const QRegularExpression heading(QStringLiteral("^#\\s+(.+)$"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = heading.match(markdown);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

bool CHelpDocWriter::Write(const QString& markdownPath, const QString& pdfPath, QString& error) {
    QFile source(markdownPath);
    if (!source.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(markdownPath, source.errorString());
        return false;
    }
    return Render(QString::fromUtf8(source.readAll()), pdfPath, error);
}

bool CHelpDocWriter::Render(const QString& markdown, const QString& pdfPath, QString& error) {
    QPdfWriter writer(pdfPath);
    writer.setResolution(kResolutionDpi);
    // No margins of the page itself: the text document keeps its own 2 cm around the text.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(TitleOf(markdown));
    writer.setCreator(QStringLiteral("Quillon"));

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(kFontPointSize);
    document.setDefaultFont(font);
    document.setMarkdown(markdown);
    FormatTables(document);
    document.print(&writer);

    QFile written(pdfPath);
    if (!written.exists() || written.size() == 0) {
        error = QStringLiteral("cannot write %1").arg(pdfPath);
        return false;
    }
    return true;
}
