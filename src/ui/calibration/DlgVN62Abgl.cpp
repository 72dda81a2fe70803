#include "ui/calibration/DlgVN62Abgl.h"

#include "ui/calibration/AbglEintraege.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

CDlgVN62Abgl::CDlgVN62Abgl(CAbgleichdaten& record, QWidget* parent)
    : QDialog(parent)
    , m_record(record) {
    setWindowTitle(tr("VN62 Abgleichdaten"));
    setObjectName(QStringLiteral("dlgVN62Abgl"));
    const QString werksNote = tr("10000 = neutral,\n 9000  = -10% \n11000 = +10%");
    const QList<CAbglEintraege::Beschriftung> rows{
        {"m_nAdc", tr("P1-Druckabgleich ADC0:"), QString()},
        {"m_nAdc2", tr("P2-Druckabgleich ADC1"), QString()},
        {"m_nDac", tr("Analogausgang 0: DAC0"), QString()},
        {"m_nDac2", tr("Analogausgang 1: DAC1"), QString()},
        {"m_nTemperaturAdc", tr("TemperaturADC"), QString()},
        {"m_nWerksOffset", tr("Werks-Offsetabgleich") + QStringLiteral(" ") + tr("P1:"), QString()},
        {"m_nWerksSpanne", tr("Werks-Spanneabgleich") + QStringLiteral(" ") + tr("P1:"), werksNote},
        {"m_nWerksOffset2", tr("Werks-Offsetabgleich") + QStringLiteral(" ") + tr("P2:"), QString()},
        {"m_nWerksSpanne2", tr("Werks-Spanneabgleich") + QStringLiteral(" ") + tr("P2:"), werksNote},
        {"m_nKommaPos", tr("KommaPos"), QString()},
        {"m_nBereichAnfang", tr("Messbereich"), QString()},
        {"m_nBereichEnde", tr("Messbereich"), QString()},
        {"m_nAbglBereichAnfang", tr("Abgleichsbereich"), QString()},
        {"m_nAbglBereichEnde", tr("Abgleichsbereich"), QString()},
        {"m_nGain", tr("Gain"), QString()},
        {"m_nAbglEinheit", tr("Einheit"), QString()},
        {"m_nEnableParametrierung", tr("EnableFernParametrierung"), QString()},
        {"m_fTkOffset", tr("P1") + QStringLiteral(" ") + tr("TK-Offset"), QString()},
        {"m_fTkSpanne", tr("P1") + QStringLiteral(" ") + tr("TK-Spanne"), QString()},
        {"m_fTkOffset2", tr("P2") + QStringLiteral(" ") + tr("TK-Offset"), QString()},
        {"m_fTkSpanne2", tr("P2") + QStringLiteral(" ") + tr("TK-Spanne"), QString()},
    };
    m_table = new CAbglEintraege(CAbgleichRecordRules::Load(record, CAbgleichRecordRules::Form::VN62, false),
                                 rows, this);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgVN62Abgl::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgVN62Abgl::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}

void CDlgVN62Abgl::accept() {
    const QList<CAbgleichRecordRules::Entry> entries = m_table->Entries();
    if (const std::optional<CAbgleichRecordRules::Problem> problem =
            CAbgleichRecordRules::Validate(entries)) {
        QMessageBox::warning(this, windowTitle(), problem->text);
        m_table->FocusEntry(problem->entry);
        return;
    }
    CAbgleichRecordRules::Apply(entries, m_record);
    QDialog::accept();
}
