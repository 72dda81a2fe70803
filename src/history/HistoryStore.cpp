#include "history/HistoryStore.h"

#include "core/Operator.h"
#include "history/HistoryDatabase.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace {

constexpr auto kInMemory = ":memory:";

/// Renames a damaged database file (and its log beside it) to a free name; the new name, or empty when
/// it could not be renamed.
QString MoveAside(const QString& path) {
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    }
    if (!QFile::rename(path, target)) {
        return QString();
    }
    // The log belongs to the damaged file: left behind it would be applied to the new one.
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path + suffix)) {
            QFile::rename(path + suffix, target + suffix);
        }
    }
    return target;
}

} // namespace

CHistoryStore::CHistoryStore(IOperator& op, CHistoryStation station)
    : m_operator(op)
    , m_station(std::move(station)) {}

CHistoryStore::~CHistoryStore() = default;

bool CHistoryStore::Open(const CHistoryLocation& location) {
    m_location = location;
    m_server.reset();
    m_local = std::make_unique<CHistoryDatabase>(CHistoryDatabase::Dialect::SQLite);
    const QString& path = location.localPath;
    if (path != QLatin1String(kInMemory)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
    }
    QString error;
    CHistoryDatabase::Opened opened = m_local->Open(path, error);
    if (opened == CHistoryDatabase::Opened::Damaged) {
        m_local->Close();
        const QString aside = MoveAside(path);
        if (aside.isEmpty()) {
            Tell(
                tr("Die Verlaufsdatenbank %1 ist beschädigt oder gehört einem anderen Programm (%2) und kann "
                   "nicht umbenannt werden. Das Programm arbeitet ohne Verlauf.")
                    .arg(QDir::toNativeSeparators(path), error));
            m_local.reset();
            return false;
        }
        Tell(tr("Die Verlaufsdatenbank %1 ist beschädigt oder gehört einem anderen Programm (%2). Sie wurde "
                "in %3 umbenannt; ein neuer Verlauf beginnt.")
                 .arg(QDir::toNativeSeparators(path), error, QDir::toNativeSeparators(aside)));
        opened = m_local->Open(path, error);
    }
    if (opened != CHistoryDatabase::Opened::Ready) {
        Tell(
            tr("Die Verlaufsdatenbank %1 kann nicht benutzt werden (%2). Das Programm arbeitet ohne Verlauf.")
                .arg(QDir::toNativeSeparators(path), error));
        m_local.reset();
    }
    if (location.UsesServer() && OpenServer()) {
        HandOver();
    }
    return IsOpen();
}

bool CHistoryStore::IsOpen() const {
    return m_local != nullptr || m_server != nullptr;
}

QString CHistoryStore::LocalPath() const {
    return m_local ? m_location.localPath : QString();
}

bool CHistoryStore::IsServerConnected() const {
    return m_server != nullptr;
}

bool CHistoryStore::OpenServer() {
    m_sinceServerTry.start();
    auto server = std::make_unique<CHistoryDatabase>(CHistoryDatabase::Dialect::PostgreSQL);
    QString error;
    const CHistoryDatabase::Opened opened = server->Open(m_location.server, error);
    if (opened == CHistoryDatabase::Opened::Ready) {
        m_server = std::move(server);
        m_bToldUnreachable = false;
        return true;
    }
    if (opened == CHistoryDatabase::Opened::Unreachable) {
        if (!m_bToldUnreachable) {
            Tell(tr("Der Verlaufsserver ist nicht erreichbar (%1). Die Ereignisse bleiben auf diesem PC und "
                    "werden weitergegeben, sobald er wieder erreichbar ist.")
                     .arg(error.trimmed()));
            m_bToldUnreachable = true;
        }
    } else {
        // Tables of a newer program, or none and no right to create them: this run keeps events here.
        Tell(tr("Der Verlaufsserver kann nicht benutzt werden (%1). Die Ereignisse bleiben auf diesem PC.")
                 .arg(error));
        m_bServerReadOnly = true;
    }
    return false;
}

