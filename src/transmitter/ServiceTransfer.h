#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

class CConnection;
class CQuillonDoc;
class CTransmitterLink;
class IOperator;

/// The service transfers of the factory functions: the converter and amplifier transfers of the
/// calibration pages, the converter value display and the change of the serial number. Each reports its
/// own failure and leaves the port open.
class CServiceTransfer {
    Q_DECLARE_TR_FUNCTIONS(CServiceTransfer)

public:
    static constexpr int kAdcKanaele = 4;

    struct AdcValues {
        std::array<quint16, kAdcKanaele> kanal{};
        quint16 temperatur = 0;
    };

    CServiceTransfer(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc);

    /// "SetDAC" with the value as six decimal digits.
    bool ServiceSetDac(qint32 value);
    /// "SetVerstärkung" of register 011 with the value as four hex digits.
    bool ServiceSetGain(qint32 value);
    /// The converter value of the input; nothing when it could not be read.
    std::optional<qint32> ServiceGetAdc();
    /// The temperature converter value; nothing when it could not be read.
    std::optional<qint32> ServiceGetTempAdc();
    /// Reads the four input converters and the temperature converter and shows them.
    bool ShowAdcValues();
    /// Sends the serial number joined from its three edited parts; the document keeps it also when the
    /// transmitter does not take it.
    bool ChangeSerialNumber(const QByteArray& part1, const QByteArray& part2, const QByteArray& part3);

    /// The three parts of a serial number "123456.78.901": characters 0 to 5, 7 to 8 and 10 to 12.
    static std::array<QByteArray, 3> SplitSerialNumber(const QByteArray& serial);
    /// The decimal number at the start of a reply's data: up to the first non-digit, at most maxDigits.
    static qint32 LeadingNumber(const QByteArray& reply, int maxDigits);
    /// The decimal number at the start of a text (up to nine digits, up to the first non-digit).
    static qint32 DecimalPrefix(QByteArrayView text);
    /// The groups of six digits of a converter reply, at most four; missing channels are 0.
    static std::array<quint16, kAdcKanaele> AdcGroups(const QByteArray& reply);
    static QString AdcText(const AdcValues& werte);

private:
    std::optional<qint32> GetAdc(quint8 command);
    bool ReadAdcValues(AdcValues& werte);

    CTransmitterLink& m_link;
    CConnection& m_connection;
    CQuillonDoc& m_doc;
    IOperator& m_operator;
};
