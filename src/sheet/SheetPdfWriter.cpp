#include "sheet/SheetPdfWriter.h"

#include "core/FileProblem.h"
#include "sheet/SheetPage.h"

#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

QPageSize CSheetPdfWriter::PaperFor(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

bool CSheetPdfWriter::Write(const QString& path, const ISheetPage& page, const QPageSize& paper,
                            QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = Message(path, CFileProblem::Reason(file, path, CFileProblem::Zugriff::Schreiben));
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Quillon"));
        pdf.setTitle(page.Title());
        // No margins: a page's distances from the top and the left are measured from the paper's edge.
        pdf.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            file.cancelWriting();
            error = Message(path, tr("Die PDF-Ausgabe lässt sich nicht beginnen."));
            return false;
        }
        page.Draw(painter);
        painter.end();
    }
    if (!file.commit()) {
        error = Message(path, CFileProblem::Reason(file, path, CFileProblem::Zugriff::Schreiben));
        return false;
    }
    return true;
}

QString CSheetPdfWriter::Message(const QString& path, const QString& reason) {
    return tr("Die PDF-Datei kann nicht als %1 gespeichert werden: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}
