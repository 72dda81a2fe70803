// What a screen reader meets in the dialogs: every input named by its label, the toggle action of check
// boxes and radio buttons doing what a click does, and Return pressing "OK".

#include "ui/access/AccessibleNames.h"

#include "ScriptedOperator.h"
#include "SequenceRig.h"
#include "ShellRig.h"
#include "document/SettingsRegistry.h"
#include "edit/EditDataValues.h"
#include "history/HistoryStore.h"
#include "link/LinkTrace.h"
#include "measurement/LoggingRun.h"
#include "measurement/Messung.h"
#include "shell/FileChooser.h"
#include "shell/LoggingSwitches.h"
#include "ui/access/About.h"
#include "ui/access/ChangePsw.h"
#include "ui/access/Freigabe.h"
#include "ui/access/Passwort.h"
#include "ui/calibration/AbglWizard.h"
#include "ui/calibration/AnalogAbgleich.h"
#include "ui/calibration/DacAbglVN62.h"
#include "ui/calibration/DlgRX31Abgl.h"
#include "ui/calibration/DlgVN62Abgl.h"
#include "ui/calibration/TempAbgleichDialog.h"
#include "ui/compare/Vergleich.h"
#include "ui/edit/DlgTransmitterHalvard.h"
#include "ui/edit/EditData.h"
#include "ui/edit/EnterData.h"
#include "ui/edit/Konfiguration.h"
#include "ui/edit/LinTabDruck.h"
#include "ui/edit/LinTab_Druck_KA71.h"
#include "ui/edit/Seriennummer.h"
#include "ui/help/DlgVerbindungsprotokoll.h"
#include "ui/help/Hilfethemen.h"
#include "ui/history/DlgVerlauf.h"
#include "ui/main/MainFrame.h"
#include "ui/measurement/CheckDialog.h"
#include "ui/measurement/DlgLogAnzeige.h"
#include "ui/measurement/DlgSioTransfer.h"
#include "ui/measurement/DoLoggen.h"
#include "ui/measurement/Kalibrierung.h"
#include "ui/measurement/Loggen.h"
#include "ui/setup/Comport.h"
#include "ui/setup/HardwareSetup.h"
#include "ui/setup/HinweisText.h"
#include "ui/setup/PCInterface.h"
#include "ui/setup/Sprache.h"
#include "ui/setup/VerlaufDatenbank.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

CEditDataValues Werte(CEditDataValues::Variante variante, int nTyp) {
    CEditDataValues werte;
    werte.eVariante = variante;
    werte.nTyp = nTyp;
    werte.strGrundAnfang = QStringLiteral("0");
    werte.strGrundEnde = QStringLiteral("10");
    werte.strEinheit = QStringLiteral("bar");
    return werte;
}

class CNoFileChooser : public IFileChooser {
public:
    QString ChooseOpen(const QString&, const QString&) override { return {}; }
    QString ChooseSave(const QString&, const QString&) override { return {}; }
};

/// The inputs inside a window a screen reader would announce without a name.
QStringList Unnamed(QWidget& dialog) {
    QStringList unnamed;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        const bool bInput = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QTextEdit*>(w) ||
                            qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QCheckBox*>(w) ||
                            qobject_cast<QRadioButton*>(w) || qobject_cast<QAbstractItemView*>(w);
        // The parts of a combo or spin box and a table's headers speak for it (a combo's list lives in a
        // popup window of its own); the about box's key field takes no input anyone is meant to hear of.
        // A wizard's pages are all walked, not just the one shown first.
        const bool bShown = w->isVisibleTo(&dialog) || dialog.inherits("QWizard");
        if (!bInput || !bShown || w->window() != &dialog || qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QAbstractItemView*>(w->parentWidget()) ||
            qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || w->inherits("CGetKey")) {
            continue;
        }
        auto* button = qobject_cast<QAbstractButton*>(w);
        // A name of punctuation only (the "-" between two range fields) tells a listener nothing.
        const QString name = button && w->accessibleName().isEmpty() ? button->text() : w->accessibleName();
        const bool bNamed =
            std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
        if (!bNamed) {
            unnamed << QStringLiteral("%1 %2 %3")
                           .arg(QString::fromLatin1(dialog.metaObject()->className()),
                                QString::fromLatin1(w->metaObject()->className()), w->objectName());
        }
    }
    return unnamed;
}

