// The language dialog in the window: the choice is confirmed with its message, the running program
// stays German, and the next start uses the English catalogue. Qt's own dialogs follow the program's
// language, not the desktop's.

#include "ui/setup/Sprache.h"

#include "ShellRig.h"
#include "document/QuillonDoc.h"
#include "shell/CommandTable.h"
#include "ui/main/MainFrame.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

/// Answers the modal language dialog once it is up: chooses a language and presses a button.
void AnswerDialog(const QString& radio, const QString& button, bool* pSawGerman = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<CSprache*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        if (pSawGerman) {
            *pSawGerman = dialog->findChild<QRadioButton*>(QStringLiteral("deutsch"))->isChecked();
        }
        dialog->findChild<QRadioButton*>(radio)->click();
        dialog->findChild<QPushButton*>(button)->click();
    });
}

} // namespace

class SpracheTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void englishAtTheNextStart() {
        CShellRig rig;
        QVERIFY(rig.Start());
        QCOMPARE(rig.Frame().menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Drucken"));

        AnswerDialog(QStringLiteral("englisch"), QStringLiteral("cancel"));
        rig.Trigger(CCommandTable::kSprache);
        QCOMPARE(rig.Doc().GetSprache(), 0);
        QVERIFY(rig.messages.isEmpty());

        bool sawGerman = false;
        AnswerDialog(QStringLiteral("englisch"), QStringLiteral("ok"), &sawGerman);
        rig.Trigger(CCommandTable::kSprache);
        QVERIFY(sawGerman);
        QCOMPARE(rig.messages.size(), 1);
        QCOMPARE(rig.messages.first().text,
                 QStringLiteral("Die Einstellung wird erst nach Neustart\ndes Programms wirksam."));
        QCOMPARE(rig.messages.first().caption, QStringLiteral("Sprachwahl"));
        QCOMPARE(rig.Frame().menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
        rig.Stop();
        QCOMPARE(rig.profile.GetInt(QStringLiteral("Language"), -1), 1);

        // The next start, with the same profile.
        QVERIFY(rig.Start());
        QVERIFY(rig.app->IsEnglisch());
        QCOMPARE(rig.Frame().menuBar()->actions().first()->text(), QStringLiteral("&File"));
        QCOMPARE(rig.Frame().windowTitle(), QStringLiteral("Untitled - Varnex"));
        QCOMPARE(rig.Action(CCommandTable::kEmpfangen)->text(), QStringLiteral("Receive..."));
        QCOMPARE(rig.Doc().GetSprache(), 1);
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Print"));

        // Back to German: the dialog shows English chosen.
        AnswerDialog(QStringLiteral("deutsch"), QStringLiteral("ok"), &sawGerman);
        rig.Trigger(CCommandTable::kSprache);
        QVERIFY(!sawGerman);
        QCOMPARE(rig.Doc().GetSprache(), 0);
        QCOMPARE(rig.messages.last().caption, QStringLiteral("Language"));
    }
};

QTEST_MAIN(SpracheTest)
#include "SpracheTest.moc"
