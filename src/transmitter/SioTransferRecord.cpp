#include "transmitter/SioTransferRecord.h"

#include "document/Windows1252.h"

namespace {

constexpr int kFirstData = 2;

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
    record.sentText = DataText(request);
    record.receivedHex = HexBytes(reply);
    record.receivedText = DataText(reply);
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

QString CSioTransferRecord::DataText(const QByteArray& frame) {
    const qsizetype end = qMin<qsizetype>(frame.size(), LengthByte(frame));
    if (end <= kFirstData) {
        return QString();
    }
    return CWindows1252::ToUnicode(QByteArrayView(frame).sliced(kFirstData, end - kFirstData));
}
