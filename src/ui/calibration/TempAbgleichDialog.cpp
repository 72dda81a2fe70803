#include "ui/calibration/TempAbgleichDialog.h"

#include "core/Operator.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using T = CTempAbgleich;

constexpr int kLabelSuffixes[T::kEntries] = {1, 2, 3, 4, 5, 7};
constexpr int kRowPrefixes[] = {11, 22, 33};
const char* const kGroups[] = {QT_TRANSLATE_NOOP("CTempAbgleichDialog", "I-Min (4mA)"),
                               QT_TRANSLATE_NOOP("CTempAbgleichDialog", "I-Max 20mA"),
                               QT_TRANSLATE_NOOP("CTempAbgleichDialog", "Temperaturen")};

QString LabelText(int nPrefix, int nSuffix) {
    return QStringLiteral("%1%2").arg(nPrefix).arg(nSuffix, 2, 10, QLatin1Char('0'));
}

} // namespace

CTempAbgleichDialog::CTempAbgleichDialog(Aktionen aktionen, IOperator& op, QWidget* parent)
    : QDialog(parent)
    , m_aktionen(std::move(aktionen))
    , m_operator(op) {
    setObjectName(QStringLiteral("TempAbgleich"));
    setWindowTitle(tr("Temperaturabgleichdaten"));
    auto* groups = new QHBoxLayout;
    for (int r = 0; r < 3; ++r) {
        auto* group = new QGroupBox(tr(kGroups[r]), this);
        auto* grid = new QGridLayout(group);
        for (int i = 0; i < T::kEntries; ++i) {
            const QString label = LabelText(kRowPrefixes[r], kLabelSuffixes[i]);
            auto* edit = new QLineEdit(QStringLiteral("0"), group);
            edit->setObjectName(QStringLiteral("e") + label);
            edit->setMaximumWidth(80);
            grid->addWidget(new QLabel(label, group), i, 0);
            grid->addWidget(edit, i, 1);
            m_rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(i)] = edit;
        }
        groups->addWidget(group);
    }
    auto* checksum = new QGroupBox(tr("Checksumme"), this);
    auto* checksumLayout = new QHBoxLayout(checksum);
    m_checksum = new QLineEdit(QStringLiteral("0"), checksum);
    m_checksum->setObjectName(QStringLiteral("e4401"));
    m_checksum->setMaximumWidth(80);
    m_checksum->setAccessibleName(checksum->title()); // "4401" beside it is a number, the group its name
    checksumLayout->addWidget(new QLabel(QStringLiteral("4401"), checksum));
    checksumLayout->addWidget(m_checksum);
    checksumLayout->addStretch(1);

    auto* beenden = new QPushButton(tr("Beenden"), this);
    auto* senden = new QPushButton(tr("Senden"), this);
    auto* empfangen = new QPushButton(tr("Empfangen"), this);
    beenden->setObjectName(QStringLiteral("beenden"));
    senden->setObjectName(QStringLiteral("senden"));
    empfangen->setObjectName(QStringLiteral("empfangen"));
    for (QPushButton* button : {beenden, senden, empfangen}) {
        button->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(empfangen);
    buttons->addWidget(senden);
    buttons->addWidget(beenden);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(checksum);
    layout->addLayout(buttons);

    connect(beenden, &QPushButton::clicked, this, &QDialog::accept);
    connect(senden, &QPushButton::clicked, this, [this] { Senden(); });
    connect(empfangen, &QPushButton::clicked, this, [this] { Empfangen(); });
}

QLineEdit* CTempAbgleichDialog::Field(int nRow, int nEntry) {
    return nRow == 3 ? m_checksum : m_rows[static_cast<std::size_t>(nRow)][static_cast<std::size_t>(nEntry)];
}

void CTempAbgleichDialog::SetValues(const T::Values& werte) {
    const T::Row* rows[] = {&werte.iMin, &werte.iMax, &werte.temp};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < T::kEntries; ++i) {
            Field(r, i)->setText(QString::number((*rows[r])[static_cast<std::size_t>(i)]));
        }
    }
    m_checksum->setText(QString::number(werte.checksum));
}

std::optional<T::Values> CTempAbgleichDialog::Values() {
    T::Values werte;
    T::Row* rows[] = {&werte.iMin, &werte.iMax, &werte.temp};
    const auto refuse = [this](QLineEdit* field, const QString& text) {
        m_operator.Message(text);
        field->setFocus();
        field->selectAll();
    };
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < (r == 3 ? 1 : T::kEntries); ++i) {
            bool bOk = false;
            const int value = Field(r, i)->text().trimmed().toInt(&bOk);
            if (!bOk) {
                refuse(Field(r, i), T::RangeMessage(r));
                return std::nullopt;
            }
            (r == 3 ? werte.checksum : (*rows[r])[static_cast<std::size_t>(i)]) = value;
        }
    }
    const std::optional<ValidationProblem> problem = T::Validate(werte);
    if (problem) {
        refuse(Field(problem->field / T::kEntries, problem->field % T::kEntries), problem->text);
        return std::nullopt;
    }
    return werte;
}

void CTempAbgleichDialog::Empfangen() {
    T::Values werte;
    if (m_aktionen.empfangen(werte)) {
        SetValues(werte);
    }
}

void CTempAbgleichDialog::Senden() {
    const std::optional<T::Values> werte = Values();
    if (werte) {
        m_aktionen.senden(*werte);
    }
}
