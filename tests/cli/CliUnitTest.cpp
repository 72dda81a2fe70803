// quillon-cli without a transmitter: the command line, the JSON form of a parameter set and the
// terminal as the operator.

#include "ScriptedOperator.h"
#include "cli/CliOptions.h"
#include "cli/ParameterJson.h"
#include "cli/SampleGrid.h"
#include "cli/TerminalOperator.h"
#include "document/QuillonDoc.h"

#include <QJsonArray>
#include <QTest>
#include <cstdio>

namespace {

QString ReadAll(FILE* file) {
    std::fflush(file);
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    return QString::fromLocal8Bit(bytes);
}

std::optional<CCliOptions> Parse(const QStringList& args, QString* error = nullptr) {
    QString text;
    std::optional<CCliOptions> options = CCliOptions::Parse(QStringList{"quillon-cli"} + args, text);
    if (error != nullptr) {
        *error = text;
    }
    return options;
}

} // namespace

class CliUnitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLine() {
        std::optional<CCliOptions> options =
            Parse({"--port", "/dev/pts/7", "--type", "10", "--interface", "PL40", "receive", "-o", "a.qlc"});
        QVERIFY(options);
        QCOMPARE(options->command, CCliOptions::Command::Receive);
        QCOMPARE(options->port, QStringLiteral("/dev/pts/7"));
        QVERIFY(!options->comNumber);
        QCOMPARE(options->typ, std::optional<int>(10));
        QCOMPARE(options->interfaceVersion, std::optional<int>(0));
        QCOMPARE(options->output, QStringLiteral("a.qlc"));

        options = Parse({"show", "a.qlc", "--json", "--port", "COM3"});
        QVERIFY(options);
        QCOMPARE(options->arguments, QStringList{"a.qlc"});
        QVERIFY(options->json);
        QCOMPARE(options->comNumber, std::optional<int>(3));

        options = Parse({"sheet", "a.qlc", "-o", "a.pdf"});
        QVERIFY(options);
        QCOMPARE(options->command, CCliOptions::Command::Sheet);
        QCOMPARE(options->output, QStringLiteral("a.pdf"));
        QVERIFY(options->NeedsGui());
        QVERIFY(!Parse({"show", "a.qlc"})->NeedsGui());

