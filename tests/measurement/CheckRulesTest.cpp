// The flow of "Prüfung..." without a display: the set-up's refusals, a whole as-found, adjust, as-left
// run with fed samples into the history, and the points that end without a settled reading.

#include "measurement/CheckRules.h"

#include "RecordingSink.h"
#include "ScriptedOperator.h"
#include "document/CheckRecordJson.h"
#include "document/HistoryRecorder.h"
#include "document/QuillonDoc.h"
#include "document/ReferenceInstruments.h"
#include "document/SettingsRegistry.h"

#include <QTest>
#include <deque>

namespace {

using Phase = CCheckRules::Phase;
using Sampling = CCheckRules::Sampling;
using Field = CCheckRules::Field;

/// The samples the transmitter would give, one per tick; nothing once they run out.
struct FedSamples {
    std::deque<std::optional<double>> queue;
    std::optional<double> operator()() {
        if (queue.empty()) {
            return std::nullopt;
        }
        const std::optional<double> sample = queue.front();
        queue.pop_front();
        return sample;
    }
};

CCheckRecord Range(double at4, double at20) {
    CCheckRecord range;
    range.rangeAt4mA = at4;
    range.rangeAt20mA = at20;
    range.unit = QStringLiteral("bar");
    range.decimals = 3;
    return range;
}

const QLocale kGerman(QLocale::German, QLocale::Germany);

/// Measures every point of the running pass with the reference at its nominal pressure and the
/// transmitter reading `offset` above it, steady, so that each point settles after two samples; the
/// current is entered at the mid-range points.
void MeasurePass(CCheckRules& rules, FedSamples& samples, double offset, const QString& midCurrent = {}) {
    const Phase phase = rules.CurrentPhase();
    while (rules.CurrentPhase() == phase) {
        const double nominal = rules.Point().nominal;
        const QString current = rules.Point().percent == 50.0 ? midCurrent : QString();
        QVERIFY(!rules.EnterReadings(kGerman.toString(nominal), current));
        rules.StartSampling();
        samples.queue = {nominal + offset, nominal + offset};
        QCOMPARE(rules.Tick(), Sampling::Going);
        QCOMPARE(rules.Tick(), Sampling::Settled);
    }
}

} // namespace

class CheckRulesTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;

