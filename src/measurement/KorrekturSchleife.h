#pragma once

#include "measurement/KalibrierungRules.h"

#include <QCoreApplication>
#include <functional>

class CKorrekturTransfer;
class CQuillonDoc;

/// "Konfiguration..." for the types without a configuration dialog: the dialog "Kalibrierung" is shown
/// again and again; "Neuer Messwert" and "Auslesen" read from the transmitter, "Übertragen" stores the
/// corrections and writes them, "OK" stores them and ends, "Abbrechen" ends without storing.
class CKorrekturSchleife {
    Q_DECLARE_TR_FUNCTIONS(CKorrekturSchleife)

public:
    enum class Result { Ok, Abbrechen, NeuerMesswert, Auslesen, Uebertragen };
    /// Shows the dialog with the values; for Ok and Uebertragen the values have passed Validate.
    using ShowDialog = std::function<Result(CKalibrierungRules::Values&)>;

    CKorrekturSchleife(CKorrekturTransfer& transfer, CQuillonDoc& doc, CKalibrierungRules rules);

    void Run(const ShowDialog& show);

private:
    /// Whether the dialog is shown again after this result.
    bool Handle(Result result, const CKalibrierungRules::Values& values);

    CKorrekturTransfer& m_transfer;
    CQuillonDoc& m_doc;
    CKalibrierungRules m_rules;
};
