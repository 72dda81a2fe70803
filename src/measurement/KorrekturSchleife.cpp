#include "measurement/KorrekturSchleife.h"

#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "link/LinkOperation.h"
#include "link/TransmitterLink.h"
#include "measurement/KorrekturTransfer.h"

CKorrekturSchleife::CKorrekturSchleife(CKorrekturTransfer& transfer, CQuillonDoc& doc)
    : m_transfer(transfer)
    , m_doc(doc) {}

void CKorrekturSchleife::Run(const CKalibrierungRules& rules,
                             const ShowDialog<CKalibrierungRules::Values>& show) {
    Run([&] {
        CKalibrierungRules::Values values = rules.Load(m_doc);
        const Result result = show(values);
        if (Stores(result)) {
            rules.Apply(values, m_doc);
        }
        return result;
    });
}

void CKorrekturSchleife::Run(const Pass& pass) {
    // Between its transfers, while the dialog is up, the window's commands stay disabled and no timer
    // may use the link.
    const CLinkOperation operation(m_transfer.Link());
    if (operation.IsRefused()) {
        return;
    }
    m_transfer.SetFirstAccess(true);
    bool bAgain = true;
    while (bAgain) {
        bAgain = Handle(pass());
        // Whatever the user chose, the parameter set is read at most before the first read.
        m_transfer.SetFirstAccess(false);
    }
    m_transfer.Link().Sio().ClosePort();
}

bool CKorrekturSchleife::Handle(Result result) {
    switch (result) {
    case Result::Ok:
        return false;
    case Result::Uebertragen:
        if (!m_transfer.WriteSequence()) {
            m_doc.Operator().Message(tr("Sendefehler!"));
        }
        return true;
    case Result::Auslesen:
    case Result::NeuerMesswert:
        return m_transfer.ReadSequence(result == Result::Auslesen);
    case Result::Abbrechen:
        return false;
    }
    return false;
}
