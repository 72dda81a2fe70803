#pragma once

#include "measurement/KalibrierungRules.h"

#include <QCoreApplication>
#include <functional>

class CKorrekturTransfer;
class CQuillonDoc;

/// The loop of "Konfiguration...": its dialog (the correction dialog "Kalibrierung" or, for the types
/// with zero window and key lock, "Konfiguration") is shown again and again; "Neuer Messwert" and
/// "Auslesen" read from the transmitter, "Übertragen" stores the dialog's values and writes them, "OK"
/// stores them and ends, "Abbrechen" ends without storing. The whole loop is one transmitter operation:
/// while its dialog is up, nothing else may use the link.
class CKorrekturSchleife {
    Q_DECLARE_TR_FUNCTIONS(CKorrekturSchleife)

public:
    enum class Result { Ok, Abbrechen, NeuerMesswert, Auslesen, Uebertragen };
    /// Shows the dialog with the values; for Ok and Uebertragen the values have passed Validate.
    template <class Values>
    using ShowDialog = std::function<Result(Values&)>;
    /// One showing of the loop's dialog: loads the document's values, shows them and, for Ok and
    /// Uebertragen, has stored the confirmed values into the document when it returns.
    using Pass = std::function<Result()>;

    CKorrekturSchleife(CKorrekturTransfer& transfer, CQuillonDoc& doc);

    /// The loop around the correction dialog "Kalibrierung".
    void Run(const CKalibrierungRules& rules, const ShowDialog<CKalibrierungRules::Values>& show);
    /// The loop around any of its dialogs.
    void Run(const Pass& pass);

    /// Whether the dialog's values go into the document after this result.
    static bool Stores(Result result) { return result == Result::Ok || result == Result::Uebertragen; }

private:
    /// Whether the dialog is shown again after this result.
    bool Handle(Result result);

    CKorrekturTransfer& m_transfer;
    CQuillonDoc& m_doc;
};
