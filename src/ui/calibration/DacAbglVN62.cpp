#include "ui/calibration/DacAbglVN62.h"

#include "base/NumberField.h"
#include "shell/Edition.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kRows = 3;
constexpr int kWordMax = 65535;

} // namespace

CDacAbglVN62::CDacAbglVN62(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("DAC-Abgleich VN62"));
    setObjectName(QStringLiteral("dlgDacAbglVN62"));
    auto* outputs = new QHBoxLayout;
    outputs->addWidget(BuildOutput(tr("DAC0: Analogausgang 1"), 0));
    outputs->addWidget(BuildOutput(tr("DAC1: Analogausgang 2"), kRows));

    auto* actions = new QHBoxLayout;
    actions->addWidget(ActionButton(tr("DAC-Abgl lesen"), QStringLiteral("lesen"), Action::Lesen));
    actions->addWidget(
        ActionButton(tr("DAC-Abgl senden"), QStringLiteral("senden"), Action::Senden, 0, true));
    actions->addWidget(ActionButton(tr("DAC freigeben"), QStringLiteral("freigeben"), Action::Freigeben));
    auto* defaults = new QPushButton(tr("Default"), this);
    defaults->setObjectName(QStringLiteral("default"));
    defaults->setAutoDefault(false);
    connect(defaults, &QPushButton::clicked, this, &CDacAbglVN62::OnDefault);
    actions->addWidget(defaults);

    auto* ending = new QHBoxLayout;
    ending->addStretch();
    QPushButton* ok = ActionButton(tr("OK"), QStringLiteral("ok"), Action::Ok, 0, true);
    ok->setDefault(true);
    ending->addWidget(ok);
    ending->addWidget(ActionButton(tr("Abbrechen"), QStringLiteral("cancel"), Action::Abbrechen));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(outputs);
    layout->addLayout(actions);
    layout->addLayout(ending);
}

QWidget* CDacAbglVN62::BuildOutput(const QString& title, int nFirst) {
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    const QStringList rows{tr("4mA"), tr("12mA"), tr("20mA")};
    for (int row = 0; row < kRows; ++row) {
        const int nPoint = nFirst + row;
        auto* spin = new QSpinBox(this);
        spin->setObjectName(QStringLiteral("dac%1").arg(nPoint));
        spin->setRange(0, kWordMax);
        m_points.at(nPoint) = spin;
        grid->addWidget(new QLabel(rows.at(row), this), row, 0);
        grid->addWidget(spin, row, 1);
        grid->addWidget(
            ActionButton(tr("Set"), QStringLiteral("set%1").arg(nPoint), Action::Set, nPoint, true), row, 2);
    }
    return group;
}

QPushButton* CDacAbglVN62::ActionButton(const QString& text, const QString& name, Action action, int nRow,
                                        bool bValidate) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, action, nRow, bValidate] { End(action, nRow, bValidate); });
    return button;
}

CDacAbglVN62Loop::Outcome CDacAbglVN62::Show(CDacAbglVN62Loop::Points& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        m_points.at(i)->setValue(points.at(i));
    }
    m_outcome = {Action::Abbrechen};
    exec();
    points = Shown();
    return m_outcome;
}

CDacAbglVN62Loop::Points CDacAbglVN62::Shown() const {
    CDacAbglVN62Loop::Points points{};
    for (std::size_t i = 0; i < points.size(); ++i) {
        points.at(i) = m_points.at(i)->value();
    }
    return points;
}

void CDacAbglVN62::End(Action action, int nRow, bool bValidate) {
    if (bValidate) {
        if (const std::optional<int> invalid = CDacAbglVN62Loop::FirstInvalid(Shown())) {
            QMessageBox::warning(this, CEdition::ProgramName(),
                                 CNumberField::MsgGanzeZahlZwischen(0, CDacAbglVN62Loop::kDacMax, QLocale()));
            m_points.at(static_cast<std::size_t>(*invalid))->setFocus();
            m_points.at(static_cast<std::size_t>(*invalid))->selectAll();
            return;
        }
    }
    m_outcome = {action, nRow};
    done(QDialog::Accepted);
}

void CDacAbglVN62::OnDefault() {
    const CDacAbglVN62Loop::Points defaults = CDacAbglVN62Loop::DefaultPoints();
    for (std::size_t i = 0; i < defaults.size(); ++i) {
        m_points.at(i)->setValue(defaults.at(i));
    }
}
