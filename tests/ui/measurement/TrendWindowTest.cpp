// The live trend of "Daten loggen" and the window "Log-Datei anzeigen", offscreen: samples taken from
// the in-process simulator reach the plot as they are taken, and a log file with good and bad lines shows
// the good ones and counts the rest.

#include "SequenceRig.h"
#include "measurement/LoggingRun.h"
#include "measurement/MessAnzeige.h"
#include "measurement/Messung.h"
#include "ui/measurement/DlgLogAnzeige.h"
#include "ui/measurement/DoLoggen.h"
#include "ui/measurement/TrendPlot.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kStart(QDate(2026, 3, 9), QTime(8, 0, 0));

CLogFormat German() {
    return CLogFormat(QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss"), QLatin1Char(','));
}

struct LogRig : CSequenceRig {
    explicit LogRig(int nTyp, const QString& logFile)
        : CSequenceRig(nTyp)
        , messung(link, transfer, doc, German())
        , run(messung, doc, [this] { return kStart.addMSecs(clock.NowMs()); }) {
        doc.SetLogFile(logFile);
        doc.SetLogStatus(1);
    }

    CMessung messung;
    CLoggingRun run;
};

} // namespace

class TrendWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void samplesFromTheSimulatorReachThePlot() {
        QTemporaryDir dir;
        LogRig rig(2, dir.filePath(QStringLiteral("mess.log")));
        QVERIFY(rig.transfer.ReceiveParameterSet());
        QWidget other; // where the person is typing meanwhile
        auto* edit = new QLineEdit(&other);
        other.show();
        edit->setFocus();
        CDoLoggen window(rig.run);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        other.activateWindow();
        edit->setFocus();
        CTrendPlot* plot = window.Plot();
        QCOMPARE(plot->focusPolicy(), Qt::NoFocus);

        constexpr int kSamples = 6;
        QList<double> messwerte;
        QList<double> temperaturen;
        QList<qint64> zeiten;
        for (int i = 0; i < kSamples; ++i) {
            rig.clock.SleepMs(rig.doc.GetLogIntervall() * 1000);
            rig.run.OnTimer();
            messwerte.append(rig.doc.GetMesswert(0));
            temperaturen.append(rig.doc.GetTemperatur());
            zeiten.append(rig.run.LetzteAnzeige().time.toMSecsSinceEpoch());
        }
        QCOMPARE(rig.run.SampleCount(), kSamples);
        const std::deque<CTrendModel::Sample>& points = plot->Model().Samples();
        QCOMPARE(int(points.size()), kSamples);
        for (int i = 0; i < kSamples; ++i) {
            QCOMPARE(points.at(i).messwert, messwerte.at(i));
            QVERIFY(points.at(i).temperatur);
            QCOMPARE(*points.at(i).temperatur, temperaturen.at(i));
            QCOMPARE(points.at(i).nMs, zeiten.at(i));
        }
        QCOMPARE(*plot->Model().SollBereich(),
                 std::make_pair(double(rig.doc.GetMessAnfang()), double(rig.doc.GetMessEnde())));
        QCOMPARE(plot->Model().Decimals(), CMessAnzeige::Precision(rig.doc));
        QCOMPARE(plot->Model().Unit(), CMessAnzeige::UnitText(rig.doc));
        QVERIFY(!plot->grab().isNull());                      // draws with values, range lines and both axes
        QVERIFY(edit->hasFocus() || !other.isActiveWindow()); // the plot took no focus
        QVERIFY(!plot->hasFocus());
    }

    void aLogFileShowsItsGoodLinesAndCountsTheBadOnes() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mess.log"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const CLogFormat format = German();
        for (int i = 0; i < 10; ++i) {
            file.write(format.Line(kStart.addSecs(2 * i), 2.0 + i, 20.5, 2, 3));
            if (i % 4 == 0) {
                file.write("Messwert;Zeit;foreign header\r\n");
            }
        }
        file.write("09.03.2026;08:00:2"); // cut off
        file.close();

        CDlgLogAnzeige dialog(path, format, QStringLiteral("bar"));
        QSignalSpy loaded(&dialog, &CDlgLogAnzeige::loaded);
        dialog.show();
        QVERIFY(loaded.wait(5000));
        QVERIFY(dialog.IsLoaded());
        const std::deque<CTrendModel::Sample>& points = dialog.Plot()->Model().Samples();
        QCOMPARE(int(points.size()), 10);
        QCOMPARE(points.back().messwert, 11.0);
        QCOMPARE(points.front().nMs, kStart.toMSecsSinceEpoch());
        QCOMPARE(dialog.Plot()->Model().Decimals(), 3);
        const auto* status = dialog.findChild<QLabel*>(QStringLiteral("status"));
        QCOMPARE(status->text(), QStringLiteral("Messwerte: 10, nicht lesbare Zeilen übersprungen: 4"));

        CDlgLogAnzeige missing(dir.filePath(QStringLiteral("none.log")), format, QString());
        QVERIFY(!missing.IsLoaded());
        QCOMPARE(missing.findChild<QLabel*>(QStringLiteral("status"))->text(),
                 QStringLiteral("Kann Datei nicht öffnen!"));
    }
};

QTEST_MAIN(TrendWindowTest)
#include "TrendWindowTest.moc"
