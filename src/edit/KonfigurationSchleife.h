#pragma once

#include "edit/KonfigurationValues.h"
#include "measurement/KorrekturSchleife.h"

#include <QLocale>

class CQuillonDoc;

/// "Konfiguration..." with the transmitter: the types with zero window and key lock edit them beside
/// the corrections in the dialog "Konfiguration", the others have the correction dialog "Kalibrierung";
/// either runs in the correction loop.
class CKonfigurationSchleife {
public:
    using Result = CKorrekturSchleife::Result;

    CKonfigurationSchleife(CKorrekturSchleife& loop, CQuillonDoc& doc, QLocale locale);

    void Run(const CKorrekturSchleife::ShowDialog<CKalibrierungRules::Values>& showKalibrierung,
             const CKorrekturSchleife::ShowDialog<CKonfigurationValues>& showKonfiguration);

private:
    CKorrekturSchleife& m_loop;
    CQuillonDoc& m_doc;
    QLocale m_locale;
};
