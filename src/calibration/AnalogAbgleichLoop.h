#pragma once

#include "calibration/AnalogAbgleichRules.h"
#include "transmitter/ServiceTransfer.h"

#include <QCoreApplication>

class CCalibrationTransfer;
class CConnection;
class CQuillonDoc;
class CTransmitterLink;

/// "Analogabgleich...": the dialog ends for every action with its button, the loop carries the action
/// out on the transmitter and shows the dialog again with the updated values, until "OK" or
/// "Abbrechen". The dialog's copy of the record reaches the document only by "Senden"; "Auslesen"
/// replaces both by what the transmitter holds. The single commands are the service transfers of the
/// calibration pages; a failed one says so in its own message and leaves its value as it was.
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

private:
    void Act(const Outcome& outcome, CAnalogAbgleichRules::Values& values);
    void GetAdc(int nRow, CAnalogAbgleichRules::Values& values);
    void GetTempAdc(CAnalogAbgleichRules::Values& values);
    /// One service transfer that sends a value.
    void Send(bool (CServiceTransfer::*transfer)(qint32), qint32 value);

    CTransmitterLink& m_link;
    CConnection& m_connection;
    CCalibrationTransfer& m_transfer;
    CQuillonDoc& m_doc;
    CServiceTransfer m_service;
};