void CHistoryStore::ServerRefused(CHistoryDatabase::Written written, const QString& error) {
    if (written == CHistoryDatabase::Written::Denied) {
        Tell(tr("Die Rolle dieses Arbeitsplatzes darf auf dem Verlaufsserver nicht schreiben (%1). Die "
                "Ereignisse bleiben auf diesem PC.")
                 .arg(error.trimmed()));
        m_bServerReadOnly = true;
    } else if (!m_server->Alive()) {
        LoseServer();
    }
}

void CHistoryStore::LoseServer() {
    m_server.reset();
    m_sinceServerTry.start();
    if (!m_bToldUnreachable) {
        Tell(tr("Die Verbindung zum Verlaufsserver ist unterbrochen. Die Ereignisse bleiben auf diesem PC "
                "und werden weitergegeben, sobald er wieder erreichbar ist."));
        m_bToldUnreachable = true;
    }
}

qint64 CHistoryStore::Record(const CHistoryEvent& event) {
    CHistoryRecord record;
    record.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    record.event = event;
    CHistoryEvent& filled = record.event;
    if (!filled.timeUtc.isValid()) {
        filled.timeUtc = QDateTime::currentDateTimeUtc();
    }
    for (auto [field, value] :
         {std::pair{&filled.station, &m_station.station}, std::pair{&filled.user, &m_station.user},
          std::pair{&filled.edition, &m_station.edition}, std::pair{&filled.version, &m_station.version}}) {
        if (field->isEmpty()) {
            *field = *value;
        }
    }
    const bool bServer = m_location.UsesServer() && !m_bServerReadOnly;
    if (bServer && m_server == nullptr &&
        (!m_sinceServerTry.isValid() || m_sinceServerTry.hasExpired(kRetryIntervalMs))) {
        OpenServer();
    }
    if (bServer && m_server != nullptr) {
        HandOver(); // the waiting ones first, so that the server gets them in their order
    }
    QString error;
    CHistoryDatabase::Written written = CHistoryDatabase::Written::Failed;
    if (bServer && m_server != nullptr && !m_bServerReadOnly) {
        if (const qint64 id = m_server->Insert(record, false, written, error); id != 0) {
            return id;
        }
        ServerRefused(written, error);
    }
    if (m_local == nullptr) {
        return 0;
    }
    const qint64 id = m_local->Insert(record, m_location.UsesServer(), written, error);
    if (id == 0 && !m_bToldLocalFailure) {
        m_bToldLocalFailure = true;
        Tell(tr("Das Ereignis kann nicht im Verlauf gespeichert werden: %1").arg(error));
    }
    return id;
}

int CHistoryStore::HandOver() {
    if (!m_location.UsesServer() || m_bServerReadOnly || m_local == nullptr) {
        return 0;
    }
    if (m_server == nullptr && !OpenServer()) {
        return 0;
    }
    int handed = 0;
    for (const CHistoryRecord& record : m_local->Pending()) {
        QString error;
        CHistoryDatabase::Written written = CHistoryDatabase::Written::Failed;
        if (m_server->Insert(record, false, written, error) == 0) {
            ServerRefused(written, error);
            break;
        }
        // Should the program end here, the next hand-over finds the event on the server by its id.
        m_local->Remove(record.id);
        ++handed;
    }
    return handed;
}

int CHistoryStore::PendingCount() const {
    return m_location.UsesServer() && m_local != nullptr ? m_local->PendingCount() : 0;
}

CHistoryDatabase* CHistoryStore::Reader() const {
    return m_server != nullptr ? m_server.get() : m_local.get();
}

QList<CHistoryTransmitter> CHistoryStore::Transmitters(const QString& filter) const {
    return Reader() != nullptr ? Reader()->Transmitters(filter) : QList<CHistoryTransmitter>();
}

QList<CHistoryRecord> CHistoryStore::Events(const CHistoryFilter& filter) const {
    return Reader() != nullptr ? Reader()->Events(filter) : QList<CHistoryRecord>();
}

std::optional<CHistoryRecord> CHistoryStore::Event(qint64 id) const {
    return Reader() != nullptr ? Reader()->Event(id) : std::nullopt;
}

void CHistoryStore::Tell(const QString& text) const {
    m_operator.Message(text, QString(), IOperator::Icon::Warning);
}
