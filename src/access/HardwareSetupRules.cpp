#include "access/HardwareSetupRules.h"

#include "access/SetupDialogLoop.h"
#include "base/TypKatalog.h"
#include "document/QuillonDoc.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "transmitter/Connection.h"

#include <algorithm>
#include <array>

namespace {

/// The transmitter list: the types of the hand type choice, in its order; the texts are the types' own
/// names.
const std::array<int, CTypKatalog::kAuswahlKnoepfe> kTransmitterTypen = CTypKatalog::AuswahlTypen();

constexpr int kPL45Index = 0;
constexpr int kPL40Index = 1;

} // namespace

CHardwareSetupRules::CHardwareSetupRules(CQuillonDoc& doc, CTransmitterLink& link, CConnection& connection)
    : m_doc(doc)
    , m_link(link)
    , m_connection(connection) {}

QStringList CHardwareSetupRules::TransmitterTexts() {
    QStringList texts;
    for (const int nTyp : kTransmitterTypen) {
        texts.append(CTypKatalog::GetTypText(nTyp));
    }
    return texts;
}

int CHardwareSetupRules::TransmitterIndexForTyp(int nTyp) {
    const auto* it = std::find(kTransmitterTypen.begin(), kTransmitterTypen.end(), nTyp);
    return it == kTransmitterTypen.end() ? 0 : static_cast<int>(it - kTransmitterTypen.begin());
}

int CHardwareSetupRules::TypForTransmitterIndex(int nIndex) {
    if (nIndex < 0 || nIndex >= static_cast<int>(kTransmitterTypen.size())) {
        return kTransmitterTypen.front();
    }
    return kTransmitterTypen.at(static_cast<size_t>(nIndex));
}

QStringList CHardwareSetupRules::InterfaceTexts() {
    return {QStringLiteral("PL45"), QStringLiteral("PL40")};
}

int CHardwareSetupRules::InterfaceIndexForKind(int nKind) {
    return nKind == 1 ? kPL45Index : kPL40Index;
}

int CHardwareSetupRules::KindForInterfaceIndex(int nIndex) {
    return nIndex == kPL45Index ? 1 : 0;
}

bool CHardwareSetupRules::IsSearchEnabled(int nInterfaceIndex) {
    return nInterfaceIndex == kPL45Index;
}

QString CHardwareSetupRules::NoticeText() {
    return tr("Hinweis:\n\nObwohl beim Interface PL45 der PC-Anschluß über USB erfolgt, muss eine "
              "(virtuelle) COM-Schnittstelle ausgewählt werden, über die das Interface angesprochen wird.");
}

QString CHardwareSetupRules::PortText(int nComNumber) const {
    const QString device = m_link.Sio().Serial().PortMap().DevicePath(nComNumber);
    const QString com = QStringLiteral("COM%1").arg(nComNumber);
    return device.isEmpty() ? com : com + QStringLiteral(" (%1)").arg(device);
}

QList<CHardwareSetupRules::PortEntry> CHardwareSetupRules::PortEntries(const Values& values) const {
    QList<PortEntry> entries;
    const int nCurrent = values.nComIndex + 1;
    for (int n = 1; n <= kPortCount; ++n) {
        const bool bAvailable = n - 1 < values.portAvailable.size() && values.portAvailable.at(n - 1);
        if (bAvailable) {
            entries.append({n, PortText(n)});
        } else if (n == nCurrent) {
            entries.append({n, QStringLiteral("COM%1 ").arg(n) + tr("(nicht verfügbar)")});
        }
    }
    if (nCurrent < 1 || nCurrent > kPortCount) {
        // A port number from an older profile beyond COM16 is still shown, so that "OK" keeps it.
        entries.append({nCurrent, QStringLiteral("COM%1 ").arg(nCurrent) + tr("(nicht verfügbar)")});
    }
    return entries;
}

int CHardwareSetupRules::CurrentPortEntry(const Values& values) const {
    const QList<PortEntry> entries = PortEntries(values);
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).nComNumber == values.nComIndex + 1) {
            return i;
        }
    }
    return -1;
}

std::optional<int> CHardwareSetupRules::ComIndexFromText(const QString& text) {
    QString digits;
    for (const QChar c : text.mid(3)) {
        if (!c.isDigit() || digits.size() >= 9) {
            break;
        }
        digits.append(c);
    }
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    return digits.toInt() - 1;
}

CHardwareSetupRules::Values CHardwareSetupRules::Load() {
    Values values;
    values.nComIndex = m_doc.GetComPort();
    values.nInterfaceKind = m_doc.GetInterfaceVersion();
    values.nTyp = m_doc.GetTyp();
    values.bShowAtStart = m_doc.GetShowHardwareSetup() != 0;
    values.bVerifyAfterSend = m_doc.GetVerifyAfterSend() != 0;
    ProbePorts(values);
    return values;
}

void CHardwareSetupRules::ProbePorts(Values& values) {
    values.portAvailable = m_connection.ProbePorts();
}

void CHardwareSetupRules::Search(Values& values) {
    if (const auto found = m_connection.SearchInterface(values.portAvailable)) {
        values.nComIndex = found->nPortIndex;
    }
}

void CHardwareSetupRules::Check(const Values& values) {
    // One operation from switching the document to the dialog's values until they are back.
    const CLinkOperation operation(m_link);
    if (operation.IsRefused()) {
        return;
    }
    const int nTyp = m_doc.GetTyp();
    const int nKind = m_doc.GetInterfaceVersion();
    const int nCom = m_doc.GetComPort();
    m_doc.SetTyp(values.nTyp);
    m_doc.SetInterfaceVersion(values.nInterfaceKind);
    m_doc.SetComPort(values.nComIndex);
    m_connection.CheckTransmitter();
    m_link.Sio().ClosePort();
    m_doc.SetTyp(nTyp);
    m_doc.SetInterfaceVersion(nKind);
    m_doc.SetComPort(nCom);
}

void CHardwareSetupRules::Apply(const Values& values) {
    m_doc.SetShowHardwareSetup(values.bShowAtStart ? 1 : 0);
    m_doc.SetVerifyAfterSend(values.bVerifyAfterSend ? 1 : 0);
    m_doc.SetTyp(values.nTyp);
    m_doc.SetInterfaceVersion(values.nInterfaceKind);
    m_doc.SetComPort(values.nComIndex);
    m_doc.UpdateAllViews();
}

bool CHardwareSetupRules::Run(const ShowDialog& show) {
    return RunSetupDialog(*this, show, [this](Result result, Values& values) {
        if (result == Result::Search) {
            Search(values);
        } else {
            Check(values);
        }
        ProbePorts(values);
    });
}
