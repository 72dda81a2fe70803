#include "ui/calibration/DlgRX31Abgl.h"

#include "ui/calibration/AbglEintraege.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

CDlgRX31Abgl::CDlgRX31Abgl(CAbgleichdaten& record, CAbgleichRecordRules::Form form, bool bErweitert,
                           QWidget* parent)
    : QDialog(parent)
    , m_record(record) {
    setWindowTitle(tr("RX31 Abgleichdaten"));
    setObjectName(QStringLiteral("dlgRX31Abgl"));
    const QList<CAbglEintraege::Beschriftung> rows{
        {"m_nAdc", tr("adc"), QString()},
        {"m_nDac", tr("dac"), QString()},
        {"m_nTemperaturAdc", tr("TemperaturADC"), QString()},
        {"m_nWerksOffset", tr("Werks-Offsetabgleich"), QString()},
        {"m_nWerksSpanne", tr("Werks-Spanneabgleich"),
         tr("10000 = neutral; Wertebereich 9000 ( = -10%)  ... 11000 (+10%)")},
        {"m_nKommaPos", tr("KommaPos"), QString()},
        {"m_nBereichAnfang", tr("Messbereich"), QString()},
        {"m_nBereichEnde", tr("Messbereich"), QString()},
        {"m_nAbglBereichAnfang", tr("Abgleichsbereich"), QString()},
        {"m_nAbglBereichEnde", tr("Abgleichsbereich"), QString()},
        {"m_nGain", tr("Gain"), tr("0 = x1;  1 = x2;  2 = x4;  3 = x8;  4 = x16;  5 = x32 ")},
        {"m_nAbglEinheit", tr("Einheit"),
         tr("0 = keine Einheit, 1 = bar, 2 = mbar, 3 = Pa, 4 = kPa, 5 = °C, 6 = °F, 7 = %")},
        {"m_nEnableParametrierung", tr("EnableParametrierung"), QString()},
        {"m_fTkOffset", tr("TK-Formel Offset"), tr(" +   * x +   * x^2 +   * x ^ 3")},
        {"m_fTkSpanne", tr("TK-Formel Spanne"), tr(" +   * x +   * x^2 +   * x ^ 3")},
    };
    m_table = new CAbglEintraege(CAbgleichRecordRules::Load(record, form, bErweitert), rows, this);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgRX31Abgl::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgRX31Abgl::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}

void CDlgRX31Abgl::accept() {
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
