#include "ui/calibration/PropPageDAC.h"

#include "calibration/AbglWizardRules.h"
#include "document/QuillonDoc.h"
#include "ui/access/AccessibleNames.h"
#include "ui/calibration/AbglWizard.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using R = CAbglWizardRules;

namespace {

constexpr int kPunkte = 1359;
constexpr int kFirstEdit = 1001;
constexpr int kKnopfBreite = 28;

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CPropPageDAC::CPropPageDAC(CAbglWizard& wizard)
    : CAbglWizardPage(wizard)
    , m_punkte(new QComboBox(this)) {
    setTitle(tr("DAC-Abgleich"));
    m_punkte->setObjectName(QStringLiteral("ctl%1").arg(kPunkte));
    m_punkte->addItems({QStringLiteral("2"), QStringLiteral("3")});
    m_punkte->setCurrentIndex(1);
    auto* punkteLabel = new QLabel(tr("Abgleichpunkte"), this);
    CAccessibleNames::Pair(punkteLabel, m_punkte);
    auto* top = new QHBoxLayout;
    top->addWidget(punkteLabel);
    top->addWidget(m_punkte);
    top->addStretch(1);

    auto* grid = new QGridLayout;
    const char* const names[] = {QT_TR_NOOP("Anfang"), QT_TR_NOOP("Mitte"), QT_TR_NOOP("Ende")};
    for (int i = 0; i < 3; ++i) {
        Punkt& p = m_punkt[static_cast<std::size_t>(i)];
        p.label = new QLabel(this);
        p.label->setObjectName(QStringLiteral("ziel%1").arg(i));
        p.edit = new QLineEdit(this);
        p.edit->setObjectName(QStringLiteral("ctl%1").arg(kFirstEdit + i));
        p.edit->setMaximumWidth(80);
        p.minus = Button(QStringLiteral("-"), this);
        p.plus = Button(QStringLiteral("+"), this);
        p.minus->setMaximumWidth(kKnopfBreite);
        p.plus->setMaximumWidth(kKnopfBreite);
        p.setzen = Button(tr("Ausg. setzen"), this);
        p.setzen->setObjectName(QStringLiteral("setzen%1").arg(i));
        auto* nameLabel = new QLabel(tr(names[i]), this);
        // The point's name, not the target current beside it, is what the field is called.
        CAccessibleNames::Pair(nameLabel, p.edit);
        grid->addWidget(nameLabel, i, 0);
        grid->addWidget(p.label, i, 1);
        grid->addWidget(p.edit, i, 2);
        grid->addWidget(p.minus, i, 3);
        grid->addWidget(p.plus, i, 4);
        grid->addWidget(p.setzen, i, 5);
        connect(p.minus, &QPushButton::clicked, this, [this, i] { Step(i, -1); });
        connect(p.plus, &QPushButton::clicked, this, [this, i] { Step(i, 1); });
        connect(p.setzen, &QPushButton::clicked, this, [this, i] { SetOutput(i); });
    }
    grid->setColumnStretch(6, 1);
    auto* standard = Button(tr("Standardwerte"), this);
    auto* freigeben = Button(tr("Ausgang freigeben"), this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(standard);
    bottom->addWidget(freigeben);
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->addStretch(1);

    connect(m_punkte, &QComboBox::currentIndexChanged, this, [this] { PointsChosen(); });
    connect(m_punkt[0].edit, &QLineEdit::textChanged, this, [this] { UpdateMiddle(); });
    connect(m_punkt[2].edit, &QLineEdit::textChanged, this, [this] { UpdateMiddle(); });
    connect(standard, &QPushButton::clicked, this, [this] {
        const std::array<qint32, 3> values = R::DacDefaults();
        for (std::size_t i = 0; i < values.size(); ++i) {
            m_punkt[i].edit->setText(QString::number(values[i]));
        }
    });
    connect(freigeben, &QPushButton::clicked, this, [this] { SetDac(R::kDacFrei); });
}

void CPropPageDAC::initializePage() {
    const CAbgleichdaten& record = Wizard().Doc().Abgleichdaten();
    const std::array<QString, 3> labels = R::DacLabels(record);
    for (std::size_t i = 0; i < m_punkt.size(); ++i) {
        m_punkt[i].label->setText(labels[i]);
        m_punkt[i].edit->setText(QString::number(record.m_nDac[i]));
    }
    PointsChosen();
}

void CPropPageDAC::PointsChosen() {
    const bool bMitte = m_punkte->currentIndex() == 1;
    const Punkt& p = m_punkt[1];
    for (QWidget* w : {static_cast<QWidget*>(p.edit), static_cast<QWidget*>(p.minus),
                       static_cast<QWidget*>(p.plus), static_cast<QWidget*>(p.setzen)}) {
        w->setEnabled(bMitte);
    }
    UpdateMiddle();
}

void CPropPageDAC::UpdateMiddle() {
    if (m_punkte->currentIndex() == 1) {
        return;
    }
    const int start = m_punkt[0].edit->text().toInt();
    const int end = m_punkt[2].edit->text().toInt();
    m_punkt[1].edit->setText(QString::number(R::DacMiddle(start, end)));
}

std::optional<int> CPropPageDAC::Value(int nPoint) {
    QLineEdit* edit = m_punkt[static_cast<std::size_t>(nPoint)].edit;
    bool bOk = false;
    const int value = edit->text().trimmed().toInt(&bOk);
    if (!bOk || value < 0 || value > R::kDacMax) {
        Refuse(edit, R::RangeText(0, R::kDacMax));
        return std::nullopt;
    }
    return value;
}

void CPropPageDAC::Step(int nPoint, int nStep) {
    QLineEdit* edit = m_punkt[static_cast<std::size_t>(nPoint)].edit;
    const int value = std::clamp(edit->text().toInt() + nStep, 0, static_cast<int>(R::kDacMax));
    edit->setText(QString::asprintf("%d", value));
}

bool CPropPageDAC::SetDac(int nValue) {
    CAbglWizard& w = Wizard();
    const bool bOk = w.Run([&w, nValue] { return w.Service().ServiceSetDac(nValue); });
    if (bOk) {
        m_bDriven = nValue != R::kDacFrei;
    }
    return bOk;
}

void CPropPageDAC::SetOutput(int nPoint) {
    const std::optional<int> value = Value(nPoint);
    if (value) {
        SetDac(*value);
    }
}

void CPropPageDAC::ReleaseOutput() {
    if (m_bDriven) {
        SetDac(R::kDacFrei);
    }
}

std::optional<int> CPropPageDAC::Leave() {
    std::array<int, 3> values{};
    for (int i = 0; i < 3; ++i) {
        const std::optional<int> value = Value(i);
        if (!value) {
            return std::nullopt;
        }
        values[static_cast<std::size_t>(i)] = *value;
    }
    CAbgleichdaten& record = Wizard().Doc().Abgleichdaten();
    for (std::size_t i = 0; i < values.size(); ++i) {
        record.m_nDac[i] = values[i];
    }
    SetDac(R::kDacFrei);
    return Wizard().Nav().Next(R::kDac);
}