private Q_SLOTS:
    void setupDefaultsAndRefusals() {
        CSettingsRegistry settings;
        settings.Set(CSettingsRegistry::kCheckTolerance, QStringLiteral("0.5"));
        const CCheckRules rules(Range(0, 10), {}, kGerman);
        const CCheckRules::Values defaults = rules.Load(settings, QStringLiteral("meier"), 180);
        QCOMPARE(defaults.points, QStringLiteral("0; 25; 50; 75; 100"));
        QCOMPARE(defaults.tolerance, QStringLiteral("0,5"));
        QCOMPARE(defaults.interval, QStringLiteral("180")); // this transmitter's last interval wins
        QCOMPARE(rules.Load(settings, QString(), std::nullopt).interval, QStringLiteral("365"));

        struct Case {
            const char* name;
            std::function<void(CCheckRules::Values&)> change;
            Field field;
            QString named; ///< what the message must name
        };
        const auto percent = [](double p) { return *CCheckArithmetic::RefusePercent(p); };
        const auto tolerance = [](double t) { return *CCheckArithmetic::RefuseTolerance(t); };
        const QList<Case> cases = {
            {"point above the range", [](auto& v) { v.points = QStringLiteral("0; 100,5"); }, Field::Points,
             percent(100.5)},
            {"point below the range", [](auto& v) { v.points = QStringLiteral("-1"); }, Field::Points,
             percent(-1)},
            {"point not a number", [](auto& v) { v.points = QStringLiteral("0; 5x"); }, Field::Points,
             QStringLiteral("5x")},
            {"no point", [](auto& v) { v.points = QStringLiteral(" ; "); }, Field::Points,
             QStringLiteral("Prüfpunkt")},
            {"tolerance too small", [](auto& v) { v.tolerance = QStringLiteral("0,001"); }, Field::Tolerance,
             tolerance(0.001)},
            {"tolerance too large", [](auto& v) { v.tolerance = QStringLiteral("12"); }, Field::Tolerance,
             tolerance(12)},
            {"no reference",
             [](auto& v) { v.referenceName = QStringLiteral("  "); },
             Field::ReferenceName,
             {}},
            {"due date not a date", [](auto& v) { v.referenceDue = QStringLiteral("bald"); },
             Field::ReferenceDue, QStringLiteral("bald")},
            {"interval zero", [](auto& v) { v.interval = QStringLiteral("0"); }, Field::Interval, {}},
            {"nobody checks", [](auto& v) { v.technician.clear(); }, Field::Technician, {}},
        };
        CCheckRules::Values good = defaults;
        good.referenceName = QStringLiteral("Druckwaage");
        QVERIFY(!rules.Validate(good));
        for (const Case& c : cases) {
            CCheckRules::Values values = good;
            c.change(values);
            const std::optional<ValidationProblem> problem = rules.Validate(values);
            QVERIFY2(problem && problem->Is(c.field), c.name);
            QVERIFY2(problem->text.contains(c.named), qPrintable(problem->text));
        }
        // A reference past its own due date may still be used, after a warning.
        good.referenceDue = kGerman.toString(QDate::currentDate().addDays(-1), QLocale::ShortFormat);
        const std::optional<ValidationProblem> overdue = rules.Validate(good);
        QVERIFY(overdue && overdue->kind == ValidationProblem::Kind::Warning);
        // A range without span can not be checked at all.
        QVERIFY(CCheckRules(Range(2, 2), {}, kGerman).Validate(good)->Is(Field::Points));
    }

    void numbersShowWithoutGroupSeparatorsOrANegativeZero() {
        // "2.500" would read as two and a half in German; "-0,000" as an error below zero.
        const CCheckRules rules(Range(0, 2500), {}, kGerman);
        QCOMPARE(rules.Number(2500.0, 0), QStringLiteral("2500"));
        QCOMPARE(rules.Number(-0.0004, 3), QStringLiteral("0,000"));
        QCOMPARE(rules.ErrorText(-1234.5), QStringLiteral("-1234,500"));
    }

    void asFoundAdjustAsLeftIntoTheHistory() {
        CRecordingSink sink;
        CHistoryRecorder::Install(&sink);
        CQuillonDoc doc(m_op, QString());
        CSettingsRegistry settings;
        FedSamples samples;
        // A falling characteristic: 10 bar at 4 mA.
        CCheckRules rules(Range(10, 0), std::ref(samples), kGerman);
        CCheckRules::Values values = rules.Load(settings, QStringLiteral("meier"), std::nullopt);
        values.points = QStringLiteral("0; 50; 100");
        values.down = true;
        values.referenceName = QStringLiteral("Druckwaage");
        values.referenceSerial = QStringLiteral("DW-7");
        values.referenceDue = QStringLiteral("2099-01-31");
        values.ambient = QStringLiteral("21,5");
        QVERIFY(!rules.Validate(values));
        rules.Start(values, settings);
        QCOMPARE(rules.Series().points.size(), 5); // up, then down without repeating the top

        // As found 0.05 bar high: 0.5 % of the 10 bar span, outside 0.25 %.
        MeasurePass(rules, samples, 0.05);
        QCOMPARE(rules.CurrentPhase(), Phase::AsFoundDone);
        QCOMPARE(rules.Verdict(), CCheckRecord::Verdict::Failed);
        QCOMPARE(*CCheckArithmetic::ReadingError(rules.Record(), rules.Record().asFound.points.at(1)), 0.5);

        // Adjusted: as left on the mark, the current measured 0.02 mA off (0.125 % of 16 mA).
        rules.BeginAsLeft();
        QCOMPARE(rules.Series().points.size(), 5);
        QVERIFY(!rules.Series().points.at(0).reference); // as left starts empty
        MeasurePass(rules, samples, 0.0, QStringLiteral("12,02"));
        QCOMPARE(rules.CurrentPhase(), Phase::Done);

        const QDate today(2026, 12, 8);
        QCOMPARE(rules.Finish(today, doc), qint64(1));
        CHistoryRecorder::Install(nullptr);
        QCOMPARE(sink.events.size(), 1);
        QCOMPARE(sink.events.at(0).operation, CHistoryEvent::Operation::Check);
        CCheckRecord stored;
        QString error;
        QVERIFY2(CCheckRecordJson::Read(sink.events.at(0).detailJson, stored, error), qPrintable(error));
        QCOMPARE(stored.verdict, CCheckRecord::Verdict::AdjustedPassed);
        QCOMPARE(stored.nextDue, QDate(2027, 12, 8));
        QCOMPARE(stored.ambientCelsius, std::optional<double>(21.5));
        QCOMPARE(stored.asFound.points.size(), 5);
        QCOMPARE(stored.asLeft->points.at(1).currentMa, std::optional<double>(12.02));
        // The instrument is kept in the station's list for the next check.
        const QList<CReferenceInstrument> kept =
            CReferenceInstruments::FromJson(settings.Text(CSettingsRegistry::kCheckReferences));
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept.at(0).dueDate, QDate(2099, 1, 31));
    }

    void unsettledAndNoReadingThenCancelled() {
        CRecordingSink sink;
        CHistoryRecorder::Install(&sink);
        CSettingsRegistry settings;
        FedSamples samples;
        {
            CCheckRules rules(Range(0, 10), std::ref(samples), kGerman);
            CCheckRules::Values values = rules.Load(settings, QStringLiteral("meier"), std::nullopt);
            values.points = QStringLiteral("0; 100");
            values.referenceName = QStringLiteral("Druckwaage");
            rules.Start(values, settings);

            // A reading that swings by 0.01 bar, four times the settle limit, never settles.
            QVERIFY(!rules.EnterReadings(QStringLiteral("0"), QString()));
            rules.StartSampling();
            for (int i = 0; i < CCheckRules::kMaxSamples; ++i) {
                samples.queue.push_back(i % 2 == 0 ? 0.0 : 0.01);
            }
            for (int i = 1; i < CCheckRules::kMaxSamples; ++i) {
                QCOMPARE(rules.Tick(), Sampling::Going);
            }
            QCOMPARE(rules.Tick(), Sampling::Unsettled);
            rules.Accept();
            const CCheckPoint taken = rules.Series().points.at(0);
            QVERIFY(taken.acceptedUnsettled && !taken.settled);
            QCOMPARE(*taken.reading, 0.005); // the mean of the last samples

            // The transmitter does not answer: no reading, never an error of 100 %.
            QCOMPARE(rules.EnterReadings(QStringLiteral("x"), QString())->field, int(Field::Reference));
            QCOMPARE(rules.EnterReadings(QStringLiteral("10"), QStringLiteral("35"))->field,
                     int(Field::Current));
            QVERIFY(!rules.EnterReadings(QStringLiteral("10"), QString()));
            rules.StartSampling();
            QCOMPARE(rules.Tick(), Sampling::NoReading);
            rules.Accept();
            const CCheckPoint silent = rules.Series().points.at(1);
            QVERIFY(!silent.reading && !silent.acceptedUnsettled);
            QCOMPARE(CCheckArithmetic::Judge(rules.Record(), silent), CCheckArithmetic::Judgement::NoReading);
            QCOMPARE(rules.CurrentPhase(), Phase::AsFoundDone);
            QCOMPARE(rules.Verdict(), CCheckRecord::Verdict::Failed);
        } // cancelled: the window drops the rules without Finish
        CHistoryRecorder::Install(nullptr);
        QVERIFY(sink.events.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CheckRulesTest)
#include "CheckRulesTest.moc"
