#include "transmitter/CommandSet.h"

#include "base/Utils.h"
#include "core/ProgramError.h"
#include "document/QuillonDoc.h"
#include "document/ReplyDecoder.h"
#include "transmitter/Commands.h"

#include <string>

namespace {

using P = CCommandSet::Payload;
using D = CReplyDecoder;
constexpr int kDoc = CCommandSet::kDocumentDecimals;

const QList<CCommandSet::Command> kCommands = {
    {Cmd::GetAktOutput, "Get Akt Output", P::Empty, 0, nullptr},
    {Cmd::GetDeviceInfo, "Get Device Info", P::Empty, 0, nullptr},
    {Cmd::GetAktMesswert, "Get Akt Messwert", P::Empty, 0, &D::DecodeMesswert},
    {Cmd::GetAktAdc, "Get Akt ADC", P::Selector, 0, nullptr},
    {Cmd::GetTemperatur, "Get Temperatur", P::Empty, 0, &D::DecodeTemperatur},
    {Cmd::GetMessAnfang, "Get Messbereichsanfang", P::Empty, 0, &D::DecodeMessAnfang},
    {Cmd::GetMessEnde, "Get Messbereichsende", P::Empty, 0, &D::DecodeMessEnde},
    {Cmd::GetOffset, "Get Offsetkorrektur", P::Empty, 0, &D::DecodeOffset},
    {Cmd::GetSpanne, "Get Spannekorrektur", P::Empty, 0, &D::DecodeSpanne},
    {Cmd::GetDaempfung, "Get Dämpfung", P::Empty, 0, &D::DecodeDaempfung},
    {Cmd::GetBezeichnung, "Get Messstellen-Bezeichnung", P::Empty, 0, &D::DecodeBezeichnung},
    {Cmd::GetGrundAnfang, "Get Grundmessbereich Anfang", P::Empty, 0, &D::DecodeGrundAnfang},
    {Cmd::GetGrundEnde, "Get Grundmessbereichsende", P::Empty, 0, &D::DecodeGrundEnde},
    {Cmd::GetSeriennummer, "Get Seriennummer", P::Empty, 0, &D::DecodeSeriennummer},
    {Cmd::GetEinheit, "Get Einheit", P::Empty, 0, &D::DecodeEinheit},
    {Cmd::GetLinTabBlock, "LinTab lesen", P::Selector, 0, nullptr},
    {Cmd::SetFreigabe, "Parametrierung freigeben", P::Flag, 0, nullptr},
    {Cmd::SetMessAnfang, "Set Messbereichsanfang", P::Scaled, kDoc, nullptr},
    {Cmd::SetMessEnde, "Set Messbereichsende", P::Scaled, kDoc, nullptr},
    {Cmd::SetOffset, "Set Offsetkorrektur", P::Scaled, kDoc, nullptr},
    {Cmd::SetSpanne, "Set Spannekorrektur", P::Scaled, kDoc, nullptr},
    {Cmd::SetDaempfung, "Set Dämpfung", P::Scaled, 1, nullptr},
    {Cmd::SetBezeichnung, "Set Messstellenbezeichnung", P::Text, 0, nullptr},
    {Cmd::SetLinTabBlock, "LinTab schreiben", P::Hex, 0, nullptr},
    {Cmd::EnableAbgleich, "Enable Abgleich", P::Empty, 0, nullptr},
    {Cmd::GetAbgleichWort, "Get AbglData", P::Selector, 0, nullptr},
    {Cmd::SetAbglData, "Set AbglData", P::Selector, 0, nullptr},
    {Cmd::SetSeriennummer, "Set Seriennummer", P::Text, 0, nullptr},
    {Cmd::StoreAbglData, "Store AbglData", P::Empty, 0, nullptr},
    {Cmd::SetDac, "SetDAC", P::Decimal, 0, nullptr},
    {Cmd::SetVerstaerkung, "SetVerstärkung", P::Hex, 0, nullptr},
    {Cmd::GetFehlerstrom, "Get Fehlersignal", P::Empty, 0, &D::DecodeFehlerstrom},
    {Cmd::GetStromgrenzeMin, "Get Stromgrenze Min", P::Empty, 0, &D::DecodeStromgrenzeMin},
    {Cmd::GetStromgrenzeMax, "Get Stromgrenze Max", P::Empty, 0, &D::DecodeStromgrenzeMax},
    {Cmd::GetLinTabAnzahl, "LinTab Anzahl lesen", P::Empty, 0, &D::DecodeLinTabAnzahl},
    {Cmd::GetTempDaempfung, "Get Temperatur-Dämpfung", P::Empty, 0, &D::DecodeTempDaempfung},
    {Cmd::GetTastatursperre, "Get Tastatursperre", P::Empty, 0, &D::DecodeTastatursperre},
    {Cmd::GetNullpunktsfenster, "Get Nullpunktsfenster", P::Empty, 0, &D::DecodeNullpunktsfenster},
    {Cmd::GetTempAdc, "Get Temperatur-ADC", P::Selector, 0, nullptr},
    {Cmd::SetTastatursperre, "Set Tastatursperre", P::Decimal, 0, nullptr},
    {Cmd::SetNullpunktsfenster, "Set Nullpunktsfenster", P::Decimal, 0, nullptr},
    {Cmd::SetFehlerstrom, "Set Fehlersignal", P::Scaled, 2, nullptr},
    {Cmd::SetStromgrenzeMin, "Set Stromgrenze Min", P::Scaled, 2, nullptr},
    {Cmd::SetStromgrenzeMax, "Set Stromgenze Max", P::Scaled, 2, nullptr},
    {Cmd::SetLinTabAnzahl, "Set LinTabCount", P::Decimal, 0, nullptr},
    {Cmd::SpeicherBeginn, "Speicher schreiben Beginn", P::Flag, 0, nullptr},
    {Cmd::SpeicherBlock, "Speicherblock schreiben", P::Hex, 0, nullptr},
    {Cmd::SpeicherEnde, "Speicher schreiben Ende", P::Flag, 0, nullptr},
    {Cmd::GetFreiWert, "Get Zusatzwert", P::Selector, 0, nullptr},
    {Cmd::GetInterfaceInfo, "Interface Version", P::Empty, 0, nullptr},
    {Cmd::SetInterfaceMode, "Interface Modus", P::Mode, 0, nullptr},
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

QByteArray CCommandSet::ScaledPayload(quint8 code, float value, const CQuillonDoc& doc) {
    const Command* command = Find(code);
    if (command == nullptr || command->payload != Payload::Scaled) {
        throw CProgramError("command " + std::to_string(code) + " takes no scaled number");
    }
    const int decimals = command->decimals == kDocumentDecimals ? doc.GetDezimalstellen() : command->decimals;
    return CUtils::FormatScaled(value, decimals);
}
