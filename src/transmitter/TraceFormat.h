#pragma once

#include "link/LinkTrace.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

/// The link trace as people read it: one row per entry with time, direction, command byte and its title
/// from the command set, the payload in hex and as text, the checksum state and a note for time-outs and
/// repeated attempts. The window's table and the trace file ("Speichern...", `quillon-cli --trace`, the
/// problem report) are both made here, so the file says exactly what the window shows.
///
/// The transmitter's lock code doubles as its password on the types that take one: the payload of its
/// write and the data of its read are never shown, in any column, whatever the type.
class CTraceFormat {
    Q_DECLARE_TR_FUNCTIONS(CTraceFormat)

public:
    enum Column { Zeit, Richtung, Befehl, Titel, DatenHex, DatenText, Pruefsumme, Hinweis, kColumnCount };

    static QStringList Headers();
    static QStringList Row(const CLinkTrace::Entry& entry);
    /// The data of a frame without framing: a request's payload after its command byte, a reply's data
    /// characters; for a dropped reply the bytes after the length byte that arrived.
    static QByteArray Payload(const CLinkTrace::Entry& entry);
    /// Whether the entry's data are a password and must not be shown.
    static bool IsSecret(const CLinkTrace::Entry& entry);
    /// The trace file: a few header lines starting with '#', then the header row and one row per entry,
    /// the columns separated by tabs, lines ended by LF, UTF-8.
    static QString Text(const QList<CLinkTrace::Entry>& entries, const QString& programVersion);
    /// The last nCount entries recorded after the one numbered nAfter, one row each with its columns
    /// separated by tabs: what went wrong on the line, kept with a failure in the device history.
    static QStringList Tail(const CLinkTrace& trace, quint64 nAfter, int nCount);
    /// Writes Text() to path, replacing a file there only when the whole text was written.
    static bool Save(const QString& path, const QList<CLinkTrace::Entry>& entries,
                     const QString& programVersion, QString& error);
};
