#include "transmitter/CommandSet.h"

#include "base/Utils.h"
#include "core/ProgramError.h"
#include "document/QuillonDoc.h"
#include "document/ReplyDecoder.h"
#include "transmitter/Commands.h"

#include <algorithm>
#include <string>

namespace {

using P = CCommandSet::Payload;
using D = CReplyDecoder;
constexpr int kDoc = CCommandSet::kDocumentDecimals;
using R = CCommandSet::Reply;
using F = CCommandSet::ReplyForm;

/// A number's text with its decimals digit, as the transmitters send it; a longer reply (L above 20) is
/// none, the decoders would read it as 0.
constexpr F kNumber{R::Number, 2, 18};
constexpr F kKorrektur{R::Korrektur, 2, 0};
/// The decoder reads the first value's 6 characters; the VN62 sends ΔP, P1 and P2.
constexpr F kMesswert{R::Messwert, 6, 0};
constexpr F kKennung{R::Kennung, 8, 0};
constexpr F kAdc{R::Digits, 6, 0};  ///< one group of 6 digits per channel
constexpr F kWort{R::Digits, 5, 0}; ///< a calibration word, 5 digits
constexpr F kDigits{R::Digits, 1, 0};
constexpr F kEinheit{R::Digits, 1, 2}; ///< the unit; the KA71 adds its display unit
constexpr F kAnzahl{R::Digits, 2, 2};  ///< the number of table points
constexpr F kPunkt{R::Hex, 16, 0};     ///< one point of two hex longs, or a block of three (types 0, 1)
constexpr F kAny{};

/// Longer replies of the offset and span reads are known; their decoders leave the field as it is.
constexpr qsizetype kKorrekturIgnoriert = 29;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsUpperHex(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F');
}

bool IsNumberChar(char c) {
    return IsDigit(c) || c == '+' || c == '-' || c == '.' || c == ' ';
}

bool IsAll(QByteArrayView data, bool (*bAllowed)(char)) {
    return std::all_of(data.begin(), data.end(), bAllowed);
}

/// The number text and, last, the decimals digit.
bool IsNumberText(QByteArrayView data) {
    return !data.isEmpty() && IsAll(data, IsNumberChar) && IsDigit(data.back());
}

bool Fits(const F& form, QByteArrayView data) {
    if (form.reply == R::Korrektur && data.size() >= kKorrekturIgnoriert) {
        return true;
    }
    if (data.size() < form.nMin || (form.nMax > 0 && data.size() > form.nMax)) {
        return false;
    }
    switch (form.reply) {
    case R::Any:
        return true;
    case R::Number:
    case R::Korrektur:
    case R::Messwert:
        return IsNumberText(data);
    case R::Kennung:
        // The model code comes first: a letter, where a number starts with its sign or a digit.
        return (data.front() >= 'A' && data.front() <= 'Z') || (data.front() >= 'a' && data.front() <= 'z');
    case R::Digits:
        return IsAll(data, IsDigit);
    case R::Hex:
        return IsAll(data, IsUpperHex);
    }
    return true;
}

const QList<CCommandSet::Command> kCommands = {
    {Cmd::GetAktOutput, "Get Akt Output", P::Empty, 0, nullptr, kAny},
    {Cmd::GetDeviceInfo, "Get Device Info", P::Empty, 0, nullptr, kKennung},
    {Cmd::GetAktMesswert, "Get Akt Messwert", P::Empty, 0, &D::DecodeMesswert, kMesswert},
    {Cmd::GetAktAdc, "Get Akt ADC", P::Selector, 0, nullptr, kAdc},
    {Cmd::GetTemperatur, "Get Temperatur", P::Empty, 0, &D::DecodeTemperatur, kNumber},
    {Cmd::GetMessAnfang, "Get Messbereichsanfang", P::Empty, 0, &D::DecodeMessAnfang, kNumber},
    {Cmd::GetMessEnde, "Get Messbereichsende", P::Empty, 0, &D::DecodeMessEnde, kNumber},
    {Cmd::GetOffset, "Get Offsetkorrektur", P::Empty, 0, &D::DecodeOffset, kKorrektur},
    {Cmd::GetSpanne, "Get Spannekorrektur", P::Empty, 0, &D::DecodeSpanne, kKorrektur},
    {Cmd::GetDaempfung, "Get Dämpfung", P::Empty, 0, &D::DecodeDaempfung, kNumber},
    {Cmd::GetBezeichnung, "Get Messstellen-Bezeichnung", P::Empty, 0, &D::DecodeBezeichnung, kAny},
    {Cmd::GetGrundAnfang, "Get Grundmessbereich Anfang", P::Empty, 0, &D::DecodeGrundAnfang, kNumber},
    {Cmd::GetGrundEnde, "Get Grundmessbereichsende", P::Empty, 0, &D::DecodeGrundEnde, kNumber},
    {Cmd::GetSeriennummer, "Get Seriennummer", P::Empty, 0, &D::DecodeSeriennummer, kAny},
    {Cmd::GetEinheit, "Get Einheit", P::Empty, 0, &D::DecodeEinheit, kEinheit},
    {Cmd::GetLinTabBlock, "LinTab lesen", P::Selector, 0, nullptr, kPunkt},
    {Cmd::SetFreigabe, "Parametrierung freigeben", P::Flag, 0, nullptr, kAny},
    {Cmd::SetMessAnfang, "Set Messbereichsanfang", P::Scaled, kDoc, nullptr, kAny},
    {Cmd::SetMessEnde, "Set Messbereichsende", P::Scaled, kDoc, nullptr, kAny},
    {Cmd::SetOffset, "Set Offsetkorrektur", P::Scaled, kDoc, nullptr, kAny},
    {Cmd::SetSpanne, "Set Spannekorrektur", P::Scaled, kDoc, nullptr, kAny},
    {Cmd::SetDaempfung, "Set Dämpfung", P::Scaled, 1, nullptr, kAny},
    {Cmd::SetBezeichnung, "Set Messstellenbezeichnung", P::Text, 0, nullptr, kAny},
    {Cmd::SetLinTabBlock, "LinTab schreiben", P::Hex, 0, nullptr, kAny},
    {Cmd::EnableAbgleich, "Enable Abgleich", P::Empty, 0, nullptr, kAny},
    {Cmd::GetAbgleichWort, "Get AbglData", P::Selector, 0, nullptr, kWort},
    {Cmd::SetAbglData, "Set AbglData", P::Selector, 0, nullptr, kAny},
    {Cmd::SetSeriennummer, "Set Seriennummer", P::Text, 0, nullptr, kAny},
    {Cmd::StoreAbglData, "Store AbglData", P::Empty, 0, nullptr, kAny},
    {Cmd::SetDac, "SetDAC", P::Decimal, 0, nullptr, kAny},
    {Cmd::SetVerstaerkung, "SetVerstärkung", P::Hex, 0, nullptr, kAny},
    {Cmd::GetFehlerstrom, "Get Fehlersignal", P::Empty, 0, &D::DecodeFehlerstrom, kNumber},
    {Cmd::GetStromgrenzeMin, "Get Stromgrenze Min", P::Empty, 0, &D::DecodeStromgrenzeMin, kNumber},
    {Cmd::GetStromgrenzeMax, "Get Stromgrenze Max", P::Empty, 0, &D::DecodeStromgrenzeMax, kNumber},
    {Cmd::GetLinTabAnzahl, "LinTab Anzahl lesen", P::Empty, 0, &D::DecodeLinTabAnzahl, kAnzahl},
    {Cmd::GetTempDaempfung, "Get Temperatur-Dämpfung", P::Empty, 0, &D::DecodeTempDaempfung, kNumber},
    {Cmd::GetTastatursperre, "Get Tastatursperre", P::Empty, 0, &D::DecodeTastatursperre, kNumber},
    {Cmd::GetNullpunktsfenster, "Get Nullpunktsfenster", P::Empty, 0, &D::DecodeNullpunktsfenster, kNumber},
    {Cmd::GetTempAdc, "Get Temperatur-ADC", P::Selector, 0, nullptr, kDigits},
    {Cmd::SetTastatursperre, "Set Tastatursperre", P::Decimal, 0, nullptr, kAny},
    {Cmd::SetNullpunktsfenster, "Set Nullpunktsfenster", P::Decimal, 0, nullptr, kAny},
    {Cmd::SetFehlerstrom, "Set Fehlersignal", P::Scaled, 2, nullptr, kAny},
    {Cmd::SetStromgrenzeMin, "Set Stromgrenze Min", P::Scaled, 2, nullptr, kAny},
    {Cmd::SetStromgrenzeMax, "Set Stromgenze Max", P::Scaled, 2, nullptr, kAny},
    {Cmd::SetLinTabAnzahl, "Set LinTabCount", P::Decimal, 0, nullptr, kAny},
    {Cmd::SpeicherBeginn, "Speicher schreiben Beginn", P::Flag, 0, nullptr, kAny},
    {Cmd::SpeicherBlock, "Speicherblock schreiben", P::Hex, 0, nullptr, kAny},
    {Cmd::SpeicherEnde, "Speicher schreiben Ende", P::Flag, 0, nullptr, kAny},
    {Cmd::GetFreiWert, "Get Zusatzwert", P::Selector, 0, nullptr, kNumber},
    {Cmd::GetInterfaceInfo, "Interface Version", P::Empty, 0, nullptr, kAny},
    {Cmd::SetInterfaceMode, "Interface Modus", P::Mode, 0, nullptr, kAny},
};

} // namespace