        options = Parse({"find-interface", "/dev/ttyUSB0", "/dev/ttyUSB1"});
        QVERIFY(options);
        QCOMPARE(options->arguments.size(), 2);
        QVERIFY(Parse({"--help"})->help);
        QVERIFY(Parse({"-V"})->version && Parse({"--version", "identify"})->version);
        options = Parse({"measure", "--count", "3", "--interval", "120", "--log", "m.log"});
        QVERIFY(options);
        QCOMPARE(options->command, CCliOptions::Command::Measure);
        QCOMPARE(options->count, 3);
        QCOMPARE(options->interval, 120);
        QCOMPARE(options->logFile, QStringLiteral("m.log"));
        options = Parse({"--trace", "t.txt", "show", "a.qlc"});
        QVERIFY(options);
        QCOMPARE(options->traceFile, QStringLiteral("t.txt"));
        options = Parse({"measure"});
        QVERIFY(options && !options->count && !options->interval && options->logFile.isEmpty());
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"flash"};
        QTest::newRow("receive without file") << QStringList{"receive"};
        QTest::newRow("send without file") << QStringList{"send"};
        QTest::newRow("show with two files") << QStringList{"show", "a", "b"};
        QTest::newRow("type out of range") << QStringList{"--type", "11", "identify"};
        QTest::newRow("type not a number") << QStringList{"--type", "x", "identify"};
        QTest::newRow("unknown interface") << QStringList{"--interface", "usb", "identify"};
        QTest::newRow("COM beyond 16") << QStringList{"--port", "COM17", "identify"};
        QTest::newRow("port neither path nor COM") << QStringList{"--port", "ttyUSB0", "identify"};
        QTest::newRow("json outside show") << QStringList{"identify", "--json"};
        QTest::newRow("output outside receive") << QStringList{"-o", "x.qlc", "identify"};
        QTest::newRow("sheet without output") << QStringList{"sheet", "a.qlc"};
        QTest::newRow("sheet without document") << QStringList{"sheet", "-o", "a.pdf"};
        QTest::newRow("unknown option") << QStringList{"--fast", "identify"};
        QTest::newRow("interval 1") << QStringList{"measure", "--interval", "1"};
        QTest::newRow("interval 121") << QStringList{"measure", "--interval", "121"};
        QTest::newRow("count 0") << QStringList{"measure", "--count", "0"};
        QTest::newRow("log outside measure") << QStringList{"identify", "--log", "m.log"};
        QTest::newRow("trace without file") << QStringList{"identify", "--trace", ""};
        QTest::newRow("measure with a file") << QStringList{"measure", "m.log"};
        QTest::newRow("history show without a number") << QStringList{"history", "show", "x"};
        QTest::newRow("history export without csv") << QStringList{"history", "export"};
        QTest::newRow("csv outside history export") << QStringList{"history", "--csv", "h.csv"};
        QTest::newRow("since not a date") << QStringList{"history", "--since", "yesterday"};
        QTest::newRow("serial outside history") << QStringList{"identify", "--serial", "1"};
        QTest::newRow("certificate without output") << QStringList{"certificate", "4"};
        QTest::newRow("certificate of no number") << QStringList{"certificate", "x", "-o", "c.pdf"};
        QTest::newRow("days outside due") << QStringList{"history", "--days", "3"};
        QTest::newRow("days negative") << QStringList{"due", "--days", "-1"};
        const QStringList six{"--imin", "1,2,3,4,5,6", "--imax", "1,2,3,4,5,6", "--temp", "1,2,3,4,5,6"};
        QTest::newRow("temperature write without checksum") << QStringList{"temperature", "write"} + six;
        QTest::newRow("temperature write with five values")
            << QStringList{"temperature", "write",  "--imin",      "1,2,3,4,5",  "--imax",
                           "1,2,3,4,5,6", "--temp", "1,2,3,4,5,6", "--checksum", "0"};
        QTest::newRow("temperature write with seven values")
            << QStringList{"temperature",   "write",  "--imin",      "1,2,3,4,5,6", "--imax",
                           "1,2,3,4,5,6,7", "--temp", "1,2,3,4,5,6", "--checksum",  "0"};
        QTest::newRow("temperature write without a row") << QStringList{
            "temperature", "write", "--imin", "1,2,3,4,5,6", "--temp", "1,2,3,4,5,6", "--checksum", "0"};
        QTest::newRow("value beyond 16 bits")
            << QStringList{"temperature", "write",  "--imin",      "1,2,3,4,5,65536", "--imax",
                           "1,2,3,4,5,6", "--temp", "1,2,3,4,5,6", "--checksum",      "0"};
        QTest::newRow("negative beyond 16 bits")
            << QStringList{"temperature", "write",  "--checksum",  "0",      "--imin",
                           "1,2,3,4,5,6", "--imax", "1,2,3,4,5,6", "--temp", "-32769,2,3,4,5,6"};
        QTest::newRow("checksum beyond 16 bits")
            << QStringList{"temperature", "write"} + six + QStringList{"--checksum", "70000"};
        QTest::newRow("value not a number")
            << QStringList{"temperature", "write",  "--imin",      "1,2,x,4,5,6", "--imax",
                           "1,2,3,4,5,6", "--temp", "1,2,3,4,5,6", "--checksum",  "0"};
        QTest::newRow("rows outside temperature write")
            << QStringList{"temperature", "read", "--checksum", "0"};
    }

    /// measure --interval 2: each sample starts on its slot however long the one before took; an
    /// overrun is followed by the next sample at once, and the one after is back on the grid.
    void samplesKeepTheirGridThroughAnOverrun() {
        CSampleGrid grid(0, 2000);
        // sample ended at (ms) -> wait before the next
        const QList<std::pair<qint64, qint64>> steps{{500, 1500}, {2400, 1600}, {9100, 0}, {9500, 500}};
        for (const auto& [endedMs, waitMs] : steps) {
            QCOMPARE(grid.WaitBeforeNext(endedMs), waitMs);
        }
    }

    void temperatureWriteTakesSixValuesPerRow() {
        const std::optional<CCliOptions> options =
            Parse({"temperature", "write", "--imin", "1600, 1610,0,0,0,9999", "--imax", "8000,0,0,0,0,1",
                   "--temp", "-10,25,0,0,0,-999", "--checksum", "42"});
        QVERIFY(options);
        QCOMPARE(options->command, CCliOptions::Command::TemperatureWrite);
        QCOMPARE(options->temperatur.iMin, (CTempAbgleich::Row{1600, 1610, 0, 0, 0, 9999}));
        QCOMPARE(options->temperatur.iMax[5], 1);
        QCOMPARE(options->temperatur.temp[5], -999);
        QCOMPARE(options->temperatur.checksum, 42);
        QVERIFY(Parse({"temperature", "read", "--json"})->json);
    }

    void usageErrors() {
        QFETCH(QStringList, args);
        QString error;
        QVERIFY(!Parse(args, &error));
        QVERIFY(!error.isEmpty());
    }

    /// Qt's parser would say these in English whatever language the run speaks.
    void optionErrorsAreTheProgramsOwnTexts_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown") << QStringList{"--fast", "identify"} << "Unbekannte Option: --fast";
        QTest::newRow("value for a switch")
            << QStringList{"identify", "--yes=1"} << "--yes nimmt keinen Wert an.";
        QTest::newRow("value missing") << QStringList{"receive", "-o"} << "Nach -o fehlt der Wert.";
    }
    void optionErrorsAreTheProgramsOwnTexts() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        QString text;
        QVERIFY(!Parse(args, &text));
        QCOMPARE(text, error);
    }

    void jsonCarriesEveryFieldWithShortestFloats() {
        CScriptedOperator op;
        CQuillonDoc doc(op, QString());
        doc.SetTyp(10);
        doc.SetMessEnde(0.1f);
        doc.SetBezeichnung(QByteArray("Kessel \xC4"));
        doc.SetLinTabY(29, 1.0f / 3.0f);
        const QJsonObject json = CParameterJson::ToJson(doc);
        QCOMPARE(json.value("m_nTyp").toInt(), 10);
        QCOMPARE(json.value("m_fMessEnde").toDouble(), 0.1);
        QCOMPARE(static_cast<float>(json.value("m_fMessEnde").toDouble()), 0.1f);
        QCOMPARE(json.value("m_strBezeichnung").toString().left(8), QStringLiteral("Kessel Ä"));
        QCOMPARE(json.value("m_fLinTabX").toArray().size(), 30);
        const double third = json.value("m_fLinTabY").toArray().at(29).toDouble();
        QCOMPARE(static_cast<float>(third), 1.0f / 3.0f);
        for (const char* key : {"m_strKennung",        "m_strSeriennummer",
                                "m_nDezimalstellen",   "m_nEinheit",
                                "m_nAnzeigeEinheit",   "m_fGrundAnfang",
                                "m_fGrundEnde",        "m_fMessAnfang",
                                "m_fOffset",           "m_fSpanne",
                                "m_fDaempfung",        "m_fTempDaempfung",
                                "m_nTastatursperre",   "m_nNullpunktsfenster",
                                "m_fStromgrenzeMin",   "m_fStromgrenzeMax",
                                "m_fFehlerstrom",      "m_nLinTabAnzahl",
                                "m_nFreiDezimalpunkt", "m_nFreiAnfang",
                                "m_nFreiEnde",         "m_nMedium"}) {
            QVERIFY2(json.contains(QLatin1String(key)), key);
        }
    }

    void terminalAnswersAndProgressLines() {
        FILE* err = std::tmpfile();
        CTerminalOperator::Options lines;
        CTerminalOperator op(lines, err, stdin);
        QVERIFY(!op.AskYesNo("Sicher?", "Parameter senden"));
        QVERIFY(op.QuestionUnanswered());
        op.BeginProgress("Datentransfer", "Verbinde Transmitter ...", 0, 79);
        op.SetProgressPos(1);
        op.SetProgressText("Lese Kennung ...");
        op.EndProgress();
        op.Message("Empfangsfehler!");
        const QString text = ReadAll(err);
        std::fclose(err);
        QVERIFY(text.contains("Parameter senden: Sicher?"));
        QVERIFY(text.contains("[0/79] Verbinde Transmitter ...\n[1/79] Lese Kennung ...\n"));
        QVERIFY(text.endsWith("Empfangsfehler!\n"));

        CTerminalOperator::Options yes;
        yes.assumeYes = true;
        CTerminalOperator agreeing(yes, stderr, stdin);
        QVERIFY(agreeing.AskYesNo("Altes Dateiformat!\nDatei trotzdem öffnen?"));
    }

    void terminalDrawsABarOnATerminal() {
        FILE* err = std::tmpfile();
        CTerminalOperator::Options bar;
        bar.progressBar = true;
        CTerminalOperator op(bar, err, stdin);
        op.BeginProgress("Datentransfer", "Schreibe Daten...", 0, 46);
        op.SetProgressPos(23);
        op.Message("Sendefehler!");
        const QString text = ReadAll(err);
        std::fclose(err);
        QVERIFY(text.contains(
            QStringLiteral("\r[%1%2]  50% Schreibe Daten...").arg(QString(15, '#'), QString(15, '.'))));
        // A message starts on a line of its own after the bar.
        QVERIFY(text.endsWith("\nSendefehler!\n"));
    }
};

QTEST_GUILESS_MAIN(CliUnitTest)
#include "CliUnitTest.moc"
