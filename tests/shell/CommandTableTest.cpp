// The command table as data: every menu entry and toolbar button names a command of the table, the
// factory edition adds exactly its two menus, and the enabling rules decide as the window needs them.

#include "shell/CommandTable.h"

#include "edit/RangePreset.h"
#include "shell/Edition.h"
#include "shell/EnableRules.h"

#include <QSet>
#include <QTest>

namespace {

void CollectIds(const std::vector<MenuNode>& nodes, QList<int>& ids) {
    for (const MenuNode& node : nodes) {
        if (node.kind == MenuNode::Kind::Command || node.kind == MenuNode::Kind::RecentFiles) {
            ids.append(node.nId);
        }
        CollectIds(node.children, ids);
    }
}

QStringList Titles(const std::vector<MenuNode>& menus) {
    QStringList titles;
    for (const MenuNode& menu : menus) {
        titles.append(QString::fromUtf8(menu.text));
    }
    return titles;
}

CommandState State(bool bereit, int typ, bool gueltig = false, bool abgleich = false) {
    return {bereit, gueltig, typ, abgleich};
}

} // namespace

class CommandTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyShownCommandIsInTheTable() {
        for (const auto kind : {CEdition::Kind::Kunde, CEdition::Kind::Werk}) {
            QList<int> ids;
            CollectIds(CCommandTable::Menus(CEdition(kind)), ids);
            for (const ToolbarEntry& button : CCommandTable::Toolbar()) {
                if (button.nId != 0) {
                    ids.append(button.nId);
                }
            }
            for (const int id : ids) {
                QVERIFY2(CCommandTable::Find(id) != nullptr, qPrintable(QString::number(id)));
            }
        }
        QCOMPARE(CCommandTable::Find(4711), nullptr);
        QSet<int> unique;
        for (const CommandEntry& entry : CCommandTable::Commands()) {
            QVERIFY2(!unique.contains(entry.nId), qPrintable(QString::number(entry.nId)));
            unique.insert(entry.nId);
        }
    }

    void editionsDifferByTestAndAbgleich() {
        const QStringList kunde = Titles(CCommandTable::Menus(CEdition(CEdition::Kind::Kunde)));
        const QStringList werk = Titles(CCommandTable::Menus(CEdition(CEdition::Kind::Werk)));
        QVERIFY(!kunde.contains(QStringLiteral("Test")) && !kunde.contains(QStringLiteral("Abgleich")));
        QCOMPARE(werk.size(), kunde.size() + 2);
        QVERIFY(werk.contains(QStringLiteral("Test")) && werk.contains(QStringLiteral("Abgleich")));
        QCOMPARE(werk.last(), kunde.last()); // help stays the last menu
        QList<int> kundeIds;
        CollectIds(CCommandTable::Menus(CEdition(CEdition::Kind::Kunde)), kundeIds);
        QVERIFY(!kundeIds.contains(CCommandTable::kTestRs232));
        QCOMPARE(CEdition(CEdition::Kind::Kunde).MenuId(), 132);
        QCOMPARE(CEdition(CEdition::Kind::Werk).MenuId(), 129);
    }

    void titlesAndTexts() {
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
        const std::vector<int>& ids = CCommandTable::RangePresetIds();
        QCOMPARE(int(ids.size()), CRangePreset::kAnzahl);
        for (int i = 0; i < CRangePreset::kAnzahl; ++i) {
            const CommandEntry* entry = CCommandTable::Find(ids[static_cast<std::size_t>(i)]);
            QVERIFY(entry != nullptr);
            QCOMPARE(QString::fromUtf8(entry->text), QString::fromUtf8(CRangePreset::At(i).text));
        }
    }
    void rules_data() {
        QTest::addColumn<int>("rule");
        // Types the rule serves; which types each type-bound rule serves is walked with the type table.
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<bool>("needsGueltig");
        QTest::addColumn<bool>("needsAbgleich");
        const QList<int> all = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        QTest::newRow("R") << int(EnableRule::R) << all << false << false;
        QTest::newRow("RV") << int(EnableRule::RV) << all << true << false;
        QTest::newRow("R01") << int(EnableRule::R01) << QList<int>{0} << false << false;
        QTest::newRow("RA") << int(EnableRule::RA) << QList<int>{2} << false << false;
        QTest::newRow("CRA") << int(EnableRule::CRA) << QList<int>{2} << false << true;
        QTest::newRow("R7") << int(EnableRule::R7) << QList<int>{7} << false << false;
        QTest::newRow("CR7") << int(EnableRule::CR7) << QList<int>{7} << false << true;
        QTest::newRow("R10") << int(EnableRule::R10) << QList<int>{10} << false << false;
        QTest::newRow("CR10") << int(EnableRule::CR10) << QList<int>{10} << false << true;
    }

    void rules() {
        QFETCH(int, rule);
        QFETCH(QList<int>, types);
        QFETCH(bool, needsGueltig);
        QFETCH(bool, needsAbgleich);
        const auto r = static_cast<EnableRule>(rule);
        for (const int typ : types) {
            QVERIFY(CEnableRules::IsEnabled(r, State(true, typ, true, true)));
            QVERIFY(!CEnableRules::IsEnabled(r, State(false, typ, true, true)));
            QCOMPARE(CEnableRules::IsEnabled(r, State(true, typ, false, true)), !needsGueltig);
            QCOMPARE(CEnableRules::IsEnabled(r, State(true, typ, true, false)), !needsAbgleich);
        }
        QVERIFY(CEnableRules::IsEnabled(EnableRule::Always, State(false, 42)));
    }
};

QTEST_GUILESS_MAIN(CommandTableTest)
#include "CommandTableTest.moc"
