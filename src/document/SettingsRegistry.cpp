#include "document/SettingsRegistry.h"

#include "core/ProgramError.h"
#include "document/Einstellungen.h"
#include "document/ProfileStore.h"

#include <algorithm>

const QString CSettingsRegistry::kSettings = QStringLiteral("Settings");
const QString CSettingsRegistry::kPorts = QStringLiteral("Ports");
const QString CSettingsRegistry::kLogging = QStringLiteral("Logging");
const QString CSettingsRegistry::kRecentFiles = QStringLiteral("Recent File List");
const QString CSettingsRegistry::kHistory = QStringLiteral("History");
const QString CSettingsRegistry::kCheck = QStringLiteral("Check");

const CSettingsRegistry::Key CSettingsRegistry::kPsw{kSettings, QStringLiteral("Psw")};
const CSettingsRegistry::Key CSettingsRegistry::kCom{kSettings, QStringLiteral("COM")};
const CSettingsRegistry::Key CSettingsRegistry::kLanguage{kSettings, QStringLiteral("Language")};
const CSettingsRegistry::Key CSettingsRegistry::kLogFile{kSettings, QStringLiteral("LogFile")};
const CSettingsRegistry::Key CSettingsRegistry::kLogIntervall{kSettings, QStringLiteral("LogIntervall")};
const CSettingsRegistry::Key CSettingsRegistry::kLogStatus{kSettings, QStringLiteral("LogStatus")};
const CSettingsRegistry::Key CSettingsRegistry::kLinTabOption{kSettings, QStringLiteral("LinTabOption")};
const CSettingsRegistry::Key CSettingsRegistry::kTransmitterVersion{kSettings,
                                                                    QStringLiteral("TransmitterVersion")};
const CSettingsRegistry::Key CSettingsRegistry::kInterfaceVersion{kSettings,
                                                                  QStringLiteral("InterfaceVersion")};
const CSettingsRegistry::Key CSettingsRegistry::kShowHardwareSetup{kSettings,
                                                                   QStringLiteral("ShowHardwareSetup")};
const CSettingsRegistry::Key CSettingsRegistry::kStartupHinweis{kSettings, QStringLiteral("StartupHinweis")};
const CSettingsRegistry::Key CSettingsRegistry::kVerifyAfterSend{kSettings,
                                                                 QStringLiteral("VerifyAfterSend")};
const CSettingsRegistry::Key CSettingsRegistry::kHistoryBackend{kHistory, QStringLiteral("Backend")};
const CSettingsRegistry::Key CSettingsRegistry::kHistoryDatabase{kHistory, QStringLiteral("Database")};
const CSettingsRegistry::Key CSettingsRegistry::kHistoryServer{kHistory, QStringLiteral("Server")};
const CSettingsRegistry::Key CSettingsRegistry::kHistoryStation{kHistory, QStringLiteral("Station")};
const CSettingsRegistry::Key CSettingsRegistry::kCheckTolerance{kCheck, QStringLiteral("Tolerance")};
const CSettingsRegistry::Key CSettingsRegistry::kCheckIntervalDays{kCheck, QStringLiteral("IntervalDays")};
const CSettingsRegistry::Key CSettingsRegistry::kCheckReferences{kCheck, QStringLiteral("References")};

