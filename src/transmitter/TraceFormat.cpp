#include "transmitter/TraceFormat.h"

#include "core/FileProblem.h"
#include "transmitter/CommandSet.h"
#include "transmitter/Commands.h"

#include <QSaveFile>

namespace {

using Direction = CLinkTrace::Direction;
using Status = CLinkTrace::Status;

/// Tabs and line ends inside a cell would break the file's columns.
QString PrintableText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        text.append(u >= 0x20 && u < 0x7F ? QChar(u) : QChar(u'.'));
    }
    return text;
}

/// The KA71's lock code lies in its parameter image as the word at byte 16 (low byte first). A block
/// write carries the address of its first byte as two hex digits, then two hex digits per byte. A row does
/// not know the area or the type its block belongs to, so those two bytes are hidden in every block write
/// that covers them: a few digits of another image are lost to the trace, the password never shows.
constexpr int kSperrcodeByte = 16;
constexpr int kSperrcodeLaenge = 2;

/// Whether a payload character of the entry carries the lock code.
bool IsSperrcodeZeichen(const CLinkTrace::Entry& entry, const QByteArray& payload, qsizetype i) {
    if (entry.direction != Direction::Tx || entry.command != Cmd::SpeicherBlock || i < 2) {
        return false;
    }
    bool bOk = false;
    const int nAdresse = static_cast<int>(payload.left(2).toUInt(&bOk, 16));
    const qsizetype nByte = nAdresse + (i - 2) / 2;
    return bOk && nByte >= kSperrcodeByte && nByte < kSperrcodeByte + kSperrcodeLaenge;
}

QString DirectionText(Direction direction) {
    switch (direction) {
    case Direction::Tx:
        return QStringLiteral("TX");
    case Direction::Rx:
        return QStringLiteral("RX");
    case Direction::Event:
        return QStringLiteral("--");
    }
    return QString();
}

} // namespace

QStringList CTraceFormat::Headers() {
    return {tr("Zeit"),      tr("Richtung"),   tr("Befehl"),    tr("Titel"),
            tr("Daten hex"), tr("Daten Text"), tr("Prüfsumme"), tr("Hinweis")};
}

bool CTraceFormat::IsSecret(const CLinkTrace::Entry& entry) {
    switch (entry.direction) {
    case Direction::Tx:
        return entry.command == Cmd::SetTastatursperre;
    case Direction::Rx:
        return entry.command == Cmd::GetTastatursperre;
    case Direction::Event:
        return false;
    }
    return true;
}

QByteArray CTraceFormat::Payload(const CLinkTrace::Entry& entry) {
    const QByteArray& bytes = entry.bytes;
    if (entry.direction == Direction::Event || bytes.size() < 2) {
        return QByteArray();
    }
    const bool bWhole = entry.status == Status::Ok || entry.status == Status::Echo ||
                        entry.status == Status::Late || entry.status == Status::Stale;
    // A request: STX, length, command, payload, sum, ETX. A reply: STX, length, data, sum, ETX.
    const qsizetype nStart = entry.direction == Direction::Tx ? 3 : 2;
    const qsizetype nEnd = bWhole ? bytes.size() - 2 : bytes.size();
    return nEnd > nStart ? bytes.mid(nStart, nEnd - nStart) : QByteArray();
}

QStringList CTraceFormat::Row(const CLinkTrace::Entry& entry) {
    QStringList row;
    row.reserve(kColumnCount);
    row << entry.time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    row << DirectionText(entry.direction);
    row << QStringLiteral("%1").arg(entry.command, 2, 16, QLatin1Char('0')).toUpper();
    const CCommandSet::Command* command = CCommandSet::Find(entry.command);
    row << (command != nullptr ? QString::fromUtf8(command->title) : tr("unbekannt"));
    const QByteArray payload = Payload(entry);
    if (IsSecret(entry) && !payload.isEmpty()) {
        row << tr("(verborgen)") << tr("(verborgen)");
    } else {
        QStringList hex;
        QByteArray text = payload;
        for (qsizetype i = 0; i < payload.size(); ++i) {
            const bool bSecret = IsSperrcodeZeichen(entry, payload, i);
            hex << (bSecret ? QStringLiteral("**")
                            : QString::fromLatin1(payload.mid(i, 1).toHex()).toUpper());
            text[i] = bSecret ? '*' : payload.at(i);
        }
        row << hex.join(QLatin1Char(' ')) << PrintableText(text);
    }
    QString pruefsumme;
    QString hinweis;
    switch (entry.status) {
    case Status::Ok:
        pruefsumme = entry.direction == Direction::Rx ? tr("ok") : QString();
        break;
    case Status::ChecksumWrong:
        pruefsumme = tr("falsch");
        hinweis = tr("Antwort verworfen");
        break;
    case Status::NoEtx:
        pruefsumme = tr("ok");
        hinweis = tr("Antwort verworfen: kein ETX");
        break;
    case Status::BadLength:
        hinweis = tr("Antwort verworfen: Längenbyte ungültig");
        break;
    case Status::Timeout:
        hinweis = tr("Zeitüberschreitung: keine Antwort");
        break;
    case Status::Cancelled:
        hinweis = tr("Warten abgebrochen");
        break;
    case Status::Retry:
        hinweis = tr("Wiederholung nach Versuch %1").arg(entry.nAttempt);
        break;
    case Status::Echo:
        pruefsumme = tr("ok");
        hinweis = tr("Echo der Anfrage verworfen");
        break;
    case Status::Late:
        pruefsumme = tr("ok");
        hinweis = tr("Verspätete Antwort auf eine frühere Anfrage verworfen");
        break;
    case Status::Stale:
        pruefsumme = tr("ok");
        hinweis = tr("Antwort passt nicht zur Anfrage: veraltete Antwort verworfen");
        break;
    }
    row << pruefsumme << hinweis;
    return row;
}

QString CTraceFormat::Text(const QList<CLinkTrace::Entry>& entries, const QString& programVersion) {
    QString text;
    text += QStringLiteral("# Quillon %1\n").arg(tr("Verbindungsprotokoll"));
    text += QStringLiteral("# %1 %2\n").arg(tr("Programmversion"), programVersion);
    text += QStringLiteral("# %1 %2\n")
                .arg(tr("Gespeichert"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    text += QStringLiteral("# %1 %2\n").arg(tr("Einträge")).arg(entries.size());
    text += Headers().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const CLinkTrace::Entry& entry : entries) {
        text += Row(entry).join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QStringList CTraceFormat::Tail(const CLinkTrace& trace, quint64 nAfter, int nCount) {
    const QList<CLinkTrace::Entry> entries = trace.EntriesAfter(nAfter);
    QStringList rows;
    for (qsizetype i = qMax<qsizetype>(0, entries.size() - nCount); i < entries.size(); ++i) {
        rows.append(Row(entries.at(i)).join(QLatin1Char('\t')));
    }
    return rows;
}

bool CTraceFormat::Save(const QString& path, const QList<CLinkTrace::Entry>& entries,
                        const QString& programVersion, QString& error) {
    QSaveFile file(path);
    const QByteArray bytes = Text(entries, programVersion).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = CFileProblem::Reason(file, path, CFileProblem::Zugriff::Schreiben);
        return false;
    }
    return true;
}
