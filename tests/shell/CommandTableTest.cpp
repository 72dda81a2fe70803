// The command table row by row against the main window's described table: id, enabling rule, menu
// place and edition of every command, the exchange of every single command of "Test", and the
// enabling rules as the window needs them.

#include "shell/CommandTable.h"

#include "edit/RangePreset.h"
#include "shell/Edition.h"
#include "shell/EnableRules.h"

#include <QSet>
#include <QTest>

namespace {

using R = EnableRule;

/// Commands of one menu place with one rule, in menu order; consecutive rows of a place continue it.
struct Row {
    const char* path; ///< the menu titles, joined by "/"
    bool bWerk;       ///< only the factory edition shows them
    R rule;
    QList<int> ids;
};

const QList<Row> kDescribed = {
    {"&Datei", false, R::R, {57600, 57601, 57603, 57604}},
    {"&Datei", false, R::RV, {33170}}, // "Vergleichen...", an id of Quillon's own
    {"&Datei", false, R::R, {33171, 57607, 57609, 57606, 57616, 57665}}, // 33171 "Verlauf...": our own
    {"&Editieren", false, R::R, {32849}},
    {"&Editieren", false, R::RV, {32834}},
    {"&Editieren/&Messbereich",
     false,
     R::R,
     {32800, 32801, 32817, 32816, 32811, 32812, 32802, 32809, 32810, 32815, 32818, 32819, 32825, 32821, 32822,
      32823, 32820}},
    {"&Senden/Empfangen", false, R::R, {32804}},
    {"&Senden/Empfangen", false, R::RV, {32805}},
    {"&Senden/Empfangen", false, R::R, {32806, 33173}}, // 33173 "Prüfung...": our own
    {"&Senden/Empfangen", false, R::RV, {32803}},
    {"&Optionen", false, R::R, {32776, 32808}},
    {"&Optionen", false, R::Always, {32901}},
    {"&Optionen", false, R::R, {32807, 32850, 33172}}, // 33172 "Verlauf-Datenbank...": our own
    {"Test", true, R::Always, {32771}},
    {"Test", true, R::R01, {32772}},
    {"Test/Lesen", true, R::Always, {32773, 32774}},
    {"Test/Lesen", true, R::R, {32775}},
    {"Test/Lesen",
     true,
     R::Always,
     {32780, 32781, 32782, 32783, 32784, 32785, 32786, 32789, 32790, 32791, 32792}},
    {"Test/Ändern", true, R::R, {32787, 32788, 32793, 32794, 32795, 32796}},
    {"Test", true, R::R, {33100, 33101, 33102, 33103, 33104, 33105, 33106, 33107, 33108, 33109, 33110}},
    {"Abgleich/RX30 / RX31 / RX84 / RX96", true, R::RA, {32798}},
    {"Abgleich/RX30 / RX31 / RX84 / RX96", true, R::CRA, {32844, 32842}},
    {"Abgleich/RX30 / RX31 / RX84 / RX96", true, R::RA, {32846, 32813, 32885, 32897}},
    {"Abgleich/RX93", true, R::R01, {32772, 32797, 32912, 32799, 32837, 32913, 32838}},
    {"Abgleich", true, R::Always, {32906}},
    {"Abgleich/VN62", true, R::R7, {32908}},
    {"Abgleich/VN62", true, R::CR7, {32909, 32910}},
    {"Abgleich/VN62", true, R::R7, {32914, 32915, 32916, 32911}},
    {"Abgleich/KA71", true, R::R10, {32918}},
    // The KA71's record is shown and written only once read, as the other families' records are.
    {"Abgleich/KA71", true, R::CR10, {32919, 32920}},
    {"Abgleich/KA71", true, R::R10, {32921, 32922}},
    {"&?", false, R::Always, {32903, 32904}},
    {"&?", true, R::Always, {32836}},
    {"&?", false, R::Always, {32902, 33190, 33191, 57664}},
};

/// Every command entry of the menus as "path: id", in menu order.
void Flatten(const std::vector<MenuNode>& nodes, const QString& path, QStringList& out) {
    for (const MenuNode& node : nodes) {
        if (node.kind == MenuNode::Kind::Submenu) {
            const QString title = QString::fromUtf8(node.text);
            Flatten(node.children, path.isEmpty() ? title : path + QLatin1Char('/') + title, out);
        } else if (node.kind != MenuNode::Kind::Separator) {
            out.append(QStringLiteral("%1: %2").arg(path).arg(node.nId));
        }
    }
}

CommandState State(bool bereit, int typ, bool gueltig = false, bool abgleich = false) {
    return {bereit, gueltig, typ, abgleich};
}

} // namespace

class CommandTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menusAndRulesAsDescribed() {
        for (const auto kind : {CEdition::Kind::Kunde, CEdition::Kind::Werk}) {
            QStringList expected;
            for (const Row& row : kDescribed) {
                for (const int nId : row.ids) {
                    if (!row.bWerk || kind == CEdition::Kind::Werk) {
                        expected.append(QStringLiteral("%1: %2").arg(QString::fromUtf8(row.path)).arg(nId));
                    }
                }
            }
            QStringList shown;
            Flatten(CCommandTable::Menus(CEdition(kind)), QString(), shown);
            QCOMPARE(shown, expected);
        }
        QSet<int> described;
        for (const Row& row : kDescribed) {
            for (const int nId : row.ids) {
                const CommandEntry* entry = CCommandTable::Find(nId);
                QVERIFY2(entry != nullptr, qPrintable(QString::number(nId)));
                QVERIFY2(entry->rule == row.rule, qPrintable(QString::number(nId)));
                described.insert(nId);
            }
        }
        // No command of the table is left without its row, and none is declared twice.
        QCOMPARE(int(CCommandTable::Commands().size()), int(described.size()));
        for (const ToolbarEntry& button : CCommandTable::Toolbar()) {
            QVERIFY(button.nId == 0 || described.contains(button.nId));
        }
    }

    void testEntriesSendTheirCommand() {
        struct Sends {
            int nId;
            quint8 code;
            CTestMenu::Payload payload;
            const char* caption;
        };
        using P = CTestMenu::Payload;
        const QList<Sends> described = {
            {32773, 0x31, P::Empty, "Get Device Info"},
            {32774, 0x32, P::Empty, "Get Akt Messwert"},
            {32775, 0x33, P::Empty, "Get Akt ADC"},
            {32780, 0x34, P::Empty, "Get Temperatur"},
            {32781, 0x35, P::Empty, "Get Messbereichsanfang"},
            {32782, 0x36, P::Empty, "Get Messbereichsende"},
            {32783, 0x37, P::Empty, "Get Offsetkorrektur"},
            {32784, 0x38, P::Empty, "Get Spannekorrektur"},
            {32785, 0x39, P::Empty, "Get Dämpfung"},
            {32786, 0x3A, P::Empty, "Get Messstellen-Bezeichnung"},
            {32789, 0x3B, P::Empty, "Get Grundmessbereich Anfang"},
            {32790, 0x3C, P::Empty, "Get Grundmessbereichsende"},
            {32791, 0x3D, P::Empty, "Get Seriennummer"},
            {32792, 0x3E, P::Empty, "Get Einheit"},
            {32787, 0x45, P::User, "Set Messbereichsanfang"},
            {32788, 0x46, P::User, "Set Messbereichsende"},
            {32793, 0x47, P::User, "Set Offsetkorrektur"},
            {32794, 0x48, P::User, "Set Spannekorrektur"},
            {32795, 0x49, P::User, "Set Dämpfung"},
            {32796, 0x4A, P::User, "Set Messstellenbezeichnung"},
            {33100, 0x30, P::Empty, "Get Akt Output"},
            {33101, 0x40, P::Fixed, "Parametrierung sperren"},
            {33102, 0x40, P::Fixed, "Parametrierung freigeben"},
            {33103, 0x71, P::Empty, "Get Fehlersignal"},
            {33104, 0x72, P::Empty, "Get Stromgrenze Min"},
            {33105, 0x73, P::Empty, "Get Stromgrenze Max"},
            {33106, 0x81, P::User, "Set Fehlersignal"},
            {33107, 0x82, P::User, "Set Stromgrenze Min"},
            {33108, 0x83, P::User, "Set Stromgenze Max"},
        };
        QCOMPARE(int(CCommandTable::OfArea(CommandArea::TestCommand).size()), int(described.size()));
        for (const Sends& row : described) {
            const CommandEntry* entry = CCommandTable::Find(row.nId);
            QVERIFY(entry != nullptr && entry->area == CommandArea::TestCommand);
            const CTestMenu::Entry test = CCommandTable::TestEntry(*entry);
            QCOMPARE(int(test.command), int(row.code));
            QVERIFY2(test.payload == row.payload, qPrintable(QString::number(row.nId)));
            QCOMPARE(QString::fromUtf8(test.caption), QString::fromUtf8(row.caption));
        }
        QCOMPARE(QByteArray(CCommandTable::TestEntry(*CCommandTable::Find(33101)).fixed), QByteArray("0"));
        QCOMPARE(QByteArray(CCommandTable::TestEntry(*CCommandTable::Find(33102)).fixed), QByteArray("1"));
    }

    void titlesAndTexts() {
        QCOMPARE(CEdition(CEdition::Kind::Kunde).MenuId(), 132);
        QCOMPARE(CEdition(CEdition::Kind::Werk).MenuId(), 129);
        const CEdition kunde(CEdition::Kind::Kunde);
        QCOMPARE(kunde.WindowTitle(QStringLiteral("a.qlc"), false), QStringLiteral("a.qlc - Varnex"));
        QCOMPARE(CEdition(CEdition::Kind::Werk).WindowTitle(CEdition::UntitledName(), true),
                 QStringLiteral("Unbenannt - Varnex Abgleich und Test (Demo)"));
        QCOMPARE(CCommandTable::PlainText(QStringLiteral("Ö&ffnen...\tStrg+O")), QStringLiteral("Öffnen"));
        QCOMPARE(CCommandTable::PlainText(QStringLiteral("0 ... 1,6 bar...")),
                 QStringLiteral("0 ... 1,6 bar"));
        QCOMPARE(CCommandTable::PlainText(QStringLiteral("A&&B")), QStringLiteral("A&B"));
    }

    void rangePresetsInTheOrderOfTheirRanges() {
        const std::vector<const CommandEntry*> presets = CCommandTable::OfArea(CommandArea::RangePreset);
        QCOMPARE(int(presets.size()), CRangePreset::kAnzahl);
        for (int i = 0; i < CRangePreset::kAnzahl; ++i) {
            QCOMPARE(QString::fromUtf8(presets[static_cast<std::size_t>(i)]->text),
                     QString::fromUtf8(CRangePreset::At(i).text));
        }
    }

    // What each rule asks besides the type, for every type: nothing is enabled while an operation runs,
    // only "V" rules wait for a valid parameter set and only "C" rules for a read calibration record.
    // Which types a type-bound rule serves is walked with the type table.
    void rules_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<bool>("everyType");
        QTest::addColumn<bool>("needsGueltig");
        QTest::addColumn<bool>("needsAbgleich");
        QTest::newRow("R") << int(EnableRule::R) << true << false << false;
        QTest::newRow("RV") << int(EnableRule::RV) << true << true << false;
        QTest::newRow("R01") << int(EnableRule::R01) << false << false << false;
        QTest::newRow("RA") << int(EnableRule::RA) << false << false << false;
        QTest::newRow("CRA") << int(EnableRule::CRA) << false << false << true;
        QTest::newRow("R7") << int(EnableRule::R7) << false << false << false;
        QTest::newRow("CR7") << int(EnableRule::CR7) << false << false << true;
        QTest::newRow("R10") << int(EnableRule::R10) << false << false << false;
        QTest::newRow("CR10") << int(EnableRule::CR10) << false << false << true;
    }

    void rules() {
        QFETCH(int, rule);
        QFETCH(bool, everyType);
        QFETCH(bool, needsGueltig);
        QFETCH(bool, needsAbgleich);
        const auto r = static_cast<EnableRule>(rule);
        for (int typ = -1; typ <= 11; ++typ) {
            const bool bServed = CEnableRules::IsEnabled(r, State(true, typ, true, true));
            QVERIFY(bServed || !everyType);
            QVERIFY(!CEnableRules::IsEnabled(r, State(false, typ, true, true)));
            QCOMPARE(CEnableRules::IsEnabled(r, State(true, typ, false, true)), bServed && !needsGueltig);
            QCOMPARE(CEnableRules::IsEnabled(r, State(true, typ, true, false)), bServed && !needsAbgleich);
        }
        QVERIFY(CEnableRules::IsEnabled(EnableRule::Always, State(false, 42)));
    }
};

QTEST_GUILESS_MAIN(CommandTableTest)
#include "CommandTableTest.moc"
