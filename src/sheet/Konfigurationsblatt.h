#pragma once

#include "sheet/SheetPage.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class CQuillonDoc;
class QPainter;

/// The configuration sheet: a one-page record of a transmitter's parameter set that the technician files
/// with the measuring point. The KA71 has a sheet of its own (display range, free range, medium); every
/// other type shares the standard sheet, with the rows its type has.
///
/// The sheet is drawn from the document's current values each time, on whatever device the painter works
/// on: a printer, the print preview, a PDF or an image. Numbers use the locale's decimal separator, the
/// print date its short date form.
class CKonfigurationsblatt : public ISheetPage {
    Q_DECLARE_TR_FUNCTIONS(CKonfigurationsblatt)

public:
    using Item = CSheetCanvas::Item;

    /// The sheet reads the document whenever it is drawn, so the document must outlive it.
    CKonfigurationsblatt(const CQuillonDoc& doc, const QLocale& locale, QDate druckdatum);

    QList<Item> Draw(QPainter& painter) const override;
    /// "Konfigurationsdaten".
    QString Title() const override;

    /// The record of a change: the values the transmitter held before ("as found") stand in a column
    /// "Vorher" beside the document's ("Nachher"), a row whose values differ is marked with "*". A set
    /// of another type has other rows and is not shown. nullptr: the plain sheet. The set must outlive
    /// the sheet.
    void SetVorher(const CQuillonDoc* vorher);

private:
    /// Where labels and values of a sheet variant stand, in inches from the left.
    struct Spalten {
        double label;
        double wert;
    };
    /// One point of the linearization table as the sheet shows it.
    struct Punkt {
        QString x;
        QString y;
    };

    void DrawSheet(CSheetCanvas& c) const;
    /// The value texts of the "as found" set's rows, in the order the rows are drawn.
    QStringList VorherWerte(QPainter& painter) const;
    void DrawStandard(CSheetCanvas& c) const;
    void DrawStandardEingang(CSheetCanvas& c) const;
    void DrawStandardDaempfung(CSheetCanvas& c) const;
    void DrawStandardAusgang(CSheetCanvas& c) const;
    void DrawKA71(CSheetCanvas& c) const;
    void DrawKA71Eingang(CSheetCanvas& c) const;
    void DrawKA71Ausgang(CSheetCanvas& c) const;
    void DrawKA71FreierMessbereich(CSheetCanvas& c) const;
    void DrawKopf(CSheetCanvas& c) const;
    void DrawLinTab(CSheetCanvas& c) const;
    void DrawDruckdatum(CSheetCanvas& c, const Spalten& spalten) const;
    void Row(CSheetCanvas& c, const Spalten& spalten, const QString& label, const QString& wert) const;
    void Heading(CSheetCanvas& c, const QString& text, int right) const;
    /// A KA71 heading beside the first row of its section; one that would run up to the row's label takes
    /// a line of its own above the row instead.
    void SideHeading(CSheetCanvas& c, const QString& text) const;
    /// With an "as found" column: where the "Nachher" column begins.
    static int NachherX(const CSheetCanvas& c, const Spalten& spalten);
    static int VorherX(const CSheetCanvas& c, const Spalten& spalten);

    Punkt StandardPunkt(int i) const;
    Punkt KA71Punkt(int i) const;
    /// The points the table holds: a count from a damaged file is cut to 0..30.
    int Punkte() const;
    /// A number with its decimals, as "%6.*f" shows it, without the leading blanks.
    QString Zahl(double value, int decimals) const;
    QString Stromwert(float mA) const;
    QString AnzeigeWert(double value, int decimals) const;
    QString DezimalpunktText() const;
    QString MediumText() const;

    const CQuillonDoc& m_doc;
    QLocale m_locale;
    QDate m_druckdatum;
    const CQuillonDoc* m_vorher = nullptr;
    /// While drawing: the "as found" values (empty: one column) and the next row's index; while the
    /// "as found" sheet collects them, the list it appends to.
    mutable QStringList m_vorherWerte;
    mutable int m_nRow = 0;
    mutable QStringList* m_pSammler = nullptr;
};
