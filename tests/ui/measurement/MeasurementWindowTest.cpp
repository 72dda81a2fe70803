// The measurement and test commands through the window's menus against the in-process simulator, on the
// product's clock: "Messung..." with a logging run, a single "Test" command and "Connect RX93".

#include "ModalDriver.h"
#include "ShellRig.h"
#include "document/QuillonDoc.h"
#include "shell/CommandTable.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

int LinesIn(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count('\n')) : 0;
}

} // namespace

class MeasurementWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messungLogsWhileTheCommandsWait() {
        CShellRig rig(CEdition::Kind::Kunde, 2);
        QVERIFY(rig.Start());
        rig.Frame().show();
        const QString log = rig.dir.filePath(QStringLiteral("window.log"));
        bool bEmpfangenEnabled = true;
        CModalDriver driver;
        driver.Then(QStringLiteral("loggen"), [&](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("ctl1023"))->setText(log);
            dialog->findChild<QCheckBox*>(QStringLiteral("ctl1038"))->setChecked(true);
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        driver.Then(QStringLiteral("doLoggen"), [&](QWidget* dialog) {
            bEmpfangenEnabled = rig.Action(CCommandTable::kEmpfangen)->isEnabled();
            QTRY_VERIFY_WITH_TIMEOUT(LinesIn(log) >= 2, 10000); // the first at once, the next after 2 s
            dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
        });
        rig.Trigger(CCommandTable::kMessung);
        QVERIFY(driver.Done());
        QVERIFY(!bEmpfangenEnabled);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(rig.View().IsBereit());
        QVERIFY(rig.Action(CCommandTable::kEmpfangen)->isEnabled());
        QCOMPARE(rig.Doc().GetLogStatus(), 1);
        QCOMPARE(rig.Doc().GetLogFile(), log);
    }

    void aTestCommandShowsItsExchange() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        QString sent;
        CModalDriver driver;
        driver.Then(QStringLiteral("sioTransfer"), [&](QWidget* dialog) {
            sent = dialog->findChild<QPlainTextEdit*>(QStringLiteral("sentHex"))->toPlainText();
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        rig.Trigger(32773); // "Gerätekennung"
        QVERIFY(driver.Done());
        QCOMPARE(sent, QStringLiteral("02 03 31 34 03 "));
        QVERIFY(rig.View().IsBereit());
    }

    void connectRX93TellsWhatAnswered() {
        CShellRig rig(CEdition::Kind::Werk, 0);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(0);
        rig.Doc().UpdateAllViews(); // the window evaluates its rules anew
        rig.Frame().show();
        QVERIFY(rig.Action(32772)->isEnabled());
        rig.Trigger(32772);
        QCOMPARE(rig.messages.size(), 1);
        QVERIFY2(rig.messages.first().text.startsWith(QStringLiteral("Connecting Hardware... OK")),
                 qPrintable(rig.messages.first().text));
        QVERIFY(rig.messages.first().text.contains(QStringLiteral("0x02 0x0A 0x56")));
    }
};

QTEST_MAIN(MeasurementWindowTest)
#include "MeasurementWindowTest.moc"
