#pragma once

#include "edit/EditDataValues.h"
#include "edit/KonfigurationValues.h"

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
    static CEditDataValues Load(const CQuillonDoc& doc, const CEditDataRules& rules);
    /// Writes back in the order the transmitter's parameter set is built (base range, output range, tag,
    /// damping, currents, table, then the KA71's own values) and redraws.
    static void Apply(const CEditDataValues& werte, const CEditDataRules& rules, CQuillonDoc& doc);

    /// Starts a new parameter set for the document's type (the document is cleared and may not be sent)
    /// and returns the edit dialog's values for the preset's range.
    static CEditDataValues LoadPreset(CQuillonDoc& doc, int nPreset, const CEditDataRules& rules);
    /// After "OK" on a preset: writes back as Apply, adds unit, decimals and the cleared zero window and
    /// key lock, and makes the parameter set valid.
    static void ApplyPreset(const CEditDataValues& werte, const CEditDataRules& rules, CQuillonDoc& doc);

    static CKonfigurationValues LoadKonfiguration(const CQuillonDoc& doc, const CKonfigurationRules& rules,
                                                  const QLocale& locale);
    static void ApplyKonfiguration(const CKonfigurationValues& werte, const CKonfigurationRules& rules,
                                   CQuillonDoc& doc);

private:
    static void ApplyLinTab(const CEditDataValues& werte, CQuillonDoc& doc);
    static void SetContext(CEditDataValues& werte, const CQuillonDoc& doc, const CEditDataRules& rules);
};
