#include "sheet/CheckCertificate.h"

#include "base/NumberField.h"
#include "base/TypKatalog.h"
#include "document/Windows1252.h"
#include "measurement/CheckArithmetic.h"
#include "measurement/CheckHistory.h"

#include <QPainter>
#include <array>

namespace {

/// Page geometry in inches: the top of the first line, the left edge, where values and the right half's
/// labels and values begin.
constexpr double kTop = 0.6;
constexpr double kL = 0.75;
constexpr double kV = 2.65;
constexpr double kR = 4.35;
constexpr double kRV = 5.6;
/// The table's column edges; numbers stand right-aligned a little before the next edge, the result
/// column runs to the right margin.
constexpr std::array<double, CCheckCertificate::kTableColumns> kColumns = {0.75, 1.35, 2.25, 3.15,
                                                                           4.05, 4.9,  5.7,  6.6};
constexpr double kColumnGap = 0.12;
constexpr double kGapInches = 0.12;
/// The room above a section's heading.
constexpr double kSectionInches = 0.2;
constexpr double kSignatureRoomInches = 0.7;
constexpr double kSignatureLineEnd = 3.6;

constexpr int kErrorDecimals = 3;
constexpr int kCurrentDecimals = 3;
constexpr int kCelsiusDecimals = 1;

} // namespace

CCheckCertificate::CCheckCertificate(const CHistoryEvent& event, qint64 eventId, const CCheckRecord& record,
                                     const QLocale& locale)
    : m_event(event)
    , m_eventId(eventId)
    , m_record(record)
    , m_locale(locale) {
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
}

QString CCheckCertificate::Title() const {
    return tr("Prüfzertifikat");
}

QList<CCheckCertificate::Item> CCheckCertificate::Draw(QPainter& painter) const {
    if (!painter.isActive()) {
        return {};
    }
    CSheetCanvas c(painter);
    c.SetY(c.YAt(kTop));
    DrawTitle(c);
    DrawIdentity(c);
    DrawConditions(c);
    DrawSeries(c, tr("Wie vorgefunden"), m_record.asFound);
    if (m_record.asLeft) {
        DrawSeries(c, tr("Wie hinterlassen"), *m_record.asLeft);
    }
    DrawResult(c);
    DrawSignatures(c);
    return c.Items();
}

void CCheckCertificate::DrawTitle(CSheetCanvas& c) const {
    c.Text(CSheetCanvas::Font::Title, c.X(kL), c.Right(), Title());
    c.SetY(c.Y() + c.LineHeight(CSheetCanvas::Font::Title));
    c.Rule(c.X(kL), c.Right(), kGapInches / 2);
    c.SetY(c.Y() + c.YAt(kGapInches));
}

void CCheckCertificate::Section(CSheetCanvas& c, const QString& heading) {
    c.SetY(c.Y() + c.YAt(kSectionInches));
    c.Text(CSheetCanvas::Font::Heading, c.X(kL), c.X(kR), heading);
    c.Down(1);
}

void CCheckCertificate::DrawIdentity(CSheetCanvas& c) const {
    Section(c, tr("Transmitter"));
    c.SetY(c.Y() - c.LineHeight(CSheetCanvas::Font::Text));
    c.Text(CSheetCanvas::Font::Heading, c.X(kR), c.Right(), tr("Referenznormal"));
    c.Down(1);
    QString typ = CTypKatalog::GetTypText(m_event.nTyp);
    if (typ.isEmpty()) {
        typ = QString::number(m_event.nTyp);
    }
    const CReferenceInstrument& ref = m_record.reference;
    Pairs(c, tr("Typ:"), typ, tr("Gerät:"), ref.name);
    Pairs(c, tr("Kennung:"), CWindows1252::ToUnicode(m_event.kennung), tr("Serien-Nr.:"), ref.serial);
    Pairs(c, tr("Serien-Nummer:"), CWindows1252::ToUnicode(m_event.seriennummer), tr("Zertifikat-Nr.:"),
          ref.certificate);
    Pairs(c, tr("Bezeichnung:"), CWindows1252::ToUnicode(m_event.bezeichnung), tr("Gültig bis:"),
          Date(ref.dueDate));
    Pairs(c, tr("4 mA bei:"), Pressure(m_record.rangeAt4mA), tr("Spanne:"),
          Pressure(CCheckArithmetic::Span(m_record)));
    Pairs(c, tr("20 mA bei:"), Pressure(m_record.rangeAt20mA), QString(), QString());
}

