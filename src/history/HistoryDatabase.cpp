#include "history/HistoryDatabase.h"

#include "document/DocumentFile.h"
#include "document/Windows1252.h"

#include <QAtomicInteger>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

/// SQLSTATE of a statement the role has no right to.
const QString kInsufficientPrivilege = QStringLiteral("42501");

/// The columns of a listing; the sets live in a table of their own.
const QString kSummaryColumns =
    QStringLiteral("id, uuid, time_utc, station, os_user, edition, program_version, operation, outcome, "
                   "message, typ, kennung, serial, tag");
const QString kAllColumns =
    kSummaryColumns + QStringLiteral(", trace_tail, words, detail, before_set, after_set");
const QString kWithSets = QStringLiteral("events LEFT JOIN event_sets ON event_sets.event_id = events.id");

QString NewConnectionName() {
    static QAtomicInteger<int> counter;
    return QStringLiteral("quillon-history-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString TimeText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

/// The stored time back: "2026-03-01T08:00:00.000Z" read field by field, as a listing reads thousands of
/// them and the general ISO reader costs a third of the listing's time.
QDateTime TimeOf(const QString& text) {
    const QStringView view(text);
    if (text.size() != 24 || !text.endsWith(QLatin1Char('Z'))) {
        return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
    }
    const auto number = [&view](qsizetype from, qsizetype length) { return view.mid(from, length).toInt(); };
    return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                     QTime(number(11, 2), number(14, 2), number(17, 2), number(20, 3)), Qt::UTC);
}

CHistoryEvent::Operation OperationOf(const QString& key) {
    for (int n = 0; n <= static_cast<int>(CHistoryEvent::Operation::Check); ++n) {
        const auto op = static_cast<CHistoryEvent::Operation>(n);
        if (HistoryOperationKey(op) == key) {
            return op;
        }
    }
    return CHistoryEvent::Operation::Receive;
}

CHistoryEvent::Outcome OutcomeOf(const QString& key) {
    for (const auto outcome :
         {CHistoryEvent::Outcome::Done, CHistoryEvent::Outcome::Failed, CHistoryEvent::Outcome::Cancelled}) {
        if (HistoryOutcomeKey(outcome) == key) {
            return outcome;
        }
    }
    return CHistoryEvent::Outcome::Failed;
}

QString WordsText(const QList<quint16>& words) {
    QStringList texts;
    for (const quint16 word : words) {
        texts.append(QString::number(word));
    }
    return texts.join(QLatin1Char(','));
}

QList<quint16> WordsOf(const QString& text) {
    QList<quint16> words;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        words.append(static_cast<quint16>(part.toUInt()));
    }
    return words;
}

/// A text column: never NULL, an empty text where the event has none.
QVariant Text(const QString& text) {
    return QVariant(text.isNull() ? QStringLiteral("") : text);
}

QVariant Blob(const std::optional<CParameterSatz>& satz) {
    return satz ? QVariant(CDocumentFile::Store(*satz)) : QVariant(QMetaType(QMetaType::QByteArray));
}

/// A row of kSummaryColumns (and, with bFull, the rest of kAllColumns).
CHistoryRecord RecordOf(const QSqlQuery& query, bool bFull) {
    CHistoryRecord record;
    CHistoryEvent& event = record.event;
    record.id = query.value(0).toLongLong();
    record.uuid = query.value(1).toString();
    event.timeUtc = TimeOf(query.value(2).toString());
    event.station = query.value(3).toString();
    event.user = query.value(4).toString();
    event.edition = query.value(5).toString();
    event.version = query.value(6).toString();
    event.operation = OperationOf(query.value(7).toString());
    event.outcome = OutcomeOf(query.value(8).toString());
    event.message = query.value(9).toString();
    event.nTyp = query.value(10).toInt();
    event.kennung = CWindows1252::FromUnicode(query.value(11).toString());
    event.seriennummer = CWindows1252::FromUnicode(query.value(12).toString());
    event.bezeichnung = CWindows1252::FromUnicode(query.value(13).toString());
    if (bFull) {
        const QString trace = query.value(14).toString();
        event.traceTail = trace.isEmpty() ? QStringList() : trace.split(QLatin1Char('\n'));
        event.words = WordsOf(query.value(15).toString());
        event.detailJson = query.value(16).toString();
        record.beforeFile = query.value(17).toByteArray();
        record.afterFile = query.value(18).toByteArray();
    }
    return record;
}

