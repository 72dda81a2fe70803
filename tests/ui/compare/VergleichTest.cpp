// "Vergleichen..." in the window: the document beside the transmitter, the differing rows marked, and
// the per-row take-over of the transmitter's value and back to the document's own.

#include "ui/compare/Vergleich.h"

#include "ShellRig.h"
#include "document/QuillonDoc.h"
#include "shell/CommandTable.h"
#include "ui/main/MainFrame.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

/// Acts on the compare window once it is up (after the receive that precedes it), or gives up after
/// twenty seconds so that a fault fails the test instead of hanging it.
void WhenShown(const std::function<void(CVergleich*)>& act, int nPolls = 0) {
    QTimer::singleShot(10, [act, nPolls] {
        if (auto* dialog = qobject_cast<CVergleich*>(QApplication::activeModalWidget())) {
            act(dialog);
            dialog->accept();
        } else if (nPolls < 2000) {
            WhenShown(act, nPolls + 1);
        }
    });
}

int RowOf(CVergleich* dialog, const QString& feld) {
    for (int row = 0; row < dialog->Table()->rowCount(); ++row) {
        if (dialog->Feld(row) == feld) {
            return row;
        }
    }
    return -1;
}

bool Marked(CVergleich* dialog, int row) {
    return dialog->Table()->item(row, CVergleich::kDokument)->background().style() != Qt::NoBrush;
}

} // namespace

class VergleichTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void takeOverPerRow() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.Trigger(CCommandTable::kEmpfangen);
        QVERIFY(rig.Doc().IsGueltig());
        const float fGeraet = rig.Doc().GetDaempfung();
        rig.Doc().SetDaempfung(fGeraet + 5.0f);
        rig.Doc().SetBezeichnungText(QStringLiteral("GEAENDERT"));
        QVERIFY(rig.Action(CCommandTable::kVergleichen)->isEnabled());

        bool bShown = false;
        WhenShown([&](CVergleich* dialog) {
            bShown = true;
            const int daempfung = RowOf(dialog, QStringLiteral("m_fDaempfung"));
            const int tag = RowOf(dialog, QStringLiteral("m_strBezeichnung"));
            const int ende = RowOf(dialog, QStringLiteral("m_fMessEnde"));
            QVERIFY(daempfung >= 0 && tag >= 0 && ende >= 0);
            QVERIFY(Marked(dialog, daempfung));
            QVERIFY(Marked(dialog, tag));
            QVERIFY(!Marked(dialog, ende));
            QCOMPARE(dialog->Table()->item(tag, CVergleich::kDokument)->text(), QStringLiteral("GEAENDERT"));

            dialog->Table()->setCurrentCell(daempfung, 0);
            dialog->findChild<QPushButton*>(QStringLiteral("takeTransmitter"))->click();
            QCOMPARE(rig.Doc().GetDaempfung(), fGeraet);
            QVERIFY(!Marked(dialog, daempfung));
            QCOMPARE(rig.Doc().GetBezeichnungText().trimmed(),
                     QStringLiteral("GEAENDERT")); // other rows stay

            dialog->findChild<QPushButton*>(QStringLiteral("takeDokument"))->click();
            QCOMPARE(rig.Doc().GetDaempfung(), fGeraet + 5.0f);
            QVERIFY(Marked(dialog, daempfung));
        });
        rig.Trigger(CCommandTable::kVergleichen);
        QVERIFY(bShown);
        QVERIFY(rig.Doc().IsModified());
        QVERIFY(rig.messages.isEmpty());
    }

    void anotherTypeIsNamedAndNothingCompared() {
        CShellRig rig(CEdition::Kind::Kunde, 7);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(2);
        rig.Doc().SetGueltig(true);
        rig.Doc().UpdateAllViews();
        bool bShown = false;
        WhenShown([&](CVergleich*) { bShown = true; });
        QVERIFY(rig.Action(CCommandTable::kVergleichen)->isEnabled());
        rig.Trigger(CCommandTable::kVergleichen);
        QVERIFY(!bShown);
        QVERIFY2(!rig.MessageTexts().isEmpty() &&
                     rig.MessageTexts().last().contains(QStringLiteral("Es wurde nichts verglichen")),
                 qPrintable(rig.MessageTexts().join('|')));
    }
};

QTEST_MAIN(VergleichTest)
#include "VergleichTest.moc"
