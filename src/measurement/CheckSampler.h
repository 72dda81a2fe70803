#pragma once

#include "measurement/Messung.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class CParameterTransfer;
class CQuillonDoc;
class CTransmitterLink;

/// Reads the attached transmitter's measured value for a check, one sample at a time, so that the
/// window can take several over a few seconds from a timer and stay responsive. A sample the
/// transmitter does not answer is "no reading": no message box per sample, the reason is kept for the
/// window to show once.
class CCheckSampler {
    Q_DECLARE_TR_FUNCTIONS(CCheckSampler)

public:
    CCheckSampler(CTransmitterLink& link, CParameterTransfer& transfer, CQuillonDoc& doc);

    /// Opens the connection and reads what a check needs before the first point (the parameter set's
    /// range, units and decimals into the document). False with Problem() when it failed. An adjustment
    /// between as found and as left closes the port: call Begin again before the as-left points.
    bool Begin();
    /// One measured value in the unit of the set range (the display unit for a KA71), rounded to the
    /// decimals it is shown with; nothing when the transmitter gave none or the port is closed.
    std::optional<double> Sample();
    /// Closes the connection (also when the check was cancelled).
    void End();

    /// Why the last failed step failed (kept until Begin, so that the window can show it once).
    const QString& Problem() const { return m_problem; }

private:
    CTransmitterLink& m_link;
    CParameterTransfer& m_transfer;
    CQuillonDoc& m_doc;
    CMessung m_messung; ///< the measurement's own commands and decoding; it writes no log here
    QString m_problem;
};
