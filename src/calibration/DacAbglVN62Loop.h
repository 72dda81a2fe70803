#pragma once

#include <QCoreApplication>
#include <array>
#include <optional>

class CCalibrationTransfer;
class CConnection;
class CQuillonDoc;
class IOperator;

/// The DAC calibration of the VN62's two outputs: read the six DAC points, let the technician set
/// each output to a point and adjust it, and write the points back. The dialog is shown through
/// IDacAbglVN62View; whatever button ends it, the six values it shows are taken into the record.
class CDacAbglVN62Loop {
    Q_DECLARE_TR_FUNCTIONS(CDacAbglVN62Loop)

public:
    static constexpr int kDacMax = 4095;
    using Points = std::array<int, 6>; ///< output 1 at 4, 12, 20 mA, then output 2

    enum class Action { Set, Freigeben, Lesen, Senden, Ok, Abbrechen };
    struct Outcome {
        Action action;
        int nRow = 0; ///< for Set: 0..5
    };

    /// The dialog "DAC-Abgleich VN62": shows the points, lets them be edited and ends with a button.
    class IView {
    public:
        virtual ~IView() = default;
        virtual Outcome Show(Points& points) = 0;
    };

    static Points DefaultPoints();
    /// The first point outside 0..4095, or nothing.
    static std::optional<int> FirstInvalid(const Points& points);

    CDacAbglVN62Loop(CCalibrationTransfer& transfer, CConnection& connection, CQuillonDoc& doc,
                     IOperator& op);

    /// Runs until "OK" (which writes the points) or "Abbrechen"; false when the connection failed.
    bool Run(IView& view);

private:
    Points FromRecord() const;
    void ToRecord(const Points& points);
    void SendDac(int nValue);

    CCalibrationTransfer& m_transfer;
    CConnection& m_connection;
    CQuillonDoc& m_doc;
    IOperator& m_operator;
};