void CCheckCertificate::DrawConditions(CSheetCanvas& c) const {
    Section(c, tr("Prüfung"));
    const QString technician = m_record.technician.isEmpty() ? m_event.user : m_record.technician;
    const QString ambient = m_record.ambientCelsius
                                ? Number(*m_record.ambientCelsius, kCelsiusDecimals) + QStringLiteral(" °C")
                                : QStringLiteral("—");
    Pairs(c, tr("Prüfdatum:"), Date(m_event.timeUtc.toLocalTime().date()), tr("Station:"), m_event.station);
    Pairs(c, tr("Prüfer:"), technician, tr("Verlauf-Nr.:"),
          m_eventId > 0 ? QString::number(m_eventId) : QStringLiteral("—"));
    Pairs(c, tr("Umgebungstemperatur:"), ambient, tr("Toleranz:"),
          tr("± %1 % der Spanne").arg(Number(m_record.tolerancePercent, kErrorDecimals)));
}

void CCheckCertificate::DrawSeries(CSheetCanvas& c, const QString& heading,
                                   const CCheckSeries& series) const {
    // The heading, the table's header and a first row stay together.
    MakeRoom(c, 2 * c.YAt(kSectionInches) + 4 * c.LineHeight(CSheetCanvas::Font::Small));
    Section(c, heading);
    DrawTableHeader(c);
    bool bUnsettled = false;
    for (const CCheckPoint& point : series.points) {
        if (MakeRoom(c, c.LineHeight(CSheetCanvas::Font::Small))) {
            DrawTableHeader(c);
        }
        DrawPoint(c, point);
        bUnsettled = bUnsettled || point.acceptedUnsettled;
    }
    if (series.points.isEmpty()) {
        c.Text(CSheetCanvas::Font::Small, c.X(kL), c.Right(), tr("Keine Prüfpunkte."));
        c.SetY(c.Y() + c.LineHeight(CSheetCanvas::Font::Small));
    }
    if (bUnsettled) {
        c.Text(CSheetCanvas::Font::Small, c.X(kL), c.Right(),
               tr("* Messwert nicht eingeschwungen, vom Prüfer übernommen"));
        c.SetY(c.Y() + c.LineHeight(CSheetCanvas::Font::Small));
    }
}

void CCheckCertificate::DrawTableHeader(CSheetCanvas& c) const {
    const QString unit = m_record.unit;
    TableRow(c, {tr("Punkt"), tr("Sollwert"), tr("Referenz"), tr("Transmitter"), tr("Fehler"), tr("Strom"),
                 tr("Stromfehler"), tr("Ergebnis")});
    TableRow(c, {QStringLiteral("%"), unit, unit, unit, tr("% Spanne"), QStringLiteral("mA"), tr("% Spanne"),
                 QString()});
    c.Rule(c.X(kL), c.Right());
    c.SetY(c.Y() + c.YAt(kGapInches / 3));
}

void CCheckCertificate::DrawPoint(CSheetCanvas& c, const CCheckPoint& point) const {
    const int d = m_record.decimals;
    QString reading = Optional(point.reading, d);
    if (point.acceptedUnsettled) {
        reading += QStringLiteral(" *");
    }
    TableRow(c, {
                    m_locale.toString(point.percent, 'f', QLocale::FloatingPointShortest),
                    Number(point.nominal, d),
                    Optional(point.reference, d),
                    reading,
                    Optional(CCheckArithmetic::ReadingError(m_record, point), kErrorDecimals),
                    Optional(point.currentMa, kCurrentDecimals),
                    Optional(CCheckArithmetic::CurrentError(m_record, point), kErrorDecimals),
                    PointVerdict(point),
                });
}

void CCheckCertificate::TableRow(CSheetCanvas& c, const std::array<QString, kTableColumns>& cells) {
    const auto small = CSheetCanvas::Font::Small;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        c.Text(small, c.X(kColumns.at(i)), c.X(kColumns.at(i + 1) - kColumnGap), cells.at(i), 0,
               Qt::AlignRight);
    }
    c.Text(small, c.X(kColumns.back()), c.Right(), cells.back());
    c.SetY(c.Y() + c.LineHeight(small));
}

