// The offset and span corrections of "Konfiguration" and "Kalibrierung": every input must get the same
// verdict and message in both dialogs, in the locales people run the program in, and every type's
// limits hold on both sides.

#include "edit/KonfigurationRules.h"
#include "measurement/KalibrierungRules.h"

#include <QTest>

namespace {

const QString kOk;
const QString kZahl = QStringLiteral("offset: Geben Sie eine Zahl ein.");

/// "field: message" of the first problem, or empty; offsetField is the dialog's number of its offset edit.
QString Verdict(const std::optional<ValidationProblem>& problem, int offsetField) {
    if (!problem) {
        return kOk;
    }
    return (problem->field == offsetField ? QStringLiteral("offset: ") : QStringLiteral("spanne: ")) +
           problem->text;
}

QString Konfiguration(const QLocale& locale, int nTyp, float fSpan, const QString& offset,
                      const QString& spanne) {
    const CKonfigurationRules rules(locale);
    CKonfigurationValues werte;
    werte.nTyp = nTyp;
    werte.fSpanne = fSpan;
    rules.Reset(werte);
    werte.strOffset = offset;
    werte.strSpanne = spanne;
    return Verdict(rules.Validate(werte), CKonfigurationValues::kOffset);
}

QString Kalibrierung(const QLocale& locale, int nTyp, float fSpan, const QString& offset,
                     const QString& spanne) {
    CKalibrierungRules::Values values;
    values.nTyp = nTyp;
    values.span = fSpan;
    values.offset = offset;
    values.spanne = spanne;
    return Verdict(CKalibrierungRules(locale).Validate(values), int(CKalibrierungRules::Field::Offset));
}

QString Between(const char* field, const QString& lo, const QString& hi) {
    return QStringLiteral("%1: Geben Sie eine Zahl zwischen %2 und %3 ein.")
        .arg(QLatin1String(field), lo, hi);
}

} // namespace

class CorrectionEntryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sameVerdictInBothDialogs_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<float>("span");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("spanne");
        QTest::addColumn<QString>("verdict");
        const QLocale c = QLocale::c();
        const QLocale de(QLocale::German, QLocale::Germany);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        // Type 2 throughout: a tenth of the span, 10 % span correction.
        // clang-format off
        QTest::newRow("C 1.000")                  << c  << 16000.0f << "1.000"   << "0"      << kOk;
        QTest::newRow("de 1.000 is no thousand")  << de << 16000.0f << "1.000"   << "0"      << kZahl;
        QTest::newRow("us 1,000 is no thousand")  << us << 16000.0f << "1,000"   << "0"      << kZahl;
        QTest::newRow("de 1000")                  << de << 16000.0f << "1000"    << "0"      << kOk;
        QTest::newRow("C 1.5")                    << c  << 16000.0f << "1.5"     << "0"      << kOk;
        QTest::newRow("C 1,5")                    << c  << 16000.0f << "1,5"     << "0"      << kZahl;
        QTest::newRow("de 1,5")                   << de << 16000.0f << "1,5"     << "0"      << kOk;
        QTest::newRow("de 1.5")                   << de << 16000.0f << "1.5"     << "0"      << kZahl;
        QTest::newRow("us 1.5")                   << us << 16000.0f << "1.5"     << "0"      << kOk;
        QTest::newRow("us 1,5")                   << us << 16000.0f << "1,5"     << "0"      << kZahl;
        QTest::newRow("blanks around")            << de << 10.0f    << " -0,5 "  << " 1 "    << kOk;
        QTest::newRow("empty")                    << c  << 10.0f    << ""        << "0"      << kZahl;
        QTest::newRow("trailing text")            << c  << 10.0f    << "0.5 bar" << "0"      << kZahl;
        QTest::newRow("no group separator shown") << us << 16000.0f << "1600.01" << "0"      << Between("offset", "-1600", "1600");
        QTest::newRow("de limits")                << de << 10.0f    << "0"       << "-10,01" << Between("spanne", "-10", "10");
        QTest::newRow("de fraction limits")       << de << 15.0f    << "1,51"    << "0"      << Between("offset", "-1,5", "1,5");
        QTest::newRow("third decimal at the limit") << c << 12.5f   << "-1.25"   << "0"      << kOk;
        QTest::newRow("third decimal beyond")     << c  << 12.5f    << "1.251"   << "0"      << Between("offset", "-1.25", "1.25");
        QTest::newRow("span 0")                   << c  << 0.0f     << "0"       << "0"      << QStringLiteral("offset: Der Grundmessbereich hat keine Spanne.");
        QTest::newRow("offset before span")       << c  << 10.0f    << "x"       << "x"      << kZahl;
        QTest::newRow("span not a number")        << c  << 10.0f    << "0"       << "1,5"    << QStringLiteral("spanne: Geben Sie eine Zahl ein.");
        // clang-format on
    }

    void sameVerdictInBothDialogs() {
        QFETCH(QLocale, locale);
        QFETCH(float, span);
        QFETCH(QString, offset);
        QFETCH(QString, spanne);
        QFETCH(QString, verdict);
        QCOMPARE(Konfiguration(locale, 2, span, offset, spanne), verdict);
        QCOMPARE(Kalibrierung(locale, 2, span, offset, spanne), verdict);
    }

    // Both sides of both limits for every type, as the type table must give them: a quarter of the span
    // for types 3 to 6, a tenth for all others; 25 % span correction for type 3, 10 % for all others.
    void limitsOfEveryType_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("offsetLimit");
        QTest::addColumn<QString>("spanLimit");
        // -1 and 11 have no row: "all other types".
        for (int typ = -1; typ <= 11; ++typ) {
            const bool quarter = typ >= 3 && typ <= 6;
            QTest::addRow("type %d", typ)
                << typ << QString(quarter ? "2.5" : "1.0") << QString(typ == 3 ? "25.0" : "10.0");
        }
    }

    void limitsOfEveryType() {
        QFETCH(int, typ);
        QFETCH(QString, offsetLimit);
        QFETCH(QString, spanLimit);
        const QLocale c = QLocale::c();
        const QString minus = QStringLiteral("-");
        const auto shown = [](const QString& limit) { return QString::number(limit.toDouble()); };
        const QString offsetProblem = Between("offset", shown(minus + offsetLimit), shown(offsetLimit));
        const QString spanProblem = Between("spanne", shown(minus + spanLimit), shown(spanLimit));
        // A digit appended to the limit's text lies just beyond it: 2.501, 1.01, 25.01.
        const struct {
            QString offset;
            QString spanne;
            QString verdict;
        } cases[] = {
            {offsetLimit, spanLimit, kOk},
            {minus + offsetLimit, minus + spanLimit, kOk},
            {offsetLimit + "01", "0", offsetProblem},
            {minus + offsetLimit + "01", "0", offsetProblem},
            {"0", spanLimit + "1", spanProblem},
            {"0", minus + spanLimit + "1", spanProblem},
        };
        for (const auto& row : cases) {
            QCOMPARE(Konfiguration(c, typ, 10.0f, row.offset, row.spanne), row.verdict);
            QCOMPARE(Kalibrierung(c, typ, 10.0f, row.offset, row.spanne), row.verdict);
        }
    }
};

QTEST_GUILESS_MAIN(CorrectionEntryTest)
#include "CorrectionEntryTest.moc"
