#pragma once

#include "core/ValidationProblem.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

/// The dialog "Seriennummer ändern": the serial number "123456.78.901" in three fields of 6, 2 and 3
/// characters, and the 16-character form the transmitter keeps.
class CSeriennummerRules {
    Q_DECLARE_TR_FUNCTIONS(CSeriennummerRules)

public:
    static constexpr int kFelder = 3;
    static constexpr std::array<int, kFelder> kLaengen = {6, 2, 3};

    /// Characters 1 to 6, 8 to 9 and 11 to 13 of the stored serial number (shorter texts give shorter
    /// or empty fields).
    static std::array<QString, kFelder> Split(const QString& strSeriennummer);
    /// Each field must be filled to its width: the transmitter takes the serial number as exactly 13
    /// characters, and a shorter part would shift the points of the number it keeps. A character the
    /// transmitter cannot store is refused, naming the part, rather than sent as "?".
    static std::optional<ValidationProblem> Validate(const std::array<QString, kFelder>& felder);
    /// field 1, ".", field 2, ".", field 3 and three blanks.
    static QString Compose(const std::array<QString, kFelder>& felder);
    /// The serial text as a calibration record keeps it (16 characters): the composed form with each
    /// field filled by printable characters, the rest blanks or zero bytes. The reason when it is not.
    static std::optional<QString> CheckStored(const QString& strSeriennummer);

private:
    static std::optional<ValidationProblem> CheckLengths(const std::array<QString, kFelder>& felder);
    static std::optional<ValidationProblem> CheckStorable(const std::array<QString, kFelder>& felder);
};
