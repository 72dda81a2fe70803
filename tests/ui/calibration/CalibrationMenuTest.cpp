// The factory edition's calibration record commands through the window against the in-process
// simulator: reading enables showing and writing, and a write carries the document's record into the
// transmitter.

#include "ShellRig.h"
#include "document/QuillonDoc.h"
#include "sim/SimTransmitter.h"
#include "ui/calibration/DlgRX31Abgl.h"
#include "ui/calibration/DlgVN62Abgl.h"
#include "ui/main/MainFrame.h"
#include "ui/main/QuillonView.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kLesenRX31 = 32798;
constexpr int kScheibenRX31 = 32842;
constexpr int kLesenVN62 = 32908;
constexpr int kAnzeigenVN62 = 32909;
constexpr int kSchreibenVN62 = 32910;
constexpr int kAnzeigenRX31 = 32844;
constexpr int kLesenKA71 = 32918;
constexpr int kAnzeigenKA71 = 32919;
constexpr int kSchreibenKA71 = 32920;

/// Runs once the modal dialog opened by the next command is up.
void OnDialog(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

void Click(QWidget* dialog, const char* name) {
    dialog->findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

} // namespace

class CalibrationMenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readEnablesWritingAndWriteReachesTheTransmitter() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(2);
        rig.Frame().show();
        rig.Frame().UpdateCommands();
        QVERIFY(rig.Action(kLesenRX31)->isEnabled());
        QVERIFY(!rig.Action(kScheibenRX31)->isEnabled()); // no record read yet

        rig.Trigger(kLesenRX31);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(rig.Doc().Abgleichdaten().m_bGueltig);
        QCOMPARE(rig.Doc().Abgleichdaten().m_nAdc[4], qint32(rig.sim.Transmitter().CalWords().at(4)));
        QVERIFY(rig.Action(kScheibenRX31)->isEnabled());
        QVERIFY(!rig.Action(kSchreibenVN62)->isEnabled());

        rig.Doc().Abgleichdaten().m_nGain = 5;
        rig.Trigger(kScheibenRX31);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QCOMPARE(rig.sim.Transmitter().CalWords().at(17), quint16(5));
        QVERIFY(rig.View().IsBereit());
    }

    void theKA71RecordIsShownAndWrittenOnlyOnceRead() {
        CShellRig rig(CEdition::Kind::Werk, 10);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(10);
        rig.Frame().show();
        rig.Frame().UpdateCommands();
        QVERIFY(rig.Action(kLesenKA71)->isEnabled());
        QVERIFY(!rig.Action(kAnzeigenKA71)->isEnabled());
        QVERIFY(!rig.Action(kSchreibenKA71)->isEnabled());

        rig.Trigger(kLesenKA71);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QVERIFY(rig.Action(kAnzeigenKA71)->isEnabled());
        QVERIFY(rig.Action(kSchreibenKA71)->isEnabled());
    }

    void recordDialogEditsTheDocumentsRecordOnlyOnOk() {
        CShellRig rig(CEdition::Kind::Werk, 2);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(2);
        rig.Frame().show();
        rig.Trigger(kLesenRX31);
        rig.Frame().UpdateCommands();
        QVERIFY(rig.Action(kAnzeigenRX31)->isEnabled());

        // A value beyond the field's word is refused, naming the field, and nothing is stored.
        QString warning;
        OnDialog([&warning](QWidget* dialog) {
            dialog->findChild<QLineEdit*>("m_nGain.0")->setText("70000");
            QTimer::singleShot(0, [&warning, dialog] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box != nullptr) {
                    warning = box->text();
                    box->accept();
                }
                Click(dialog, "cancel"); // still open after the refusal
            });
            Click(dialog, "ok");
        });
        const quint16 nGain = rig.Doc().Abgleichdaten().m_nGain;
        rig.Trigger(kAnzeigenRX31);
        QCOMPARE(warning, QStringLiteral("Gain: Geben Sie eine ganze Zahl zwischen 0 und 65535 ein."));
        QCOMPARE(rig.Doc().Abgleichdaten().m_nGain, nGain);

        OnDialog([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>("m_nGain.0")->setText("3");
            Click(dialog, "ok");
        });
        rig.Trigger(kAnzeigenRX31);
        QCOMPARE(rig.Doc().Abgleichdaten().m_nGain, quint16(3));
    }

    void recordDialogFormsShowTheirFields() {
        CAbgleichdaten record;
        CDlgRX31Abgl ka71(record, CAbgleichRecordRules::Form::KA71, true);
        QVERIFY(ka71.findChild<QLineEdit*>("m_nWerksOffset.0") == nullptr);
        QVERIFY(ka71.findChild<QLineEdit*>("m_nTemperaturAdc.2")->isEnabled());
        CDlgRX31Abgl rx31(record, CAbgleichRecordRules::Form::RX31, false);
        QVERIFY(rx31.findChild<QLineEdit*>("m_nAbglBereichEnde.0") != nullptr);
        QVERIFY(!rx31.findChild<QLineEdit*>("m_nTemperaturAdc.2")->isEnabled());
        CDlgVN62Abgl vn62(record);
        QVERIFY(vn62.findChild<QLineEdit*>("m_fTkSpanne2.3") != nullptr);
        // Every edit shows the widest value its field can hold, not just its last digits.
        for (QDialog* dialog : std::initializer_list<QDialog*>{&rx31, &vn62}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                const bool bFloat = edit->objectName().startsWith(QStringLiteral("m_f"));
                const QString widest = bFloat ? QStringLiteral("-1.23457e-05") : QStringLiteral("-32768");
                QVERIFY2(edit->width() >= edit->fontMetrics().horizontalAdvance(widest) + 6,
                         qPrintable(edit->objectName()));
            }
        }
        // The start and end of a range share their row.
        QCOMPARE(rx31.findChild<QLineEdit*>("m_nBereichEnde.0")->y(),
                 rx31.findChild<QLineEdit*>("m_nBereichAnfang.0")->y());
        QVERIFY(vn62.findChild<QLineEdit*>("m_nTemperaturAdc.2") == nullptr);
        // The VN62's range fields and its two inputs' temperature coefficients stand in titled groups.
        QStringList groups;
        for (const QGroupBox* box : vn62.findChildren<QGroupBox*>()) {
            groups.append(box->title());
        }
        QCOMPARE(groups, QStringList({"Statischer Druckmessbreich", "P1", "P2"}));
        const auto groupOf = [&vn62](const char* edit) {
            return qobject_cast<QGroupBox*>(vn62.findChild<QLineEdit*>(edit)->parentWidget())->title();
        };
        QCOMPARE(groupOf("m_nGain.0"), QStringLiteral("Statischer Druckmessbreich"));
        QCOMPARE(groupOf("m_fTkOffset.0"), QStringLiteral("P1"));
        QCOMPARE(groupOf("m_fTkSpanne2.3"), QStringLiteral("P2"));
    }

    void theVN62MenuReadsAsAVN62() {
        CShellRig rig(CEdition::Kind::Werk, 7);
        QVERIFY(rig.Start());
        rig.Doc().SetTyp(7);
        rig.Frame().show();
        rig.Frame().UpdateCommands();
        QVERIFY(rig.Action(kLesenVN62)->isEnabled());
        rig.Trigger(kLesenVN62);
        QVERIFY2(rig.messages.isEmpty(), qPrintable(rig.MessageTexts().join(QStringLiteral(" | "))));
        QCOMPARE(rig.Doc().GetTyp(), 7);
        QCOMPARE(rig.Doc().Abgleichdaten().m_nDac2[0], qint32(rig.sim.Transmitter().CalWords().at(52)));
        QVERIFY(rig.Action(kSchreibenVN62)->isEnabled());
        // "Abgleichdaten anzeigen..." shows the record in its groups.
        QStringList groups;
        OnDialog([&groups](QWidget* dialog) {
            for (const QGroupBox* box : dialog->findChildren<QGroupBox*>()) {
                groups.append(box->title());
            }
            qobject_cast<QDialog*>(dialog)->reject();
        });
        rig.Trigger(kAnzeigenVN62);
        QCOMPARE(groups, QStringList({"Statischer Druckmessbreich", "P1", "P2"}));
    }
};

QTEST_MAIN(CalibrationMenuTest)
#include "CalibrationMenuTest.moc"
