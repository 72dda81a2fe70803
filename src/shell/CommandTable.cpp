#include "shell/CommandTable.h"

#include "shell/Edition.h"
#include "transmitter/Commands.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>

namespace {

using R = EnableRule;
using M = MenuPlace;
using A = CommandArea;
using P = CTestMenu::Payload;

/// A command with a separator in front of its menu entry.
CommandEntry Sep(CommandEntry entry) {
    entry.bSeparatorBefore = true;
    return entry;
}

/// A single command of "Test": what it sends.
CommandEntry Test(int nId, const char* text, R rule, M place, quint8 command, P payload = P::Empty,
                  const char* fixed = "") {
    CommandEntry entry{nId, text, rule, place, A::TestCommand};
    entry.testCommand = command;
    entry.testPayload = payload;
    entry.testFixed = fixed;
    return entry;
}

// Every command once, in the order of the menus: the menu bar is derived from this table.
const std::vector<CommandEntry> kCommands = [] {
    CommandEntry connectRX93{32772, QT_TRANSLATE_NOOP("CCommandTable", "Connect RX93"), R::R01, M::Test,
                             A::Service};
    connectRX93.alsoIn = M::AbglRX93;
    connectRX93.alsoText = QT_TRANSLATE_NOOP("CCommandTable", "Verbinde Hardware...");
    CommandEntry hilfethemen{32836, QT_TRANSLATE_NOOP("CCommandTable", "Hilfethemen..."), R::Always, M::Hilfe,
                             A::Help};
    hilfethemen.bWerkOnly = true; // the help text files are a service aid of the factory edition
    return std::vector<CommandEntry>{
        // Datei
        {57600, QT_TRANSLATE_NOOP("CCommandTable", "&Neu\tStrg+N"), R::R, M::Datei, A::File},
        {57601, QT_TRANSLATE_NOOP("CCommandTable", "Ö&ffnen...\tStrg+O"), R::R, M::Datei, A::File},
        {57603, QT_TRANSLATE_NOOP("CCommandTable", "S&peichern\tStrg+S"), R::R, M::Datei, A::File},
        {57604, QT_TRANSLATE_NOOP("CCommandTable", "Speichern &unter..."), R::R, M::Datei, A::File},
        {33170, QT_TRANSLATE_NOOP("CCommandTable", "&Vergleichen..."), R::RV, M::Datei, A::Compare},
        {33171, QT_TRANSLATE_NOOP("CCommandTable", "Ver&lauf..."), R::R, M::Datei, A::File},
        Sep({57607, QT_TRANSLATE_NOOP("CCommandTable", "&Drucken...\tStrg+P"), R::R, M::Datei, A::Print}),
        {57609, QT_TRANSLATE_NOOP("CCommandTable", "Sei&tenansicht"), R::R, M::Datei, A::Print},
        {57606, QT_TRANSLATE_NOOP("CCommandTable", "Drucker&einrichtung..."), R::R, M::Datei, A::Print},
        Sep({57616, QT_TRANSLATE_NOOP("CCommandTable", "Letzte Datei"), R::R, M::Datei, A::File}),
        Sep({57665, QT_TRANSLATE_NOOP("CCommandTable", "&Beenden"), R::R, M::Datei, A::File}),
        // Editieren
        {32849, QT_TRANSLATE_NOOP("CCommandTable", "Transmitter-Typ..."), R::R, M::Editieren, A::Edit},
        {32834, QT_TRANSLATE_NOOP("CCommandTable", "Aktuelle Daten..."), R::RV, M::Editieren, A::Edit},
        {32800, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 400mbar..."), R::R, M::Messbereich, A::RangePreset},
        {32801, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 1 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32817, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 1,6 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32816, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 2,5 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32811, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 4 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32812, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 6 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32802, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 10 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32809, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 16 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32810, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 25 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32815, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 40 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32818, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 0 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32819, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 0,6 bar..."), R::R, M::Messbereich,
         A::RangePreset},
        {32825, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 1,5 bar..."), R::R, M::Messbereich,
         A::RangePreset},
        {32821, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 3 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32822, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 5 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32823, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 9 bar..."), R::R, M::Messbereich, A::RangePreset},
        {32820, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 15 bar..."), R::R, M::Messbereich, A::RangePreset},
        // Senden/Empfangen
        {32804, QT_TRANSLATE_NOOP("CCommandTable", "Empfangen..."), R::R, M::SendenEmpfangen, A::Transfer},
        {32805, QT_TRANSLATE_NOOP("CCommandTable", "Senden..."), R::RV, M::SendenEmpfangen, A::Transfer},
        {32806, QT_TRANSLATE_NOOP("CCommandTable", "Messung..."), R::R, M::SendenEmpfangen, A::Transfer},
        {33173, QT_TRANSLATE_NOOP("CCommandTable", "Prüfung..."), R::R, M::SendenEmpfangen, A::Transfer},
        {32803, QT_TRANSLATE_NOOP("CCommandTable", "Konfiguration..."), R::RV, M::SendenEmpfangen,
         A::Transfer},
        // Optionen
        {32776, QT_TRANSLATE_NOOP("CCommandTable", "Passwort..."), R::R, M::Optionen, A::Setup},
        {32808, QT_TRANSLATE_NOOP("CCommandTable", "Sprache..."), R::R, M::Optionen, A::Setup},
        {32901, QT_TRANSLATE_NOOP("CCommandTable", "Setup Hardware..."), R::Always, M::Optionen, A::Setup},
        {32807, QT_TRANSLATE_NOOP("CCommandTable", "Schnittstelle wählen"), R::R, M::Optionen, A::Setup},
        {32850, QT_TRANSLATE_NOOP("CCommandTable", "Schnittstellenart..."), R::R, M::Optionen, A::Setup},
        {33172, QT_TRANSLATE_NOOP("CCommandTable", "Verlauf-Datenbank..."), R::R, M::Optionen, A::Setup},
        // Test. The single commands send to the transmitter; the writes wait while a transfer runs.
        {32771, QT_TRANSLATE_NOOP("CCommandTable", "Test RS232"), R::Always, M::Test, A::Service},
        connectRX93,
        Test(32773, QT_TRANSLATE_NOOP("CCommandTable", "Gerätekennung"), R::Always, M::TestLesen,
             Cmd::GetDeviceInfo),
        Test(32774, QT_TRANSLATE_NOOP("CCommandTable", "Messwert"), R::Always, M::TestLesen,
             Cmd::GetAktMesswert),
        Test(32775, QT_TRANSLATE_NOOP("CCommandTable", "ADC-Wert"), R::R, M::TestLesen, Cmd::GetAktAdc),
        Test(32780, QT_TRANSLATE_NOOP("CCommandTable", "Mediumstemperatur"), R::Always, M::TestLesen,
             Cmd::GetTemperatur),
        Test(32781, QT_TRANSLATE_NOOP("CCommandTable", "Messbereichsanfang"), R::Always, M::TestLesen,
             Cmd::GetMessAnfang),
        Test(32782, QT_TRANSLATE_NOOP("CCommandTable", "Messbereichsende"), R::Always, M::TestLesen,
             Cmd::GetMessEnde),
        Test(32783, QT_TRANSLATE_NOOP("CCommandTable", "Offsetkorrektur"), R::Always, M::TestLesen,
             Cmd::GetOffset),
        Test(32784, QT_TRANSLATE_NOOP("CCommandTable", "Spannekorrektur"), R::Always, M::TestLesen,
             Cmd::GetSpanne),
        Test(32785, QT_TRANSLATE_NOOP("CCommandTable", "Dämpfung"), R::Always, M::TestLesen,
             Cmd::GetDaempfung),
        Test(32786, QT_TRANSLATE_NOOP("CCommandTable", "Messstelle"), R::Always, M::TestLesen,
             Cmd::GetBezeichnung),
        Test(32789, QT_TRANSLATE_NOOP("CCommandTable", "Grundmessbreich Anfang"), R::Always, M::TestLesen,
             Cmd::GetGrundAnfang),
        Test(32790, QT_TRANSLATE_NOOP("CCommandTable", "Grundmessbereich Ende"), R::Always, M::TestLesen,
             Cmd::GetGrundEnde),
        Test(32791, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer"), R::Always, M::TestLesen,
             Cmd::GetSeriennummer),
        Test(32792, QT_TRANSLATE_NOOP("CCommandTable", "Einheit"), R::Always, M::TestLesen, Cmd::GetEinheit),
        Test(32787, QT_TRANSLATE_NOOP("CCommandTable", "Messbereichsanfang"), R::R, M::TestAendern,
             Cmd::SetMessAnfang, P::User),
        Test(32788, QT_TRANSLATE_NOOP("CCommandTable", "Messbereichsende"), R::R, M::TestAendern,
             Cmd::SetMessEnde, P::User),
        Test(32793, QT_TRANSLATE_NOOP("CCommandTable", "Offsetkorrektur"), R::R, M::TestAendern,
             Cmd::SetOffset, P::User),
        Test(32794, QT_TRANSLATE_NOOP("CCommandTable", "Spannekorrektur"), R::R, M::TestAendern,
             Cmd::SetSpanne, P::User),
        Test(32795, QT_TRANSLATE_NOOP("CCommandTable", "Dämpfung"), R::R, M::TestAendern, Cmd::SetDaempfung,
             P::User),
        Test(32796, QT_TRANSLATE_NOOP("CCommandTable", "Messstellenbezeichung"), R::R, M::TestAendern,
             Cmd::SetBezeichnung, P::User),
        Test(33100, QT_TRANSLATE_NOOP("CCommandTable", "Ausgang lesen"), R::R, M::Test, Cmd::GetAktOutput),
        Sep(Test(33101, QT_TRANSLATE_NOOP("CCommandTable", "Parametrierung sperren"), R::R, M::Test,
                 Cmd::SetFreigabe, P::Fixed, "0")),
        Test(33102, QT_TRANSLATE_NOOP("CCommandTable", "Parametrierung freigeben"), R::R, M::Test,
             Cmd::SetFreigabe, P::Fixed, "1"),
        Sep(Test(33103, QT_TRANSLATE_NOOP("CCommandTable", "Fehlersignal lesen"), R::R, M::Test,
                 Cmd::GetFehlerstrom)),
        Test(33104, QT_TRANSLATE_NOOP("CCommandTable", "Stromgrenze min lesen"), R::R, M::Test,
             Cmd::GetStromgrenzeMin),
        Test(33105, QT_TRANSLATE_NOOP("CCommandTable", "Stromgrenze max lesen"), R::R, M::Test,
             Cmd::GetStromgrenzeMax),
        Test(33106, QT_TRANSLATE_NOOP("CCommandTable", "Fehlersignal ändern"), R::R, M::Test,
             Cmd::SetFehlerstrom, P::User),
        Test(33107, QT_TRANSLATE_NOOP("CCommandTable", "Stromgrenze min änderen"), R::R, M::Test,
             Cmd::SetStromgrenzeMin, P::User),
        Test(33108, QT_TRANSLATE_NOOP("CCommandTable", "Stromgrenze max ändern"), R::R, M::Test,
             Cmd::SetStromgrenzeMax, P::User),
        Sep({33109, QT_TRANSLATE_NOOP("CCommandTable", "LinTab lesen"), R::R, M::Test, A::Service}),
        {33110, QT_TRANSLATE_NOOP("CCommandTable", "LinTab schreiben"), R::R, M::Test, A::Service},
        // Abgleich
        {32798, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten lesen..."), R::RA, M::AbglRX31,
         A::Calibration},
        {32844, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten anzeigen..."), R::CRA, M::AbglRX31,
         A::Calibration},
        {32842, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten scheiben..."), R::CRA, M::AbglRX31,
         A::Calibration},
        {32846, QT_TRANSLATE_NOOP("CCommandTable", "ADC-Werte auslesen..."), R::RA, M::AbglRX31, A::Service},
        {32813, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer ändern..."), R::RA, M::AbglRX31, A::Service},
        {32885, QT_TRANSLATE_NOOP("CCommandTable", "Analogabgleich..."), R::RA, M::AbglRX31, A::Calibration},
        {32897, QT_TRANSLATE_NOOP("CCommandTable", "Interface Version..."), R::RA, M::AbglRX31, A::Service},
        // (the RX93 submenu opens with "Connect RX93" as "Verbinde Hardware...")
        Sep({32797, QT_TRANSLATE_NOOP("CCommandTable", "Abgleich freigeben"), R::R01, M::AbglRX93,
             A::Calibration}),
        {32912, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten lesen..."), R::R01, M::AbglRX93,
         A::Calibration},
        {32799, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten ändern..."), R::R01, M::AbglRX93,
         A::Calibration},
        {32837, QT_TRANSLATE_NOOP("CCommandTable", "Normalberieb"), R::R01, M::AbglRX93, A::Service},
        {32913, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer ändern..."), R::R01, M::AbglRX93,
         A::Service},
        {32838, QT_TRANSLATE_NOOP("CCommandTable", "Temperaturabgleich..."), R::R01, M::AbglRX93,
         A::Calibration},
        {32906, QT_TRANSLATE_NOOP("CCommandTable", "Abgleich-Wizzard"), R::Always, M::Abgleich,
         A::Calibration},
        {32908, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten lesen..."), R::R7, M::AbglVN62,
         A::Calibration},
        {32909, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten anzeigen..."), R::CR7, M::AbglVN62,
         A::Calibration},
        {32910, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten schreiben..."), R::CR7, M::AbglVN62,
         A::Calibration},
        {32914, QT_TRANSLATE_NOOP("CCommandTable", "ADC-Werte auslesen..."), R::R7, M::AbglVN62, A::Service},
        {32915, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer ändern..."), R::R7, M::AbglVN62, A::Service},
        {32916, QT_TRANSLATE_NOOP("CCommandTable", "Interface Version..."), R::R7, M::AbglVN62, A::Service},
        {32911, QT_TRANSLATE_NOOP("CCommandTable", "DAC-Abgleich..."), R::R7, M::AbglVN62, A::Calibration},
        {32918, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten lesen..."), R::R10, M::AbglKA71,
         A::Calibration},
        // Shown and written only once read: an unread record is all zeros, and writing it would wipe the
        // transmitter's factory calibration.
        {32919, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten anzeigen..."), R::CR10, M::AbglKA71,
         A::Calibration},
        {32920, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten schreiben..."), R::CR10, M::AbglKA71,
         A::Calibration},
        {32921, QT_TRANSLATE_NOOP("CCommandTable", "ADC-Werte auslesen..."), R::R10, M::AbglKA71, A::Service},
        {32922, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer ändern..."), R::R10, M::AbglKA71,
         A::Service},
        // ? (the help menu)
        {32903, QT_TRANSLATE_NOOP("CCommandTable", "Hilfe Software..."), R::Always, M::Hilfe, A::Help},
        {32904, QT_TRANSLATE_NOOP("CCommandTable", "Hilfe Transmitter..."), R::Always, M::Hilfe, A::Help},
        hilfethemen,
        {32902, QT_TRANSLATE_NOOP("CCommandTable", "Anschlußhinweis...."), R::Always, M::Hilfe, A::Help},
        Sep({33190, QT_TRANSLATE_NOOP("CCommandTable", "Verbindungsprotokoll..."), R::Always, M::Hilfe,
             A::Diagnose}),
        {33191, QT_TRANSLATE_NOOP("CCommandTable", "Fehlerbericht speichern..."), R::Always, M::Hilfe,
         A::Diagnose},
        Sep({57664, QT_TRANSLATE_NOOP("CCommandTable", "Inf&o über Varnex..."), R::Always, M::Hilfe,
             A::Help}),
    };
}();

/// A menu or submenu: where it hangs and its title.
struct Place {
    M place;
    M parent; ///< None for a menu of the menu bar
    const char* title;
    bool bWerk; ///< only the factory edition shows it
    bool bSeparatorBefore;
};

const Place kPlaces[] = {
    {M::Datei, M::None, QT_TRANSLATE_NOOP("CCommandTable", "&Datei"), false, false},
    {M::Editieren, M::None, QT_TRANSLATE_NOOP("CCommandTable", "&Editieren"), false, false},
    {M::Messbereich, M::Editieren, QT_TRANSLATE_NOOP("CCommandTable", "&Messbereich"), false, true},
    {M::SendenEmpfangen, M::None, QT_TRANSLATE_NOOP("CCommandTable", "&Senden/Empfangen"), false, false},
    {M::Optionen, M::None, QT_TRANSLATE_NOOP("CCommandTable", "&Optionen"), false, false},
    {M::Test, M::None, QT_TRANSLATE_NOOP("CCommandTable", "Test"), true, false},
    {M::TestLesen, M::Test, QT_TRANSLATE_NOOP("CCommandTable", "Lesen"), true, false},
    {M::TestAendern, M::Test, QT_TRANSLATE_NOOP("CCommandTable", "Ändern"), true, false},
    {M::Abgleich, M::None, QT_TRANSLATE_NOOP("CCommandTable", "Abgleich"), true, false},
    {M::AbglRX31, M::Abgleich, QT_TRANSLATE_NOOP("CCommandTable", "RX30 / RX31 / RX84 / RX96"), true, false},
    {M::AbglRX93, M::Abgleich, QT_TRANSLATE_NOOP("CCommandTable", "RX93"), true, false},
    {M::AbglVN62, M::Abgleich, QT_TRANSLATE_NOOP("CCommandTable", "VN62"), true, false},
    {M::AbglKA71, M::Abgleich, QT_TRANSLATE_NOOP("CCommandTable", "KA71"), true, false},
    {M::Hilfe, M::None, QT_TRANSLATE_NOOP("CCommandTable", "&?"), false, false},
};

const Place& PlaceOf(M place) {
    return *std::find_if(std::begin(kPlaces), std::end(kPlaces),
                         [place](const Place& p) { return p.place == place; });
}

const std::vector<ToolbarEntry> kToolbar = {
    {57600, "new"},  {57601, "open"},    {57603, "save"}, {0, nullptr},
    {32834, "edit"}, {57607, "print"},   {0, nullptr},    {32804, "receive"},
    {32805, "send"}, {32806, "measure"}, {0, nullptr},    {32903, "help"},
};

MenuNode Separator() {
    return {MenuNode::Kind::Separator, 0, nullptr, {}};
}

/// The entries of a menu: its commands and its submenus, each submenu where its first command stands.
std::vector<MenuNode> Children(M place, const CEdition& edition) {
    std::vector<MenuNode> nodes;
    std::vector<M> placed;
    for (const CommandEntry& entry : kCommands) {
        if (entry.alsoIn == place) {
            nodes.push_back({MenuNode::Kind::Command, entry.nId, entry.alsoText, {}});
        }
        if (entry.place == place && (!entry.bWerkOnly || edition.IsWerk())) {
            if (entry.bSeparatorBefore) {
                nodes.push_back(Separator());
            }
            const bool bRecent = entry.nId == CCommandTable::kRecentFile;
            nodes.push_back(
                {bRecent ? MenuNode::Kind::RecentFiles : MenuNode::Kind::Command, entry.nId, nullptr, {}});
            continue;
        }
        if (entry.place == M::None || entry.place == place ||
            std::find(placed.begin(), placed.end(), entry.place) != placed.end()) {
            continue;
        }
        const Place& sub = PlaceOf(entry.place);
        if (sub.parent == place) {
            placed.push_back(entry.place);
            if (sub.bSeparatorBefore) {
                nodes.push_back(Separator());
            }
            nodes.push_back({MenuNode::Kind::Submenu, 0, sub.title, Children(entry.place, edition)});
        }
    }
    return nodes;
}

} // namespace

const std::vector<CommandEntry>& CCommandTable::Commands() {
    return kCommands;
}

std::vector<const CommandEntry*> CCommandTable::OfArea(CommandArea area) {
    std::vector<const CommandEntry*> entries;
    for (const CommandEntry& entry : kCommands) {
        if (entry.area == area) {
            entries.push_back(&entry);
        }
    }
    return entries;
}

const CommandEntry* CCommandTable::Find(int nId) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [nId](const CommandEntry& e) { return e.nId == nId; });
    return found == kCommands.end() ? nullptr : &*found;
}

std::vector<MenuNode> CCommandTable::Menus(const CEdition& edition) {
    std::vector<MenuNode> menus;
    for (const Place& top : kPlaces) {
        if (top.parent == M::None && (!top.bWerk || edition.IsWerk())) {
            menus.push_back({MenuNode::Kind::Submenu, 0, top.title, Children(top.place, edition)});
        }
    }
    return menus;
}

const std::vector<ToolbarEntry>& CCommandTable::Toolbar() {
    return kToolbar;
}

CTestMenu::Entry CCommandTable::TestEntry(const CommandEntry& entry) {
    // One command byte serves both "Parametrierung sperren" and "freigeben": a fixed payload's entry
    // is titled by its own text.
    const bool bFixed = entry.testPayload == CTestMenu::Payload::Fixed;
    return CTestMenu::EntryFor(entry.testCommand, entry.testPayload, entry.testFixed,
                               bFixed ? entry.text : nullptr);
}

QString CCommandTable::Translate(const char* text) {
    return QCoreApplication::translate("CCommandTable", text);
}

QString CCommandTable::PlainText(const QString& menuText) {
    QString plain = menuText.section(QLatin1Char('\t'), 0, 0);
    plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    plain.remove(QLatin1Char('&'));
    plain.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    static const QRegularExpression kTrailingDots(QStringLiteral("\\.+$"));
    plain.remove(kTrailingDots);
    return plain.trimmed();
}
