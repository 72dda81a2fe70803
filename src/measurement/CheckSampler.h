#pragma once

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
    /// range, units and decimals into the document). False with Problem() when it failed.
    bool Begin();
    /// One measured value in the unit of the set range (the display unit for a KA71); nothing when the
    /// transmitter gave none.
    std::optional<double> Sample();
    /// Closes the connection (also when the check was cancelled).
    void End();

    const QString& Problem() const { return m_problem; }

private:
    CTransmitterLink& m_link;
    CParameterTransfer& m_transfer;
    CQuillonDoc& m_doc;
    QString m_problem;
};
