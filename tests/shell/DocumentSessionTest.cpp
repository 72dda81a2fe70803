// The document's file commands: open and save round trip, the question before a modified document is
// replaced, files that cannot be read or written, and the recent-file list.

#include "shell/DocumentSession.h"

#include "ScriptedOperator.h"
#include "document/MemoryProfileStore.h"
#include "document/QuillonDoc.h"
#include "shell/FileChooser.h"
#include "shell/RecentFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

class CScriptedChooser : public IFileChooser {
public:
    QString ChooseOpen(const QString& filter, const QString&) override {
        filters.append(filter);
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QString ChooseSave(const QString& filter, const QString& suggestion) override {
        filters.append(filter);
        suggestions.append(suggestion);
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QStringList paths;
    QStringList filters;
    QStringList suggestions;
};

/// The base range end of a cleared parameter set.
const float kLeer = CParameterSatz().m_fGrundEnde;

/// A document with its session, as the window holds them.
struct Rig {
    CScriptedOperator op;
    CQuillonDoc doc{op, QString()};
    CScriptedChooser chooser;
    CRecentFiles recent{doc.Settings()};
    CDocumentSession session{doc, op, chooser, recent};

    void Edit(float ende) {
        doc.SetTyp(2);
        doc.SetGrundEnde(ende);
        doc.SetBezeichnungText(QStringLiteral("Kessel 3"));
        doc.SetModifiedFlag(true);
    }
};

} // namespace

class DocumentSessionTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void saveAsAndOpenRoundTrip() {
        Rig rig;
        rig.Edit(16.0f);
        QCOMPARE(rig.session.Title(), QStringLiteral("Unbenannt"));
        rig.chooser.paths = {Path(QStringLiteral("kessel"))};
        QVERIFY(rig.session.Save()); // an untitled document asks where to
        QCOMPARE(rig.chooser.filters.first(), QStringLiteral("Dateityp Vx-Dat (*.qlc)"));
        QCOMPARE(rig.chooser.suggestions.first(), QStringLiteral("Unbenannt.qlc"));
        QCOMPARE(rig.session.PathName(), Path(QStringLiteral("kessel.qlc")));
        QCOMPARE(rig.session.Title(), QStringLiteral("kessel.qlc"));
        QVERIFY(!rig.doc.IsModified());
        QCOMPARE(rig.recent.Entries(), QStringList{Path(QStringLiteral("kessel.qlc"))});

        Rig other;
        other.chooser.paths = {Path(QStringLiteral("kessel.qlc"))};
        QVERIFY(other.session.Open());
        QCOMPARE(other.doc.GetGrundEnde(), 16.0f);
        QCOMPARE(other.doc.GetBezeichnungText().trimmed(), QStringLiteral("Kessel 3"));
        QVERIFY(other.doc.IsGueltig());
        QCOMPARE(other.session.Title(), QStringLiteral("kessel.qlc"));
        QVERIFY(other.op.messages.isEmpty());
    }

    void unreadableFileNeverBecomesTheDocument() {
        QFile damaged(Path(QStringLiteral("kaputt.qlc")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x04\x20\x00", 3);
        damaged.close();

        Rig rig;
        rig.Edit(25.0f);
        rig.doc.SetModifiedFlag(false);
        rig.chooser.paths = {damaged.fileName()};
        QVERIFY(!rig.session.Open());
        QCOMPARE(rig.op.messages.size(), 1);
        QCOMPARE(rig.session.Title(), QStringLiteral("Unbenannt"));
        QVERIFY(rig.recent.Entries().isEmpty());
        QCOMPARE(rig.doc.GetGrundEnde(), 25.0f); // the form keeps what it showed

        // From the command line the program goes on with an empty document.
        QVERIFY(!rig.session.OpenCommandLine(damaged.fileName()));
        QCOMPARE(rig.doc.GetGrundEnde(), kLeer);
        QVERIFY(!rig.doc.IsGueltig());
        QVERIFY(rig.session.PathName().isEmpty());
        QVERIFY(!rig.session.OpenCommandLine(Path(QStringLiteral("gibt-es-nicht.qlc"))));
        QCOMPARE(rig.op.messages.size(), 3);
        QVERIFY(rig.recent.Entries().isEmpty());
    }

    void modifiedDocumentAsksFirst() {
        Rig rig;
        rig.Edit(4.0f);
        rig.op.Answer(IOperator::Answer::Cancel);
        QVERIFY(!rig.session.New());
        QCOMPARE(rig.op.messages.first().text, QStringLiteral("Änderungen an Unbenannt speichern?"));
        QCOMPARE(rig.op.messages.first().buttons, IOperator::Buttons::YesNoCancel);
        QCOMPARE(rig.doc.GetGrundEnde(), 4.0f);

        rig.op.Answer(IOperator::Answer::Yes);
        rig.chooser.paths = {Path(QStringLiteral("vorher.qlc"))};
        QVERIFY(rig.session.New()); // saved first, then cleared
        QVERIFY(QFile::exists(Path(QStringLiteral("vorher.qlc"))));
        QCOMPARE(rig.doc.GetGrundEnde(), kLeer);
        QCOMPARE(rig.session.Title(), QStringLiteral("Unbenannt"));

        rig.Edit(6.0f);
        rig.op.Answer(IOperator::Answer::Yes);
        QVERIFY(!rig.session.New()); // the save was cancelled in the chooser: nothing is lost
        QCOMPARE(rig.doc.GetGrundEnde(), 6.0f);

        rig.op.Answer(IOperator::Answer::No);
        QVERIFY(rig.session.New());
        QCOMPARE(rig.doc.GetGrundEnde(), kLeer);
    }

    void saveThatFailsKeepsTheModifiedFlag() {
        Rig rig;
        rig.Edit(10.0f);
        rig.chooser.paths = {Path(QStringLiteral("fehlt/ordner/x.qlc"))};
        QVERIFY(!rig.session.SaveAs());
        QVERIFY(rig.doc.IsModified());
        QCOMPARE(rig.op.messages.size(), 1);
        QVERIFY(rig.session.PathName().isEmpty());
        QVERIFY(rig.recent.Entries().isEmpty());
    }

    void recentFiles() {
        CSettingsRegistry settings;
        CRecentFiles recent(settings);
        for (const char* name : {"a.qlc", "b.qlc", "c.qlc", "d.qlc", "e.qlc", "c.qlc"}) {
            recent.Add(Path(QString::fromLatin1(name)));
        }
        const QStringList expected = {Path(QStringLiteral("c.qlc")), Path(QStringLiteral("e.qlc")),
                                      Path(QStringLiteral("d.qlc")), Path(QStringLiteral("b.qlc"))};
        QCOMPARE(recent.Entries(), expected);

        CMemoryProfileStore store;
        settings.Save(store);
        // An entry that does not open any more leaves the list.
        Rig rig;
        rig.doc.LoadSettings(store);
        rig.recent.Load();
        QCOMPARE(rig.recent.Entries(), expected);
        QVERIFY(!rig.session.OpenRecent(1));
        QCOMPARE(rig.recent.Entries().size(), 3);
        QVERIFY(!rig.recent.Entries().contains(Path(QStringLiteral("e.qlc"))));
        QVERIFY(!rig.session.OpenRecent(7));
    }
};

QTEST_GUILESS_MAIN(DocumentSessionTest)
#include "DocumentSessionTest.moc"
