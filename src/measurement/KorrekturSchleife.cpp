#include "measurement/KorrekturSchleife.h"

#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "measurement/KorrekturTransfer.h"

CKorrekturSchleife::CKorrekturSchleife(CKorrekturTransfer& transfer, CQuillonDoc& doc,
                                       CKalibrierungRules rules)
    : m_transfer(transfer)
    , m_doc(doc)
    , m_rules(std::move(rules)) {}

void CKorrekturSchleife::Run(const ShowDialog& show) {
    m_transfer.SetFirstAccess(true);
    bool bAgain = true;
    while (bAgain) {
        CKalibrierungRules::Values values = m_rules.Load(m_doc);
        const Result result = show(values);
        bAgain = Handle(result, values);
        // Whatever the user chose, the parameter set is read at most before the first read.
        m_transfer.SetFirstAccess(false);
    }
}

bool CKorrekturSchleife::Handle(Result result, const CKalibrierungRules::Values& values) {
    switch (result) {
    case Result::Ok:
        m_rules.Apply(values, m_doc);
        return false;
    case Result::Uebertragen:
        m_rules.Apply(values, m_doc);
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
