#include "calibration/AbgleichRecordRules.h"

#include "calibration/AbgleichFelder.h"

#include <cstring>

namespace {

using Form = CAbgleichRecordRules::Form;

/// The rows of each form in the order the dialog shows them: a field and how many of its entries.
struct Row {
    const char* field;
    int count;
};

const Row kRowsRX31[] = {
    {"m_nAdc", 5},
    {"m_nDac", 5},
    {"m_nTemperaturAdc", 3},
    {"m_nWerksOffset", 1},
    {"m_nWerksSpanne", 1},
    {"m_nKommaPos", 1},
    {"m_nBereichAnfang", 1},
    {"m_nBereichEnde", 1},
    {"m_nAbglBereichAnfang", 1},
    {"m_nAbglBereichEnde", 1},
    {"m_nGain", 1},
    {"m_nAbglEinheit", 1},
    {"m_nEnableParametrierung", 1},
    {"m_fTkOffset", 4},
    {"m_fTkSpanne", 4},
};

const Row kRowsVN62[] = {
    {"m_nAdc", 5},
    {"m_nAdc2", 5},
    {"m_nDac", 5},
    {"m_nDac2", 5},
    {"m_nTemperaturAdc", 2},
    {"m_nWerksOffset", 1},
    {"m_nWerksSpanne", 1},
    {"m_nWerksOffset2", 1},
    {"m_nWerksSpanne2", 1},
    {"m_nKommaPos", 1},
    {"m_nBereichAnfang", 1},
    {"m_nBereichEnde", 1},
    {"m_nAbglBereichAnfang", 1},
    {"m_nAbglBereichEnde", 1},
    {"m_nGain", 1},
    {"m_nAbglEinheit", 1},
    {"m_nEnableParametrierung", 1},
    {"m_fTkOffset", 4},
    {"m_fTkSpanne", 4},
    {"m_fTkOffset2", 4},
    {"m_fTkSpanne2", 4},
};

bool HiddenInKA71(const char* field) {
    for (const char* hidden :
         {"m_nWerksOffset", "m_nWerksSpanne", "m_nAbglBereichAnfang", "m_nAbglBereichEnde"}) {
        if (std::strcmp(field, hidden) == 0) {
            return true;
        }
    }
    return false;
}

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
    const auto add = [&](const Row& row) {
        const CAbgleichFelder::Field field = FieldOf(row.field);
        for (int i = 0; i < row.count; ++i) {
            // The third temperature reading exists only with the extended function set.
            const bool bEnabled = !(std::strcmp(row.field, "m_nTemperaturAdc") == 0 && i == 2 && !bErweitert);
            entries.append({row.field, i, CAbgleichFelder::Display(record, field, i), bEnabled});
        }
    };
    if (form == Form::VN62) {
        for (const Row& row : kRowsVN62) {
            add(row);
        }
        return entries;
    }
    for (const Row& row : kRowsRX31) {
        if (form != Form::KA71 || !HiddenInKA71(row.field)) {
            add(row);
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
