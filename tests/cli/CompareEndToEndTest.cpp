// quillon-cli diff, send --verify and send --set against quillon-sim over a pseudo-terminal: the exit
// status says equal, different or error; a field the transmitter stored wrongly is named; a failed end
// of the memory image says which set arrived; a series of sends gives each transmitter its own tag.

#include "CliProcess.h"
#include "ScriptedOperator.h"
#include "SimProcess.h"
#include "document/QuillonDoc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class CompareEndToEndTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    CScriptedOperator m_operator;

    CCliProcess::Result RunCli(const QStringList& arguments) {
        return CCliProcess(m_dir.filePath(QStringLiteral("config"))).Run(arguments, 60000);
    }

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    static QStringList Link(const CSimProcess& sim, int typ) {
        return {"--port", sim.Device(), "--type", QString::number(typ), "--interface", "pl45"};
    }

    /// Receives the simulated transmitter's set into a file, and gives that file's document.
    std::unique_ptr<CQuillonDoc> Receive(const CSimProcess& sim, int typ, const QString& name) {
        const CCliProcess::Result result = RunCli(Link(sim, typ) + QStringList{"receive", "-o", Path(name)});
        if (result.exitCode != 0) {
            qWarning("%s", qPrintable(result.err));
            return nullptr;
        }
        auto doc = std::make_unique<CQuillonDoc>(m_operator, QString());
        return doc->LoadFile(Path(name)) ? std::move(doc) : nullptr;
    }

    bool Save(CQuillonDoc& doc, const QString& name) { return doc.SaveFile(Path(name)); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void diffAgainstTheTransmitterAndBetweenFiles() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--type", "2"}, false));
        std::unique_ptr<CQuillonDoc> doc = Receive(sim, 2, "device.qlc");
        QVERIFY(doc);

        CCliProcess::Result result = RunCli(Link(sim, 2) + QStringList{"diff", Path("device.qlc")});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err + result.out));
        QVERIFY(result.out.trimmed().isEmpty());

        doc->SetDaempfung(doc->GetDaempfung() + 3.0f);
        QVERIFY(Save(*doc, "changed.qlc"));
        result = RunCli(Link(sim, 2) + QStringList{"diff", Path("changed.qlc"), "--json"});
        QVERIFY2(result.exitCode == 1, qPrintable(result.err));
        const QJsonObject json = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(json.value("equal").toBool(true), false);
        const QJsonArray differences = json.value("differences").toArray();
        QCOMPARE(differences.size(), 1);
        QCOMPARE(differences.at(0).toObject().value("field").toString(), QStringLiteral("m_fDaempfung"));

        // Two files need no transmitter.
        result = RunCli({"diff", Path("device.qlc"), Path("changed.qlc")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.out.contains("(m_fDaempfung)"), qPrintable(result.out));
        QCOMPARE(RunCli({"diff", Path("device.qlc"), Path("device.qlc")}).exitCode, 0);
        QCOMPARE(RunCli({"diff", Path("device.qlc"), Path("missing.qlc")}).exitCode, 2);
    }

    void controlCharactersOfATagArePrintedEscaped() {
        CQuillonDoc doc(m_operator, QString());
        doc.SetTyp(2);
        doc.SetBezeichnungText(QStringLiteral("PT\x1B[2J-101"));
        QVERIFY(Save(doc, "esc.qlc"));
        doc.SetBezeichnungText(QStringLiteral("PT-101"));
        QVERIFY(Save(doc, "plain.qlc"));
        for (const QStringList& arguments : {QStringList{"show", Path("esc.qlc")},
                                             QStringList{"diff", Path("esc.qlc"), Path("plain.qlc")}}) {
            const CCliProcess::Result result = RunCli(arguments);
            QVERIFY2(result.out.contains(QStringLiteral("PT\\x1B[2J-101")), qPrintable(result.out));
            QVERIFY(!result.out.contains(QChar(0x1B)));
        }
        // Qt's own English texts stay out of the German messages.
        const CCliProcess::Result result = RunCli({"calibration", "write", m_dir.path()});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("Das ist ein Verzeichnis, keine Datei.")),
                 qPrintable(result.err));
    }

    void diffAgainstAnotherTypeComparesNothing() {
        CSimProcess rx31;
        QVERIFY(rx31.Start({"--baud", "0", "--type", "2"}, false));
        QVERIFY(Receive(rx31, 2, "rx31.qlc"));
        CSimProcess ka71;
        QVERIFY(ka71.Start({"--baud", "0", "--model", "ka71"}, false));
        const CCliProcess::Result result =
            RunCli({"--port", ka71.Device(), "--interface", "pl45", "diff", Path("rx31.qlc")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.out.contains(QStringLiteral("Typ verschieden")), qPrintable(result.out + result.err));
        QVERIFY(!result.out.contains("(m_"));
    }

    void verifyNamesAWronglyStoredField() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--type", "2", "--store-wrong-damping"}, false));
        std::unique_ptr<CQuillonDoc> doc = Receive(sim, 2, "verify.qlc");
        QVERIFY(doc);
        doc->SetDaempfung(2.0f);
        QVERIFY(Save(*doc, "verify.qlc"));
        const CCliProcess::Result result =
            RunCli(Link(sim, 2) + QStringList{"--yes", "send", Path("verify.qlc"), "--verify"});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("Dämpfung (m_fDaempfung)")), qPrintable(result.err));
        QVERIFY(result.err.contains(QStringLiteral("3.0 s")) || result.err.contains(QStringLiteral("3,0 s")));
    }

    void verifyAcceptsRoundingWithinTheEncoding() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--type", "2"}, false));
        std::unique_ptr<CQuillonDoc> doc = Receive(sim, 2, "round.qlc");
        QVERIFY(doc);
        doc->SetDaempfung(2.04f); // the transmitter keeps tenths
        QVERIFY(Save(*doc, "round.qlc"));
        const CCliProcess::Result result =
            RunCli(Link(sim, 2) + QStringList{"--yes", "send", Path("round.qlc"), "--verify"});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QVERIFY(result.out.contains(QStringLiteral("Geprüft")));
    }

    void failedImageEndIsReadBack() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--type", "2", "--silent", "87"}, false));
        std::unique_ptr<CQuillonDoc> doc = Receive(sim, 2, "end.qlc");
        QVERIFY(doc);
        doc->SetBezeichnungText(QStringLiteral("NEU"));
        QVERIFY(Save(*doc, "end.qlc"));
        const CCliProcess::Result result =
            RunCli(Link(sim, 2) + QStringList{"--yes", "send", Path("end.qlc")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(QStringLiteral("Sendefehler!")));
        QVERIFY2(result.err.contains(QStringLiteral("vollständigen neuen Parametersatz")),
                 qPrintable(result.err));

        // With --verify the set held before is read first: the parameters arrived, the table did not.
        doc->SetLinTabAnzahl(2);
        doc->SetLinTabX(0, 4.0f);
        doc->SetLinTabY(0, 0.0f);
        doc->SetLinTabX(1, 20.0f);
        doc->SetLinTabY(1, doc->GetMessEnde());
        doc->SetBezeichnungText(QStringLiteral("MIT TABELLE"));
        QVERIFY(Save(*doc, "mix.qlc"));
        const CCliProcess::Result mix =
            RunCli(Link(sim, 2) + QStringList{"--yes", "send", Path("mix.qlc"), "--verify"});
        QCOMPARE(mix.exitCode, 1);
        QVERIFY2(mix.err.contains(QStringLiteral("teils neue, teils alte Werte")), qPrintable(mix.err));
        QVERIFY(mix.err.contains(QStringLiteral("(m_nLinTabAnzahl)")));
        QVERIFY(!mix.err.contains(QStringLiteral("(m_strBezeichnung)")));
    }

    void seriesOfThreeSendsWithTheirOwnTags() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--type", "2"}, false));
        QVERIFY(Receive(sim, 2, "template.qlc"));
        for (const QString tag : {"PT-101", "PT-102", "PT-103"}) {
            const CCliProcess::Result result =
                RunCli(Link(sim, 2) + QStringList{"--yes", "send", Path("template.qlc"), "--set",
                                                  "m_strBezeichnung=" + tag, "--set", "m_fDaempfung=4.5",
                                                  "--verify"});
            QVERIFY2(result.exitCode == 0, qPrintable(result.err));
            std::unique_ptr<CQuillonDoc> back = Receive(sim, 2, "back.qlc");
            QVERIFY(back);
            QCOMPARE(back->GetBezeichnungText().trimmed(), tag);
            QCOMPARE(back->GetDaempfung(), 4.5f);
        }
    }

    void refusedOverridesSendNothing() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--type", "2"}, false));
        std::unique_ptr<CQuillonDoc> doc = Receive(sim, 2, "refuse.qlc");
        QVERIFY(doc);
        // A template whose range is already too narrow: a --set that closes it must not pass as the
        // file's own problem, which --yes would send.
        const float start = doc->GetGrundAnfang();
        doc->SetMessAnfang(start);
        doc->SetMessEnde(start + (doc->GetGrundEnde() - start) / 10.0f);
        QVERIFY(Save(*doc, "narrow.qlc"));
        const QString closed = "m_fMessEnde=" + QString::number(static_cast<double>(start), 'g', 9);
        const int requests = sim.Requests();
        const QList<std::pair<QString, QString>> refused{
            {"refuse.qlc", "m_nFoo=1"},
            {"refuse.qlc", "m_fDaempfung=abc"},
            {"refuse.qlc", "m_fDaempfung=999"},
            {"narrow.qlc", closed},
            {"refuse.qlc", "m_strBezeichnung=PT\t101"},
            {"refuse.qlc", "m_strBezeichnung=PT\n101"},
            {"refuse.qlc", "m_strBezeichnung=PT\x1b[2J"},
            {"refuse.qlc", "m_strBezeichnung=PT-\u03A9"}, // no character of the transmitter's code page
        };
        for (const auto& [file, set] : refused) {
            const CCliProcess::Result result =
                RunCli(Link(sim, 2) + QStringList{"--yes", "send", Path(file), "--set", set});
            QCOMPARE(result.exitCode, 1);
            QVERIFY2(result.err.contains(QStringLiteral("Nichts gesendet")), qPrintable(result.err));
            QVERIFY2(result.err.contains(set.section(QLatin1Char('='), 0, 0)), qPrintable(result.err));
        }
        QCOMPARE(sim.Requests(), requests);
        QCOMPARE(RunCli({"show", Path("refuse.qlc"), "--verify"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(CompareEndToEndTest)
#include "CompareEndToEndTest.moc"
