// The help-topics sheet built from the help text files, and a help document that is not there.

#include "ScriptedOperator.h"
#include "access/HelpTopics.h"
#include "ui/help/HelpCommands.h"
#include "ui/help/Hilfe.h"
#include "ui/help/Hilfethemen.h"

#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class HelpDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sheetHasOnePagePerFile() {
        QTemporaryDir dir;
        {
            CHilfethemen empty(CHelpTopics::ReadPages(dir.path(), false));
            QCOMPARE(empty.windowTitle(), QStringLiteral("Hilfethemen"));
            QCOMPARE(empty.Pages()->count(), 0);
        }
        QFile file(dir.filePath(QStringLiteral("Help3.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(5000, 'x'));
        file.close();
        CHilfethemen sheet(CHelpTopics::ReadPages(dir.path(), false));
        QCOMPARE(sheet.Pages()->count(), 1);
        QCOMPARE(sheet.Pages()->tabText(0), QStringLiteral("Parametrierung"));
        auto* page = qobject_cast<CHilfe*>(sheet.Pages()->widget(0));
        QVERIFY(page);
        QCOMPARE(page->Text().size(), 3999);
    }

    void missingHelpDocumentIsTold() {
        QTemporaryDir dir;
        CScriptedOperator op;
        CHelpCommands commands(dir.path(), false, op, nullptr);
        QVERIFY(!commands.OpenSoftwareHelp());
        QVERIFY(!commands.OpenTransmitterHelp());
        QCOMPARE(op.messages.size(), 2);
        QVERIFY(op.messages.at(0).text.contains(QStringLiteral("hilfe_software.pdf")));
        QVERIFY(op.messages.at(1).text.contains(QStringLiteral("hilfe_transmitter.pdf")));
    }
};

QTEST_MAIN(HelpDialogsTest)
#include "HelpDialogsTest.moc"
