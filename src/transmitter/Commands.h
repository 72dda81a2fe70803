#pragma once

#include <QtGlobal>

/// The command bytes of the transmitters and of the programming interface. A reply carries no copy of
/// the command; its data start at frame position 2.
namespace Cmd {
inline constexpr quint8 GetAktOutput = 0x30;
inline constexpr quint8 GetDeviceInfo = 0x31;
inline constexpr quint8 GetAktMesswert = 0x32;
inline constexpr quint8 GetAktAdc = 0x33;
inline constexpr quint8 GetTemperatur = 0x34;
inline constexpr quint8 GetMessAnfang = 0x35;
inline constexpr quint8 GetMessEnde = 0x36;
inline constexpr quint8 GetOffset = 0x37;
inline constexpr quint8 GetSpanne = 0x38;
inline constexpr quint8 GetDaempfung = 0x39;
inline constexpr quint8 GetBezeichnung = 0x3A;
inline constexpr quint8 GetGrundAnfang = 0x3B;
inline constexpr quint8 GetGrundEnde = 0x3C;
inline constexpr quint8 GetSeriennummer = 0x3D;
inline constexpr quint8 GetEinheit = 0x3E;
inline constexpr quint8 GetLinTabBlock = 0x3F;
inline constexpr quint8 SetFreigabe = 0x40;
inline constexpr quint8 SetMessAnfang = 0x45;
inline constexpr quint8 SetMessEnde = 0x46;
inline constexpr quint8 SetOffset = 0x47;
inline constexpr quint8 SetSpanne = 0x48;
inline constexpr quint8 SetDaempfung = 0x49;
inline constexpr quint8 SetBezeichnung = 0x4A;
inline constexpr quint8 SetLinTabBlock = 0x4F;
inline constexpr quint8 EnableAbgleich = 0x50;
inline constexpr quint8 GetAbgleichWort = 0x51;
inline constexpr quint8 SetAbglData = 0x61;
inline constexpr quint8 SetSeriennummer = 0x62;
inline constexpr quint8 StoreAbglData = 0x63;
inline constexpr quint8 SetDac = 0x64;
inline constexpr quint8 SetVerstaerkung = 0x65;
inline constexpr quint8 GetFehlerstrom = 0x71;
inline constexpr quint8 GetStromgrenzeMin = 0x72;
inline constexpr quint8 GetStromgrenzeMax = 0x73;
inline constexpr quint8 GetLinTabAnzahl = 0x74;
inline constexpr quint8 GetTempDaempfung = 0x75;
inline constexpr quint8 GetTastatursperre = 0x76;
inline constexpr quint8 GetNullpunktsfenster = 0x77;
inline constexpr quint8 GetTempAdc = 0x78;
inline constexpr quint8 SetTastatursperre = 0x79;
inline constexpr quint8 SetNullpunktsfenster = 0x7A;
inline constexpr quint8 SetFehlerstrom = 0x81;
inline constexpr quint8 SetStromgrenzeMin = 0x82;
inline constexpr quint8 SetStromgrenzeMax = 0x83;
inline constexpr quint8 SetLinTabAnzahl = 0x84;
inline constexpr quint8 SpeicherBeginn = 0x85;
inline constexpr quint8 SpeicherBlock = 0x86;
inline constexpr quint8 SpeicherEnde = 0x87;
inline constexpr quint8 GetFreiWert = 0x90;
inline constexpr quint8 GetInterfaceInfo = 0xF0;
inline constexpr quint8 SetInterfaceMode = 0xF1;
} // namespace Cmd
