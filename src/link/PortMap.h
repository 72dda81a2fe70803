#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

/// Maps the COM numbers the user chooses ("COM1" … "COM16") onto the serial devices of this machine.
///
/// A number can be pinned to a device (settings group "Ports", e.g. COM3=/dev/ttyUSB0; the command-line
/// tool pins the device it is given). An unpinned number n is the n-th serial device of the machine in a
/// stable order: the on-board ports /dev/ttyS* first, as their numbers never change, then the USB
/// adapters /dev/ttyUSB* and /dev/ttyACM*, then anything else, each group by its number.
///
/// Listing the machine's devices asks the system each time, so the list is taken once and kept until
/// Refresh: every transmitter operation (a receive, the 16-port probe, the interface search) and every
/// dialog that shows the ports refreshes it once at its start, and a device plugged in meanwhile is seen
/// by the next one.
class CPortMap {
public:
    static constexpr int kPortCount = 16;

    /// Pins a COM number (1-based) to a device path for this run.
    void Pin(int comNumber, const QString& devicePath);
    /// Pins every COM number of the map (the settings group "Ports") to its device.
    void Pin(const QMap<int, QString>& pins);
    /// The device of a COM number; empty when there is none.
    QString DevicePath(int comNumber) const;
    /// The serial devices of the machine in the stable order described above, as listed last.
    QStringList AvailableDevices() const;
    /// Drops the list taken; the next look-up lists the devices again.
    void Refresh();
    /// Replaces the machine's device list (tests, and machines whose ports the system does not list).
    void SetAvailableDevices(const QStringList& devices);
    /// Lists the machine's serial devices in any order (by default the system's list of serial ports).
    using Enumerator = std::function<QStringList()>;
    void SetEnumerator(Enumerator enumerate);

    /// The COM number of a name like "COM3" or "com3"; nothing for anything else.
    static std::optional<int> ParseComName(const QString& name);
    /// Sorts device paths into the stable order.
    static QStringList SortDevices(QStringList devices);

private:
    static QStringList SystemDevices();

    QMap<int, QString> m_pins;
    Enumerator m_enumerate = SystemDevices;
    mutable std::optional<QStringList> m_devices; ///< taken at the first look-up after a Refresh
};
