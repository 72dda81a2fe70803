#pragma once

#include "document/CheckRecord.h"
#include "document/HistoryEvent.h"
#include "sheet/SheetPage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <array>

/// The certificate of a calibration check, as a calibration shop files it with the transmitter: who and
/// what was checked against which reference, every test point as found and (after an adjustment) as
/// left with its errors and verdict, the overall result, the next due date and room for two signatures.
///
/// It is drawn from a check event of the device history: the transmitter's identity, the time and the
/// station are the event's, the points and verdict the record's. Numbers use the locale's decimal
/// separator, the record's decimals for pressures and three decimals for errors and currents; dates the
/// locale's short form with a four-digit year. A check with many points continues on a second page where
/// the device has pages.
class CCheckCertificate : public ISheetPage {
    Q_DECLARE_TR_FUNCTIONS(CCheckCertificate)

public:
    using Item = CSheetCanvas::Item;
    /// Point, nominal, reference, transmitter, error, current, current error, verdict.
    static constexpr std::size_t kTableColumns = 8;

    /// The event and record are copied; eventId is the number the history shows (0: not recorded).
    CCheckCertificate(const CHistoryEvent& event, qint64 eventId, const CCheckRecord& record,
                      const QLocale& locale);

    QList<Item> Draw(QPainter& painter) const override;
    /// "Prüfzertifikat".
    QString Title() const override;

    /// "i.O.", "n.i.O.", "keine Messung" (the transmitter gave no reading), or a dash for a point that
    /// was not measured.
    QString PointVerdict(const CCheckPoint& point) const;

private:
    void DrawTitle(CSheetCanvas& c) const;
    void DrawIdentity(CSheetCanvas& c) const;
    void DrawConditions(CSheetCanvas& c) const;
    void DrawSeries(CSheetCanvas& c, const QString& heading, const CCheckSeries& series) const;
    void DrawTableHeader(CSheetCanvas& c) const;
    void DrawPoint(CSheetCanvas& c, const CCheckPoint& point) const;
    /// One line of the table: numbers right-aligned in their columns, the verdict left-aligned.
    static void TableRow(CSheetCanvas& c, const std::array<QString, kTableColumns>& cells);
    void DrawResult(CSheetCanvas& c) const;
    void DrawSignatures(CSheetCanvas& c) const;
    /// Room above, the heading, and the cursor on the line below it.
    static void Section(CSheetCanvas& c, const QString& heading);
    /// Two label/value pairs on one line, one in each half of the page; the cursor moves to the next.
    void Pairs(CSheetCanvas& c, const QString& leftLabel, const QString& leftValue, const QString& rightLabel,
               const QString& rightValue) const;
    /// Continues on a new page, headed with what it continues, when `height` no longer fits above the
    /// bottom margin.
    bool MakeRoom(CSheetCanvas& c, int height) const;

    QString Number(double value, int decimals) const;
    QString Optional(const std::optional<double>& value, int decimals) const;
    QString Pressure(double value) const;
    QString Date(const QDate& date) const;

    CHistoryEvent m_event;
    qint64 m_eventId;
    CCheckRecord m_record;
    QLocale m_locale;
};
