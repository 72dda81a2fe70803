// The rules of "Verlauf-Datenbank": no password ever reaches the profile, a chosen server needs its
// connection, and OK writes the settings the history is opened from.

#include "access/HistorySettingsRules.h"

#include "document/SettingsRegistry.h"

#include <QTest>

using Rules = CHistorySettingsRules;
using R = CSettingsRegistry;

class HistorySettingsRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refusals_data() {
        QTest::addColumn<bool>("bServer");
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("bRefused");
        QTest::newRow("server chosen, no connection") << true << QStringLiteral("  ") << true;
        QTest::newRow("server chosen, service") << true << QStringLiteral("service=quillon") << false;
        QTest::newRow("this PC, no connection") << false << QString() << false;
        QTest::newRow("password keyword") << true << QStringLiteral("host=db password=x") << true;
        QTest::newRow("password, this PC chosen") << false << QStringLiteral("PassWord=x") << true;
        QTest::newRow("password in a URI")
            << true << QStringLiteral("postgresql://op:geheim@db/quillon") << true;
        // The server's driver takes keywords only: a URI would never connect.
        QTest::newRow("URI without password") << true << QStringLiteral("postgres://op@db/quillon") << true;
        QTest::newRow("host and user") << true << QStringLiteral("host=db dbname=quillon user=op") << false;
    }

    void refusals() {
        QFETCH(bool, bServer);
        QFETCH(QString, server);
        QFETCH(bool, bRefused);
        const auto problem = Rules::Validate({bServer, QString(), server, QString()});
        QCOMPARE(problem.has_value(), bRefused);
        if (problem) {
            QVERIFY(problem->Is(Rules::Field::Server));
        }
    }

    void applyWritesTheSettingsAndLoadReadsThem() {
        R settings;
        Rules::Apply({true, QStringLiteral(" /tmp/v.sqlite "), QStringLiteral(" service=quillon "),
                      QStringLiteral("   ")},
                     settings);
        QCOMPARE(settings.Int(R::kHistoryBackend), R::kHistoryServerBackend);
        QCOMPARE(settings.Text(R::kHistoryDatabase), QStringLiteral("/tmp/v.sqlite"));
        QCOMPARE(settings.Text(R::kHistoryServer), QStringLiteral("service=quillon"));
        QCOMPARE(settings.Text(R::kHistoryStation), QString()); // blanks: the host name
        const Rules::Values loaded = Rules::Load(settings);
        QVERIFY(loaded.bServer);
        QCOMPARE(loaded.server, QStringLiteral("service=quillon"));

        Rules::Apply({false, QString(), QString(), QStringLiteral("Prüfplatz 3")}, settings);
        QCOMPARE(settings.Int(R::kHistoryBackend), R::kHistoryLocal);
        QCOMPARE(settings.Text(R::kHistoryStation), QStringLiteral("Prüfplatz 3"));
    }
};

QTEST_GUILESS_MAIN(HistorySettingsRulesTest)
#include "HistorySettingsRulesTest.moc"
