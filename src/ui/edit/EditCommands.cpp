#include "ui/edit/EditCommands.h"

#include "base/TypKatalog.h"
#include "core/Operator.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataDoc.h"
#include "edit/EditDataRules.h"
#include "edit/KonfigurationRules.h"
#include "ui/edit/DlgTransmitterHalvard.h"
#include "ui/edit/EditData.h"
#include "ui/edit/Konfiguration.h"

namespace {

/// The types whose configuration goes through "Konfiguration" (zero window and key lock in their memory
/// image); the others have the correction loop instead.
bool HatKonfigurationsDialog(int nTyp) {
    return CTypKatalog::Has(nTyp, &CTypKatalog::Typ::bKonfiguration);
}

} // namespace

CEditCommands::CEditCommands(CQuillonDoc& doc, QWidget* window, QLocale locale)
    : m_doc(doc)
    , m_window(window)
    , m_locale(std::move(locale)) {}

bool CEditCommands::AktuelleDaten() {
    const CEditDataRules rules(m_locale);
    std::unique_ptr<CEditData> dialog =
        CEditData::Create(CEditDataDoc::Load(m_doc, rules), m_locale, m_window);
    if (dialog->exec() != QDialog::Accepted) {
        return false;
    }
    CEditDataDoc::Apply(dialog->Values(), rules, m_doc);
    return true;
}

bool CEditCommands::RangePreset(int nPreset) {
    const CEditDataRules rules(m_locale);
    std::unique_ptr<CEditData> dialog =
        CEditData::Create(CEditDataDoc::LoadPreset(m_doc, nPreset, rules), m_locale, m_window);
    if (dialog->exec() != QDialog::Accepted) {
        return false;
    }
    CEditDataDoc::ApplyPreset(dialog->Values(), rules, m_doc);
    return true;
}

bool CEditCommands::TransmitterTyp() {
    CDlgTransmitterHalvard dialog(m_doc.GetTyp(), m_window);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    m_doc.SetTyp(dialog.Typ());
    m_doc.SetModifiedFlag();
    m_doc.UpdateAllViews();
    return true;
}

void CEditCommands::Konfiguration(const KonfigurationTransfer& transfer) {
    if (!HatKonfigurationsDialog(m_doc.GetTyp())) {
        transfer.korrekturSchleife();
        return;
    }
    const CKonfigurationRules rules(m_locale);
    transfer.begin();
    bool bWeiter = true;
    while (bWeiter) {
        CKonfiguration dialog(CEditDataDoc::LoadKonfiguration(m_doc, rules, m_locale), m_locale, m_window);
        const int result = dialog.exec();
        switch (result) {
        case QDialog::Accepted:
            CEditDataDoc::ApplyKonfiguration(dialog.Values(), rules, m_doc);
            bWeiter = false;
            break;
        case CKonfiguration::kUebertragen:
            CEditDataDoc::ApplyKonfiguration(dialog.Values(), rules, m_doc);
            if (!transfer.schreiben()) {
                m_doc.Operator().Message(tr("Sendefehler!"));
            }
            break;
        case CKonfiguration::kAuslesen:
        case CKonfiguration::kNeuerMesswert:
            bWeiter = transfer.lesen(result == CKonfiguration::kAuslesen);
            break;
        default:
            bWeiter = false;
            break;
        }
    }
    transfer.end();
}
