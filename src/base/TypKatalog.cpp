#include "base/TypKatalog.h"

#include "base/Utils.h"
#include "core/ProgramError.h"

#include <array>
#include <cmath>

namespace {

using T = CTypKatalog;
using V = CTypKatalog::Verbindung;
using S = CTypKatalog::Senden;
using Tab = CTypKatalog::Tabelle;
using E = CTypKatalog::EinheitenListe;

/// On a PL45: half a second for the interface after its mode was set, 200 ms of reset, then a second
/// for the transmitter to boot before it is asked who it is.
constexpr T::ResetPuls kPulsPL45{500, 200, 1000};
/// On the old interface, which has no mode to set: a second of reset and a second to boot.
constexpr T::ResetPuls kPulsPL40{0, 1000, 1000};
/// The directly connected types are never reset.
constexpr T::ResetPuls kKeinPuls{0, 0, 0};
/// The PL45's mode codes: 0 for the RX89 and the KA71, 5 for the other families.
constexpr int kModusRX89 = 0;
constexpr int kModus = 5;
/// The RX26 and KA52/KA28 families take a quarter of the base span as offset, the 2-wire RX26 also a
/// wider span correction; every other type a tenth and 10 %.
constexpr T::Correction kTenth{10.0f, 10.0f};
constexpr T::Correction kQuarter{4.0f, 10.0f};
constexpr T::Correction kQuarterWide{4.0f, 25.0f};

using A = CTypKatalog::Ausgang;
using BD = CTypKatalog::BlattDaempfung;
using Ed = CTypKatalog::EditVariante;
using AF = CTypKatalog::AbgleichForm;
using W = CTypKatalog::Wizard;

/// Turn-down ratios: most transmitters allow 4:1, the RX96 and RX84 5:1, the VN62 100:1.
constexpr int kSpreizung = 4;
constexpr int kSpreizungRX = 5;
constexpr int kSpreizungVN62 = 100;
constexpr int kKeine = T::kKeineAuswahl;

// clang-format off
constexpr std::array<T::Typ, T::kTypAnzahl> kTypen = {{
    // text                                              wires  connect      mode          PL45 pulse PL40 pulse  send         lock   table            temp.  units         KA71
    //     output          DT     sheet damping TAST  edit variant  spread          lin. %  config multi  calibration analog wizard        choice mistaken for  correction
    {QT_TRANSLATE_NOOP("CTypKatalog", "RX89 bis V. 2.2"),      2, V::MitReset, kModusRX89,   kPulsPL45, kPulsPL40, S::Befehle,  true,  Tab::Bloecke,    false, E::Alt,       false,
        A::Messbereich, false, BD::Einfach, false, Ed::EditData, kSpreizung,     true,  false, false, AF::RX93,  false, W::Keiner,   5,     nullptr, kTenth},
    {QT_TRANSLATE_NOOP("CTypKatalog", "RX89 ab V. 2.3"),       2, V::MitReset, kModusRX89,   kPulsPL45, kPulsPL40, S::Befehle,  true,  Tab::Bloecke,    false, E::Alt,       false,
        A::Messbereich, false, BD::Einfach, false, Ed::EditData, kSpreizung,     false, false, false, AF::RX93,  false, W::Keiner,   4,     nullptr, kTenth},
    {QT_TRANSLATE_NOOP("CTypKatalog", "RX31"),                 2, V::Direkt,   kModus,       kKeinPuls, kKeinPuls, S::Bild,     true,  Tab::Punkte,     true,  E::Gemeinsam, false,
        A::Messbereich, true,  BD::Druck,   true,  Ed::RX31_3x,  kSpreizung,     false, true,  false, AF::RX31,  true,  W::Keiner,   kKeine, "RX30", kTenth},
    {QT_TRANSLATE_NOOP("CTypKatalog", "RX26 2-Leiter"),        2, V::Direkt,   kModus,       kKeinPuls, kKeinPuls, S::Bild,     false, Tab::Punkte,     false, E::Gemeinsam, false,
        A::Kennlinie,   false, BD::Einfach, false, Ed::RX30,     kSpreizung,     false, true,  false, AF::RX31,  true,  W::Standard, 0,     "RX31", kQuarterWide},
    // No PL45 serves the 3-wire RX26: it only works on the old interface.
    {QT_TRANSLATE_NOOP("CTypKatalog", "RX26 3-Leiter"),        3, V::MitReset, T::kKeinModus, kPulsPL45, kPulsPL40, S::Bild,     false, Tab::Punkte,     false, E::Gemeinsam, false,
        A::Kennlinie,   false, BD::Keine,   false, Ed::RX30,     kSpreizung,     false, true,  false, AF::RX31,  true,  W::Standard, 1,     nullptr, kQuarter},
    {QT_TRANSLATE_NOOP("CTypKatalog", "KA52 / KA53 2-Leiter"), 2, V::Direkt,   kModus,       kKeinPuls, kKeinPuls, S::Bild,     false, Tab::Punkte,     false, E::Gemeinsam, false,
        A::Kennlinie,   false, BD::Keine,   false, Ed::RX30,     kSpreizung,     false, true,  false, AF::RX31,  false, W::Standard, kKeine, nullptr, kQuarter},
    {QT_TRANSLATE_NOOP("CTypKatalog", "KA28 3-Leiter"),        3, V::MitReset, kModus,       kPulsPL45, kPulsPL40, S::Bild,     false, Tab::Punkte,     false, E::Gemeinsam, false,
        A::Kennlinie,   false, BD::Keine,   false, Ed::RX30,     kSpreizung,     false, true,  false, AF::RX31,  false, W::KA28,     kKeine, nullptr, kQuarter},
    {QT_TRANSLATE_NOOP("CTypKatalog", "VN62 2-Leiter"),        2, V::Direkt,   kModus,       kKeinPuls, kKeinPuls, S::Bild,     true,  Tab::Punkte,     true,  E::Gemeinsam, false,
        A::Messbereich, false, BD::Druck,   true,  Ed::RX31_3x,  kSpreizungVN62, false, true,  true,  AF::VN62,  false, W::Keiner,   kKeine, nullptr, kTenth},
    {QT_TRANSLATE_NOOP("CTypKatalog", "RX96 2-Leiter"),        2, V::Direkt,   kModus,       kKeinPuls, kKeinPuls, S::Bild,     true,  Tab::Punkte,     true,  E::Gemeinsam, false,
        A::Messbereich, false, BD::Druck,   true,  Ed::RX31_3x,  kSpreizungRX,   false, true,  false, AF::RX31,  true,  W::Keiner,   2,     nullptr, kTenth},
    {QT_TRANSLATE_NOOP("CTypKatalog", "RX84 2-Leiter"),        2, V::Direkt,   kModus,       kKeinPuls, kKeinPuls, S::Bild,     true,  Tab::Punkte,     true,  E::Gemeinsam, false,
        A::Messbereich, false, BD::Druck,   true,  Ed::RX31_3x,  kSpreizungRX,   false, true,  false, AF::RX31,  true,  W::Keiner,   3,     nullptr, kTenth},
    {QT_TRANSLATE_NOOP("CTypKatalog", "KA71 2-Leiter"),        2, V::MitReset, kModusRX89,   kPulsPL45, kPulsPL40, S::BildKA71, true,  Tab::PunkteKA71, false, E::KA71,      true,
        A::Messbereich, false, BD::Druck,   true,  Ed::KA71,     kSpreizung,     false, true,  false, AF::KA71,  true,  W::Keiner,   6,     nullptr, kTenth},
}};
// clang-format on

/// Units of the oldest transmitters (types 0 and 1); rows 3 to 9 are free.
constexpr std::array<const char*, 10> kEinheitenAlt = {
    QT_TRANSLATE_NOOP("CTypKatalog", "bar"),  QT_TRANSLATE_NOOP("CTypKatalog", "mbar"),
    QT_TRANSLATE_NOOP("CTypKatalog", "mmWS"), QT_TRANSLATE_NOOP("CTypKatalog", "frei"),
    QT_TRANSLATE_NOOP("CTypKatalog", "frei"), QT_TRANSLATE_NOOP("CTypKatalog", "frei"),
    QT_TRANSLATE_NOOP("CTypKatalog", "frei"), QT_TRANSLATE_NOOP("CTypKatalog", "frei"),
    QT_TRANSLATE_NOOP("CTypKatalog", "frei"), QT_TRANSLATE_NOOP("CTypKatalog", "frei"),
};

/// Display units of the KA71; the row is the index into the unit table.
constexpr std::array<const char*, 7> kEinheitenKA71 = {
    QT_TRANSLATE_NOOP("CTypKatalog", "    "), QT_TRANSLATE_NOOP("CTypKatalog", "Bar"),
    QT_TRANSLATE_NOOP("CTypKatalog", "mBar"), QT_TRANSLATE_NOOP("CTypKatalog", "Pa"),
    QT_TRANSLATE_NOOP("CTypKatalog", "kPa"),  QT_TRANSLATE_NOOP("CTypKatalog", "PSI"),
    QT_TRANSLATE_NOOP("CTypKatalog", "InWc"),
};

constexpr std::array<const char*, 8> kEinheiten = {
    QT_TRANSLATE_NOOP("CTypKatalog", "    "), QT_TRANSLATE_NOOP("CTypKatalog", "bar"),
    QT_TRANSLATE_NOOP("CTypKatalog", "mbar"), QT_TRANSLATE_NOOP("CTypKatalog", "Pa"),
    QT_TRANSLATE_NOOP("CTypKatalog", "kPa"),  QT_TRANSLATE_NOOP("CTypKatalog", "°C"),
    QT_TRANSLATE_NOOP("CTypKatalog", "°F"),   QT_TRANSLATE_NOOP("CTypKatalog", "%"),
};

/// Model codes at the start of an identification whose type needs no further character.
struct ModelCode {
    const char* code;
    int nTyp;
};
constexpr std::array<ModelCode, 8> kModelCodes = {{
    {"RX31", 2},
    {"VN62", 7},
    {"RX96", 8},
    {"RX84", 9},
    {"KA52", 5},
    {"KA28", 6},
    {"KA53", 5},
    {"KA71", CTypKatalog::kKA71},
}};

/// The RX30 comes as 2-wire (type 3) and as 3-wire (type 4) with 'U' or 'I' as sixth character.
constexpr char kRX30[] = "RX30";
/// The oldest transmitters identify as "V2x": 'x' = '2' up to version 2.2, anything else later.
constexpr char kV2[] = "V2";
/// The RX31 offers the extended function set from firmware version 309 on.
constexpr double kRX31LetzteEinfacheVersion = 308.0;
constexpr qsizetype kKennungBeginn = 2;
constexpr qsizetype kErweitertMindestLaenge = 11;

template <std::size_t N>
QString Lookup(const std::array<const char*, N>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        return QString();
    }
    return CTypKatalog::tr(list[static_cast<std::size_t>(index)]);
}

