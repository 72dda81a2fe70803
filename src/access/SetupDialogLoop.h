#pragma once

#include <functional>

/// The life of a setup dialog whose buttons act on the transmitter or the ports: the dialog is shown
/// until "OK", which takes its values over, or "Abbrechen", which leaves everything as it was; any other
/// button runs its action on the dialog's values and shows the dialog again with what the action found.
/// True when the dialog ended with "OK".
template <class Rules>
bool RunSetupDialog(Rules& rules, const typename Rules::ShowDialog& show,
                    const std::function<void(typename Rules::Result, typename Rules::Values&)>& action) {
    using Result = typename Rules::Result;
    typename Rules::Values values = rules.Load();
    for (;;) {
        const Result result = show(values);
        if (result == Result::Ok) {
            rules.Apply(values);
            return true;
        }
        if (result == Result::Cancel) {
            return false;
        }
        action(result, values);
    }
}