void CCheckCertificate::DrawResult(CSheetCanvas& c) const {
    // The result, the due date and the signatures stay together.
    const int height = c.YAt(kSectionInches) + c.LineHeight(CSheetCanvas::Font::Title) +
                       c.LineHeight(CSheetCanvas::Font::Text) + c.YAt(kSignatureRoomInches) +
                       c.LineHeight(CSheetCanvas::Font::Small);
    MakeRoom(c, height);
    c.SetY(c.Y() + c.YAt(kSectionInches));
    c.Text(CSheetCanvas::Font::Title, c.X(kL), c.Right(),
           tr("Ergebnis: %1").arg(CCheckHistory::VerdictText(m_record.verdict)));
    c.SetY(c.Y() + c.LineHeight(CSheetCanvas::Font::Title));
    c.Text(CSheetCanvas::Font::Text, c.X(kL), c.X(kV), tr("Nächste Prüfung:"));
    c.Text(CSheetCanvas::Font::Text, c.X(kV), c.Right(), Date(m_record.nextDue));
    c.Down(1);
}

void CCheckCertificate::DrawSignatures(CSheetCanvas& c) const {
    c.SetY(c.Y() + c.YAt(kSignatureRoomInches));
    c.Rule(c.X(kL), c.X(kSignatureLineEnd));
    c.Rule(c.X(kR), c.Right());
    c.SetY(c.Y() + c.YAt(kGapInches / 3));
    c.Text(CSheetCanvas::Font::Small, c.X(kL), c.X(kSignatureLineEnd), tr("Datum, Unterschrift Prüfer"));
    c.Text(CSheetCanvas::Font::Small, c.X(kR), c.Right(), tr("Datum, Unterschrift Freigabe"));
}

void CCheckCertificate::Pairs(CSheetCanvas& c, const QString& leftLabel, const QString& leftValue,
                              const QString& rightLabel, const QString& rightValue) const {
    const auto text = CSheetCanvas::Font::Text;
    c.Text(text, c.X(kL), c.X(kV), leftLabel);
    c.Text(text, c.X(kV), c.X(kR - kColumnGap), leftValue);
    c.Text(text, c.X(kR), c.X(kRV), rightLabel);
    c.Text(text, c.X(kRV), c.Right(), rightValue);
    c.Down(1);
}

bool CCheckCertificate::MakeRoom(CSheetCanvas& c, int height) const {
    if (c.Y() + height <= c.Bottom() || !c.NewPage(kTop)) {
        return false;
    }
    // A page that is filed apart from the first must still say whose certificate it continues.
    c.Text(
        CSheetCanvas::Font::Small, c.X(kL), c.Right(),
        tr("%1, Serien-Nummer %2 (Fortsetzung)").arg(Title(), CWindows1252::ToUnicode(m_event.seriennummer)));
    c.Down(1);
    return true;
}

QString CCheckCertificate::PointVerdict(const CCheckPoint& point) const {
    switch (CCheckArithmetic::Judge(m_record, point)) {
    case CCheckArithmetic::Judgement::Open:
        return QStringLiteral("—");
    case CCheckArithmetic::Judgement::NoReading:
        return tr("keine Messung");
    case CCheckArithmetic::Judgement::Pass:
        return tr("i.O.");
    case CCheckArithmetic::Judgement::Fail:
        break;
    }
    return tr("n.i.O.");
}

QString CCheckCertificate::Number(double value, int decimals) const {
    return CNumberField::Fixed(value, decimals, m_locale);
}

QString CCheckCertificate::Optional(const std::optional<double>& value, int decimals) const {
    return value ? Number(*value, decimals) : QStringLiteral("—");
}

QString CCheckCertificate::Pressure(double value) const {
    return Number(value, m_record.decimals) + QLatin1Char(' ') + m_record.unit;
}

QString CCheckCertificate::Date(const QDate& date) const {
    if (!date.isValid()) {
        return QStringLiteral("—");
    }
    // A certificate is filed for years: the year in full, whatever the locale's short form abbreviates.
    QString format = m_locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return m_locale.toString(date, format);
}
