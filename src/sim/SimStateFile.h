#pragma once

#include <QJsonObject>
#include <QString>

class CSimulator;

/// The simulator's state file: the whole device state as JSON, so that a demonstration or a test can
/// start from a prepared transmitter and find afterwards what the program wrote into it.
///
/// Holds the type, the identification, the interface (kind, mode, information), the release, the
/// parameter area and the table area as hex text (bytes in memory order) and the calibration words.
/// A "summary" of the readable values (serial number, tag, range, table count) is written for people
/// and ignored when the file is read. Missing memory entries keep the values of a factory-fresh device.
class CSimStateFile {
public:
    static constexpr int kVersion = 1;

    static QJsonObject ToJson(const CSimulator& simulator);
    /// Replaces the simulator's transmitter and interface state; false with a reason for a file that is
    /// not a state file or holds values outside their range (the simulator is then unchanged).
    static bool FromJson(const QJsonObject& json, CSimulator& simulator, QString& error);

    static bool Save(const QString& path, const CSimulator& simulator, QString& error);
    static bool Load(const QString& path, CSimulator& simulator, QString& error);
};
