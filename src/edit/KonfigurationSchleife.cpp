#include "edit/KonfigurationSchleife.h"

#include "base/TypKatalog.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataDoc.h"
#include "edit/KonfigurationRules.h"

namespace {

/// The types whose zero window and key lock travel in their memory image have the dialog "Konfiguration".
bool HasKonfigurationDialog(int nTyp) {
    return CTypKatalog::Has(nTyp, &CTypKatalog::Typ::bKonfiguration);
}

} // namespace

CKonfigurationSchleife::CKonfigurationSchleife(CKorrekturSchleife& loop, CQuillonDoc& doc, QLocale locale)
    : m_loop(loop)
    , m_doc(doc)
    , m_locale(std::move(locale)) {}

void CKonfigurationSchleife::Run(
    const CKorrekturSchleife::ShowDialog<CKalibrierungRules::Values>& showKalibrierung,
    const CKorrekturSchleife::ShowDialog<CKonfigurationValues>& showKonfiguration) {
    if (!HasKonfigurationDialog(m_doc.GetTyp())) {
        m_loop.Run(CKalibrierungRules(m_locale), showKalibrierung);
        return;
    }
    const CKonfigurationRules rules(m_locale);
    m_loop.Run([&] {
        CKonfigurationValues values = CEditDataDoc::LoadKonfiguration(m_doc, rules, m_locale);
        const Result result = showKonfiguration(values);
        if (CKorrekturSchleife::Stores(result)) {
            CEditDataDoc::ApplyKonfiguration(values, rules, m_doc);
        }
        return result;
    });
}
