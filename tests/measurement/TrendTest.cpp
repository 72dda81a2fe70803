// The live trend's model and the log file reader: the sample window, the axes and the lines of a log
// read back, good and bad.

#include "measurement/LogDateiLeser.h"
#include "measurement/LogFormat.h"
#include "measurement/TrendModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

CTrendModel::Sample At(qint64 nMs, double messwert, std::optional<double> temperatur = std::nullopt) {
    CTrendModel::Sample sample;
    sample.nMs = nMs;
    sample.messwert = messwert;
    sample.temperatur = temperatur;
    return sample;
}

/// The German forms: "07.12.2026;09:30:01;+1,500".
CLogFormat German() {
    return CLogFormat(QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss"), QLatin1Char(','));
}

} // namespace

class TrendTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWindowKeepsTheLastMinutesOnly() {
        CTrendModel model(60'000);
        for (int i = 0; i <= 100; ++i) {
            model.Add(At(1'000'000 + i * 2000, i));
        }
        // 200 s of samples, 60 s kept: the samples from 140 s on (31 of them).
        QCOMPARE(model.Samples().size(), size_t(31));
        QCOMPARE(model.Samples().front().messwert, 70.0);
        QCOMPARE(model.TimeSpan(), std::make_pair(qint64(1'200'000 - 60'000), qint64(1'200'000)));
        // A clock set back starts afresh instead of drawing backwards; a value that is no number is left out.
        model.Add(At(5, 1.0));
        model.Add(At(6, std::nan("")));
        QCOMPARE(model.Samples().size(), size_t(1));
    }

    void axesTakeRoundStepsAndIncludeTheSetRange() {
        CTrendModel::Axis axis = CTrendModel::NiceAxis(0.13, 0.87, 5);
        const QList<double> expected = {0.0, 0.2, 0.4, 0.6, 0.8, 1.0};
        QCOMPARE(axis.ticks.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QVERIFY(std::abs(axis.ticks.at(i) - expected.at(i)) < 1e-12);
        }
        axis = CTrendModel::NiceAxis(-1.0, 16.0, 6);
        QCOMPARE(axis.min, -5.0);
        QCOMPARE(axis.max, 20.0);
        // A flat line still gets an axis around its value.
        axis = CTrendModel::NiceAxis(4.0, 4.0, 6);
        QVERIFY(axis.min < 4.0 && axis.max > 4.0 && axis.ticks.size() >= 2);

        CTrendModel model;
        model.SetSollBereich(10.0, 0.0);
        model.Add(At(0, 4.2, 21.5));
        model.Add(At(1000, 4.4, 22.0));
        const CTrendModel::Axis values = model.ValueAxis();
        QVERIFY(values.min < 0.0 && values.max > 10.0); // the set range lines stay inside the frame
        QCOMPARE(*model.SollBereich(), std::make_pair(0.0, 10.0));
        QVERIFY(model.HasTemperatur());
        const CTrendModel::Axis temperatur = model.TemperaturAxis();
        QVERIFY(temperatur.min <= 20.75 && temperatur.max >= 22.75 && temperatur.max < 30.0);
    }

    void aLongSeriesIsThinnedWithoutLosingItsPeaks() {
        std::vector<CTrendModel::Sample> samples;
        for (int i = 0; i < 100'000; ++i) {
            samples.push_back(At(i * 1000, i == 54'321 ? 99.0 : (i == 77'777 ? -99.0 : 1.0)));
        }
        CTrendModel model(0);
        model.SetAll(samples);
        QVERIFY(model.Samples().size() <= size_t(CTrendModel::kMaxSamples));
        double lo = 0.0;
        double hi = 0.0;
        qint64 last = -1;
        for (const CTrendModel::Sample& s : model.Samples()) {
            lo = std::min(lo, s.messwert);
            hi = std::max(hi, s.messwert);
            QVERIFY(s.nMs > last); // still in time order
            last = s.nMs;
        }
        QCOMPARE(lo, -99.0);
        QCOMPARE(hi, 99.0);
    }

    void logLinesAreReadInTheLoggingsOwnForm() {
        const CLogFormat format = German();
        const QDateTime time(QDate(2026, 12, 7), QTime(9, 30, 1));
        CLogDateiLeser leser(format);
        // What the logging writes reads back as the same sample.
        const QString line = QString::fromLatin1(format.Line(time, 1.5, 23.4, 2, 3)).trimmed();
        const std::optional<CTrendModel::Sample> sample = leser.ParseLine(line);
        QVERIFY(sample);
        QCOMPARE(sample->nMs, time.toMSecsSinceEpoch());
        QCOMPARE(sample->messwert, 1.5);
        QCOMPARE(*sample->temperatur, 23.4);
        const QString plain = QString::fromLatin1(format.Line(time, -7, 0, 0, 0)).trimmed();
        QVERIFY(leser.ParseLine(plain) && !leser.ParseLine(plain)->temperatur);

        for (const char* bad : {"07.12.2026;09:30:01;+1.500",   // another locale's decimal point
                                "2026-12-07;09:30:01;+1,500",   // another date form
                                "07.12.2026;09:30:01",          // cut off
                                "07.12.2026;09:30:01;+1,5;x",   // damaged temperature
                                "07.12.2026;25:30:01;+1,500",   // no such time
                                "07.12.2026;09:30:01;+1,5;2;3", // too many fields
                                "Messwert;Zeit"}) {
            QVERIFY2(!leser.ParseLine(QString::fromLatin1(bad)), bad);
        }
    }

    void aFileWithBadLinesShowsWhatItCanAndCountsTheRest() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("07.12.2026;09:30:01;+1,500;+023,4\r\n"
                   "\r\n"
                   "garbage \xff\xfe\r\n"
                   "07.12.2026;09:30:03;+1,750;+023,5\r\n"
                   "07.12.2026;09:30:0"); // the last line cut off by a crash
        file.close();
        CLogDateiLeser leser(German());
        QVERIFY(leser.ReadAll(path));
        QCOMPARE(leser.Samples().size(), size_t(2));
        QCOMPARE(leser.SkippedLines(), 2);
        QCOMPARE(leser.Samples().back().messwert, 1.75);
        QCOMPARE(leser.Decimals(), 3);
        QCOMPARE(leser.BytesRead(), leser.FileSize());
        QVERIFY(!leser.ReadAll(dir.filePath(QStringLiteral("missing.txt"))));
    }
};

QTEST_GUILESS_MAIN(TrendTest)
#include "TrendTest.moc"
