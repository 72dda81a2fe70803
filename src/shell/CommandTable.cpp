#include "shell/CommandTable.h"

#include "shell/Edition.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

using R = EnableRule;

const std::vector<CommandEntry> kCommands = {
    // File
    {57600, QT_TRANSLATE_NOOP("CCommandTable", "&Neu\tStrg+N"), R::R},
    {57601, QT_TRANSLATE_NOOP("CCommandTable", "Ö&ffnen...\tStrg+O"), R::R},
    {57603, QT_TRANSLATE_NOOP("CCommandTable", "S&peichern\tStrg+S"), R::R},
    {57604, QT_TRANSLATE_NOOP("CCommandTable", "Speichern &unter..."), R::R},
    {33170, QT_TRANSLATE_NOOP("CCommandTable", "&Vergleichen..."), R::RV},
    {57607, QT_TRANSLATE_NOOP("CCommandTable", "&Drucken...\tStrg+P"), R::R},
    {57609, QT_TRANSLATE_NOOP("CCommandTable", "Sei&tenansicht"), R::R},
    {57606, QT_TRANSLATE_NOOP("CCommandTable", "Drucker&einrichtung..."), R::R},
    {57616, QT_TRANSLATE_NOOP("CCommandTable", "Letzte Datei"), R::R},
    {57665, QT_TRANSLATE_NOOP("CCommandTable", "&Beenden"), R::R},
    // Parameter set
    {32849, QT_TRANSLATE_NOOP("CCommandTable", "Transmitter-Typ..."), R::R},
    {32834, QT_TRANSLATE_NOOP("CCommandTable", "Aktuelle Daten..."), R::RV},
    {32800, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 400mbar..."), R::R},
    {32801, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 1 bar..."), R::R},
    {32817, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 1,6 bar..."), R::R},
    {32816, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 2,5 bar..."), R::R},
    {32811, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 4 bar..."), R::R},
    {32812, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 6 bar..."), R::R},
    {32802, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 10 bar..."), R::R},
    {32809, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 16 bar..."), R::R},
    {32810, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 25 bar..."), R::R},
    {32815, QT_TRANSLATE_NOOP("CCommandTable", "0 ... 40 bar..."), R::R},
    {32818, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 0 bar..."), R::R},
    {32819, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 0,6 bar..."), R::R},
    {32825, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 1,5 bar..."), R::R},
    {32821, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 3 bar..."), R::R},
    {32822, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 5 bar..."), R::R},
    {32823, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 9 bar..."), R::R},
    {32820, QT_TRANSLATE_NOOP("CCommandTable", "-1 ... 15 bar..."), R::R},
    // Transmitter
    {32804, QT_TRANSLATE_NOOP("CCommandTable", "Empfangen..."), R::R},
    {32805, QT_TRANSLATE_NOOP("CCommandTable", "Senden..."), R::RV},
    {32806, QT_TRANSLATE_NOOP("CCommandTable", "Messung..."), R::R},
    {32803, QT_TRANSLATE_NOOP("CCommandTable", "Konfiguration..."), R::RV},
    // Options
    {32776, QT_TRANSLATE_NOOP("CCommandTable", "Passwort..."), R::R},
    {32808, QT_TRANSLATE_NOOP("CCommandTable", "Sprache..."), R::R},
    {32901, QT_TRANSLATE_NOOP("CCommandTable", "Setup Hardware..."), R::Always},
    {32807, QT_TRANSLATE_NOOP("CCommandTable", "Schnittstelle wählen"), R::R},
    {32850, QT_TRANSLATE_NOOP("CCommandTable", "Schnittstellenart..."), R::R},
    // Help
    {32903, QT_TRANSLATE_NOOP("CCommandTable", "Hilfe Software..."), R::Always},
    {32904, QT_TRANSLATE_NOOP("CCommandTable", "Hilfe Transmitter..."), R::Always},
    {32902, QT_TRANSLATE_NOOP("CCommandTable", "Anschlußhinweis...."), R::Always},
    {32836, QT_TRANSLATE_NOOP("CCommandTable", "Hilfethemen..."), R::Always},
    {57664, QT_TRANSLATE_NOOP("CCommandTable", "Inf&o über Varnex..."), R::Always},
    {33190, QT_TRANSLATE_NOOP("CCommandTable", "Verbindungsprotokoll..."), R::Always},
    {33191, QT_TRANSLATE_NOOP("CCommandTable", "Fehlerbericht speichern..."), R::Always},
    // Factory: test
    {32771, QT_TRANSLATE_NOOP("CCommandTable", "Test RS232"), R::Always},
    {32772, QT_TRANSLATE_NOOP("CCommandTable", "Connect RX93"), R::R01},
    {32773, QT_TRANSLATE_NOOP("CCommandTable", "Gerätekennung"), R::Always},
    {32774, QT_TRANSLATE_NOOP("CCommandTable", "Messwert"), R::Always},
    {32775, QT_TRANSLATE_NOOP("CCommandTable", "ADC-Wert"), R::R},
    {32780, QT_TRANSLATE_NOOP("CCommandTable", "Mediumstemperatur"), R::Always},
    {32781, QT_TRANSLATE_NOOP("CCommandTable", "Messbereichsanfang"), R::Always},
    {32782, QT_TRANSLATE_NOOP("CCommandTable", "Messbereichsende"), R::Always},
    {32783, QT_TRANSLATE_NOOP("CCommandTable", "Offsetkorrektur"), R::Always},
    {32784, QT_TRANSLATE_NOOP("CCommandTable", "Spannekorrektur"), R::Always},
    {32785, QT_TRANSLATE_NOOP("CCommandTable", "Dämpfung"), R::Always},
    {32786, QT_TRANSLATE_NOOP("CCommandTable", "Messstelle"), R::Always},
    {32789, QT_TRANSLATE_NOOP("CCommandTable", "Grundmessbreich Anfang"), R::Always},
    {32790, QT_TRANSLATE_NOOP("CCommandTable", "Grundmessbereich Ende"), R::Always},
    {32791, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer"), R::Always},
    {32792, QT_TRANSLATE_NOOP("CCommandTable", "Einheit"), R::Always},
    // Factory: test, the single writes below "Ändern" and the entries after it. The ids from 33100 on
    // are Quillon's own (the earlier program's menu gave these entries none); no stored file or device
    // depends on them. They send to the transmitter, so they wait while a transfer runs.
    {32787, QT_TRANSLATE_NOOP("CCommandTable", "Messbereichsanfang"), R::R},
    {32788, QT_TRANSLATE_NOOP("CCommandTable", "Messbereichsende"), R::R},
    {32793, QT_TRANSLATE_NOOP("CCommandTable", "Offsetkorrektur"), R::R},
    {32794, QT_TRANSLATE_NOOP("CCommandTable", "Spannekorrektur"), R::R},
    {32795, QT_TRANSLATE_NOOP("CCommandTable", "Dämpfung"), R::R},
    {32796, QT_TRANSLATE_NOOP("CCommandTable", "Messstellenbezeichung"), R::R},
    {33100, QT_TRANSLATE_NOOP("CCommandTable", "Ausgang lesen"), R::R},
    {33101, QT_TRANSLATE_NOOP("CCommandTable", "Parametrierung sperren"), R::R},
    {33102, QT_TRANSLATE_NOOP("CCommandTable", "Parametrierung freigeben"), R::R},
    {33103, QT_TRANSLATE_NOOP("CCommandTable", "Fehlersignal lesen"), R::R},
    {33104, QT_TRANSLATE_NOOP("CCommandTable", "Stromgrenze min lesen"), R::R},
    {33105, QT_TRANSLATE_NOOP("CCommandTable", "Stromgrenze max lesen"), R::R},
    {33106, QT_TRANSLATE_NOOP("CCommandTable", "Fehlersignal ändern"), R::R},
    {33107, QT_TRANSLATE_NOOP("CCommandTable", "Stromgrenze min änderen"), R::R},
    {33108, QT_TRANSLATE_NOOP("CCommandTable", "Stromgrenze max ändern"), R::R},
    {33109, QT_TRANSLATE_NOOP("CCommandTable", "LinTab lesen"), R::R},
    {33110, QT_TRANSLATE_NOOP("CCommandTable", "LinTab schreiben"), R::R},
    // Factory: calibration of the RX30 / RX31 / RX84 / RX96 family
    {32798, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten lesen..."), R::RA},
    {32844, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten anzeigen..."), R::CRA},
    {32842, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten scheiben..."), R::CRA},
    {32846, QT_TRANSLATE_NOOP("CCommandTable", "ADC-Werte auslesen..."), R::RA},
    {32813, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer ändern..."), R::RA},
    {32885, QT_TRANSLATE_NOOP("CCommandTable", "Analogabgleich..."), R::RA},
    {32897, QT_TRANSLATE_NOOP("CCommandTable", "Interface Version..."), R::RA},
    // Factory: RX93
    {32797, QT_TRANSLATE_NOOP("CCommandTable", "Abgleich freigeben"), R::R01},
    {32912, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten lesen..."), R::R01},
    {32799, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten ändern..."), R::R01},
    {32837, QT_TRANSLATE_NOOP("CCommandTable", "Normalberieb"), R::R01},
    {32913, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer ändern..."), R::R01},
    {32838, QT_TRANSLATE_NOOP("CCommandTable", "Temperaturabgleich..."), R::R01},
    {32906, QT_TRANSLATE_NOOP("CCommandTable", "Abgleich-Wizzard"), R::Always},
    // Factory: VN62
    {32908, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten lesen..."), R::R7},
    {32909, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten anzeigen..."), R::CR7},
    {32910, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten schreiben..."), R::CR7},
    {32914, QT_TRANSLATE_NOOP("CCommandTable", "ADC-Werte auslesen..."), R::R7},
    {32915, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer ändern..."), R::R7},
    {32916, QT_TRANSLATE_NOOP("CCommandTable", "Interface Version..."), R::R7},
    {32911, QT_TRANSLATE_NOOP("CCommandTable", "DAC-Abgleich..."), R::R7},
    // Factory: KA71
    {32918, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten lesen..."), R::R10},
    // Shown and written only once read: an unread record is all zeros, and writing it would wipe the
    // transmitter's factory calibration.
    {32919, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten anzeigen..."), R::CR10},
    {32920, QT_TRANSLATE_NOOP("CCommandTable", "Abgleichdaten schreiben..."), R::CR10},
    {32921, QT_TRANSLATE_NOOP("CCommandTable", "ADC-Werte auslesen..."), R::R10},
    {32922, QT_TRANSLATE_NOOP("CCommandTable", "Seriennummer ändern..."), R::R10},
};

const std::vector<ToolbarEntry> kToolbar = {
    {57600, "new"},  {57601, "open"},    {57603, "save"}, {0, nullptr},
    {32834, "edit"}, {57607, "print"},   {0, nullptr},    {32804, "receive"},
    {32805, "send"}, {32806, "measure"}, {0, nullptr},    {32903, "help"},
};

MenuNode Cmd(int nId, const char* text = nullptr) {
    return {MenuNode::Kind::Command, nId, text, {}};
}

MenuNode Sep() {
    return {MenuNode::Kind::Separator, 0, nullptr, {}};
}

MenuNode Sub(const char* title, std::vector<MenuNode> children) {
    return {MenuNode::Kind::Submenu, 0, title, std::move(children)};
}

MenuNode Ids(const char* title, std::initializer_list<int> ids) {
    std::vector<MenuNode> children;
    for (const int nId : ids) {
        children.push_back(Cmd(nId));
    }
    return Sub(title, std::move(children));
}

MenuNode DateiMenu() {
    return Sub(QT_TRANSLATE_NOOP("CCommandTable", "&Datei"),
               {Cmd(57600),
                Cmd(57601),
                Cmd(57603),
                Cmd(57604),
                Cmd(33170),
                Sep(),
                Cmd(57607),
                Cmd(57609),
                Cmd(57606),
                Sep(),
                {MenuNode::Kind::RecentFiles, 57616, nullptr, {}},
                Sep(),
                Cmd(57665)});
}

MenuNode ParameterMenu() {
    return Sub(QT_TRANSLATE_NOOP("CCommandTable", "&Parameter"),
               {Cmd(32849), Cmd(32834), Cmd(32803), Sep(),
                Ids(QT_TRANSLATE_NOOP("CCommandTable", "&Messbereich"),
                    {32800, 32801, 32817, 32816, 32811, 32812, 32802, 32809, 32810, 32815, 32818, 32819,
                     32825, 32821, 32822, 32823, 32820})});
}

MenuNode TestMenu() {
    return Sub(
        QT_TRANSLATE_NOOP("CCommandTable", "Test"),
        {Cmd(32771), Cmd(32772),
         Ids(QT_TRANSLATE_NOOP("CCommandTable", "Lesen"), {32773, 32774, 32775, 32780, 32781, 32782, 32783,
                                                           32784, 32785, 32786, 32789, 32790, 32791, 32792}),
         Ids(QT_TRANSLATE_NOOP("CCommandTable", "Ändern"), {32787, 32788, 32793, 32794, 32795, 32796}),
         Cmd(33100), Sep(), Cmd(33101), Cmd(33102), Sep(), Cmd(33103), Cmd(33104), Cmd(33105), Cmd(33106),
         Cmd(33107), Cmd(33108), Sep(), Cmd(33109), Cmd(33110)});
}

MenuNode AbgleichMenu() {
    return Sub(
        QT_TRANSLATE_NOOP("CCommandTable", "Abgleich"),
        {Ids(QT_TRANSLATE_NOOP("CCommandTable", "RX30 / RX31 / RX84 / RX96"),
             {32798, 32844, 32842, 32846, 32813, 32885, 32897}),
         Sub(QT_TRANSLATE_NOOP("CCommandTable", "RX93"),
             {Cmd(32772, QT_TRANSLATE_NOOP("CCommandTable", "Verbinde Hardware...")), Sep(), Cmd(32797),
              Cmd(32912), Cmd(32799), Cmd(32837), Cmd(32913), Cmd(32838)}),
         Cmd(32906),
         Ids(QT_TRANSLATE_NOOP("CCommandTable", "VN62"), {32908, 32909, 32910, 32914, 32915, 32916, 32911}),
         Ids(QT_TRANSLATE_NOOP("CCommandTable", "KA71"), {32918, 32919, 32920, 32921, 32922})});
}

} // namespace

const std::vector<CommandEntry>& CCommandTable::Commands() {
    return kCommands;
}

const std::vector<int>& CCommandTable::RangePresetIds() {
    static const std::vector<int> ids = {32800, 32801, 32817, 32816, 32811, 32812, 32802, 32809, 32810,
                                         32815, 32818, 32819, 32825, 32821, 32822, 32823, 32820};
    return ids;
}

const CommandEntry* CCommandTable::Find(int nId) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [nId](const CommandEntry& e) { return e.nId == nId; });
    return found == kCommands.end() ? nullptr : &*found;
}

std::vector<MenuNode> CCommandTable::Menus(const CEdition& edition) {
    std::vector<MenuNode> menus = {
        DateiMenu(),
        ParameterMenu(),
        Ids(QT_TRANSLATE_NOOP("CCommandTable", "&Transmitter"), {32804, 32805, 32806}),
        Ids(QT_TRANSLATE_NOOP("CCommandTable", "&Optionen"), {32776, 32808, 32901, 32807, 32850}),
    };
    std::vector<MenuNode> hilfe = {Cmd(32903), Cmd(32904), Cmd(32902), Sep(),
                                   Cmd(33190), Cmd(33191), Sep(),      Cmd(57664)};
    if (edition.IsWerk()) {
        menus.push_back(TestMenu());
        menus.push_back(AbgleichMenu());
        // The help text files are a service aid: only the factory edition offers their sheet.
        hilfe.insert(hilfe.begin() + 2, Cmd(32836));
    }
    menus.push_back(Sub(QT_TRANSLATE_NOOP("CCommandTable", "&Hilfe"), std::move(hilfe)));
    return menus;
}

const std::vector<ToolbarEntry>& CCommandTable::Toolbar() {
    return kToolbar;
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
