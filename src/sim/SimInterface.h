#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

/// The programming interface between the PC and the transmitter. The PL45 (USB, from 2006) answers two
/// commands of its own, 0xF0 (its information) and 0xF1 (the interface mode for the transmitter family);
/// the older PL40 passes everything on to the transmitter.
///
/// The PL45 knows the modes 0 and 5, the two the program uses; it refuses any other code, and with the
/// fault "reject the mode" set it refuses every code. Switching the mode takes it kModeSwitchMs; its
/// answer to 0xF1 comes after that (on a 3-wire line the program waits 300 ms for an echo before it
/// listens; the mode answer arrives after that wait and is not taken for an echo).
class CSimInterface {
public:
    enum class Kind { PL45, PL40 };

    static constexpr quint8 kInfoCommand = 0xF0;
    static constexpr quint8 kModeCommand = 0xF1;
    static constexpr quint8 kAccepted = 0x80;
    static constexpr quint8 kRefused = 0x15;
    static constexpr int kModeSwitchMs = 400;
    static constexpr int kNoMode = -1;

    /// What 0xF0 reports: two interface bytes, the firmware version (101 = 1.01), five words and a digit.
    struct Info {
        quint8 byte1 = 0x45;
        quint8 byte2 = 0x01;
        quint8 firmware = 106;
        std::array<quint16, 5> words{0x0001, 0x04B0, 0x0000, 0x0000, 0x2006};
        int digit = 1;
    };

    explicit CSimInterface(Kind kind = Kind::PL45);

    Kind GetKind() const;
    void SetKind(Kind kind);
    static QString KindName(Kind kind);
    static std::optional<Kind> ParseKind(const QString& name);

    Info& GetInfo();
    const Info& GetInfo() const;
    /// The mode set last with 0xF1, kNoMode since power-up.
    int Mode() const;
    void SetMode(int nMode);
    void SetRejectMode(bool bReject);

    /// Whether the interface answers this command itself: such frames never reach the transmitter.
    bool OwnsCommand(quint8 command) const;
    /// The reply data to one of its own commands; nothing for a request it cannot make sense of.
    std::optional<QByteArray> Answer(quint8 command, const QByteArray& payload);
    /// How long after a request of its own the answer starts.
    int AnswerDelayMs(quint8 command) const;

private:
    QByteArray InfoReply() const;
    QByteArray ModeReply(const QByteArray& payload);

    Kind m_kind;
    Info m_info;
    int m_nMode = kNoMode;
    bool m_bRejectMode = false;
};
