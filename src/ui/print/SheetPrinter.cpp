#include "ui/print/SheetPrinter.h"

#include "document/ParameterSatz.h"
#include "document/QuillonDoc.h"
#include "sheet/Konfigurationsblatt.h"
#include "sheet/SheetPage.h"
#include "shell/Edition.h"

#include <QDate>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

CSheetPrinter::CSheetPrinter(const QLocale& locale)
    : m_locale(locale)
    , m_printer(QPrinter::HighResolution) {
    m_printer.setDocName(tr("Konfigurationsdaten"));
}

bool CSheetPrinter::Print(QWidget* parent, const CQuillonDoc& doc, const CParameterSatz* vorher) {
    QPrintDialog dialog(&m_printer, parent);
    // The sheet is one page: there is no range to choose.
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return PrintOrTell(parent, doc, vorher);
}

bool CSheetPrinter::PrintPage(QWidget* parent, const ISheetPage& page) {
    QPrintDialog dialog(&m_printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    QPainter painter;
    if (painter.begin(&m_printer)) {
        page.Draw(painter);
        if (painter.end()) {
            return true;
        }
    }
    TellUnreachable(parent, tr("\"%1\" kann nicht gedruckt werden: Der Drucker \"%2\" lässt sich nicht "
                               "ansprechen.")
                                .arg(page.Title()));
    return false;
}

void CSheetPrinter::Preview(QWidget* parent, const CQuillonDoc& doc) {
    QPrintPreviewDialog dialog(&m_printer, parent);
    // Each repaint draws the document as it is then.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this, &doc](QPrinter* printer) { PrintTo(*printer, doc); });
    dialog.exec();
}

bool CSheetPrinter::PageSetup(QWidget* parent) {
    QPageSetupDialog dialog(&m_printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool CSheetPrinter::PrintWithoutDialog(QWidget* parent, const CQuillonDoc& doc) {
    return PrintOrTell(parent, doc);
}

bool CSheetPrinter::PrintTo(QPrinter& printer, const CQuillonDoc& doc, const CParameterSatz* vorher) const {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const std::optional<CParameterSatz> satz = vorher != nullptr ? std::optional(*vorher)
                                               : m_vorherQuelle  ? m_vorherQuelle(doc)
                                                                 : std::nullopt;
    std::unique_ptr<CQuillonDoc> vorherDoc;
    if (satz) {
        vorherDoc = std::make_unique<CQuillonDoc>(doc.Operator(), doc.GetProgrammVerzeichnis());
        vorherDoc->SetParameterSatz(*satz);
    }
    CKonfigurationsblatt blatt(doc, m_locale, QDate::currentDate());
    blatt.SetVorher(vorherDoc.get());
    blatt.Draw(painter);
    return painter.end();
}

bool CSheetPrinter::PrintOrTell(QWidget* parent, const CQuillonDoc& doc, const CParameterSatz* vorher) {
    if (PrintTo(m_printer, doc, vorher)) {
        return true;
    }
    TellUnreachable(parent, tr("Das Konfigurationsblatt kann nicht gedruckt werden: Der Drucker \"%1\" "
                               "lässt sich nicht ansprechen."));
    return false;
}

void CSheetPrinter::TellUnreachable(QWidget* parent, const QString& message) {
    QString name =
        m_printer.outputFileName().isEmpty() ? m_printer.printerName() : m_printer.outputFileName();
    if (name.isEmpty()) {
        name = tr("(kein Drucker eingerichtet)");
    }
    QMessageBox::warning(parent, CEdition::ProgramName(), message.arg(name));
}
