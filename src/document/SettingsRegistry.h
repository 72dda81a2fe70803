#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <utility>

class IProfileStore;

/// Every setting Quillon keeps in the user's profile, declared once: its group and key, what it holds,
/// its default, the values it accepts and when it is written back; and the values the running program
/// uses. The registry is filled from the profile at start; dialogs change it through the document; it
/// goes back to the profile at program end. The groups:
///   "Settings"          the program's settings (profile section of the earlier Windows program)
///   "Ports"             COM numbers pinned to devices, written by hand; the program never writes them
///   "Logging"           the logging switches of the "Verbindungsprotokoll" window, written when switched
///   "Recent File List"  the documents opened or saved last, newest first
///   "History"           where the device history is kept: this PC's database or a plant's server
///   "Check"             the calibration check's defaults and the station's reference instruments
/// A stored value the setting does not accept (a text where a number belongs, a number outside the
/// range) reads as its default; a change to such a value is refused and the current value stays.
class CSettingsRegistry {
public:
    /// What a setting holds. A password is stored scrambled and never leaves the program otherwise
    /// (the problem report leaves it out).
    enum class Kind { Int, Text, Password };
    /// Which integers a setting takes: any; only nMin to nMax (others are refused); or any, where
    /// every value but 0 means 1.
    enum class Accept { Any, Range, Flag };
    /// When the program writes a setting back: at program end, as soon as it changes, or never.
    enum class Saved { AtEnd, AtOnce, Never };

    struct Key {
        QString group;
        QString name;
        QString Path() const { return group + QLatin1Char('/') + name; }
    };

    struct Entry {
        Key key;
        Kind kind = Kind::Int;
        QVariant initial; ///< the default: an int, or a text
        Accept accept = Accept::Any;
        int nMin = 0;
        int nMax = 0;
        Saved saved = Saved::AtEnd;
    };

    static const QString kSettings;
    static const QString kPorts;
    static const QString kLogging;
    static const QString kRecentFiles;
    static const QString kHistory;
    static const QString kCheck;

    static const Key kPsw;
    static const Key kCom;
    static const Key kLanguage;
    static const Key kLogFile;
    static const Key kLogIntervall;
    static const Key kLogStatus;
    static const Key kLinTabOption;
    static const Key kTransmitterVersion;
    static const Key kInterfaceVersion;
    static const Key kShowHardwareSetup;
    static const Key kStartupHinweis;
    static const Key kVerifyAfterSend;
    /// Where the device history goes: kHistoryLocal (this PC's database) or kHistoryServer.
    static const Key kHistoryBackend;
    /// This PC's history database file; empty for the default in the user's data folder.
    static const Key kHistoryDatabase;
    /// The plant's server as a connection text ("service=quillon" or "host=... dbname=..."); never a
    /// password, which comes from the server's own service and password files or the environment.
    static const Key kHistoryServer;
    /// The station name recorded with every event; empty for the host name.
    static const Key kHistoryStation;
    /// The default tolerance of a check in % of span, a decimal with a point whatever the language.
    static const Key kCheckTolerance;
    /// The default check interval of a transmitter in days.
    static const Key kCheckIntervalDays;
    /// The station's reference instruments as a JSON array (CReferenceInstruments).
    static const Key kCheckReferences;
    static constexpr int kCheckIntervalMin = 1;
    static constexpr int kCheckIntervalMax = 3650;
    static constexpr int kHistoryLocal = 0;
    static constexpr int kHistoryServerBackend = 1;

    static constexpr int kLogIntervallMin = 2;
    static constexpr int kLogIntervallMax = 200;
    /// The COM numbers the dialogs offer, and so the pins the group "Ports" can hold.
    static constexpr int kPortCount = 16;
    static constexpr int kRecentFileCount = 4;

    /// The device pinned to COM n (1-based): "Ports"/"COMn".
    static Key PortPin(int nComNumber);
    /// Entry i (0-based) of the recent-file list: "Recent File List"/"File<i+1>".
    static Key RecentFile(int nIndex);
    /// The switch of a logging category: "Logging"/category.
    static Key LoggingSwitch(const QString& category);
    static QStringList LoggingCategories();

    /// Every setting, in the order they are read and written.
    static const QList<Entry>& Entries();
    /// The entry of a key; nullptr for a key that is not declared.
    static const Entry* Find(const Key& key);
    static bool IsPassword(const QString& group, const QString& name);

    /// Every setting at its default.
    CSettingsRegistry();

    int Int(const Key& key) const;
    QString Text(const Key& key) const;
    /// Sets a value as the program uses it; false when the setting refuses it (the value stays). A
    /// setting written at once goes to the profile it was loaded from. An undeclared key is a program
    /// error.
    bool Set(const Key& key, const QVariant& value);

    /// Reads every setting from the profile. The profile is kept for the settings written at once.
    void Load(IProfileStore& profile);
    /// Writes the settings written at program end.
    void Save(IProfileStore& profile) const;

    /// The devices of the pinned COM numbers (group "Ports"), by number.
    QMap<int, QString> PortPins() const;

    /// "group/key" and value of every setting as the program uses it now, passwords left out.
    QList<std::pair<QString, QString>> ValuesWithoutPasswords() const;

private:
    /// The value as the setting takes it; nothing when refused.
    static std::optional<QVariant> Accepted(const Entry& entry, const QVariant& value);
    static QVariant Stored(const Entry& entry, const QVariant& value);
    static const Entry& Declared(const Key& key);

    QHash<QString, QVariant> m_values; ///< by path, as the program uses them (passwords in clear)
    IProfileStore* m_pProfile = nullptr;
};
