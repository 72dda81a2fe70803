#include "calibration/AbgleichRecordRules.h"

#include "calibration/AbgleichFelder.h"

#include <cstring>

namespace {

using Form = CAbgleichRecordRules::Form;

/// The rows in the order the dialog shows them: a field and how many of its entries each form has
/// (0: the form has no such field). The KA71 keeps no factory correction and no calibration range; the
/// VN62 shows its second input and output beside the first and has no third temperature reading.
struct Row {
    const char* field;
    int nRX31;
    int nKA71;
    int nVN62;

    int CountFor(Form form) const {
        switch (form) {
        case Form::KA71:
            return nKA71;
        case Form::VN62:
            return nVN62;
        case Form::RX31:
        case Form::RX93:
            break;
        }
        return nRX31;
    }
};

const Row kRows[] = {
    {"m_nAdc", 5, 5, 5},
    {"m_nAdc2", 0, 0, 5},
    {"m_nDac", 5, 5, 5},
    {"m_nDac2", 0, 0, 5},
    {"m_nTemperaturAdc", 3, 3, 2},
    {"m_nWerksOffset", 1, 0, 1},
    {"m_nWerksSpanne", 1, 0, 1},
    {"m_nWerksOffset2", 0, 0, 1},
    {"m_nWerksSpanne2", 0, 0, 1},
    {"m_nKommaPos", 1, 1, 1},
    {"m_nBereichAnfang", 1, 1, 1},
    {"m_nBereichEnde", 1, 1, 1},
    {"m_nAbglBereichAnfang", 1, 0, 1},
    {"m_nAbglBereichEnde", 1, 0, 1},
    {"m_nGain", 1, 1, 1},
    {"m_nAbglEinheit", 1, 1, 1},
    {"m_nEnableParametrierung", 1, 1, 1},
    {"m_fTkOffset", 4, 4, 4},
    {"m_fTkSpanne", 4, 4, 4},
    {"m_fTkOffset2", 0, 0, 4},
    {"m_fTkSpanne2", 0, 0, 4},
};

/// The field's kind, from the widest record (the VN62's, and the RX31's with the extended set).
CAbgleichFelder::Field FieldOf(const char* name) {
    for (const CAbgleichFelder::Form form : {CAbgleichFelder::Form::VN62, CAbgleichFelder::Form::RX31}) {
        for (const CAbgleichFelder::Field& field : CAbgleichFelder::FieldsFor(form, true)) {
            if (std::strcmp(field.name, name) == 0) {
                return field;
            }
        }
    }
    return {name, CAbgleichFelder::Kind::Unsigned, 1};
}

} // namespace

QList<CAbgleichRecordRules::Entry> CAbgleichRecordRules::Load(const CAbgleichdaten& record, Form form,
                                                              bool bErweitert) {
    QList<Entry> entries;
    for (const Row& row : kRows) {
        const CAbgleichFelder::Field field = FieldOf(row.field);
        for (int i = 0; i < row.CountFor(form); ++i) {
            // The third temperature reading exists only with the extended function set.
            const bool bEnabled = !(std::strcmp(row.field, "m_nTemperaturAdc") == 0 && i == 2 && !bErweitert);
            entries.append({row.field, i, CAbgleichFelder::Display(record, field, i), bEnabled});
        }
    }
    return entries;
}

std::optional<ValidationProblem> CAbgleichRecordRules::Validate(const QList<Entry>& entries) {
    for (int i = 0; i < entries.size(); ++i) {
        QString error;
        if (!CAbgleichFelder::ParseEntry(FieldOf(entries.at(i).field), entries.at(i).text, error)) {
            return ValidationProblem{i, error};
        }
    }
    return std::nullopt;
}

void CAbgleichRecordRules::Apply(const QList<Entry>& entries, CAbgleichdaten& record) {
    for (const Entry& entry : entries) {
        QString error;
        if (const std::optional<double> value =
                CAbgleichFelder::ParseEntry(FieldOf(entry.field), entry.text, error)) {
            CAbgleichFelder::SetNumber(record, entry.field, entry.index, *value);
        }
    }
}