void Toggle(QWidget* button) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    QVERIFY(iface && iface->actionInterface());
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

    const QLocale m_locale = QLocale::c();

private Q_SLOTS:
    void initTestCase() { CAccessibleNames::Install(); }

    void labelTextBecomesTheName_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::newRow("colon") << "Kennung:"
                               << "Kennung";
        QTest::newRow("accelerator") << "&Typ:"
                                     << "Typ";
        QTest::newRow("literal ampersand") << "A && B"
                                           << "A & B";
        QTest::newRow("plain") << "MB-Ende"
                               << "MB-Ende";
    }
    void labelTextBecomesTheName() {
        QFETCH(QString, label);
        QFETCH(QString, name);
        QCOMPARE(CAccessibleNames::FromLabel(label), name);
    }

    void everyInputOfEveryDialogIsNamed() {
        CSequenceRig rig(2);
        CHardwareSetupRules setupRules(rig.doc, rig.link, rig.connection);
        CHardwareSetupRules::Values setupValues = setupRules.Load();
        const CLinTabRules linRules(m_locale);
        CComportRules portRules(rig.doc, rig.link, rig.connection);
        CComportRules::Values portValues = portRules.Load();
        const CKalibrierungRules correctionRules(m_locale);
        const CLogFormat logFormat(QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss"),
                                   QLatin1Char('.'));
        CMessung messung(rig.link, rig.transfer, rig.doc, logFormat);
        CLoggingRun run(messung, rig.doc);
        CSettingsRegistry settings;
        CLoggingSwitches switches(settings);
        CNoFileChooser chooser;
        CAbgleichdaten record;
        CCheckRules checkRules(CCheckRecord{}, {}, m_locale);
        using Make = std::function<std::unique_ptr<QDialog>()>;
        const QList<Make> dialogs = {
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CPasswort>(); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CChangePsw>(QString()); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CFreigabe>(); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CAbout>(); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CAnalogAbgleich>(2); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CDacAbglVN62>(); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CDlgTransmitterHalvard>(2); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CEnterData>(QStringLiteral("1")); },
            []() -> std::unique_ptr<QDialog> {
                return std::make_unique<CSeriennummer>(QStringLiteral("1.2.3.4"));
            },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CLoggen>(CLoggenRules::Values{}); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CHinweisText>(true); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CPCInterface>(0); },
            []() -> std::unique_ptr<QDialog> { return std::make_unique<CSprache>(CSpracheRules::Values{}); },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CVerlaufDatenbank>(CHistorySettingsRules::Values{}, chooser, rig.op);
            },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CHardwareSetup>(setupRules, setupValues);
            },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CLinTab_Druck_KA71>(CLinTabValues{}, linRules);
            },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CLinTabDruck>(CLinTabValues{}, linRules);
            },
            [this]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CKonfiguration>(CKonfigurationValues{}, m_locale);
            },
            [this]() -> std::unique_ptr<QDialog> {
                return CEditData::Create(Werte(CEditDataValues::Variante::EditData, 2), m_locale);
            },
            [this]() -> std::unique_ptr<QDialog> {
                return CEditData::Create(Werte(CEditDataValues::Variante::RX31_3x, 2), m_locale);
            },
            [this]() -> std::unique_ptr<QDialog> {
                return CEditData::Create(Werte(CEditDataValues::Variante::RX30, 3), m_locale);
            },
            [this]() -> std::unique_ptr<QDialog> {
                return CEditData::Create(Werte(CEditDataValues::Variante::KA71, 8), m_locale);
            },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CTempAbgleichDialog>(CTempAbgleichDialog::Aktionen{}, rig.op);
            },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CKalibrierung>(correctionRules.Load(rig.doc), correctionRules);
            },
            []() -> std::unique_ptr<QDialog> {
                return std::make_unique<CDlgSioTransfer>(CSioTransferRecord{});
            },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CDlgVerbindungsprotokoll>(CLinkTrace::Global(), switches, chooser,
                                                                  rig.op);
            },
            [&]() -> std::unique_ptr<QDialog> { return std::make_unique<CVergleich>(rig.doc, rig.doc); },
            []() -> std::unique_ptr<QDialog> {
                return std::make_unique<CHilfethemen>(QList<CHelpTopics::Page>{{1, QStringLiteral("A"), {}}});
            },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CDlgLogAnzeige>(QString(), logFormat, QStringLiteral("bar"));
            },
            [&]() -> std::unique_ptr<QDialog> { return std::make_unique<CDoLoggen>(run); },
            [&]() -> std::unique_ptr<QDialog> { return std::make_unique<CComport>(portRules, portValues); },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CDlgRX31Abgl>(record, CAbgleichRecordRules::Form::RX31, true);
            },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CDlgRX31Abgl>(record, CAbgleichRecordRules::Form::KA71, true);
            },
            [&]() -> std::unique_ptr<QDialog> { return std::make_unique<CDlgVN62Abgl>(record); },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CCheckDialog>(checkRules, checkRules.Load(settings, QString(), {}),
                                                      settings, rig.doc, CCheckDialog::Hooks{});
            },
            [&]() -> std::unique_ptr<QDialog> {
                return std::make_unique<CAbglWizard>(rig.doc, rig.link, rig.connection);
            },
        };
        QStringList unnamed;
        for (const Make& make : dialogs) {
            std::unique_ptr<QDialog> dialog = make();
            dialog->show();
            unnamed << Unnamed(*dialog);
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    /// The main window's form ("Typ:", "Kennung:", the range fields) and "Verlauf..." are walked too.
    void mainWindowAndHistoryWindowAreNamed() {
        CShellRig rig;
        QVERIFY(rig.Start());
        rig.Frame().show();
        QStringList unnamed = Unnamed(rig.Frame());
        QStringList names;
        for (const QLineEdit* field : rig.Frame().findChildren<QLineEdit*>()) {
            names << field->accessibleName();
        }
        QVERIFY2(names.contains(QStringLiteral("Typ")) && names.contains(QStringLiteral("Kennung")),
                 qPrintable(names.join(QStringLiteral(", "))));
        CScriptedOperator op;
        CHistoryStore store(op, CHistoryStation{QStringLiteral("S1"), QStringLiteral("u"),
                                                QStringLiteral("quillon"), QStringLiteral("1")});
        QVERIFY(store.Open(CHistoryLocation{QStringLiteral(":memory:"), QString()}));
        CDlgVerlauf verlauf(store);
        verlauf.show();
        unnamed << Unnamed(verlauf);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void toggleActionRunsTheHandlers() {
        std::unique_ptr<CEditData> edit =
            CEditData::Create(Werte(CEditDataValues::Variante::RX31_3x, 2), m_locale);
        edit->show();
        auto* lin = edit->findChild<QCheckBox*>();
        QVERIFY(lin);
        QPushButton* tableButton = nullptr;
        for (QPushButton* button : edit->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Edit")) {
                tableButton = button;
            }
        }
        QVERIFY(tableButton && !lin->isChecked());
        bool bRefused = false; // without a table the correction is refused with a message
        QTimer::singleShot(0, [&bRefused] {
            if (QWidget* box = QApplication::activeModalWidget(); box != nullptr) {
                bRefused = true;
                box->close();
            }
        });
        Toggle(lin);
        QVERIFY(bRefused);
        QVERIFY(!lin->isChecked() && !tableButton->isEnabled());

        CAnalogAbgleich analog(2);
        analog.show();
        QRadioButton* radio = nullptr;
        for (QRadioButton* candidate : analog.findChildren<QRadioButton*>()) {
            if (candidate->objectName().startsWith(QStringLiteral("range")) && !candidate->isChecked()) {
                radio = candidate;
            }
        }
        QVERIFY(radio);
        QStringList before;
        for (QLineEdit* field : analog.findChildren<QLineEdit*>()) {
            before << field->text();
        }
        Toggle(radio);
        QVERIFY(radio->isChecked());
        QStringList after;
        for (QLineEdit* field : analog.findChildren<QLineEdit*>()) {
            after << field->text();
        }
        QVERIFY(after != before); // the output range fields took the chosen range
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
