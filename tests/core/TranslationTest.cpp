// The English catalogue: every German text of the program has its English, and the catalogue that the
// build puts next to the programs turns the German texts into English when it is loaded.

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

class TranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void catalogueIsComplete() {
        QFile file(QStringLiteral(QUILLON_TS_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        QStringList unfinished;
        int messages = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement()) {
                continue;
            }
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const bool open =
                    xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                if (open || xml.readElementText().isEmpty()) {
                    unfinished.append(source);
                }
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 100);
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QStringLiteral(" | "))));
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
