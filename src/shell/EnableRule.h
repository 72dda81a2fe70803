#pragma once

/// When a command may be chosen. Every rule but Always needs the ready flag: while a transmitter
/// operation runs, nothing that has a rule can start.
enum class EnableRule {
    Always, ///< no rule: help, about, hardware setup and the factory's raw test commands
    R,      ///< ready
    RV,     ///< ready and the document holds a valid parameter set
    R01,    ///< ready and type 0 or 1 (RX89 family)
    RA,     ///< ready and type 2, 3, 4, 8, 9 or 10
    CRA,    ///< RA and the calibration record has been read
    R7,     ///< ready and type 7 (VN62)
    CR7,    ///< R7 and the calibration record has been read
    R10,    ///< ready and type 10 (KA71)
    CR10,   ///< R10 and the calibration record has been read
};
