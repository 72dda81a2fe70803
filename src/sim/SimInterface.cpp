#include "sim/SimInterface.h"

#include "base/Utils.h"
#include "core/Logging.h"

CSimInterface::CSimInterface(Kind kind)
    : m_kind(kind) {}

CSimInterface::Kind CSimInterface::GetKind() const {
    return m_kind;
}

void CSimInterface::SetKind(Kind kind) {
    m_kind = kind;
}

QString CSimInterface::KindName(Kind kind) {
    return kind == Kind::PL45 ? QStringLiteral("pl45") : QStringLiteral("pl40");
}

std::optional<CSimInterface::Kind> CSimInterface::ParseKind(const QString& name) {
    if (name.compare(QLatin1String("pl45"), Qt::CaseInsensitive) == 0) {
        return Kind::PL45;
    }
    if (name.compare(QLatin1String("pl40"), Qt::CaseInsensitive) == 0) {
        return Kind::PL40;
    }
    return std::nullopt;
}

CSimInterface::Info& CSimInterface::GetInfo() {
    return m_info;
}

const CSimInterface::Info& CSimInterface::GetInfo() const {
    return m_info;
}

int CSimInterface::Mode() const {
    return m_nMode;
}

void CSimInterface::SetMode(int nMode) {
    m_nMode = nMode;
}

void CSimInterface::SetRejectMode(bool bReject) {
    m_bRejectMode = bReject;
}

bool CSimInterface::OwnsCommand(quint8 command) const {
    return m_kind == Kind::PL45 && (command == kInfoCommand || command == kModeCommand);
}

std::optional<QByteArray> CSimInterface::Answer(quint8 command, const QByteArray& payload) {
    if (command == kInfoCommand) {
        return InfoReply();
    }
    if (command == kModeCommand) {
        return ModeReply(payload);
    }
    return std::nullopt;
}

int CSimInterface::AnswerDelayMs(quint8 command) const {
    return command == kModeCommand ? kModeSwitchMs : 0;
}

QByteArray CSimInterface::InfoReply() const {
    // Hex bytes and words in replies are written most significant digit first.
    QByteArray data = CUtils::ByteToHex(m_info.byte1) + CUtils::ByteToHex(m_info.byte2) +
                      CUtils::ByteToHex(m_info.firmware);
    for (const quint16 word : m_info.words) {
        data += CUtils::WordToHexHighFirst(word);
    }
    data += static_cast<char>('0' + qBound(0, m_info.digit, 9));
    return data;
}

QByteArray CSimInterface::ModeReply(const QByteArray& payload) {
    bool ok = payload.size() == 4;
    const int nMode = ok ? payload.left(2).toInt(&ok) : 0;
    const bool bKnown = ok && (nMode == 0 || nMode == 5);
    if (m_bRejectMode || !bKnown) {
        qCDebug(lcSim) << "interface refuses the mode" << payload;
        return QByteArray(1, static_cast<char>(kRefused)) + payload.left(2);
    }
    m_nMode = nMode;
    return QByteArray(1, static_cast<char>(kAccepted)) + payload.left(2);
}
