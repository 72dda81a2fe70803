#pragma once

#include <QByteArray>
#include <QString>

/// What the dialog "Sio-Transfer" shows of one exchange: the request frame and the reply frame, each as
/// hex bytes ("%02x " per byte, the whole frame) and as the text of its data (command byte and payload,
/// respectively the reply's data). A failed exchange shows "FAIL" in the received-frame field only.
struct CSioTransferRecord {
    QString caption;
    QString sentHex;
    QString sentText;
    QString receivedHex;
    QString receivedText;

    static CSioTransferRecord FromExchange(const QString& caption, const QByteArray& request,
                                           const QByteArray& reply, bool bOk);
    /// "%02x " of the L + 2 bytes of a frame (fewer when the frame is shorter than its length byte says).
    static QString HexBytes(const QByteArray& frame);
    /// Frame positions 2 to L - 1 as text: the request's command byte and the reply's data.
    static QString DataText(const QByteArray& frame, bool bRequest);
    /// Bytes a technician can read: text characters as they are, control bytes by name ("<STX>") and
    /// any other byte in hex ("<81>"). A command byte counts as text only when it is printable ASCII,
    /// since 0x84 or 0xF0 are command codes, not the characters "„" or "ð".
    static QString Readable(QByteArrayView bytes, bool bCommandFirst);
};