namespace {

using Entry = CSettingsRegistry::Entry;
using Kind = CSettingsRegistry::Kind;
using Accept = CSettingsRegistry::Accept;
using Saved = CSettingsRegistry::Saved;

Entry Number(const CSettingsRegistry::Key& key, int nDefault, Accept accept = Accept::Any, int nMin = 0,
             int nMax = 0, Saved saved = Saved::AtEnd) {
    return Entry{key, Kind::Int, nDefault, accept, nMin, nMax, saved};
}

Entry Text(const CSettingsRegistry::Key& key, Kind kind = Kind::Text, Saved saved = Saved::AtEnd,
           const QString& initial = QString()) {
    return Entry{key, kind, initial, Accept::Any, 0, 0, saved};
}

QList<Entry> Declare() {
    using R = CSettingsRegistry;
    // The group "Settings" in the order the earlier program read and wrote it; "VerifyAfterSend" is
    // Quillon's own. The type is taken without a check, as the type catalogue judges it where it is used.
    QList<Entry> entries = {
        Text(R::kPsw, Kind::Password),
        Number(R::kCom, 0),
        Number(R::kLanguage, 0, Accept::Range, 0, 1),
        Text(R::kLogFile),
        Number(R::kLogIntervall, 2, Accept::Range, R::kLogIntervallMin, R::kLogIntervallMax),
        Number(R::kLogStatus, 0),
        Number(R::kLinTabOption, 1, Accept::Range, 0, 1),
        Number(R::kTransmitterVersion, 2),
        Number(R::kInterfaceVersion, 1),
        Number(R::kShowHardwareSetup, 1),
        Number(R::kStartupHinweis, 1),
        Number(R::kVerifyAfterSend, 0, Accept::Flag),
    };
    for (int n = 1; n <= R::kPortCount; ++n) {
        entries.append(Text(R::PortPin(n), Kind::Text, Saved::Never));
    }
    for (const QString& category : R::LoggingCategories()) {
        entries.append(Number(R::LoggingSwitch(category), 0, Accept::Range, 0, 1, Saved::AtOnce));
    }
    for (int i = 0; i < R::kRecentFileCount; ++i) {
        entries.append(Text(R::RecentFile(i)));
    }
    // Written at once: the window takes a new place for the history without a restart, and
    // quillon-cli on the same station must find the events there too.
    entries.append(Number(R::kHistoryBackend, R::kHistoryLocal, Accept::Range, R::kHistoryLocal,
                          R::kHistoryServerBackend, Saved::AtOnce));
    entries.append(Text(R::kHistoryDatabase, Kind::Text, Saved::AtOnce));
    entries.append(Text(R::kHistoryServer, Kind::Text, Saved::AtOnce));
    entries.append(Text(R::kHistoryStation, Kind::Text, Saved::AtOnce));
    // Written at once: a reference instrument added at one check is offered at the next, also when the
    // program ends abnormally in between.
    entries.append(Text(R::kCheckTolerance, Kind::Text, Saved::AtOnce, QStringLiteral("0.25")));
    entries.append(Number(R::kCheckIntervalDays, 365, Accept::Range, R::kCheckIntervalMin,
                          R::kCheckIntervalMax, Saved::AtOnce));
    entries.append(Text(R::kCheckReferences, Kind::Text, Saved::AtOnce));
    return entries;
}

} // namespace

CSettingsRegistry::Key CSettingsRegistry::PortPin(int nComNumber) {
    return {kPorts, QStringLiteral("COM%1").arg(nComNumber)};
}

CSettingsRegistry::Key CSettingsRegistry::RecentFile(int nIndex) {
    return {kRecentFiles, QStringLiteral("File%1").arg(nIndex + 1)};
}

CSettingsRegistry::Key CSettingsRegistry::LoggingSwitch(const QString& category) {
    return {kLogging, category};
}

QStringList CSettingsRegistry::LoggingCategories() {
    return {QStringLiteral("quillon.link"), QStringLiteral("quillon.transmitter"),
            QStringLiteral("quillon.document"), QStringLiteral("quillon.sim")};
}

const QList<CSettingsRegistry::Entry>& CSettingsRegistry::Entries() {
    static const QList<Entry> entries = Declare();
    return entries;
}

const CSettingsRegistry::Entry* CSettingsRegistry::Find(const Key& key) {
    const QList<Entry>& entries = Entries();
    const auto it = std::find_if(entries.begin(), entries.end(), [&key](const Entry& entry) {
        return entry.key.group == key.group && entry.key.name == key.name;
    });
    return it == entries.end() ? nullptr : &*it;
}

