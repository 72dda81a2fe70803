// Printing the configuration sheet from the window: the kept printer takes the sheet without a dialog
// (as for a file given on the command line), the preview shows the one page of the current document, and
// a printer that cannot be started is reported instead of passing silently.

#include "ui/print/SheetPrinter.h"

#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

/// Runs `look` on the first modal window of type W once it is shown, then closes it.
template <typename W>
void WhenShown(const std::function<void(W*)>& look) {
    QTimer::singleShot(0, [look] {
        QTRY_VERIFY(qobject_cast<W*>(QApplication::activeModalWidget()) != nullptr);
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        look(window);
        window->reject();
    });
}

} // namespace

class SheetPrinterTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    CScriptedOperator m_operator;
    CQuillonDoc m_doc{m_operator, QString()};

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_doc.SetTyp(5);
        m_doc.SetBezeichnungText(QStringLiteral("Behälter 7"));
    }

    void keptPrinterTakesTheSheetWithoutADialog() {
        CSheetPrinter printer(QLocale::c());
        const QString path = m_dir.filePath(QStringLiteral("gedruckt.pdf"));
        printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        printer.Printer().setOutputFileName(path);
        QVERIFY(printer.PrintWithoutDialog(nullptr, m_doc));
        const QString text = PdfText(path);
        QVERIFY2(text.contains(QStringLiteral("Kennlinie:")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Behälter 7")));
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // pdftotext ends each page with a form feed
    }

    void previewShowsOnePageOfTheDocumentAsItIsNow() {
        CSheetPrinter printer(QLocale::c());
        int pages = -1;
        WhenShown<QPrintPreviewDialog>([&pages](QPrintPreviewDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            QTRY_VERIFY(preview != nullptr && preview->pageCount() > 0);
            pages = preview->pageCount();
        });
        printer.Preview(nullptr, m_doc);
        QCOMPARE(pages, 1);
    }

    void aPrinterThatCannotStartIsReported() {
        CSheetPrinter printer(QLocale::c());
        const QString path = m_dir.filePath(QStringLiteral("kein/ordner/blatt.pdf"));
        printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        printer.Printer().setOutputFileName(path);
        QString shown;
        WhenShown<QMessageBox>([&shown](QMessageBox* box) { shown = box->text(); });
        QVERIFY(!printer.PrintWithoutDialog(nullptr, m_doc));
        QVERIFY2(shown.contains(path), qPrintable(shown));
    }
};

QTEST_MAIN(SheetPrinterTest)
#include "SheetPrinterTest.moc"
