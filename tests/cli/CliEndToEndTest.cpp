// quillon-cli against quillon-sim over a pseudo-terminal, in real time: for every type the received file
// equals the simulated transmitter, a sent file comes back on the next receive, and failures end with the
// right message and exit status within the link's time-outs.

#include "CliProcess.h"
#include "ParameterSetEdits.h"
#include "ScriptedOperator.h"
#include "SimProcess.h"
#include "base/Utils.h"
#include "document/QuillonDoc.h"
#include "sim/SimCatalogue.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

namespace {

/// One silent exchange: 20 ticks of 100 ms, three attempts with 100 ms between them.
constexpr int kSilentTransferMs = 3 * (2000 + 100);
/// Slack for process start, the reset pulse of the connect and a loaded machine.
constexpr int kSlackMs = 4000;

} // namespace

class CliEndToEndTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    CScriptedOperator m_operator;

    CCliProcess::Result RunCli(const QStringList& arguments, int timeoutMs = 60000) {
        return CCliProcess(m_dir.filePath(QStringLiteral("config"))).Run(arguments, timeoutMs);
    }

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    static QStringList Link(const CSimProcess& sim, int typ, const char* kind = "pl45") {
        return {
            "--port", sim.Device(), "--type", QString::number(typ), "--interface", QString::fromLatin1(kind)};
    }

    static QJsonObject ReadJson(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                              : QJsonObject();
    }

    static void WriteJson(const QString& path, const QJsonObject& json) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(json).toJson());
    }

    std::unique_ptr<CQuillonDoc> Load(const QString& path) {
        auto doc = std::make_unique<CQuillonDoc>(m_operator, QString());
        return doc->LoadFile(path) ? std::move(doc) : nullptr;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void receiveAndSendEveryType_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("kind");
        for (int typ = 0; typ <= 10; ++typ) {
            QTest::addRow("type %d", typ)
                << typ << (typ == 4 ? QStringLiteral("pl40") : QStringLiteral("pl45"));
        }
    }

    void receiveAndSendEveryType() {
        QFETCH(int, typ);
        QFETCH(QString, kind);
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--type", QString::number(typ), "--interface", kind}, false));
        const QStringList link = Link(sim, typ, qPrintable(kind));
        const QString first = Path(QStringLiteral("first-%1.qlc").arg(typ));

        CCliProcess::Result result = RunCli(link + QStringList{"receive", "-o", first});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        std::unique_ptr<CQuillonDoc> received = Load(first);
        QVERIFY(received);
        const CSimCatalogue::Range range = CSimCatalogue::DefaultRange(typ);
        QCOMPARE(received->GetTyp(), typ);
        QCOMPARE(received->GetKennung(), CSimCatalogue::DefaultKennung(typ));
        QCOMPARE(received->GetBezeichnung(), CSimCatalogue::DefaultTag(typ));
        QCOMPARE(received->GetSeriennummer(), CSimCatalogue::DefaultSerial(typ).left(13));
        QCOMPARE(received->GetDezimalstellen(), range.dezimalstellen);
        QCOMPARE(received->GetEinheit(), range.einheit);
        QCOMPARE(received->GetGrundEnde(),
                 static_cast<float>(range.ende / CUtils::PowerOfTen(range.dezimalstellen)));

        EditParameterSet(*received);
        const QString edited = Path(QStringLiteral("edited-%1.qlc").arg(typ));
        QVERIFY(received->SaveFile(edited));
        result = RunCli(link + QStringList{"--yes", "send", edited});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));

        const QString again = Path(QStringLiteral("again-%1.qlc").arg(typ));
        result = RunCli(link + QStringList{"receive", "-o", again});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        std::unique_ptr<CQuillonDoc> back = Load(again);
        QVERIFY(back);
        CompareWrittenFields(*received, *back);
    }

    void calibrationWriteThenReadBack_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("typ");
        QTest::newRow("RX31 with extended set") << QStringLiteral("rx31") << 2;
        QTest::newRow("VN62") << QStringLiteral("vn62") << 7;
        QTest::newRow("KA71") << QStringLiteral("ka71") << 10;
    }

    void calibrationWriteThenReadBack() {
        QFETCH(QString, model);
        QFETCH(int, typ);
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--model", model}, false));
        const QStringList link = Link(sim, typ);
        const QString first = Path(QStringLiteral("calibration-%1.json").arg(model));
        CCliProcess::Result result = RunCli(link + QStringList{"calibration", "read", "-o", first});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QJsonObject record = ReadJson(first);
        QCOMPARE(record.value("m_nTyp").toInt(), typ);
        QCOMPARE(record.value("m_bErweitert").toBool(), typ != 7);
        QCOMPARE(record.value("m_nTemperaturAdc").toArray().size(), typ == 7 ? 2 : 3);
        QCOMPARE(record.contains("m_nWerksOffset"), typ != 10);
        QCOMPARE(record.contains("m_nAdc2"), typ == 7);

        // Read, modify, write: a calibration station's script.
        QJsonArray adc = record.value("m_nAdc").toArray();
        adc[2] = 33333;
        record.insert("m_nAdc", adc);
        record.insert("m_nGain", 5);
        record.insert("m_szSeriennummer", "471100.12.345");
        record.insert("m_fTkSpanne", QJsonArray{0.5, -0.25, 1e-5, 3.0});
        const QString edited = Path(QStringLiteral("edited-%1.json").arg(model));
        WriteJson(edited, record);
        result = RunCli(link + QStringList{"calibration", "write", edited});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));

        const QString again = Path(QStringLiteral("again-%1.json").arg(model));
        result = RunCli(link + QStringList{"calibration", "read", "-o", again});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QJsonObject back = ReadJson(again);
        record.insert("m_szSeriennummer", "471100.12.345   "); // filled up with blanks as in the transmitter
        QCOMPARE(back, record);
    }

    void calibrationWriteWithItsEndUnconfirmedSaysWhichRecordArrived() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--model", "ka71", "--lose-reply", "87"}, false));
        const QString read = Path(QStringLiteral("lost-end.json"));
        CCliProcess::Result result = RunCli(Link(sim, 10) + QStringList{"calibration", "read", "-o", read});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QJsonObject record = ReadJson(read);
        record.insert("m_nGain", 4);
        WriteJson(read, record);
        result = RunCli(Link(sim, 10) + QStringList{"calibration", "write", read});
        QCOMPARE(result.exitCode, 1); // unconfirmed stays a failure, as a send's does
        QVERIFY2(result.err.contains(QStringLiteral("Ende des Abgleichdaten-Blocks nicht bestätigt.")),
                 qPrintable(result.err));
        QVERIFY2(result.err.contains(QStringLiteral("enthält aber die vollständigen neuen Abgleichdaten")),
                 qPrintable(result.err));
        // The record held before was read first, so that the read-back could also tell old from a mix.
        const qsizetype asFound = result.err.indexOf(QStringLiteral("Lese Abgleichdaten..."));
        QVERIFY2(asFound >= 0 && asFound < result.err.indexOf(QStringLiteral("Verbinde Transmitter")),
                 qPrintable(result.err));
    }

    void calibrationWriteRefusesABadFileBeforeWriting() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--model", "rx31-305"}));
        const QString good = Path(QStringLiteral("good.json"));
        QVERIFY(RunCli(Link(sim, 2) + QStringList{"calibration", "read", "-o", good}).exitCode == 0);
        const QJsonObject record = ReadJson(good);

        const QList<std::pair<QString, QJsonValue>> faults{{"m_nTyp", 10},
                                                           {"m_bErweitert", true},
                                                           {"m_nGain", "4"},
                                                           {"m_nAdc", QJsonArray{1, 2, 3}},
                                                           {"m_nWerksOffset", 40000},
                                                           {"m_szSeriennummer", "much longer than sixteen"},
                                                           {"m_szSeriennummer", ""},
                                                           {"m_szSeriennummer", "123456.78.9\t1"},
                                                           {"m_szSeriennummer", "123456.78.901\n"},
                                                           {"m_szSeriennummer", "CAL-4711"}};
        for (const auto& [key, value] : faults) {
            QJsonObject bad = record;
            bad.insert(key, value);
            const QString path = Path(QStringLiteral("bad-%1.json").arg(key));
            WriteJson(path, bad);
            const CCliProcess::Result result =
                RunCli(Link(sim, 2) + QStringList{"calibration", "write", path});
            QCOMPARE(result.exitCode, 1);
            QVERIFY2(result.err.contains(key + QLatin1Char(':')), qPrintable(result.err));
        }
        QJsonObject missing = record;
        missing.remove("m_nAbglBereichEnde");
        WriteJson(Path("missing.json"), missing);
        CCliProcess::Result result =
            RunCli(Link(sim, 2) + QStringList{"calibration", "write", Path("missing.json")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains("m_nAbglBereichEnde: Schlüssel fehlt."), qPrintable(result.err));
        // The RX89 keeps no record of this form: no file is made of its words.
        CSimProcess rx89;
        QVERIFY(rx89.Start({"--baud", "0", "--type", "0"}, false));
        const QString none = Path(QStringLiteral("rx89.json"));
        result = RunCli(Link(rx89, 0) + QStringList{"calibration", "read", "-o", none});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("Gerät nicht kompatibel!")), qPrintable(result.err));
        QVERIFY(!QFile::exists(none));

        // Not one block write began: "begin block write" of the calibration area is 85 with payload "0".
        QCOMPARE(sim.TraceCount(QStringLiteral("REQ 02 04 85 30")), 0);
        QVERIFY(sim.TraceCount(QStringLiteral("REQ 02 03 50")) > 0);
    }

    void temperatureWriteThenReadBack() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--type", "1"}));
        const QStringList link = Link(sim, 1);
        CCliProcess::Result result = RunCli(link + QStringList{"temperature", "read", "--json"});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        const QJsonObject factory = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(factory.value("imin").toArray().size(), 6);
        QCOMPARE(factory.value("temp").toArray().at(5).toInt(), 80); // the sixth point sits in slot 6

        const QStringList values{"--imin", "1600,1610,1590,1605,1620,1585",
                                 "--imax", "8000,8010,7990,8020,7980,8005",
                                 "--temp", "-10,0,25,50,85,120"};
        // 1600+1610+...: the sum of the 18 values kept below 10000.
        result = RunCli(link + QStringList{"temperature", "write"} + values + QStringList{"--checksum", "8"});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("Falsche Checksumme!")), qPrintable(result.err));
        result =
            RunCli(link + QStringList{"temperature", "write"} + values + QStringList{"--checksum", "7885"});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));

        result = RunCli(link + QStringList{"temperature", "read"});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(result.out, QStringLiteral("I-Min (4mA): 1600 1610 1590 1605 1620 1585\n"
                                            "I-Max (20mA): 8000 8010 7990 8020 7980 8005\n"
                                            "Temperaturen: -10 0 25 50 85 120\n"
                                            "Checksumme: 7885\n"));
        // A list of the wrong length or a value the temperature dialog refuses is a usage error naming
        // the option and entry: the transmitter hears nothing of it.
        CSimProcess untouched;
        QVERIFY(untouched.Start({"--baud", "0", "--type", "1"}));
        const QList<std::pair<QStringList, QString>> refused{
            {{"--imin", "1,2,3"}, "--imin"},
            {{"--imin", "1,2,3,4,5,65535"}, "--imin: Wert 6"},
            {{"--imax", "-1,2,3,4,5,6"}, "--imax: Wert 1"},
            {{"--temp", "1,2,-32768,4,5,6"}, "--temp: Wert 3"},
            {{"--temp", "1,2,3,4,10000,6"}, "--temp: Wert 5"},
            {{"--checksum", "-10000"}, "--checksum"},
        };
        for (const auto& [fault, named] : refused) {
            QStringList arguments{"temperature", "write",  "--imin",      "1,2,3,4,5,6", "--imax",
                                  "1,2,3,4,5,6", "--temp", "1,2,3,4,5,6", "--checksum",  "0"};
            arguments[arguments.indexOf(fault.first()) + 1] = fault.last();
            result = RunCli(Link(untouched, 1) + arguments);
            QCOMPARE(result.exitCode, 2);
            QVERIFY2(result.err.contains(named), qPrintable(result.err));
        }
        QCOMPARE(untouched.Requests(), 0);
        // Only "c" after the 40 words stores them: the wrong checksum above sent no word.
        QCOMPARE(sim.TraceCount(QStringLiteral("REQ 02 03 63")), 1);
    }

    void identifyAndFindInterface() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0", "--model", "rx31-305"}, false));
        CCliProcess::Result result = RunCli(Link(sim, 2) + QStringList{"identify"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("Kennung: RX31-305\nTyp: 2 RX31\nErweitert: nein\n"));

        // --trace writes the run's frames, the identification's request and reply among them.
        const QString trace = Path(QStringLiteral("identify-trace.txt"));
        result = RunCli(Link(sim, 2) + QStringList{"--trace", trace, "identify"});
        QCOMPARE(result.exitCode, 0);
        QFile traceFile(trace);
        QVERIFY(traceFile.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(traceFile.readAll());
        QVERIFY2(text.contains(QStringLiteral("\tTX\t31\tGet Device Info\t")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\tRX\t31\tGet Device Info\t")));
        QVERIFY(text.contains(QStringLiteral("RX31-305")));
        // A trace that cannot be written fails the run, after the command.
        result = RunCli(Link(sim, 2) + QStringList{"--trace", Path("no/such/dir/t.txt"), "identify"});
        QCOMPARE(result.exitCode, 1);

        result = RunCli({"find-interface", "/dev/quillon-no-such-port", sim.Device()});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.startsWith(QStringLiteral("Port: COM2 (%1)\nVersion: 1.").arg(sim.Device())),
                 qPrintable(result.out));
        QVERIFY(result.err.contains(QStringLiteral("PL45 (ab 2006) gefunden an COM2")));
    }

    void failuresReportAndNeverWriteAFile_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<int>("typ");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("boundMs");
        const QString connect = QStringLiteral("Fail to Connect Transmitter");
        const QString receive = QStringLiteral("Empfangsfehler!");
        QTest::newRow("silent transmitter")
            << QStringList{"--silent", "31"} << 2 << QStringList{connect, receive} << kSilentTransferMs;
        QTest::newRow("silent in the middle")
            << QStringList{"--silent", "38"} << 2 << QStringList{receive} << kSilentTransferMs;
        QTest::newRow("interface refuses the mode")
            << QStringList{"--reject-mode", "--type", "10"} << 10 << QStringList{connect, receive} << 0;
        QTest::newRow("port disappears")
            << QStringList{"--vanish-after", "6"} << 2 << QStringList{receive} << kSilentTransferMs;
    }

    void failuresReportAndNeverWriteAFile() {
        QFETCH(QStringList, simArgs);
        QFETCH(int, typ);
        QFETCH(QStringList, messages);
        QFETCH(int, boundMs);
        CSimProcess sim;
        QVERIFY(sim.Start(QStringList{"--baud", "0"} + simArgs, false));
        const QString output = Path(QStringLiteral("never-%1.qlc").arg(QTest::currentDataTag()));
        const CCliProcess::Result result = RunCli(Link(sim, typ) + QStringList{"receive", "-o", output});
        QCOMPARE(result.exitCode, 1);
        for (const QString& message : messages) {
            QVERIFY2(result.err.contains(message), qPrintable(result.err));
        }
        QVERIFY(!QFile::exists(output));
        QVERIFY2(result.elapsedMs < boundMs + kSlackMs, qPrintable(QString::number(result.elapsedMs)));
    }

    void sendRefusesWhatItCannotReadBeforeSending() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0"}));
        const QString damaged = Path(QStringLiteral("damaged.qlc"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("0420000002000000"));
        file.close();
        CCliProcess::Result result = RunCli(Link(sim, 2) + QStringList{"--yes", "send", damaged});
        QCOMPARE(result.exitCode, 1);
        result = RunCli(Link(sim, 2) + QStringList{"--yes", "send", Path(QStringLiteral("missing.qlc"))});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(sim.Requests(), 0);
    }

    void sendChecksTheParameterSetBeforeSending() {
        std::unique_ptr<CQuillonDoc> doc;
        {
            CSimProcess source;
            QVERIFY(source.Start({"--baud", "0"}, false));
            const QString file = Path(QStringLiteral("checked.qlc"));
            QCOMPARE(RunCli(Link(source, 2) + QStringList{"receive", "-o", file}).exitCode, 0);
            doc = Load(file);
            QVERIFY(doc);
        }
        doc->SetDaempfung(std::numeric_limits<float>::quiet_NaN());
        const QString broken = Path(QStringLiteral("nan.qlc"));
        QVERIFY(doc->SaveFile(broken));
        doc->SetDaempfung(250.0f);
        const QString slow = Path(QStringLiteral("slow.qlc"));
        QVERIFY(doc->SaveFile(slow));

        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0"}));
        // Not a number: refused even with --yes, naming the field.
        CCliProcess::Result result = RunCli(Link(sim, 2) + QStringList{"--yes", "send", broken});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("Dämpfung")), qPrintable(result.err));
        // Only outside the dialog's limits: a question, so without a terminal it needs --yes.
        result = RunCli(Link(sim, 2) + QStringList{"send", slow});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("--yes")), qPrintable(result.err));
        QCOMPARE(sim.Requests(), 0);

        CSimProcess answered;
        QVERIFY(answered.Start({"--baud", "0"}, false));
        result = RunCli(Link(answered, 2) + QStringList{"--yes", "send", slow});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    }

    void questionsNeedYesWithoutATerminal() {
        CSimProcess sim;
        QVERIFY(sim.Start({"--baud", "0"}, false));
        const QString file = Path(QStringLiteral("asked.qlc"));
        QCOMPARE(RunCli(Link(sim, 2) + QStringList{"receive", "-o", file}).exitCode, 0);
        CCliProcess::Result result = RunCli(Link(sim, 2) + QStringList{"send", file});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(QStringLiteral("--yes")));

        // A file of the older version is read only after the question is answered.
        std::unique_ptr<CQuillonDoc> doc = Load(file);
        QVERIFY(doc);
        QByteArray bytes = doc->SaveToBytes();
        QByteArray old = QByteArray::fromHex("02200000");
        old += bytes.mid(4 + 4 + 2 + 2 + 4); // without the type, zero window, key lock, temperature damping
        old.truncate(old.size() - 240 - (4 + 2 + 2 + 4 + 4)); // without the KA71 items and the table
        old += bytes.right(240);
        const QString oldFile = Path(QStringLiteral("old.qlc"));
        QFile out(oldFile);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(old);
        out.close();
        result = RunCli({"show", oldFile});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(QStringLiteral("Altes Dateiformat!")));
        result = RunCli({"--yes", "show", oldFile, "--json"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains(QStringLiteral("\"m_nFreiEnde\": 1000")));
    }

    void wrongUsageIsExitTwo() {
        CCliProcess::Result result = RunCli({"receive"});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains(QStringLiteral("-o")));
        QCOMPARE(RunCli({"--help"}).exitCode, 0);
        // One language per run: the usage error speaks the chosen language like every other message.
        result = RunCli({"--bogus", "identify"});
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.startsWith(QStringLiteral("quillon-cli: Unbekannte Option: --bogus")),
                 qPrintable(result.err));
        const QString english = Path(QStringLiteral("english"));
        QVERIFY(QDir().mkpath(english + QStringLiteral("/Quillon")));
        QFile profile(english + QStringLiteral("/Quillon/Quillon.conf"));
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write("[Settings]\nLanguage=1\n");
        profile.close();
        result = CCliProcess(english).Run({"--bogus", "identify"}, 60000);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.startsWith(QStringLiteral("quillon-cli: Unknown option: --bogus")),
                 qPrintable(result.err));
        QVERIFY(!result.err.contains(QStringLiteral("Aufruf")));
    }
};

QTEST_GUILESS_MAIN(CliEndToEndTest)
#include "CliEndToEndTest.moc"