const CSettingsRegistry::Entry& CSettingsRegistry::Declared(const Key& key) {
    const Entry* entry = Find(key);
    if (entry == nullptr) {
        throw CProgramError("undeclared setting " + key.Path().toStdString());
    }
    return *entry;
}

bool CSettingsRegistry::IsPassword(const QString& group, const QString& name) {
    const Entry* entry = Find({group, name});
    return entry != nullptr && entry->kind == Kind::Password;
}

CSettingsRegistry::CSettingsRegistry() {
    for (const Entry& entry : Entries()) {
        m_values.insert(entry.key.Path(), entry.initial);
    }
}

int CSettingsRegistry::Int(const Key& key) const {
    return m_values.value(Declared(key).key.Path()).toInt();
}

QString CSettingsRegistry::Text(const Key& key) const {
    return m_values.value(Declared(key).key.Path()).toString();
}

std::optional<QVariant> CSettingsRegistry::Accepted(const Entry& entry, const QVariant& value) {
    if (entry.kind != Kind::Int) {
        return QVariant(value.toString());
    }
    bool bNumber = false;
    const int n = value.toInt(&bNumber);
    if (!bNumber) {
        return std::nullopt;
    }
    switch (entry.accept) {
    case Accept::Any:
        break;
    case Accept::Range:
        if (n < entry.nMin || n > entry.nMax) {
            return std::nullopt;
        }
        break;
    case Accept::Flag:
        return QVariant(n != 0 ? 1 : 0);
    }
    return QVariant(n);
}

QVariant CSettingsRegistry::Stored(const Entry& entry, const QVariant& value) {
    return entry.kind == Kind::Password ? QVariant(CEinstellungen::ScrambleText(value.toString())) : value;
}

bool CSettingsRegistry::Set(const Key& key, const QVariant& value) {
    const Entry& entry = Declared(key);
    const std::optional<QVariant> accepted = Accepted(entry, value);
    if (!accepted) {
        return false;
    }
    m_values.insert(entry.key.Path(), *accepted);
    if (entry.saved == Saved::AtOnce && m_pProfile != nullptr) {
        m_pProfile->SetValue(entry.key.group, entry.key.name, Stored(entry, *accepted));
    }
    return true;
}

void CSettingsRegistry::Load(IProfileStore& profile) {
    m_pProfile = &profile;
    for (const Entry& entry : Entries()) {
        QVariant stored = profile.Value(entry.key.group, entry.key.name);
        if (entry.kind == Kind::Password && stored.isValid()) {
            stored = CEinstellungen::ScrambleText(stored.toString()); // the same step turns it back
        }
        const std::optional<QVariant> accepted =
            stored.isValid() ? Accepted(entry, stored) : std::optional<QVariant>();
        m_values.insert(entry.key.Path(), accepted.value_or(entry.initial));
    }
}

void CSettingsRegistry::Save(IProfileStore& profile) const {
    for (const Entry& entry : Entries()) {
        if (entry.saved == Saved::AtEnd) {
            profile.SetValue(entry.key.group, entry.key.name,
                             Stored(entry, m_values.value(entry.key.Path())));
        }
    }
}

QMap<int, QString> CSettingsRegistry::PortPins() const {
    QMap<int, QString> pins;
    for (int n = 1; n <= kPortCount; ++n) {
        if (const QString path = Text(PortPin(n)); !path.isEmpty()) {
            pins.insert(n, path);
        }
    }
    return pins;
}

QList<std::pair<QString, QString>> CSettingsRegistry::ValuesWithoutPasswords() const {
    QList<std::pair<QString, QString>> values;
    for (const Entry& entry : Entries()) {
        if (entry.kind != Kind::Password) {
            values.append({entry.key.Path(), m_values.value(entry.key.Path()).toString()});
        }
    }
    return values;
}
