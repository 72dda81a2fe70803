#pragma once

#include "shell/EnableRule.h"
#include "transmitter/TestMenu.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

class CEdition;

/// The menus and submenus of the main window, top-level menus in the order of the menu bar. "Test" and
/// "Abgleich" and everything in them belong to the factory edition only.
enum class MenuPlace {
    None, ///< no menu entry (a toolbar button or a command carried out otherwise)
    Datei,
    Editieren,
    Messbereich, ///< "Editieren" > "Messbereich"
    SendenEmpfangen,
    Optionen,
    Test,
    TestLesen,   ///< "Test" > "Lesen"
    TestAendern, ///< "Test" > "Ändern"
    Abgleich,
    AbglRX31, ///< "Abgleich" > "RX30 / RX31 / RX84 / RX96"
    AbglRX93,
    AbglVN62,
    AbglKA71,
    Hilfe, ///< the help menu, titled "?"
};

/// The part of the window that carries a command out (CMainFrame::ConnectCommands lists them).
enum class CommandArea {
    File,
    Print,
    Edit,
    RangePreset, ///< the range presets, carried out by their place in the order of CRangePreset
    Compare,
    Transfer,    ///< receive, send, measurement and configuration with the transmitter
    TestCommand, ///< a single command of the "Test" menu shown in "Sio-Transfer" (CTestMenu)
    Service,     ///< the factory's service commands: raw table transfers, ADC values, serial number, ...
    Calibration,
    Setup,
    Help,
    Diagnose,
};

/// One command of the main window, declared once: its id, its German menu text (translated when
/// shown), its enabling rule, where the menus show it and the area that carries it out. Each area
/// connects its handlers to its ids (CMainFrame::ConnectCommand); a command no area has connected keeps
/// its place in the menus and its rule, and stays disabled.
struct CommandEntry {
    int nId;
    const char* text;
    EnableRule rule;
    MenuPlace place;
    CommandArea area;
    bool bSeparatorBefore = false;
    /// Shown only in the factory edition although its menu is shared by both ("Hilfethemen...").
    bool bWerkOnly = false;
    /// For the area TestCommand: the command byte, the payload and a fixed payload's text.
    quint8 testCommand = 0;
    CTestMenu::Payload testPayload = CTestMenu::Payload::Empty;
    const char* testFixed = "";
    /// A second menu entry of the same command under another text.
    MenuPlace alsoIn = MenuPlace::None;
    const char* alsoText = nullptr;
};

/// One node of a menu bar: a command, a separator, a submenu or the place of the recent-file entries.
struct MenuNode {
    enum class Kind { Command, Separator, Submenu, RecentFiles };

    Kind kind = Kind::Command;
    int nId = 0;
    /// A submenu's title; for a command, a text that replaces the command's own (one command shown
    /// under two names).
    const char* text = nullptr;
    std::vector<MenuNode> children;
};

/// A toolbar button: the command and the icon's resource name; nId 0 is a separator.
struct ToolbarEntry {
    int nId;
    const char* icon;
};

