#pragma once

#include "calibration/AbglWizardRules.h"

/// The calibration wizard's state between its pages and its page graph:
/// 106 -> 195 (or 200 with "nur Optionen") -> 196 (or 198 when the analog output is skipped) -> 198 ->
/// 200 -> 201 -> 106. Back returns to the page remembered as the last one, so that it retraces the way
/// that was taken forward.
class CAbglWizardNavigation {
public:
    using Page = CAbglWizardRules::Page;
    using Modus = CAbglWizardRules::Modus;

    /// Set when the wizard is created, cleared when the first page's Next has succeeded: the record's range
    /// rows are reset only before that.
    bool bFirstPass = true;
    /// Neuabgleich: the pages load the record as reset; otherwise as read from the transmitter.
    Modus modus = Modus::Neuabgleich;
    int nLastPage = CAbglWizardRules::kWelcome;
    bool bSpannung = false;
    bool bLiveZero = false;
    /// "Abgleich vom Analogausgang überspringen" was set when the range page was left.
    bool bDacSkipped = false;

    /// True after "Nachabgleich" and "nur Optionen": the options page loads the document's values.
    bool FromTransmitter() const { return modus != Modus::Neuabgleich; }

    /// The page after a successful Next on the page; remembers the way for Back.
    int Next(int nPage, bool bSkipDac = false);
    /// The page that Back on the page goes to. Back from the ADC page after a skipped analog output goes
    /// to the range page: the DAC page would drive an output the technician chose not to calibrate.
    int Back(int nPage);
    /// The page before a page in plain order.
    static int Previous(int nPage);
};
