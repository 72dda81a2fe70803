#pragma once

#include <QCoreApplication>
#include <QString>

class CQuillonDoc;

/// The connection notice "Hinweis" for the PL45, shown at start while "StartupHinweis" is set and from
/// the menu at any time.
class CHinweisTextRules {
    Q_DECLARE_TR_FUNCTIONS(CHinweisTextRules)

public:
    static QString NoticeText();
    static QString CheckBoxText();
    /// Whether the notice is shown at the next start.
    static bool Load(const CQuillonDoc& doc);
    static void Apply(bool bShowAtStart, CQuillonDoc& doc);
};
