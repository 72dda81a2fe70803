#pragma once

#include <optional>

/// What a read-back tells about a write into the transmitter: the parameter send and the calibration
/// record write report with the same findings. A write that failed once it may have written (a memory
/// image whose end went unconfirmed) leaves the new values, the old ones or a mix; only the read-back
/// tells which, and only the values held before (read from this very transmitter) tell old from mixed.
class CWriteFinding {
public:
    enum class Befund {
        Bestaetigt,    ///< the transmitter holds what was sent
        Abweichend,    ///< it holds other values than sent (named)
        NichtGeprueft, ///< the read-back failed: nothing is known
        NeuerSatz,     ///< the write reported a failure, yet everything new arrived
        AlterSatz,     ///< the write failed and the transmitter still holds what it held before
        Gemischt,      ///< the write failed part-way: some values new, the named ones still old
        NichtNeu,      ///< the write failed; without the values held before, only those not new are known
    };

    /// The finding after a failed write whose read-back succeeded. `bNeu`: the read-back equals what was
    /// written. `wieVorher`: known only when the values held before were read from this transmitter;
    /// then whether the read-back equals them and they differ from the new ones somewhere.
    static Befund NachFehler(bool bNeu, std::optional<bool> wieVorher) {
        if (bNeu) {
            return Befund::NeuerSatz;
        }
        if (!wieVorher) {
            return Befund::NichtNeu;
        }
        return *wieVorher ? Befund::AlterSatz : Befund::Gemischt;
    }
};