const QList<CCommandSet::Command>& CCommandSet::All() {
    return kCommands;
}

const CCommandSet::Command* CCommandSet::Find(quint8 code) {
    for (const Command& command : kCommands) {
        if (command.code == code) {
            return &command;
        }
    }
    return nullptr;
}

CCommandSet::Decoder CCommandSet::DecoderOf(quint8 code) {
    const Command* command = Find(code);
    if (command == nullptr || command->decoder == nullptr) {
        throw CProgramError("command " + std::to_string(code) + " has no reply decoder");
    }
    return command->decoder;
}

bool CCommandSet::ReplyFits(quint8 code, const QByteArray& frame) {
    const Command* command = Find(code);
    if (command == nullptr || command->form.reply == Reply::Any) {
        return true;
    }
    // A whole frame: STX, L, the data at positions 2 to L - 1, the sum and ETX.
    if (frame.size() < 4 || static_cast<quint8>(frame.at(1)) + 2 != frame.size()) {
        return false;
    }
    return Fits(command->form, QByteArrayView(frame).sliced(2, frame.size() - 4));
}

QByteArray CCommandSet::ScaledPayload(quint8 code, float value, const CQuillonDoc& doc) {
    const Command* command = Find(code);
    if (command == nullptr || command->payload != Payload::Scaled) {
        throw CProgramError("command " + std::to_string(code) + " takes no scaled number");
    }
    const int decimals = command->decimals == kDocumentDecimals ? doc.GetDezimalstellen() : command->decimals;
    return CUtils::FormatScaled(value, decimals);
}
