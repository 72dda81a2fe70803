// The build's help-document tool: Markdown in, a PDF with the text's pages and title out; a missing
// source or an unwritable target fails the build step instead of leaving no document behind silently.

#include "HelpDocWriter.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

/// The page objects of a PDF ("/Type /Page", not the "/Type /Pages" of the page tree).
int PageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

} // namespace

class HelpDocWriterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void titleIsTheFirstHeading() {
        QCOMPARE(CHelpDocWriter::TitleOf(QStringLiteral("Vorwort\n\n# Varnex – Hilfe \n\n## Teil")),
                 QStringLiteral("Varnex – Hilfe"));
        QVERIFY(CHelpDocWriter::TitleOf(QStringLiteral("## nur Unterkapitel")).isEmpty());
    }

    void longTextBecomesSeveralPages() {
        QTemporaryDir dir;
        QString markdown = QStringLiteral("# Titel\n\n| A | B |\n|---|---|\n| 1 | 2 |\n\n");
        for (int i = 0; i < 120; ++i) {
            markdown += QStringLiteral("Absatz %1 mit Umlauten äöü und etwas Text.\n\n").arg(i);
        }
        const QString pdfPath = dir.filePath(QStringLiteral("hilfe.pdf"));
        QString error;
        QVERIFY2(CHelpDocWriter::Render(markdown, pdfPath, error), qPrintable(error));
        QFile pdf(pdfPath);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(PageCount(bytes) >= 2);
    }

    void missingSourceOrUnwritableTargetFails() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!CHelpDocWriter::Write(dir.filePath(QStringLiteral("fehlt.md")),
                                       dir.filePath(QStringLiteral("a.pdf")), error));
        QVERIFY(error.contains(QStringLiteral("fehlt.md")));
        QVERIFY(!CHelpDocWriter::Render(QStringLiteral("# T"),
                                        dir.filePath(QStringLiteral("kein/ordner/a.pdf")), error));
        QVERIFY(error.contains(QStringLiteral("kein/ordner/a.pdf")));
    }
};

QTEST_MAIN(HelpDocWriterTest)
#include "HelpDocWriterTest.moc"
