// The help-topics sheet's pages from the help text files, and the help documents handed to a viewer.

#include "ScriptedOperator.h"
#include "access/HelpDocuments.h"
#include "access/HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void noFilesNoPages() {
        QTemporaryDir dir;
        QVERIFY(CHelpTopics::ReadPages(dir.path(), false).isEmpty());
        QVERIFY(CHelpTopics::ReadPages(dir.path() + QStringLiteral("/fehlt"), true).isEmpty());
    }

    void oneGermanFileGivesItsPageAndTheEnglishSettingReadsTheEnglishFiles() {
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("Help3.txt")), QByteArray("Parameter \xC3\xA4ndern"));
        WriteFile(dir.filePath(QStringLiteral("Help5e.txt")), "Receive");
        WriteFile(dir.filePath(QStringLiteral("Help12.txt")), "beyond the last page");

        const QList<CHelpTopics::Page> german = CHelpTopics::ReadPages(dir.path(), false);
        QCOMPARE(german.size(), 1);
        QCOMPARE(german.first().nNumber, 3);
        QCOMPARE(german.first().caption, QStringLiteral("Parametrierung"));
        QCOMPARE(german.first().text, QStringLiteral("Parameter ändern"));

        const QList<CHelpTopics::Page> english = CHelpTopics::ReadPages(dir.path(), true);
        QCOMPARE(english.size(), 1);
        QCOMPARE(english.first().caption, QStringLiteral("Empfangen"));
        QCOMPARE(english.first().text, QStringLiteral("Receive"));
    }

    void fileBesideTheProgramComesBeforeTheDataFolders() {
        QTemporaryDir programDir;
        QTemporaryDir dataDir;
        WriteFile(programDir.filePath(QStringLiteral("Help2.txt")), "beside the program");
        WriteFile(dataDir.filePath(QStringLiteral("Help2.txt")), "installed");
        WriteFile(dataDir.filePath(QStringLiteral("Help7.txt")), "installed only");
        const QList<CHelpTopics::Page> pages =
            CHelpTopics::ReadPages({programDir.path(), dataDir.path()}, false);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages.at(0).text, QStringLiteral("beside the program"));
        QCOMPARE(pages.at(1).caption, QStringLiteral("Messen"));
        QCOMPARE(pages.at(1).text, QStringLiteral("installed only"));
    }

    /// The topics shipped beside the programs: every page in both languages, whole (under the byte
    /// limit), in UTF-8 and starting with its heading.
    void shippedTopicsFillEveryPageInBothLanguages() {
        const QString programDir = QCoreApplication::applicationDirPath();
        for (const bool bEnglish : {false, true}) {
            const QList<CHelpTopics::Page> pages = CHelpTopics::ReadPages(programDir, bEnglish);
            QCOMPARE(pages.size(), CHelpTopics::kPageCount);
            for (const CHelpTopics::Page& page : pages) {
                const QString name = CHelpTopics::FileName(page.nNumber, bEnglish);
                QVERIFY2(QFileInfo(QDir(programDir).filePath(name)).size() < CHelpTopics::kMaxBytes,
                         qPrintable(name));
                QVERIFY2(page.text.size() > 300 && !page.text.contains(QChar(0xC3)), qPrintable(name));
            }
            QVERIFY(pages.first().text.startsWith(bEnglish ? QStringLiteral("Connecting")
                                                           : QStringLiteral("Programmier")));
        }
    }

    void longFileShowsItsFirst3999Bytes() {
        QTemporaryDir dir;
        QByteArray bytes;
        for (int i = 0; i < 5000; ++i) {
            bytes.append(static_cast<char>('a' + i % 26));
        }
        WriteFile(dir.filePath(QStringLiteral("Help1.txt")), bytes);
        const QList<CHelpTopics::Page> pages = CHelpTopics::ReadPages(dir.path(), false);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages.first().caption, QStringLiteral("Programmer"));
        QCOMPARE(pages.first().text, QString::fromLatin1(bytes.left(3999)));
    }

    void decodingOfTheFilesBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ends at a zero byte") << QByteArray("vorne\0hinten", 12) << QStringLiteral("vorne");
        QTest::newRow("older file in the Windows code page") << QByteArray("Gr\xF6\xDF"
                                                                           "e \x80")
                                                             << QStringLiteral("Größe €");
        QTest::newRow("code page character at the very end") << QByteArray("Ma\xDF") << QStringLiteral("Maß");
        // A UTF-8 character cut by the byte limit is left out, not shown as garbage.
        QTest::newRow("character cut at the limit")
            << QByteArray(3998, 'x') + QByteArray("\xC3") << QString(3998, QLatin1Char('x'));
    }

    void decodingOfTheFilesBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(CHelpTopics::DecodeText(bytes), text);
    }

    void captionsAndFileNames() {
        QCOMPARE(CHelpTopics::Caption(10), QStringLiteral("Vor- Ort Bedienung"));
        QCOMPARE(CHelpTopics::Caption(11), QStringLiteral("frei"));
        QVERIFY(CHelpTopics::Caption(12).isEmpty());
        QCOMPARE(CHelpTopics::FileName(11, true), QStringLiteral("Help11e.txt"));
    }

    void helpDocumentIsFoundBesideTheProgramFirst() {
        QTemporaryDir programDir;
        QTemporaryDir dataDir;
        WriteFile(dataDir.filePath(CHelpDocuments::SoftwareFileName()), "%PDF-1.4");
        WriteFile(dataDir.filePath(CHelpDocuments::TransmitterFileName()), "%PDF-1.4");
        WriteFile(programDir.filePath(CHelpDocuments::TransmitterFileName()), "%PDF-1.4");
        const QStringList dirs{programDir.path(), dataDir.path()};

        CScriptedOperator op;
        QStringList opened;
        const auto viewer = [&opened](const QString& path) {
            opened.append(path);
            return true;
        };
        QVERIFY(CHelpDocuments::Open(CHelpDocuments::SoftwareFileName(), dirs, viewer, op));
        QVERIFY(CHelpDocuments::Open(CHelpDocuments::TransmitterFileName(), dirs, viewer, op));
        QCOMPARE(opened, (QStringList{dataDir.filePath(CHelpDocuments::SoftwareFileName()),
                                      programDir.filePath(CHelpDocuments::TransmitterFileName())}));
        QVERIFY(op.messages.isEmpty());
        QVERIFY(CHelpDocuments::SearchDirs(programDir.path()).first() == programDir.path());
    }

    void englishDocumentWhereItExists() {
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("hilfe_software_en.pdf")), "%PDF-1.4");
        const QStringList dirs{dir.path()};
        QCOMPARE(CHelpDocuments::LocalizedFileName(CHelpDocuments::SoftwareFileName(), true, dirs),
                 QStringLiteral("hilfe_software_en.pdf"));
        QCOMPARE(CHelpDocuments::LocalizedFileName(CHelpDocuments::SoftwareFileName(), false, dirs),
                 QStringLiteral("hilfe_software.pdf"));
        QCOMPARE(CHelpDocuments::LocalizedFileName(CHelpDocuments::TransmitterFileName(), true, dirs),
                 QStringLiteral("hilfe_transmitter.pdf"));
    }

    void missingDocumentOrViewerIsTold() {
        QTemporaryDir dir;
        CScriptedOperator op;
        bool bAsked = false;
        const auto viewer = [&bAsked](const QString&) {
            bAsked = true;
            return false;
        };
        QVERIFY(!CHelpDocuments::Open(CHelpDocuments::SoftwareFileName(), {dir.path()}, viewer, op));
        QVERIFY(!bAsked);
        QCOMPARE(op.messages.size(), 1);
        QVERIFY(op.messages.first().text.contains(QStringLiteral("hilfe_software.pdf")));
        QVERIFY(op.messages.first().text.contains(dir.path()));

        WriteFile(dir.filePath(CHelpDocuments::SoftwareFileName()), "%PDF-1.4");
        QVERIFY(!CHelpDocuments::Open(CHelpDocuments::SoftwareFileName(), {dir.path()}, viewer, op));
        QVERIFY(bAsked);
        QCOMPARE(op.messages.size(), 2);
        QVERIFY(op.messages.last().text.contains(QStringLiteral("PDF")));
    }
};

QTEST_GUILESS_MAIN(HelpTest)
#include "HelpTest.moc"
