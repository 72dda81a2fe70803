#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <array>

class CConnection;
class CQuillonDoc;
class CTransmitterLink;
class IOperator;

/// The service transfers of the factory functions: the converter and amplifier transfers that the
/// calibration pages ask for through the document's transfer slot m_nServiceWert, the gain words of the
/// DAC calibration, the converter value display and the change of the serial number. Each reports its
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

    /// "SetDAC" with the service value as six decimal digits.
    bool ServiceSetDac();
    /// "SetVerstärkung" of register 011 with the service value as four hex digits.
    bool ServiceSetGain();
    /// The converter value of the input into the service value (0 on failure).
    bool ServiceGetAdc();
    /// The temperature converter value into the service value (0 on failure).
    bool ServiceGetTempAdc();
    /// The six gain words of the calibration record (DAC words 5 to 7 and 0x34 to 0x36).
    bool WriteGainWords();
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
    bool GetAdcInto(quint8 command);
    bool ReadAdcValues(AdcValues& werte);

    CTransmitterLink& m_link;
    CConnection& m_connection;
    CQuillonDoc& m_doc;
    IOperator& m_operator;
};
