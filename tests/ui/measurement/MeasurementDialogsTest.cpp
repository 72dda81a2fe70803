// The measurement windows on the offscreen platform: what "Messwerte", "Daten loggen", "Kalibrierung"
// and "Sio-Transfer" show, what they refuse, and "Messung..." from the first dialog to a logged line
// against the in-process simulator.

#include "../ModalDriver.h"
#include "SequenceRig.h"
#include "measurement/LoggingRun.h"
#include "measurement/Messung.h"
#include "transmitter/Commands.h"
#include "ui/measurement/DlgSioTransfer.h"
#include "ui/measurement/DoLoggen.h"
#include "ui/measurement/Kalibrierung.h"
#include "ui/measurement/Loggen.h"
#include "ui/measurement/MeasurementCommands.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename T>
T* Find(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

void Click(QWidget* parent, const char* name) {
    QPushButton* button = Find<QPushButton>(parent, name);
    QVERIFY2(button != nullptr, name);
    button->click();
}

void Type(QWidget* parent, const char* name, const QString& text) {
    QLineEdit* edit = Find<QLineEdit>(parent, name);
    QVERIFY2(edit != nullptr, name);
    edit->setText(text);
}

void CloseBox(QWidget* box) {
    QMetaObject::invokeMethod(box, "accept");
}

} // namespace

class MeasurementDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CModalDriver::Reset(); }

    void loggenShowsTheRowsOfTheType() {
        CSequenceRig vn62(7);
        CLoggen withPressures(CLoggenRules::Load(vn62.doc, QLocale::c()));
        QVERIFY(Find<QLabel>(&withPressures, "ctl1026") && Find<QLabel>(&withPressures, "ctl1028") &&
                Find<QLabel>(&withPressures, "ctl1029"));

        CSequenceRig rx26(3);
        rx26.doc.SetMesswert(0, 1.5f);
        rx26.doc.SetDezimalstellen(3);
        CLoggen plain(CLoggenRules::Load(rx26.doc, QLocale::c()));
        QVERIFY(!Find<QLabel>(&plain, "ctl1026") && !Find<QLabel>(&plain, "ctl1028"));
        QCOMPARE(Find<QLabel>(&plain, "ctl1025")->text(), QStringLiteral("+1.500"));
    }

    void loggenRefusesAnIntervalOutsideItsRangeAndStaysOpen() {
        CSequenceRig rig(2);
        CLoggen dialog(CLoggenRules::Load(rig.doc, QLocale::c()));
        dialog.show();
        CModalDriver::WhenShown(QStringLiteral("messagebox"), CloseBox);
        Type(&dialog, "ctl1027", QStringLiteral("121"));
        Click(&dialog, "ok");
        QVERIFY(dialog.isVisible());
        QCOMPARE(CModalDriver::Messages(),
                 QStringList{QStringLiteral("Geben Sie eine ganze Zahl zwischen 2 und 120 ein.")});
        QCOMPARE(dialog.focusWidget(), Find<QLineEdit>(&dialog, "ctl1027"));

        Type(&dialog, "ctl1027", QStringLiteral("60"));
        Find<QCheckBox>(&dialog, "ctl1038")->setChecked(true);
        Click(&dialog, "ok");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Values().intervall, QStringLiteral("60"));
        QVERIFY(dialog.Values().bLoggen);
    }

    void datenHolenEndsWithItsOwnResult() {
        CSequenceRig rig(2);
        CLoggen dialog(CLoggenRules::Load(rig.doc, QLocale::c()));
        dialog.show();
        Type(&dialog, "ctl1027", QStringLiteral("1")); // not checked: only "OK" would store it
        Click(&dialog, "ctl1041");
        QCOMPARE(CLoggen::ToResult(dialog.result()), CMessung::LoggenResult::DatenHolen);
    }

    void kalibrierungResetsOnlyItsFieldsAndChecksBeforeTransfer() {
        CSequenceRig rig(0);
        rig.doc.SetGrundEnde(10.0f);
        rig.doc.SetOffset(0.5f);
        rig.doc.SetSpanne(2.0f);
        rig.doc.SetDezimalstellen(1);
        const CKalibrierungRules rules(QLocale::c());
        CKalibrierung dialog(rules.Load(rig.doc), rules);
        dialog.show();
        QCOMPARE(Find<QLineEdit>(&dialog, "ctl1012")->text(), QStringLiteral("0.5"));
        Click(&dialog, "ctl1278");
        QVERIFY(dialog.isVisible());
        QCOMPARE(Find<QLineEdit>(&dialog, "ctl1012")->text(), QStringLiteral("0.0"));
        QCOMPARE(Find<QLineEdit>(&dialog, "ctl1013")->text(), QStringLiteral("0.00"));
        QCOMPARE(rig.doc.GetOffset(), 0.5f);

        CModalDriver::WhenShown(QStringLiteral("messagebox"), CloseBox);
        Type(&dialog, "ctl1012", QStringLiteral("1.5")); // beyond a tenth of the span
        Click(&dialog, "ctl1029");
        QVERIFY(dialog.isVisible());
        QCOMPARE(CModalDriver::Messages(),
                 QStringList{QStringLiteral("Geben Sie eine Zahl zwischen -1 und 1 ein.")});
        Type(&dialog, "ctl1012", QStringLiteral("-1"));
        Click(&dialog, "ctl1029");
        QCOMPARE(CKalibrierung::ToResult(dialog.result()), CKorrekturSchleife::Result::Uebertragen);
        QCOMPARE(dialog.Values().offset, QStringLiteral("-1"));
    }

    void sioTransferShowsTheExchangeAndOffersARepeat() {
        CSioTransferRecord record;
        record.caption = QStringLiteral("Get Device Info");
        record.sentHex = QStringLiteral("02 03 31 34 03 ");
        record.sentText = QStringLiteral("1");
        record.receivedHex = QStringLiteral("FAIL");
        CDlgSioTransfer dialog(record);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Get Device Info"));
        QCOMPARE(Find<QPlainTextEdit>(&dialog, "sentHex")->toPlainText(), QStringLiteral("02 03 31 34 03 "));
        QCOMPARE(Find<QLineEdit>(&dialog, "sentText")->text(), QStringLiteral("1"));
        QCOMPARE(Find<QPlainTextEdit>(&dialog, "receivedHex")->toPlainText(), QStringLiteral("FAIL"));
        QVERIFY(Find<QLineEdit>(&dialog, "receivedText")->isReadOnly());
        Click(&dialog, "wiederholen");
        QCOMPARE(dialog.result(), CDlgSioTransfer::kWiederholen);
    }

    void doLoggenFollowsTheSamplesAndAbbrechenStopsTheRun() {
        QTemporaryDir dir;
        CSequenceRig rig(3);
        rig.doc.SetLogFile(dir.filePath(QStringLiteral("m.log")));
        CMessung messung(
            rig.link, rig.transfer, rig.doc,
            CLogFormat(QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss"), QLatin1Char('.')));
        CLoggingRun run(messung, rig.doc, [] { return QDateTime(QDate(2026, 3, 9), QTime(9, 15, 30)); });
        CDoLoggen dialog(run);
        dialog.show();
        QVERIFY(run.Start());
        QCOMPARE(Find<QLabel>(&dialog, "ctl1049")->text(), QStringLiteral("09:15:30"));
        QVERIFY(!Find<QLabel>(&dialog, "ctl1003")->text().isEmpty());
        QVERIFY(!Find<QLabel>(&dialog, "ctl1026")->isVisible()); // the RX26 measures no temperature
        Click(&dialog, "cancel");
        QVERIFY(!run.IsRunning());
    }

    void hoursOfLoggingLeaveTheWindowAsItWas() {
        QTemporaryDir dir;
        CSequenceRig rig(7);
        rig.doc.SetLogFile(dir.filePath(QStringLiteral("soak.log")));
        CMessung messung(
            rig.link, rig.transfer, rig.doc,
            CLogFormat(QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss"), QLatin1Char('.')));
        CLoggingRun run(messung, rig.doc,
                        [&rig] { return QDateTime(QDate(2026, 3, 9), QTime()).addMSecs(rig.clock.NowMs()); });
        CDoLoggen dialog(run);
        dialog.show();
        run.OnTimer();
        const qsizetype children = dialog.findChildren<QObject*>().size();
        const QSize size = dialog.sizeHint();
        for (int i = 0; i < 10000; ++i) {
            rig.clock.SleepMs(2000);
            run.OnTimer();
            rig.TakeFrames();
        }
        QCoreApplication::processEvents();
        QCOMPARE(dialog.findChildren<QObject*>().size(), children);
        QCOMPARE(dialog.sizeHint(), size);
        QCOMPARE(run.SampleCount(), 10001);
        QCOMPARE(Find<QLabel>(&dialog, "ctl1049")->text(), run.LetzteAnzeige().zeit);
        QVERIFY(rig.op.messages.isEmpty());
    }

    void messungFromTheDialogToALoggedLine() {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("messung.log"));
        CSequenceRig rig(2);
        CMeasurementCommands commands(nullptr, rig.link, rig.connection, rig.transfer, rig.doc, QLocale::c());
        CModalDriver::WhenShown(QStringLiteral("loggen"), [&](QWidget* dialog) {
            Type(dialog, "ctl1023", log);
            Type(dialog, "ctl1027", QStringLiteral("5"));
            Find<QCheckBox>(dialog, "ctl1038")->setChecked(true);
            Click(dialog, "ok");
        });
        CModalDriver::WhenShown(QStringLiteral("doLoggen"), [](QWidget* dialog) { Click(dialog, "cancel"); });
        commands.OnMessung();
        QVERIFY(CModalDriver::Done());
        QCOMPARE(rig.doc.GetLogIntervall(), 5);
        QCOMPARE(rig.doc.GetLogFile(), log);
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray lines = file.readAll();
        QVERIFY2(lines.endsWith("\r\n") && lines.count('\n') >= 1, lines.constData());
        QVERIFY(rig.link.Sio().IsPortOpen()); // after a logging run the port stays open
    }

    void testEntryRefusesAnOverlongPayloadAndAsksAgain() {
        CSequenceRig rig(2);
        CMeasurementCommands commands(nullptr, rig.link, rig.connection, rig.transfer, rig.doc, QLocale::c());
        const auto type = [](const QString& text) {
            return [text](QWidget* input) {
                QCOMPARE(input->findChild<QLineEdit*>(QStringLiteral("feld1"))->text(),
                         QStringLiteral("+00000"));
                input->findChild<QLineEdit*>(QStringLiteral("feld1"))->setText(text);
                // Queued: the refusal's message box must not open inside the driver's own timer call.
                QMetaObject::invokeMethod(input, "accept", Qt::QueuedConnection);
            };
        };
        // "Dateneingabe" takes at most ten characters and stays open with the value's preset.
        CModalDriver::WhenShown(QStringLiteral("enterData"), type(QString(43, QLatin1Char('1'))));
        CModalDriver::WhenShown(QStringLiteral("messagebox"), CloseBox);
        CModalDriver::WhenShown(QStringLiteral("enterData"), [](QWidget* input) {
            input->findChild<QLineEdit*>(QStringLiteral("feld1"))->setText(QStringLiteral("+00015"));
            QMetaObject::invokeMethod(input, "accept");
        });
        CModalDriver::WhenShown(QStringLiteral("sioTransfer"), [](QWidget* dialog) { Click(dialog, "ok"); });
        rig.TakeFrames();
        commands.OnTestEntry(CTestMenu::EntryFor(Cmd::SetDaempfung, CTestMenu::Payload::User));
        QVERIFY(CModalDriver::Done());
        QCOMPARE(CModalDriver::Messages().value(0),
                 QStringLiteral("Geben Sie nicht mehr als 10 Zeichen ein."));
        const QList<CSequenceRig::Frame> sent = CSequenceRig::Only(rig.TakeFrames(), Cmd::SetDaempfung);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().payload, QByteArray("+00015"));
    }
};

QTEST_MAIN(MeasurementDialogsTest)
#include "MeasurementDialogsTest.moc"