char CharAt(QByteArrayView kennung, qsizetype index, const char* model) {
    if (kennung.size() <= index) {
        throw CProgramError(std::string("identification of model ") + model + " too short for character " +
                            std::to_string(index + 1));
    }
    return kennung[index];
}

} // namespace

bool CTypKatalog::IsGueltigerTyp(int nTyp) {
    return nTyp >= 0 && nTyp < kTypAnzahl;
}

const CTypKatalog::Typ* CTypKatalog::Find(int nTyp) {
    return IsGueltigerTyp(nTyp) ? &kTypen[static_cast<std::size_t>(nTyp)] : nullptr;
}

QString CTypKatalog::GetTypText(int nTyp) {
    const Typ* typ = Find(nTyp);
    return typ != nullptr ? tr(typ->text) : QString();
}

QString CTypKatalog::GetEinheitText(int nTyp, int nEinheit) {
    const Typ* typ = Find(nTyp);
    if (typ != nullptr && typ->einheiten == EinheitenListe::KA71) {
        return Lookup(kEinheitenKA71, nEinheit);
    }
    return GetEinheitTextFor(nTyp, nEinheit);
}

QString CTypKatalog::GetEinheitTextFor(int nTyp, int nEinheit) {
    const Typ* typ = Find(nTyp);
    if (typ == nullptr) {
        return QString();
    }
    return typ->einheiten == EinheitenListe::Alt ? Lookup(kEinheitenAlt, nEinheit)
                                                 : Lookup(kEinheiten, nEinheit);
}

