// The configuration sheet as a PDF file: one page with the sheet's text on the user's paper, an existing
// file replaced only by a complete new one, and a clear message for a place that cannot be written.

#include "sheet/SheetPdfWriter.h"

#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"
#include "sheet/Konfigurationsblatt.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

/// Output of a poppler-utils tool (pdftotext, pdfinfo) on a file.
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QStringLiteral("%1 failed (poppler-utils installed?): %2")
            .arg(tool, QString::fromLocal8Bit(process.readAllStandardError()));
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class SheetPdfWriterTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_operator;
    CQuillonDoc m_doc{m_operator, QString()};
    QTemporaryDir m_dir;

    bool Write(const QString& path, QString& error, const QLocale& locale = QLocale::c()) {
        const CKonfigurationsblatt blatt(m_doc, locale, QDate(2025, 3, 14));
        return CSheetPdfWriter::Write(path, blatt, CSheetPdfWriter::PaperFor(locale), error);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_doc.SetKennung("RX31-309");
        m_doc.SetBezeichnung("Kessel 2 Vorlauf");
        m_doc.SetTastatursperre(5);
        m_doc.SetLinTabAnzahl(5);
        for (int i = 0; i < 5; ++i) {
            m_doc.SetLinTabX(i, 4.0f + 4.0f * static_cast<float>(i));
            m_doc.SetLinTabY(i, 0.25f * static_cast<float>(i));
        }
    }

    void writesOnePageWithTheSheetOnTheUsersPaper() {
        const QString path = m_dir.filePath(QStringLiteral("blatt.pdf"));
        QString error;
        QVERIFY2(Write(path, error), qPrintable(error));
        const QString text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
        for (const char* expected : {"Konfigurationsdaten", "Kessel 2 Vorlauf",
                                     "Tastatursperre (TAST):", "5 min", "20.00 mA", "Druckdatum:"}) {
            QVERIFY2(text.contains(QString::fromUtf8(expected)),
                     qPrintable(expected + QStringLiteral(" in\n") + text));
        }
        const QString info = Poppler(QStringLiteral("pdfinfo"), {path});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));

        QVERIFY(Write(path, error, QLocale(QLocale::English, QLocale::UnitedStates)));
        QVERIFY(Poppler(QStringLiteral("pdfinfo"), {path}).contains(QStringLiteral("(letter)")));
    }

    void replacesAnOldFileOnlyWithACompleteNewOne() {
        const QString path = m_dir.filePath(QStringLiteral("alt.pdf"));
        WriteText(path, "old sheet");
        QString error;
        QVERIFY(Write(path, error));
        QVERIFY(Contents(path).startsWith("%PDF"));
        QVERIFY(Contents(path).trimmed().endsWith("%%EOF"));
        // Nothing of the temporary file stays beside it.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter(QStringLiteral("alt")),
                 QStringList{QStringLiteral("alt.pdf")});
    }

    void aPlaceThatCannotBeWrittenIsNamedAndTheOldFileStays() {
        QString error;
        const QString folder = m_dir.filePath(QStringLiteral("ordner.pdf"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!Write(folder, error));
        QVERIFY2(error.contains(QStringLiteral("kann nicht als")) && error.contains(folder),
                 qPrintable(error));
        QVERIFY(QFileInfo(folder).isDir());

        if (geteuid() == 0) {
            return; // root writes into a read-only folder anyway
        }
        const QString locked = m_dir.filePath(QStringLiteral("gesperrt"));
        QVERIFY(QDir().mkpath(locked));
        const QString old = locked + QStringLiteral("/blatt.pdf");
        WriteText(old, "old sheet");
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool written = Write(old, error);
        QFile::setPermissions(locked,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(Contents(old), QByteArray("old sheet"));
    }
};

QTEST_MAIN(SheetPdfWriterTest)
#include "SheetPdfWriterTest.moc"
