// quillon-cli sheet end to end: the configuration sheet of a document file as a PDF, made without a
// display and without a platform chosen by the caller; failures name the problem, exit with 1 and leave
// an existing PDF as it was; wrong usage exits with 2.

#include "CliProcess.h"
#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kLimitMs = 60000;
const QByteArray kAltesBlatt = "%PDF old sheet, must stay";

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SheetCliTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    CScriptedOperator m_operator;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    /// The tool as a server runs it: no display, no platform chosen.
    CCliProcess::Result RunCli(const QStringList& arguments) const {
        CCliProcess cli(Path(QStringLiteral("config")));
        cli.Unset({QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                   QStringLiteral("QT_QPA_PLATFORM")});
        return cli.Run(arguments, kLimitMs);
    }

    void SaveDocument(const QString& path, int typ) {
        CQuillonDoc doc(m_operator, QString());
        doc.SetTyp(typ);
        doc.SetBezeichnung("Pumpe 3 Druckseite");
        doc.SetFreiDezimalpunkt(2);
        doc.SetFreiEnde(1000);
        doc.SetLinTabAnzahl(typ == 10 ? 3 : 0);
        QVERIFY(doc.SaveFile(path));
    }

    void WriteOld(const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kAltesBlatt);
    }

    static QString PdfText(const QString& path) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        pdftotext.waitForFinished(30000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void writesTheSheetWithoutADisplay() {
        const QString document = Path(QStringLiteral("rx31.qlc"));
        SaveDocument(document, 2);
        const QString pdf = Path(QStringLiteral("rx31.pdf"));
        WriteOld(pdf);
        CCliProcess::Result result = RunCli({"sheet", document, "-o", pdf});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Tastatursperre (TAST):")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Pumpe 3 Druckseite")));

        const QString ka71 = Path(QStringLiteral("ka71.qlc"));
        SaveDocument(ka71, 10);
        result = RunCli({"sheet", ka71, "-o", pdf});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QVERIFY(PdfText(pdf).contains(QRegularExpression(QStringLiteral("Ende \\(MEF\\):\\s+10[.,]00"))));
    }

    void failuresExitOneAndLeaveTheOldSheet() {
        const QString document = Path(QStringLiteral("typ4.qlc"));
        SaveDocument(document, 4);
        const QString pdf = Path(QStringLiteral("alt.pdf"));
        WriteOld(pdf);

        CCliProcess::Result result = RunCli({"sheet", Path(QStringLiteral("fehlt.qlc")), "-o", pdf});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("fehlt.qlc")), qPrintable(result.err));
        QCOMPARE(Contents(pdf), kAltesBlatt);

        const QString damaged = Path(QStringLiteral("kaputt.qlc"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Contents(document).left(40));
        file.close();
        result = RunCli({"sheet", damaged, "-o", pdf});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("beschädigt")), qPrintable(result.err));
        QCOMPARE(Contents(pdf), kAltesBlatt);

        const QString unwritable = Path(QStringLiteral("kein/ordner/blatt.pdf"));
        result = RunCli({"sheet", document, "-o", unwritable});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("kann nicht als")) && result.err.contains(unwritable),
                 qPrintable(result.err));
        QVERIFY(!QFile::exists(unwritable));
    }

    void wrongUsageIsExitTwo() {
        const CCliProcess::Result result = RunCli({"sheet", Path(QStringLiteral("a.qlc"))});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains(QStringLiteral("-o")));
        QVERIFY(RunCli({"--help"}).out.contains(QStringLiteral("sheet DATEI.qlc -o BLATT.pdf")));
    }
};

QTEST_GUILESS_MAIN(SheetCliTest)
#include "SheetCliTest.moc"