bool CTypKatalog::IsDreiLeiter(int nTyp) {
    const Typ* typ = Find(nTyp);
    return typ != nullptr && typ->nLeiter == 3;
}

bool CTypKatalog::IsKA71(int nTyp) {
    const Typ* typ = Find(nTyp);
    return typ != nullptr && typ->bKA71;
}

bool CTypKatalog::HasTastatursperre(int nTyp) {
    const Typ* typ = Find(nTyp);
    return typ != nullptr && typ->bTastatursperre;
}

CTypKatalog::AbgleichForm CTypKatalog::AbgleichFormOf(int nTyp) {
    const Typ* typ = Find(nTyp);
    return typ != nullptr ? typ->abgleich : AbgleichForm::RX93;
}

int CTypKatalog::TypOf(AbgleichForm form) {
    for (int nTyp = 0; nTyp < kTypAnzahl; ++nTyp) {
        if (Find(nTyp)->abgleich == form) {
            return nTyp;
        }
    }
    throw CProgramError("no transmitter type has this calibration form");
}

bool CTypKatalog::HasAnalogAbgleich(int nTyp) {
    const Typ* typ = Find(nTyp);
    return typ != nullptr && typ->bAnalogAbgleich;
}

CTypKatalog::EditVariante CTypKatalog::EditVarianteOf(int nTyp) {
    const Typ* typ = Find(nTyp);
    return typ != nullptr ? typ->edit : EditVariante::EditData;
}

