#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

class QSettings;

/// Maps the COM numbers the user chooses ("COM1" … "COM16") onto the serial devices of this machine.
///
/// A number can be pinned to a device (settings group "Ports", e.g. COM3=/dev/ttyUSB0; the command-line
/// tool pins the device it is given). An unpinned number n is the n-th serial device of the machine in a
/// stable order: the on-board ports /dev/ttyS* first, as their numbers never change, then the USB
/// adapters /dev/ttyUSB* and /dev/ttyACM*, then anything else, each group by its number.
class CPortMap {
public:
    static constexpr int kPortCount = 16;

    /// Pins a COM number (1-based) to a device path for this run.
    void Pin(int comNumber, const QString& devicePath);
    /// Reads the pins of the settings group "Ports".
    void LoadPins(QSettings& settings);
    /// The device of a COM number; empty when there is none.
    QString DevicePath(int comNumber) const;
    /// The serial devices of the machine in the stable order described above.
    QStringList AvailableDevices() const;
    /// Replaces the machine's device list (tests, and machines whose ports the system does not list).
    void SetAvailableDevices(const QStringList& devices);

    /// The COM number of a name like "COM3" or "com3"; nothing for anything else.
    static std::optional<int> ParseComName(const QString& name);
    /// Sorts device paths into the stable order.
    static QStringList SortDevices(QStringList devices);

private:
    QMap<int, QString> m_pins;
    std::optional<QStringList> m_availableOverride;
};
