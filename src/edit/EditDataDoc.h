#pragma once

#include "edit/EditDataWerte.h"
#include "edit/KonfigurationWerte.h"

#include <QLocale>

class CEditDataRules;
class CKonfigurationRules;
class CQuillonDoc;

/// Where the editing dialogs meet the document: what "Aktuelle Daten...", a range preset and
/// "Konfiguration..." take from it and how they write back. The checks themselves live in the rules
/// classes of the edit layer, which know nothing of the document.
class CEditDataDoc {
public:
    /// The edit dialog of the document's type on its current values.
    static CEditDataWerte Load(const CQuillonDoc& doc, const CEditDataRules& rules);
    /// Writes back in the order the transmitter's parameter set is built (base range, output range, tag,
    /// damping, currents, table, then the KA71's own values) and redraws.
    static void Apply(const CEditDataWerte& werte, const CEditDataRules& rules, CQuillonDoc& doc);

    /// Starts a new parameter set for the document's type (the document is cleared and may not be sent)
    /// and returns the edit dialog's values for the preset's range.
    static CEditDataWerte LoadPreset(CQuillonDoc& doc, int nPreset, const CEditDataRules& rules);
    /// After "OK" on a preset: writes back as Apply, adds unit, decimals and the cleared zero window and
    /// key lock, and makes the parameter set valid.
    static void ApplyPreset(const CEditDataWerte& werte, const CEditDataRules& rules, CQuillonDoc& doc);

    static CKonfigurationWerte LoadKonfiguration(const CQuillonDoc& doc, const CKonfigurationRules& rules,
                                                 const QLocale& locale);
    static void ApplyKonfiguration(const CKonfigurationWerte& werte, const CKonfigurationRules& rules,
                                   CQuillonDoc& doc);

private:
    static void ApplyLinTab(const CEditDataWerte& werte, CQuillonDoc& doc);
    static void SetContext(CEditDataWerte& werte, const CQuillonDoc& doc, const CEditDataRules& rules);
};
