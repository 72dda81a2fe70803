#include "transmitter/SioTransferRecord.h"

#include "document/Windows1252.h"

namespace {

constexpr int kFirstData = 2;

/// The names of the ASCII control bytes 0x00 to 0x1F.
constexpr const char* kControlNames[] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                         "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                         "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                         "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
constexpr quint8 kDel = 0x7F;
constexpr quint8 kFirstPrintable = 0x20;

QString ByteName(quint8 value) {
    if (value < kFirstPrintable) {
        return QLatin1Char('<') + QLatin1StringView(kControlNames[value]) + QLatin1Char('>');
    }
    if (value == kDel) {
        return QStringLiteral("<DEL>");
    }
    return QString::asprintf("<%02X>", value);
}

/// The length byte of a frame; 0 when there is none.
int LengthByte(const QByteArray& frame) {
    return frame.size() > 1 ? static_cast<quint8>(frame.at(1)) : 0;
}

} // namespace

CSioTransferRecord CSioTransferRecord::FromExchange(const QString& caption, const QByteArray& request,
                                                    const QByteArray& reply, bool bOk) {
    CSioTransferRecord record;
    record.caption = caption;
    if (!bOk) {
        record.receivedHex = QStringLiteral("FAIL");
        return record;
    }
    record.sentHex = HexBytes(request);
    record.sentText = DataText(request, true);
    record.receivedHex = HexBytes(reply);
    record.receivedText = DataText(reply, false);
    return record;
}

QString CSioTransferRecord::HexBytes(const QByteArray& frame) {
    const qsizetype count = qMin<qsizetype>(frame.size(), LengthByte(frame) + 2);
    QString text;
    for (qsizetype i = 0; i < count; ++i) {
        text += QString::asprintf("%02x ", static_cast<quint8>(frame.at(i)));
    }
    return text;
}

QString CSioTransferRecord::DataText(const QByteArray& frame, bool bRequest) {
    const qsizetype end = qMin<qsizetype>(frame.size(), LengthByte(frame));
    if (end <= kFirstData) {
        return QString();
    }
    return Readable(QByteArrayView(frame).sliced(kFirstData, end - kFirstData), bRequest);
}

QString CSioTransferRecord::Readable(QByteArrayView bytes, bool bCommandFirst) {
    QString text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto value = static_cast<quint8>(bytes.at(i));
        const bool bAscii = value >= kFirstPrintable && value < kDel;
        const QString shown = CWindows1252::ToUnicode(bytes.sliced(i, 1));
        const bool bText = bAscii || (!(bCommandFirst && i == 0) && value > kDel && shown.at(0).isPrint() &&
                                      shown.at(0) != QChar::Nbsp);
        text += bText ? shown : ByteName(value);
    }
    return text;
}
