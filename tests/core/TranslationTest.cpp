// The English catalogue: every German text of the program has its English, and the catalogue that the
// build puts next to the programs turns the German texts into English when it is loaded.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

/// The source texts of a catalogue that have no English (unfinished or empty), and how many it holds.
struct CatalogueGaps {
    QStringList unfinished;
    int messages = 0;
    bool bReadable = false;
};

CatalogueGaps FindGaps(const QString& path) {
    CatalogueGaps gaps;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return gaps;
    }
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++gaps.messages;
            const bool open = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (open || xml.readElementText().isEmpty()) {
                gaps.unfinished.append(source);
            }
        }
    }
    gaps.bReadable = !xml.hasError();
    return gaps;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void catalogueIsComplete() {
        const CatalogueGaps gaps = FindGaps(QStringLiteral(QUILLON_TS_FILE));
        QVERIFY(gaps.bReadable);
        QVERIFY(gaps.messages > 100);
        QVERIFY2(gaps.unfinished.isEmpty(), qPrintable(gaps.unfinished.join(QStringLiteral(" | "))));
    }

    /// A text added to the code without running update_translations is missing from the committed
    /// catalogue altogether; scanning the sources afresh into a copy shows it as unfinished.
    void catalogueCoversEverySource() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString copy = dir.filePath(QStringLiteral("quillon_en.ts"));
        QVERIFY(QFile::copy(QStringLiteral(QUILLON_TS_FILE), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(QStringLiteral(QUILLON_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                       QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral(QUILLON_SOURCE_DIR), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        const CatalogueGaps gaps = FindGaps(copy);
        QVERIFY(gaps.bReadable);
        QVERIFY2(gaps.unfinished.isEmpty(),
                 qPrintable(QStringLiteral("texts without English (run the update_translations target and "
                                           "translate them): ") +
                            gaps.unfinished.join(QStringLiteral(" | "))));
    }

    void catalogueTranslates() {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("quillon_en"), QCoreApplication::applicationDirPath()));
        QCOMPARE(translator.translate("CParameterTransfer", "Empfangsfehler!"),
                 QStringLiteral("Receive error!"));
        QCOMPARE(translator.translate("CTransmitterSio", "COM-Port kann nicht geöffnet werden"),
                 QStringLiteral("COM port cannot be opened"));
        // The window's texts come from the same catalogue: menus, form and the shell's messages.
        QCOMPARE(translator.translate("CCommandTable", "&Datei"), QStringLiteral("&File"));
        QCOMPARE(translator.translate("CQuillonView", "Begrenzung Ausgang"), QStringLiteral("Output Limits"));
        QCOMPARE(translator.translate("CEdition", "Unbenannt"), QStringLiteral("Untitled"));
    }
};

QTEST_GUILESS_MAIN(TranslationTest)
#include "TranslationTest.moc"