CTypKatalog::Wizard CTypKatalog::WizardOf(int nTyp) {
    const Typ* typ = Find(nTyp);
    return typ != nullptr ? typ->wizard : Wizard::Keiner;
}

std::array<int, CTypKatalog::kAuswahlKnoepfe> CTypKatalog::AuswahlTypen() {
    std::array<int, kAuswahlKnoepfe> typen{};
    for (int nTyp = 0; nTyp < kTypAnzahl; ++nTyp) {
        const int nKnopf = Find(nTyp)->nAuswahl;
        if (nKnopf != kKeineAuswahl) {
            typen.at(static_cast<std::size_t>(nKnopf)) = nTyp;
        }
    }
    return typen;
}

std::vector<int> CTypKatalog::WizardTypen() {
    std::vector<int> typen;
    for (int nTyp = 0; nTyp < kTypAnzahl; ++nTyp) {
        if (Find(nTyp)->wizard != Wizard::Keiner) {
            typen.push_back(nTyp);
        }
    }
    return typen;
}

std::optional<int> CTypKatalog::TypFromKennung(QByteArrayView kennung) {
    for (const ModelCode& model : kModelCodes) {
        if (kennung.startsWith(QByteArrayView(model.code))) {
            return model.nTyp;
        }
    }
    if (kennung.startsWith(QByteArrayView(kRX30))) {
        const char sechstes = CharAt(kennung, 5, kRX30);
        return (sechstes == 'U' || sechstes == 'I') ? 4 : 3;
    }
    if (kennung.startsWith(QByteArrayView(kV2))) {
        return CharAt(kennung, 2, kV2) == '2' ? 0 : 1;
    }
    return std::nullopt;
}

std::optional<bool> CTypKatalog::ErweitertFromReply(QByteArrayView reply) {
    if (reply.size() < kErweitertMindestLaenge) {
        return std::nullopt;
    }
    const QByteArrayView kennung = reply.sliced(kKennungBeginn);
    if (kennung.startsWith("KA71")) {
        return true;
    }
    if (kennung.startsWith("RX31")) {
        // Identification characters 6 to 8 hold the firmware version.
        const double version = std::trunc(CUtils::ParseText(kennung.sliced(5, 3)));
        return version > kRX31LetzteEinfacheVersion;
    }
    return false;
}
