#include "ui/setup/HardwareSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using Result = CHardwareSetupRules::Result;

CHardwareSetup::CHardwareSetup(const CHardwareSetupRules& rules, CHardwareSetupRules::Values& values,
                               QWidget* parent)
    : QDialog(parent)
    , m_rules(rules)
    , m_values(values)
    , m_pTransmitter(new QComboBox(this))
    , m_pInterface(new QComboBox(this))
    , m_pPort(new QComboBox(this))
    , m_pSearch(EndButton(tr("Interface suchen"), CodeSearch))
    , m_pCheck(EndButton(tr("Verbindung prüfen"), CodeCheck))
    , m_pShowAtStart(new QCheckBox(tr("Beim nächsten Programmstart anzeigen"), this))
    , m_pVerifyAfterSend(new QCheckBox(tr("Nach dem Senden prüfen"), this))
    , m_pOk(EndButton(tr("OK"), Accepted))
    , m_pCancel(new QPushButton(tr("Abbrechen"), this)) {
    setWindowTitle(tr("Hardware Setup"));
    auto* form = new QFormLayout;
    form->addRow(tr("Transmitter"), m_pTransmitter);
    form->addRow(tr("Interface"), m_pInterface);
    form->addRow(tr("PC-Schnittstelle"), m_pPort);
    auto* notice = new QLabel(CHardwareSetupRules::NoticeText(), this);
    notice->setWordWrap(true);
    notice->setFrameShape(QFrame::StyledPanel);
    notice->setMargin(6);

    m_pOk->setDefault(true);
    m_pCancel->setAutoDefault(false);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* actions = new QHBoxLayout;
    actions->addWidget(m_pSearch);
    actions->addWidget(m_pCheck);
    actions->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(notice);
    layout->addLayout(actions);
    m_pVerifyAfterSend->setObjectName(QStringLiteral("verifyAfterSend"));
    layout->addWidget(m_pVerifyAfterSend);
    layout->addWidget(m_pShowAtStart);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(m_pInterface, &QComboBox::currentIndexChanged, this,
            [this](int nIndex) { m_pSearch->setEnabled(CHardwareSetupRules::IsSearchEnabled(nIndex)); });
    FillControls();
}

QPushButton* CHardwareSetup::EndButton(const QString& text, int nCode) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, nCode] { EndWith(nCode); });
    return button;
}

void CHardwareSetup::FillControls() {
    m_pTransmitter->addItems(CHardwareSetupRules::TransmitterTexts());
    m_pTransmitter->setCurrentIndex(CHardwareSetupRules::TransmitterIndexForTyp(m_values.nTyp));
    m_pInterface->addItems(CHardwareSetupRules::InterfaceTexts());
    m_pInterface->setCurrentIndex(CHardwareSetupRules::InterfaceIndexForKind(m_values.nInterfaceKind));
    for (const CHardwareSetupRules::PortEntry& entry : m_rules.PortEntries(m_values)) {
        m_pPort->addItem(entry.text);
    }
    m_pPort->setCurrentIndex(m_rules.CurrentPortEntry(m_values));
    m_pSearch->setEnabled(CHardwareSetupRules::IsSearchEnabled(m_pInterface->currentIndex()));
    m_pShowAtStart->setChecked(m_values.bShowAtStart);
    m_pVerifyAfterSend->setChecked(m_values.bVerifyAfterSend);
}

void CHardwareSetup::ReadBack() {
    m_values.nTyp = CHardwareSetupRules::TypForTransmitterIndex(m_pTransmitter->currentIndex());
    m_values.nInterfaceKind = CHardwareSetupRules::KindForInterfaceIndex(m_pInterface->currentIndex());
    if (const std::optional<int> nCom = CHardwareSetupRules::ComIndexFromText(m_pPort->currentText())) {
        m_values.nComIndex = *nCom;
    }
    m_values.bShowAtStart = m_pShowAtStart->isChecked();
    m_values.bVerifyAfterSend = m_pVerifyAfterSend->isChecked();
}

void CHardwareSetup::EndWith(int nCode) {
    ReadBack();
    done(nCode);
}

Result CHardwareSetup::ResultOf(int nCode) {
    switch (nCode) {
    case Accepted:
        return Result::Ok;
    case CodeCheck:
        return Result::Check;
    case CodeSearch:
        return Result::Search;
    default:
        return Result::Cancel;
    }
}

Result CHardwareSetup::Ask(const CHardwareSetupRules& rules, CHardwareSetupRules::Values& values,
                           QWidget* parent) {
    CHardwareSetup dialog(rules, values, parent);
    return ResultOf(dialog.exec());
}