/// The commands of the main window as data: the command table, the menus of both editions derived
/// from it, and the toolbar. The window builds its actions from it and evaluates the rules; nothing here
/// knows widgets.
class CCommandTable {
    Q_DECLARE_TR_FUNCTIONS(CCommandTable)

public:
    static constexpr int kNew = 57600;
    static constexpr int kOpen = 57601;
    static constexpr int kSave = 57603;
    static constexpr int kSaveAs = 57604;
    static constexpr int kPrint = 57607;
    static constexpr int kPrintPreview = 57609;
    static constexpr int kPrintSetup = 57606;
    static constexpr int kRecentFile = 57616;
    static constexpr int kExit = 57665;
    static constexpr int kAktuelleDaten = 32834;
    static constexpr int kTransmitterTyp = 32849;
    static constexpr int kEmpfangen = 32804;
    static constexpr int kSenden = 32805;
    static constexpr int kMessung = 32806;
    static constexpr int kKonfiguration = 32803;
    static constexpr int kSprache = 32808;
    static constexpr int kPasswort = 32776;
    static constexpr int kSetupHardware = 32901;
    static constexpr int kSchnittstelle = 32807;
    static constexpr int kSchnittstellenart = 32850;
    static constexpr int kHilfeSoftware = 32903;
    static constexpr int kHilfeTransmitter = 32904;
    static constexpr int kAnschlusshinweis = 32902;
    static constexpr int kHilfethemen = 32836;
    static constexpr int kInfo = 57664;
    static constexpr int kTestRs232 = 32771;
    static constexpr int kConnectRX93 = 32772;
    /// "LinTab lesen" and "LinTab schreiben" of "Test". The ids from 33100 on are Quillon's own (the
    /// earlier program's menu gave these entries none); no stored file or device depends on them.
    static constexpr int kLinTabLesen = 33109;
    static constexpr int kLinTabSchreiben = 33110;
    // "Abgleich" > "RX30 / RX31 / RX84 / RX96"
    static constexpr int kAbglLesenRX31 = 32798;
    static constexpr int kAbglAnzeigenRX31 = 32844;
    static constexpr int kAbglSchreibenRX31 = 32842;
    static constexpr int kAdcValuesRX31 = 32846;
    static constexpr int kSeriennummerRX31 = 32813;
    static constexpr int kAnalogAbgleich = 32885;
    static constexpr int kInterfaceVersionRX31 = 32897;
    // "Abgleich" > "RX93"
    static constexpr int kAbglFreigebenRX93 = 32797;
    static constexpr int kAbglLesenRX93 = 32912;
    static constexpr int kAbglAendernRX93 = 32799;
    static constexpr int kNormalbetrieb = 32837;
    static constexpr int kSeriennummerRX93 = 32913;
    static constexpr int kTempAbgleich = 32838;
    static constexpr int kAbglWizard = 32906;
    // "Abgleich" > "VN62"
    static constexpr int kAbglLesenVN62 = 32908;
    static constexpr int kAbglAnzeigenVN62 = 32909;
    static constexpr int kAbglSchreibenVN62 = 32910;
    static constexpr int kAdcValuesVN62 = 32914;
    static constexpr int kSeriennummerVN62 = 32915;
    static constexpr int kInterfaceVersionVN62 = 32916;
    static constexpr int kDacAbgleich = 32911;
    // "Abgleich" > "KA71"
    static constexpr int kAbglLesenKA71 = 32918;
    static constexpr int kAbglAnzeigenKA71 = 32919;
    static constexpr int kAbglSchreibenKA71 = 32920;
    static constexpr int kAdcValuesKA71 = 32921;
    static constexpr int kSeriennummerKA71 = 32922;
    /// "Vergleichen...": an id of Quillon's own (no stored file or device depends on it).
    static constexpr int kVergleichen = 33170;
    /// "Verlauf...": the device history; an id of Quillon's own.
    static constexpr int kVerlauf = 33171;
    /// "Verlauf-Datenbank...": where the history is kept; an id of Quillon's own.
    static constexpr int kVerlaufDatenbank = 33172;
    /// "Prüfung...": the calibration check; an id of Quillon's own.
    static constexpr int kPruefung = 33173;
    /// Service aids of the help menu "?". Their ids are Quillon's own (33190-33209): no stored file or
    /// device depends on them.
    static constexpr int kVerbindungsprotokoll = 33190;
    static constexpr int kFehlerbericht = 33191;

    /// Every command, in the order of the menus.
    static const std::vector<CommandEntry>& Commands();
    /// The commands of an area, in the order of the menus (the range presets: in the order of CRangePreset).
    static std::vector<const CommandEntry*> OfArea(CommandArea area);
    /// The entry of an id; nullptr for an id the table does not hold.
    static const CommandEntry* Find(int nId);
    /// The menu bar of the edition: menu 132, or menu 129 with "Test" and "Abgleich".
    static std::vector<MenuNode> Menus(const CEdition& edition);
    static const std::vector<ToolbarEntry>& Toolbar();
    /// What a single command of the "Test" menu sends; its caption is the command set's title.
    static CTestMenu::Entry TestEntry(const CommandEntry& entry);
    /// A table text in the language of the program (with its "&" and its "\t" shortcut part).
    static QString Translate(const char* text);
    /// The text of a command for a tool tip or a status line: no "&", no shortcut part, no trailing dots.
    static QString PlainText(const QString& menuText);
};