/// A filter text for LIKE: its own % and _ taken literally.
QString LikePattern(const QString& text) {
    QString escaped = text.toLower();
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace

CHistoryDatabase::CHistoryDatabase(Dialect dialect)
    : m_dialect(dialect)
    , m_connection(NewConnectionName()) {}

CHistoryDatabase::~CHistoryDatabase() {
    Close();
}

void CHistoryDatabase::Close() {
    if (!m_db.isValid()) {
        return;
    }
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

CHistoryDatabase::Opened CHistoryDatabase::Open(const QString& target, QString& error) {
    Close();
    const QString driver = m_dialect == Dialect::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        error = tr("Der Datenbanktreiber %1 fehlt (Paket %2).")
                    .arg(driver, m_dialect == Dialect::SQLite ? QStringLiteral("libqt6sql6-sqlite")
                                                              : QStringLiteral("libqt6sql6-psql"));
        return Opened::Unreachable;
    }
    m_db = QSqlDatabase::addDatabase(driver, m_connection);
    if (m_dialect == Dialect::SQLite) {
        m_db.setDatabaseName(target);
        return OpenSqlite(error);
    }
    // Without a time limit of its own a server that does not answer would hold up the operation that
    // records its event (libpq's shortest limit is 2 seconds).
    QString options = target;
    if (!options.contains(QStringLiteral("connect_timeout"))) {
        options += QStringLiteral(" connect_timeout=2");
    }
    m_db.setConnectOptions(options);
    return OpenServer(error);
}

CHistoryDatabase::Opened CHistoryDatabase::OpenSqlite(QString& error) {
    // A second program (the window beside quillon-cli) writing at the same moment waits its turn.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open()) {
        error = m_db.lastError().text();
        return Opened::Unreachable;
    }
    QSqlQuery query(m_db);
    // The file is read first here: a file that is no database fails on the first statement.
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        error = query.lastError().text();
        return Opened::Damaged;
    }
    if (query.value(0).toString() != QLatin1String("ok")) {
        error = query.value(0).toString();
        return Opened::Damaged;
    }
    if (!query.exec(QStringLiteral("PRAGMA application_id")) || !query.next()) {
        error = query.lastError().text();
        return Opened::Damaged;
    }
    const int applicationId = query.value(0).toInt();
    if (applicationId != CHistorySchema::kSqliteApplicationId) {
        if (applicationId != 0 || !m_db.tables(QSql::Tables).isEmpty()) {
            error = tr("Die Datei ist die Datenbank eines anderen Programms.");
            return Opened::Damaged;
        }
        query.exec(QStringLiteral("PRAGMA application_id = %1").arg(CHistorySchema::kSqliteApplicationId));
    }
    // The write-ahead log keeps a reader and a writer apart and costs one append per event; a program
    // killed during a write leaves the database as it was before that event.
    query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    // NORMAL: a commit waits for no disk flush (the log is flushed at its checkpoints), which keeps an
    // event's write within a few milliseconds; a killed program loses nothing committed, only a power
    // failure may lose the last events, and the database stays consistent either way.
    query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    return Prepare(error);
}

CHistoryDatabase::Opened CHistoryDatabase::OpenServer(QString& error) {
    if (!m_db.open()) {
        error = m_db.lastError().text();
        return Opened::Unreachable;
    }
    return Prepare(error);
}

CHistoryDatabase::Opened CHistoryDatabase::Prepare(QString& error) {
    const int version = CHistorySchema::Version(m_db);
    if (version < 0) {
        error = m_db.lastError().text();
        return Opened::Damaged;
    }
    if (version > CHistorySchema::kCurrentVersion) {
        error = tr("Die Datenbank stammt von einer neueren Programmversion (Schema %1).").arg(version);
        return Opened::Newer;
    }
    if (version == CHistorySchema::kCurrentVersion) {
        return Opened::Ready; // nothing to write: a read-only role gets this far
    }
    QSqlQuery query(m_db);
    // Several stations may open a new server at once: one sets the tables up, the others wait for it
    // and then find them there. SQLite takes its write lock at the start for the same reason.
    const bool bBegun = m_dialect == Dialect::SQLite
                            ? query.exec(QStringLiteral("BEGIN IMMEDIATE"))
                            : query.exec(QStringLiteral("BEGIN")) &&
                                  query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(5142484901)"));
    QString migrationError;
    if (bBegun && CHistorySchema::Migrate(m_db, m_dialect, CHistorySchema::kCurrentVersion, migrationError) &&
        query.exec(QStringLiteral("COMMIT"))) {
        return Opened::Ready;
    }
    error = bBegun ? migrationError : query.lastError().text();
    query.exec(QStringLiteral("ROLLBACK"));
    return Opened::Failed;
}

