#pragma once

#include "document/Abgleichdaten.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class CQuillonDoc;

/// The rules of the calibration wizard's pages, without any widget: what each page loads, how it checks
/// and stores its entries, the interpolations of the DAC and ADC points, and the page graph. The pages
/// of the window only show these values and forward Next and Back here.
class CAbglWizardRules {
    Q_DECLARE_TR_FUNCTIONS(CAbglWizardRules)

public:
    /// Page ids; they are also the ids the window gives its pages.
    enum Page { kWelcome = 106, kMessbereich = 195, kDac = 196, kAdc = 198, kOptionen = 200, kFinish = 201 };
    enum class Modus { Neuabgleich, Nachabgleich, NurOptionen };
    /// The quick buttons of the output range: "0-10V", "0-5V", "0-20mA", "4-.20mA".
    enum class Ausgang { V10, V5, MA20, MA4bis20 };

    static constexpr int kDacMax = 4095;
    static constexpr int kAdcMax = 65535;
    /// The DAC value that hands the output back to the transmitter's own control.
    static constexpr int kDacFrei = 65535;

    /// "Transmitter" entries of the first page, one for each type the wizard calibrates, in type order.
    static QStringList TransmitterTexts();
    /// The preselected entry for the document's type: its own, or the first for a type the wizard does
    /// not calibrate.
    static int TransmitterIndex(int nTyp);
    /// The type of an entry; an index outside the list gives the first entry's type.
    static int TypForTransmitterIndex(int nIndex);
    /// Whether the wizard gives the type the KA28's presets: its own range in a new record, a wider range
    /// entry and the output calibration skipped.
    static bool HasKA28Presets(int nTyp);
    /// Units of the calibration record, by m_nAbglEinheit ("keine" first).
    static QStringList EinheitTexts();
    /// The unit label of a unit index: empty for "keine" and for an unknown index.
    static QString EinheitLabel(int nEinheit);

    /// Suggested decimal places for a range whose larger end has the magnitude m.
    static int SuggestedDecimals(double start, double end);
    /// The 10^n of the record's digits.
    static double Scale(int nKommaPos);
    /// x rounded to a tenth, then cut toward zero: how the wizard turns entries into digits and words.
    static qint32 Truncate(double x);

    /// Fills the rows that the chosen number of points (2, 3 or 5) leaves disabled from the enabled ones.
    static void FillAdcRows(std::array<qint32, 5>& rows, int nPoints);
    /// Whether row i (0..4) takes an entry with this number of points.
    static bool AdcRowEnabled(int nRow, int nPoints);
    /// The middle DAC point with two points: the integer mean of start and end.
    static qint32 DacMiddle(qint32 start, qint32 end);
    /// "Standardwerte" of the DAC page.
    static std::array<qint32, 3> DacDefaults() { return {610, 2000, 3388}; }
    /// The pressure labels of the ADC page: start, quarter, middle, three quarters, end of the
    /// calibration range in the record's unit.
    static std::array<QString, 5> AdcLabels(const CAbgleichdaten& record);
    /// The target output labels of the DAC page: start, middle, end in mA or V.
    static std::array<QString, 3> DacLabels(const CAbgleichdaten& record);

    /// The record's serial text of the three parts: "%06s.%02s.%03s" filled with "0", then three blanks.
    static QByteArray SerialText(const QString& first, const QString& second, const QString& third);
    /// The three parts as the options page shows them from a serial text.
    static std::array<QString, 3> SerialParts(const QByteArray& text);
    /// "+" / "-" of the second (width 2) or third (width 3) serial part.
    static QString StepSerial(const QString& part, int nWidth, int nStep);

    /// Output range and flags of a quick button.
    struct AusgangsBereich {
        double start;
        double ende;
        bool bSpannung;
        bool bLiveZero;
    };
    static AusgangsBereich QuickOutput(Ausgang ausgang);
    /// Current limits and fault current on the options page of a fresh wizard.
    struct Grenzen {
        double min;
        double max;
        double fehler;
    };
    static Grenzen OutputLimits(bool bSpannung, bool bLiveZero);

    /// "Neuabgleich": resets the record; the range rows only in the first pass (KA28: its own range).
    static void ResetRecord(CAbgleichdaten& record, int nTyp, bool bFirstPass);

    /// Text of a range refusal, its bounds in the program locale.
    static QString RangeText(double lo, double hi);
};
