#include "measurement/CheckSampler.h"

#include "document/QuillonDoc.h"
#include "link/TransmitterLink.h"
#include "measurement/CheckArithmetic.h"
#include "measurement/MessAnzeige.h"
#include "transmitter/ParameterTransfer.h"

#include <QLocale>

CCheckSampler::CCheckSampler(CTransmitterLink& link, CParameterTransfer& transfer, CQuillonDoc& doc)
    : m_link(link)
    , m_transfer(transfer)
    , m_doc(doc)
    , m_messung(link, transfer, doc, CLogFormat::FromLocale(QLocale::c())) {}

bool CCheckSampler::Begin() {
    m_problem.clear();
    // The range of the check is the transmitter's, not what the document held before.
    if (!m_transfer.ReceiveParameterSet()) {
        m_problem = m_transfer.Fehlermeldung().isEmpty() ? tr("Der Parametersatz wurde nicht gelesen.")
                                                         : m_transfer.Fehlermeldung();
        return false;
    }
    // The receive closed the port; reading the units connects again and keeps it open for the samples.
    return m_messung.PrepareSamples(m_problem);
}

std::optional<double> CCheckSampler::Sample() {
    // A closed port would be opened by a connect, which tells the user of every failure in a message
    // box: once per sample from a timer. The check's connection is Begin's.
    if (!m_link.Sio().IsPortOpen()) {
        m_problem = tr("Die Verbindung zum Transmitter ist geschlossen.");
        return std::nullopt;
    }
    if (!m_messung.ReadSample(m_problem)) {
        return std::nullopt;
    }
    // The document keeps the value in single precision; it is taken as shown.
    return CCheckArithmetic::Rounded(m_doc.GetMesswert(0), CMessAnzeige::Precision(m_doc));
}

void CCheckSampler::End() {
    // While a sample still waits for its reply the port is that exchange's: it is asked to end instead.
    if (m_link.IsBusy()) {
        m_link.RequestCancel();
        return;
    }
    m_link.Sio().ClosePort();
}