qint64 CHistoryDatabase::Insert(const CHistoryRecord& record, bool bPending, Written& result,
                                QString& error) {
    const CHistoryEvent& event = record.event;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral(
        "INSERT INTO events (uuid, time_utc, station, os_user, edition, program_version, operation, "
        "outcome, message, trace_tail, typ, kennung, serial, tag, words, detail, pending) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO NOTHING RETURNING "
        "id"));
    for (const QVariant& value :
         {Text(record.uuid), Text(TimeText(event.timeUtc)), Text(event.station), Text(event.user),
          Text(event.edition), Text(event.version), Text(HistoryOperationKey(event.operation)),
          Text(HistoryOutcomeKey(event.outcome)), Text(event.message),
          Text(event.traceTail.join(QLatin1Char('\n'))), QVariant(event.nTyp),
          Text(CWindows1252::ToUnicode(event.kennung)), Text(CWindows1252::ToUnicode(event.seriennummer)),
          Text(CWindows1252::ToUnicode(event.bezeichnung)), Text(WordsText(event.words)),
          Text(event.detailJson), QVariant(bPending ? 1 : 0)}) {
        query.addBindValue(value);
    }
    const QVariant before = record.beforeFile.isNull() ? Blob(event.before) : QVariant(record.beforeFile);
    const QVariant after = record.afterFile.isNull() ? Blob(event.after) : QVariant(record.afterFile);
    // One transaction per event: the event is in the database whole or not at all.
    if (!m_db.transaction()) {
        error = m_db.lastError().text();
        result =
            m_db.lastError().nativeErrorCode() == kInsufficientPrivilege ? Written::Denied : Written::Failed;
        return 0;
    }
    qint64 id = 0;
    bool bDone = query.exec();
    if (bDone && query.next()) {
        id = query.value(0).toLongLong();
        query.finish();
        if (!before.isNull() || !after.isNull()) {
            query.prepare(
                QStringLiteral("INSERT INTO event_sets (event_id, before_set, after_set) VALUES (?, ?, ?)"));
            query.addBindValue(id);
            query.addBindValue(before);
            query.addBindValue(after);
            bDone = query.exec();
        }
    } else if (bDone) {
        // Handed on before, the reply lost: the event is there already.
        QSqlQuery existing(m_db);
        existing.prepare(QStringLiteral("SELECT id FROM events WHERE uuid = ?"));
        existing.addBindValue(record.uuid);
        bDone = existing.exec() && existing.next();
        id = bDone ? existing.value(0).toLongLong() : 0;
    }
    const QSqlError failure = query.lastError();
    query.finish();
    if (bDone && m_db.commit()) {
        result = Written::Stored;
        return id;
    }
    error = failure.isValid() ? failure.text() : m_db.lastError().text();
    result = failure.nativeErrorCode() == kInsufficientPrivilege ? Written::Denied : Written::Failed;
    m_db.rollback();
    return 0;
}

QList<CHistoryRecord> CHistoryDatabase::Pending() const {
    QList<CHistoryRecord> records;
    QSqlQuery query(m_db);
    query.prepare(
        QStringLiteral("SELECT %1 FROM %2 WHERE pending = ? ORDER BY id").arg(kAllColumns, kWithSets));
    query.addBindValue(1);
    if (query.exec()) {
        while (query.next()) {
            records.append(RecordOf(query, true));
        }
    }
    return records;
}

int CHistoryDatabase::PendingCount() const {
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM events WHERE pending = ?"));
    query.addBindValue(1);
    return query.exec() && query.next() ? query.value(0).toInt() : 0;
}

