#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class CQuillonDoc;

/// Per-device values for a series of sends from one template file (`quillon-cli send FILE.qlc --set
/// m_strBezeichnung=PT-101 ...`). Each "FIELD=VALUE" names a field the dialog "Daten editieren" edits;
/// the values are checked by that dialog's rules before any of them is taken, so a refused value leaves
/// the document as the file has it and nothing is sent.
///
/// Numbers are written with a decimal point whatever the machine's locale, so that one series script
/// runs on every machine. Only the named fields change; the others keep the file's values bit for bit
/// (the dialog would round every field to its shown decimals).
class CSerienVorgabe {
    Q_DECLARE_TR_FUNCTIONS(CSerienVorgabe)

public:
    /// The fields that may be set.
    static QStringList FeldNamen();
    /// Checks every "FIELD=VALUE" against the document and the edit rules and writes them into doc.
    /// On a refusal: the message naming the field, and doc unchanged. A value the rules only warn about
    /// (asked in the dialog) comes back in `warnung` for the caller to ask; the values are then taken.
    static std::optional<QString> Anwenden(const QStringList& vorgaben, CQuillonDoc& doc, QString& warnung);
};
