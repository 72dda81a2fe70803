#pragma once

#include <QByteArray>
#include <QString>

/// The measured-value log file: only ever appended to, one whole line at a time. Each line goes to the
/// file in a single write at its end, so an interrupted program (Ctrl+C, a crash between samples) never
/// leaves half a line; if the disk takes only part of a line, that part is cut off again.
class CLogDatei {
public:
    /// Appends the bytes to the file, creating it when missing. False when the file cannot be opened or
    /// the line could not be written whole (the file then ends as before).
    static bool Append(const QString& path, const QByteArray& line);
};
