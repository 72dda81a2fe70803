#pragma once

#include "core/ValidationProblem.h"
#include "document/Abgleichdaten.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

class CQuillonDoc;

/// The rules of the analog calibration dialog: which transmitters it serves, what it shows when the
/// document holds no record yet, the point labels of the calibration range, the output range and its
/// radio buttons, the DAC steps and the checks of its entries. The dialog works on its own copy of the
/// record; the document's record changes only by reading and by sending.
class CAnalogAbgleichRules {
    Q_DECLARE_TR_FUNCTIONS(CAnalogAbgleichRules)

public:
    static constexpr int kDacMax = 4095;
    static constexpr int kBereichMin = -9999;
    static constexpr int kBereichMax = 9999;
    static constexpr int kAdcMax = 65535;
    static constexpr double kOutputMax = 22.5;
    static constexpr int kDacFrei = 65535; ///< hands the output back to the transmitter

    enum class OutputRange { None, Volt0To10, MilliAmp4To20, MilliAmp0To20 };

    struct Values {
        CAbgleichdaten record;
        double fOutputStart = 0.0; ///< mA or V
        double fOutputEnd = 0.0;
    };

    /// The record fields (and the output range) a problem can be about.
    enum class Field { BereichAnfang, BereichEnde, AbglBereichAnfang, AbglBereichEnde, Adc, Dac, Output };

    /// Types 0 and 1 have no calibration record of this form.
    static bool IsCompatible(int nTyp);
    static QString IncompatibleText();

    /// The document's record if it holds data read from the transmitter, otherwise the default record
    /// with the default DAC values; the output range taken from the record.
    static Values Load(const CQuillonDoc& doc);
    static void SetDefaultRecord(CAbgleichdaten& record);
    static void SetDefaultDac(CAbgleichdaten& record);
    /// Output range from DAC entries 3 and 4 (hundredths dropped: 2050 is shown as 20).
    static void TakeOutputRange(Values& values);
    static OutputRange RangeOf(double fStart, double fEnd);
    static void SetRange(Values& values, OutputRange range);

    /// a, a + (e - a)/4, a + (e - a)/2, a + (e - a)*3/4, e of the calibration range, truncated.
    static std::array<int, 5> PointLabels(const CAbgleichdaten& record);
    /// A DAC value moved by one, kept within 0..4095.
    static int StepDac(int nValue, int nDelta);

    /// An integer entry of the dialog in nMin..nMax into value; the message when it is none.
    static std::optional<QString> ParseInteger(const QString& text, int nMin, int nMax, int& value);
    /// An output range entry (0..22.5, "," or ".") into value; the message when it is none.
    static std::optional<QString> ParseOutput(const QString& text, double& value);

    /// The first entry out of range, or nothing.
    static std::optional<ValidationProblem> Validate(const Values& values);
    /// What "Senden" does before writing: the output range into DAC entries 3 and 4 (x 100, rounded),
    /// then the dialog's record into the document's.
    static void Apply(const Values& values, CQuillonDoc& doc);
};
