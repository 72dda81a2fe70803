#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QPrinter>
#include <functional>
#include <optional>

class CQuillonDoc;
class ISheetPage;
struct CParameterSatz;
class QWidget;

/// "Drucken...", "Seitenansicht" and "Druckereinrichtung..." of the configuration sheet, and printing
/// without a dialog for a document given on the command line. One object lives for the whole run and
/// keeps one printer, so the printer, paper and margins chosen once stay chosen.
class CSheetPrinter {
    Q_DECLARE_TR_FUNCTIONS(CSheetPrinter)

public:
    explicit CSheetPrinter(const QLocale& locale = QLocale::system());

    /// The printer dialog for the one page, then the sheet. False when the user cancelled or printing
    /// failed; a failure has been shown to the user.
    /// A given vorher stands for what the transmitter held before, instead of what the source knows.
    bool Print(QWidget* parent, const CQuillonDoc& doc, const CParameterSatz* vorher = nullptr);
    /// The print preview; printing from it uses the same printer.
    void Preview(QWidget* parent, const CQuillonDoc& doc);
    /// The printer dialog, then any other page the program prints (the check certificate) on the same
    /// printer. False when the user cancelled or printing failed; a failure has been shown to the user.
    bool PrintPage(QWidget* parent, const ISheetPage& page);
    /// Paper, orientation and margins for the next prints. False when the user cancelled.
    bool PageSetup(QWidget* parent);
    /// Prints on the kept printer without asking (the system's default printer unless the user chose
    /// another); a failure is shown to the user.
    bool PrintWithoutDialog(QWidget* parent, const CQuillonDoc& doc);
    /// Draws the sheet of today on any printer, without a dialog and without telling anyone. False when
    /// the printer cannot be started.
    bool PrintTo(QPrinter& printer, const CQuillonDoc& doc, const CParameterSatz* vorher = nullptr) const;

    QPrinter& Printer() { return m_printer; }

    /// Where the sheet finds the values the transmitter held before the change ("as found"); with a
    /// set, the sheet shows them beside the document's ("Vorher"/"Nachher").
    using VorherQuelle = std::function<std::optional<CParameterSatz>(const CQuillonDoc&)>;
    void SetVorherQuelle(VorherQuelle quelle) { m_vorherQuelle = std::move(quelle); }

private:
    /// Tells the user that the printer cannot be reached for the page named.
    void TellUnreachable(QWidget* parent, const QString& message);
    bool PrintOrTell(QWidget* parent, const CQuillonDoc& doc, const CParameterSatz* vorher = nullptr);

    QLocale m_locale;
    QPrinter m_printer;
    VorherQuelle m_vorherQuelle;
};