bool CHistoryDatabase::Remove(qint64 id) {
    if (!m_db.transaction()) {
        return false;
    }
    QSqlQuery query(m_db);
    for (const QString& sql : {QStringLiteral("DELETE FROM event_sets WHERE event_id = ?"),
                               QStringLiteral("DELETE FROM events WHERE id = ?")}) {
        query.prepare(sql);
        query.addBindValue(id);
        if (!query.exec()) {
            m_db.rollback();
            return false;
        }
    }
    return m_db.commit();
}

QList<CHistoryTransmitter> CHistoryDatabase::Transmitters(const QString& filter) const {
    QString sql =
        // The tag is the last one the transmitter was seen with: an operation that does not read the tag
        // (a calibration record read) records none, and must not blank it in the list.
        QStringLiteral("SELECT serial, tag, typ, time_utc, n FROM (SELECT e.serial, "
                       "COALESCE((SELECT t.tag FROM events t WHERE t.serial = e.serial AND t.tag <> '' "
                       "ORDER BY t.id DESC LIMIT 1), '') AS tag, e.typ, e.time_utc, c.n FROM events e JOIN "
                       "(SELECT serial, MAX(id) AS last_id, COUNT(*) AS n FROM events GROUP BY serial) c "
                       "ON e.id = c.last_id) seen");
    if (!filter.isEmpty()) {
        sql += QStringLiteral(" WHERE LOWER(serial) LIKE ? ESCAPE '\\' OR LOWER(tag) LIKE ? ESCAPE '\\'");
    }
    sql += QStringLiteral(" ORDER BY time_utc DESC");
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(sql);
    if (!filter.isEmpty()) {
        query.addBindValue(LikePattern(filter));
        query.addBindValue(LikePattern(filter));
    }
    QList<CHistoryTransmitter> transmitters;
    if (query.exec()) {
        while (query.next()) {
            CHistoryTransmitter transmitter;
            transmitter.seriennummer = CWindows1252::FromUnicode(query.value(0).toString());
            transmitter.bezeichnung = CWindows1252::FromUnicode(query.value(1).toString());
            transmitter.nTyp = query.value(2).toInt();
            transmitter.lastSeenUtc =
                QDateTime::fromString(query.value(3).toString(), Qt::ISODateWithMs).toUTC();
            transmitter.nEvents = query.value(4).toLongLong();
            transmitters.append(transmitter);
        }
    }
    return transmitters;
}

QList<CHistoryRecord> CHistoryDatabase::Events(const CHistoryFilter& filter) const {
    QStringList conditions;
    if (filter.seriennummer) {
        conditions.append(QStringLiteral("serial = ?"));
    }
    if (filter.sinceUtc.isValid()) {
        conditions.append(QStringLiteral("time_utc >= ?"));
    }
    if (filter.operation) {
        conditions.append(QStringLiteral("operation = ?"));
    }
    // The detail follows the summary's columns, so that RecordOf reads the summary as ever.
    QString sql = QStringLiteral("SELECT %1%2 FROM events")
                      .arg(kSummaryColumns, filter.bWithDetail ? QStringLiteral(", detail") : QString());
    if (!conditions.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    }
    sql += QStringLiteral(" ORDER BY time_utc DESC, id DESC");
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(sql);
    if (filter.seriennummer) {
        query.addBindValue(CWindows1252::ToUnicode(*filter.seriennummer));
    }
    if (filter.sinceUtc.isValid()) {
        query.addBindValue(TimeText(filter.sinceUtc));
    }
    if (filter.operation) {
        query.addBindValue(HistoryOperationKey(*filter.operation));
    }
    const int nDetail = kSummaryColumns.count(QLatin1Char(',')) + 1;
    QList<CHistoryRecord> records;
    if (query.exec()) {
        while (query.next()) {
            records.append(RecordOf(query, false));
            if (filter.bWithDetail) {
                records.last().event.detailJson = query.value(nDetail).toString();
            }
        }
    }
    return records;
}

std::optional<CHistoryRecord> CHistoryDatabase::Event(qint64 id) const {
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE id = ?").arg(kAllColumns, kWithSets));
    query.addBindValue(id);
    if (!query.exec() || !query.next()) {
        return std::nullopt;
    }
    return RecordOf(query, true);
}

bool CHistoryDatabase::Alive() const {
    QSqlQuery query(m_db);
    return m_db.isOpen() && query.exec(QStringLiteral("SELECT 1"));
}
