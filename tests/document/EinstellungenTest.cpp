// The scrambled password and the release password file QlSet.cfg.

#include "document/Einstellungen.h"

#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class EinstellungenTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;

private Q_SLOTS:
    void scrambleTurnsBack() {
        QCOMPARE(CEinstellungen::ScrambleText(QByteArray("Az09")), QByteArray("?&PG"));
        QCOMPARE(CEinstellungen::ScrambleText(CEinstellungen::ScrambleText(QByteArray("pass-Wort 1!"))),
                 QByteArray("PASS-WORT 1!"));
        QCOMPARE(CEinstellungen::ScrambleText(QByteArray("\x80\xFF")), QByteArray("\x00\x81", 2));
    }

    void releasePasswordFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("password");
        QTest::newRow("three letters") << QByteArray::fromHex("03003f3e3d") << QStringLiteral("ABC");
        QTest::newRow("zero byte ends the text")
            << QByteArray::fromHex("04003f003e3d") << QStringLiteral("A");
        QTest::newRow("empty") << QByteArray::fromHex("0000") << QString();
        QTest::newRow("one byte") << QByteArray::fromHex("03") << QStringLiteral("qxv");
        QTest::newRow("shorter than announced") << QByteArray::fromHex("05003f3e3d") << QStringLiteral("qxv");
        QTest::newRow("length 256") << QByteArray::fromHex("0001") + QByteArray(256, '?')
                                    << QStringLiteral("qxv");
    }
    void releasePasswordFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, password);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        WriteFile(dir.filePath(QStringLiteral("QlSet.cfg")), bytes);
        const CQuillonDoc doc(m_op, dir.path());
        QCOMPARE(doc.ReadCfgText(), password);
    }

    void writtenReleasePasswordReadsBackInUpperCase() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const CQuillonDoc doc(m_op, dir.path());
        QCOMPARE(doc.ReadCfgText(), QStringLiteral("qxv")); // no file yet
        QVERIFY(doc.WriteCfgText(QStringLiteral("frei7")));
        QFile file(dir.filePath(QStringLiteral("QlSet.cfg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromHex("05003a2e3b3749"));
        QCOMPARE(doc.ReadCfgText(), QStringLiteral("FREI7"));

        QVERIFY(!doc.WriteCfgText(QString(256, QLatin1Char('x')))); // could never be read back
        QCOMPARE(doc.ReadCfgText(), QStringLiteral("FREI7"));
    }
};

QTEST_GUILESS_MAIN(EinstellungenTest)
#include "EinstellungenTest.moc"
