#include "ui/calibration/PropPageWelcome.h"

#include "calibration/AbglWizardRules.h"
#include "document/QuillonDoc.h"
#include "ui/calibration/AbglWizard.h"

#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using R = CAbglWizardRules;

CPropPageWelcome::CPropPageWelcome(CAbglWizard& wizard)
    : CAbglWizardPage(wizard)
    , m_transmitter(new QComboBox(this))
    , m_neu(new QRadioButton(tr("Neuabgleich"), this))
    , m_nach(new QRadioButton(tr("Nachabgleich"), this))
    , m_optionen(new QRadioButton(tr("nur Optionen (Offset Spanne, Kennlinie, Dämpfung,...)"), this)) {
    setTitle(tr("Analogabgleich"));
    auto* heading = new QLabel(tr("Analogabgleich RX26, RX30, KA28"), this);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    heading->setFont(font);
    m_transmitter->setObjectName(QStringLiteral("transmitter"));
    m_transmitter->addItems(R::TransmitterTexts());
    m_neu->setObjectName(QStringLiteral("neuabgleich"));
    m_nach->setObjectName(QStringLiteral("nachabgleich"));
    m_optionen->setObjectName(QStringLiteral("nurOptionen"));
    m_neu->setChecked(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Transmitter"), m_transmitter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(12);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addWidget(m_neu);
    layout->addWidget(m_nach);
    layout->addWidget(m_optionen);
    layout->addStretch(1);
}

void CPropPageWelcome::initializePage() {
    m_transmitter->setCurrentIndex(R::TransmitterIndex(Wizard().Doc().GetTyp()));
}

std::optional<int> CPropPageWelcome::Leave() {
    CAbglWizard& w = Wizard();
    CQuillonDoc& doc = w.Doc();
    CAbglWizardNavigation& nav = w.Nav();
    doc.SetTyp(R::TypForTransmitterIndex(m_transmitter->currentIndex()));
    bool bOk = false;
    if (m_neu->isChecked()) {
        nav.modus = R::Modus::Neuabgleich;
        R::ResetRecord(doc.Abgleichdaten(), doc.GetTyp(), nav.bFirstPass);
        if (nav.bFirstPass && R::HasKA28Presets(doc.GetTyp())) {
            nav.bSpannung = false;
            nav.bLiveZero = false;
        }
        bOk = w.Run([&w] { return w.Transfer().ReadDacPoints(); });
    } else {
        nav.modus = m_nach->isChecked() ? R::Modus::Nachabgleich : R::Modus::NurOptionen;
        // A "Nachabgleich" goes on only with the transmitter's own record: the input page writes the record
        // back, and one that was not read would overwrite the transmitter's calibration.
        bOk = nav.modus != R::Modus::Nachabgleich ||
              w.Run([&w] { return w.Calibration().ReadCalibrationData(); });
        bOk = bOk && w.Run([&w] { return w.Transfer().ReadWizardParameters(); });
    }
    if (!bOk) {
        w.ShowEmpfangsfehler();
        return std::nullopt;
    }
    return nav.Next(R::kWelcome);
}
