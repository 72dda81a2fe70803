#pragma once

#include "shell/EnableRule.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

class CEdition;

/// One command of the main window: its id, its German menu text (translated when shown) and its enabling
/// rule. Who carries it out is not data of the core: each area of the window connects its handlers to
/// the ids it serves (CMainFrame::ConnectCommand); a command no area has connected keeps its place in the
/// menus and its rule, and stays disabled.
struct CommandEntry {
    int nId;
    const char* text;
    EnableRule rule;
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

/// The commands of the main window as data: the command table, the menus of both editions and the
/// toolbar. The window builds its actions from it and evaluates the rules; nothing here knows widgets.
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
    /// "Vergleichen...": an id of Quillon's own (no stored file or device depends on it).
    static constexpr int kVergleichen = 33170;
    /// Service aids of the Hilfe menu. Their ids are Quillon's own (33190-33209): no stored file or
    /// device depends on them.
    static constexpr int kVerbindungsprotokoll = 33190;
    static constexpr int kFehlerbericht = 33191;

    static const std::vector<CommandEntry>& Commands();
    /// The range preset commands of the menu "Editieren", in the order of CRangePreset.
    static const std::vector<int>& RangePresetIds();
    /// The entry of an id; nullptr for an id the table does not hold.
    static const CommandEntry* Find(int nId);
    /// The menu bar of the edition: menu 132, or menu 129 with "Test" and "Abgleich".
    static std::vector<MenuNode> Menus(const CEdition& edition);
    static const std::vector<ToolbarEntry>& Toolbar();

    /// A table text in the language of the program (with its "&" and its "\t" shortcut part).
    static QString Translate(const char* text);
    /// The text of a command for a tool tip or a status line: no "&", no shortcut part, no trailing dots.
    static QString PlainText(const QString& menuText);
};
