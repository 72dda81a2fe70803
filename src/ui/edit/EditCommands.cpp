#include "ui/edit/EditCommands.h"

#include "document/QuillonDoc.h"
#include "edit/EditDataDoc.h"
#include "edit/EditDataRules.h"
#include "ui/edit/DlgTransmitterHalvard.h"
#include "ui/edit/EditData.h"

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
