#include "sim/SimCatalogue.h"

namespace {

constexpr int N = CSimCatalogue::kNone;

const QList<CSimCatalogue::Model> kModels = {
    {"v22", 0, "V22-0100", "RX89 bis V. 2.2"},
    {"v23", 1, "V23-0100", "RX89 ab V. 2.3"},
    {"rx31", 2, "RX31-309", "RX31 with the extended set (version 309)"},
    {"rx31-305", 2, "RX31-305", "RX31 without the extended set (version 305)"},
    {"rx31-302", 2, "RX31-302", "RX31 version 302, without zero window and key lock"},
    {"rx30-2", 3, "RX30-L21", "RX26 2-Leiter"},
    {"rx30-3", 4, "RX30-U21", "RX26 3-Leiter"},
    {"ka52", 5, "KA52-101", "KA52 2-Leiter"},
    {"ka53", 5, "KA53-101", "KA53 2-Leiter"},
    {"ka28", 6, "KA28-101", "KA28 3-Leiter"},
    {"vn62", 7, "VN62-101", "VN62 2-Leiter, differential pressure with P1 and P2"},
    {"rx96", 8, "RX96-101", "RX96 2-Leiter"},
    {"rx84", 9, "RX84-101", "RX84 2-Leiter, compound range -1 to 1.5 bar"},
    {"ka71", 10, "KA71-101", "KA71 2-Leiter, display in mbar"},
};

// Word indices of the 2-wire parameter block (types 0 to 9) and of the KA71 block.
constexpr CSimCatalogue::ParamLayout kParamZweiLeiter{0, 1,  2,  3,  4, 5, 6, 7, 8,
                                                      9, 10, 22, 22, N, N, N, N, N};
constexpr CSimCatalogue::ParamLayout kParamKA71{0, 1, N, 2, N, 3, 4, 5, 6, 7, 8, 18, 20, 21, 22, 23, 24, 25};

constexpr CSimCatalogue::CalLayout kCalRX89{54, 59, 64, 66, 67, 68, 69, 70, 71, 72,
                                            73, N,  74, N,  N,  N,  N,  N,  N};
constexpr CSimCatalogue::CalLayout kCalZweiLeiter{0,  5,  10, 12, 13, 14, 15, 16, 17, 18,
                                                  19, 36, 37, 45, N,  N,  N,  N,  N};
constexpr CSimCatalogue::CalLayout kCalErweitert{0,  5,  10, 12, 13, 14, 15, 16, 17, 18,
                                                 19, 36, 37, 45, 47, N,  N,  N,  N};
constexpr CSimCatalogue::CalLayout kCalVN62{0,  5,  10, 12, 13, 14, 15, 16, 17, 18,
                                            19, 36, 37, 45, N,  47, 52, 73, 74};
constexpr CSimCatalogue::CalLayout kCalKA71{0,  5,  10, N, N,  12, 13, 14, 15, 16,
                                            17, 34, 35, N, 43, N,  N,  N,  N};

} // namespace

const QList<CSimCatalogue::Model>& CSimCatalogue::Models() {
    return kModels;
}

const CSimCatalogue::Model* CSimCatalogue::FindModel(const QString& name) {
    for (const Model& model : kModels) {
        if (name.compare(QLatin1String(model.name), Qt::CaseInsensitive) == 0) {
            return &model;
        }
    }
    return nullptr;
}

QByteArray CSimCatalogue::DefaultKennung(int nTyp) {
    for (const Model& model : kModels) {
        if (model.nTyp == nTyp) {
            return model.kennung;
        }
    }
    return "UNKNOWN ";
}

int CSimCatalogue::TypFromKennung(const QByteArray& kennung, int fallback) {
    struct Code {
        const char* code;
        int nTyp;
    };
    static constexpr Code kCodes[] = {{"RX31", 2}, {"VN62", 7}, {"RX96", 8}, {"RX84", 9},
                                      {"KA52", 5}, {"KA28", 6}, {"KA53", 5}, {"KA71", 10}};
    const QByteArray code = kennung.left(4);
    int nTyp = fallback;
    for (const Code& entry : kCodes) {
        if (code == entry.code) {
            nTyp = entry.nTyp;
        }
    }
    if (code == "RX30") {
        const char sixth = kennung.size() > 5 ? kennung.at(5) : ' ';
        nTyp = (sixth == 'U' || sixth == 'I') ? 4 : 3;
    }
    if (kennung.startsWith("V2") && kennung.size() > 2) {
        nTyp = kennung.at(2) == '2' ? 0 : 1;
    }
    return nTyp;
}

bool CSimCatalogue::IsErweitert(const QByteArray& kennung) {
    if (kennung.startsWith("KA71")) {
        return true;
    }
    if (!kennung.startsWith("RX31") || kennung.size() < 8) {
        return false;
    }
    bool ok = false;
    const int version = kennung.mid(5, 3).toInt(&ok);
    return ok && version > 308;
}

const CSimCatalogue::ParamLayout& CSimCatalogue::Param(int nTyp) {
    return nTyp == kKA71 ? kParamKA71 : kParamZweiLeiter;
}

const CSimCatalogue::CalLayout& CSimCatalogue::Cal(int nTyp, bool bErweitert) {
    if (nTyp == 0 || nTyp == 1) {
        return kCalRX89;
    }
    if (nTyp == kKA71) {
        return kCalKA71;
    }
    if (nTyp == kVN62) {
        return kCalVN62;
    }
    return bErweitert ? kCalErweitert : kCalZweiLeiter;
}

CSimCatalogue::Range CSimCatalogue::DefaultRange(int nTyp) {
    switch (nTyp) {
    case 0:
    case 1:
        return {0, 3, 0, 10000}; // 0 to 10 bar (unit list of the RX89: 0 = bar)
    case 3:
    case 4:
        return {1, 2, 0, 2500}; // 0 to 25 bar
    case 5:
        return {1, 3, 0, 6000};
    case 6:
        return {1, 1, 0, 1000}; // 0 to 100 bar
    case 7:
        return {2, 1, 0, 10000}; // 0 to 1000 mbar differential
    case 8:
        return {1, 2, 0, 4000};
    case 9:
        return {1, 3, -1000, 1500};
    case 10:
        return {1, 3, 0, 2500};
    default:
        return {1, 3, 0, 10000};
    }
}

QByteArray CSimCatalogue::DefaultTag(int nTyp) {
    return QByteArray("Messstelle ").append(QByteArray::number(nTyp)).leftJustified(kTagLength, ' ');
}

QByteArray CSimCatalogue::DefaultSerial(int nTyp) {
    return QByteArray("123456.01.")
        .append(QByteArray::number(nTyp).rightJustified(3, '0'))
        .leftJustified(kSerialLength, ' ');
}

bool CSimCatalogue::IsValidTyp(int nTyp) {
    return nTyp >= 0 && nTyp < kTypeCount;
}

bool CSimCatalogue::IsDreiLeiter(int nTyp) {
    return nTyp == 4 || nTyp == 6;
}

bool CSimCatalogue::NeedsReset(int nTyp) {
    return nTyp == 0 || nTyp == 1 || nTyp == 4 || nTyp == 6 || nTyp == 10;
}

bool CSimCatalogue::HasBlockTable(int nTyp) {
    return nTyp == 0 || nTyp == 1;
}
