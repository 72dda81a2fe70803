#pragma once

#include "calibration/AnalogAbgleichRules.h"

#include <QByteArray>
#include <QCoreApplication>
#include <optional>

class CCalibrationTransfer;
class CConnection;
class CQuillonDoc;
class CTransmitterLink;

/// "Analogabgleich...": the dialog ends for every action with its button, the loop carries the action
/// out on the transmitter and shows the dialog again with the updated values, until "OK" or
/// "Abbrechen". The dialog's copy of the record reaches the document only by "Senden"; "Auslesen"
/// replaces both by what the transmitter holds. A failed single command leaves its value as it was.
class CAnalogAbgleichLoop {
    Q_DECLARE_TR_FUNCTIONS(CAnalogAbgleichLoop)

public:
    static constexpr int kWaitBeforeAdcMs = 2500;

    enum class Action {
        GetAdc,
        GetTempAdc,
        SetDac,
        Freigeben,
        SetGain,
        Auslesen,
        Senden,
        Default,
        DefDac,
        Ok,
        Abbrechen
    };
    struct Outcome {
        Action action;
        int nRow = 0; ///< ADC row 0..4 for GetAdc, DAC row 0..2 for SetDac
    };

    /// The dialog "Analogabgleich RX30 / RX31 / RX84 / RX96". It handles " - ", " + ", the output range
    /// buttons and "Update" itself and, except for "Freigeben", "Default" and "Def.-DAC", takes over its
    /// entries with validation before it ends.
    class IView {
    public:
        virtual ~IView() = default;
        virtual Outcome Show(CAnalogAbgleichRules::Values& values) = 0;
    };

    CAnalogAbgleichLoop(CTransmitterLink& link, CConnection& connection, CCalibrationTransfer& transfer,
                        CQuillonDoc& doc);

    /// Runs the dialog loop; false when the type has no record of this form (after the message).
    bool Run(IView& view);

    /// The decimal number in reply positions 2..7, or nothing.
    static std::optional<qint32> ReplyNumber(const QByteArray& reply);

private:
    void Act(const Outcome& outcome, CAnalogAbgleichRules::Values& values);
    void GetAdc(int nRow, CAnalogAbgleichRules::Values& values);
    void GetTempAdc(CAnalogAbgleichRules::Values& values);
    void Send(quint8 command, const QByteArray& payload);
    std::optional<qint32> Read(quint8 command, const QByteArray& payload);

    CTransmitterLink& m_link;
    CConnection& m_connection;
    CCalibrationTransfer& m_transfer;
    CQuillonDoc& m_doc;
};
