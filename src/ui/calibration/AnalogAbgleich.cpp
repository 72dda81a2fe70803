#include "ui/calibration/AnalogAbgleich.h"

#include "document/QuillonDoc.h"
#include "shell/Edition.h"
#include "ui/access/AccessibleNames.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kMbAnfang = 1264;
constexpr int kMbEnde = 1265;
constexpr int kAbglAnfang = 1274;
constexpr int kAbglEnde = 1275;
constexpr int kFirstAdc = 1256;
constexpr int kTempAdc = 1272;
constexpr int kFirstDac = 1261;
constexpr int kOutputStart = 1001;
constexpr int kOutputEnd = 1002;
constexpr int kAdcRows = 5;
constexpr int kDacRows = 3;
constexpr int kPointLabelIds[kAdcRows] = {1248, 1247, 1249, 1250, 1251};

QString ObjectName(int nId) {
    return QStringLiteral("ctl%1").arg(nId);
}

} // namespace

CAnalogAbgleich::CAnalogAbgleich(int nTyp, QWidget* parent)
    : QDialog(parent)
    , m_komma(new QButtonGroup(this))
    , m_range(new QButtonGroup(this)) {
    setWindowTitle(tr("Analogabgleich RX30 / RX31 / RX84 / RX96"));
    setObjectName(QStringLiteral("dlgAnalogAbgleich"));
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildBereich(nTyp));
    columns->addWidget(BuildAdc(), 0, Qt::AlignTop);
    columns->addWidget(BuildDac(), 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(BuildButtons());
}

QLineEdit* CAnalogAbgleich::Edit(int nId, int nChars) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ObjectName(nId));
    // Wide enough for the longest value with a little margin, no wider.
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (nChars + 2) + 12);
    m_edits.insert(nId, edit);
    return edit;
}

QPushButton* CAnalogAbgleich::ActionButton(const QString& text, const QString& name, Action action, int nRow,
                                           bool bTakeOver) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, action, nRow, bTakeOver] { End(action, nRow, bTakeOver); });
    return button;
}

QWidget* CAnalogAbgleich::BuildBereich(int nTyp) {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    auto* typ = new QFormLayout;
    auto* typText = new QLabel(CQuillonDoc::GetTypText(nTyp), this);
    typText->setObjectName(ObjectName(1385));
    typ->addRow(tr("Transmitter-Typ:"), typText);
    layout->addLayout(typ);

    auto* bereich = new QGroupBox(tr("Grundmessbereich"), this);
    auto* form = new QFormLayout(bereich);
    form->addRow(tr("MB-Anfang"), Edit(kMbAnfang, 5));
    form->addRow(tr("MB-Ende"), Edit(kMbEnde, 5));
    form->addRow(tr("Abgl-Anf."), Edit(kAbglAnfang, 5));
    form->addRow(tr("Abgl-Ende"), Edit(kAbglEnde, 5));
    auto* update = new QPushButton(tr("Update"), this);
    update->setObjectName(ObjectName(1289));
    update->setAutoDefault(false);
    connect(update, &QPushButton::clicked, this, &CAnalogAbgleich::OnUpdate);
    form->addRow(QString(), update);
    layout->addWidget(bereich);

    auto* komma = new QGroupBox(tr("Komma"), this);
    auto* kommaLayout = new QGridLayout(komma);
    const QStringList kommaTexts{QStringLiteral("1234"), QStringLiteral("123.4"), QStringLiteral("12.34"),
                                 QStringLiteral("1.234")};
    for (int i = 0; i < kommaTexts.size(); ++i) {
        auto* radio = new QRadioButton(kommaTexts.at(i), this);
        radio->setObjectName(QStringLiteral("komma%1").arg(i));
        m_komma->addButton(radio, i);
        kommaLayout->addWidget(radio, i / 2, i % 2);
    }
    layout->addWidget(komma);

    auto* choices = new QFormLayout;
    m_einheit = new QComboBox(this);
    m_einheit->setObjectName(ObjectName(1237));
    m_einheit->addItems({tr("keine"), QStringLiteral("bar"), QStringLiteral("mbar"), QStringLiteral("Pa"),
                         QStringLiteral("kPa"), QStringLiteral("°C"), QStringLiteral("°F"),
                         QStringLiteral("%")});
    choices->addRow(tr("Einheit"), m_einheit);
    m_gain = new QComboBox(this);
    m_gain->setObjectName(ObjectName(1253));
    m_gain->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("8"),
                      QStringLiteral("16"), QStringLiteral("32")});
    auto* gainRow = new QHBoxLayout;
    gainRow->addWidget(m_gain);
    gainRow->addWidget(ActionButton(tr("Set"), QStringLiteral("setGain"), Action::SetGain));
    auto* gainLabel = new QLabel(tr("Gain"), this);
    choices->addRow(gainLabel, gainRow);
    CAccessibleNames::Pair(gainLabel, m_gain);
    layout->addLayout(choices);
    layout->addStretch();
    return column;
}

QGroupBox* CAnalogAbgleich::BuildAdc() {
    auto* group = new QGroupBox(tr("ADC"), this);
    auto* grid = new QGridLayout(group);
    for (int row = 0; row < kAdcRows; ++row) {
        auto* label = new QLabel(QStringLiteral("%1%").arg(row * 25), this);
        label->setObjectName(ObjectName(kPointLabelIds[row]));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_pointLabels.at(row) = label;
        grid->addWidget(label, row, 0);
        grid->addWidget(Edit(kFirstAdc + row, 5), row, 1);
        grid->addWidget(ActionButton(tr("Get"), QStringLiteral("get%1").arg(row), Action::GetAdc, row), row,
                        2);
    }
    QLineEdit* tempAdc = Edit(kTempAdc, 5);
    tempAdc->setReadOnly(true);
    grid->addWidget(new QLabel(tr("T-ADC"), this), kAdcRows, 0, Qt::AlignRight);
    grid->addWidget(tempAdc, kAdcRows, 1);
    grid->addWidget(ActionButton(tr("Get"), QStringLiteral("getTemp"), Action::GetTempAdc), kAdcRows, 2);
    return group;
}

QGroupBox* CAnalogAbgleich::BuildDac() {
    auto* group = new QGroupBox(tr("DAC"), this);
    auto* grid = new QGridLayout(group);
    const QStringList rows{tr("4mA"), tr("12mA"), tr("20mA")};
    for (int row = 0; row < kDacRows; ++row) {
        grid->addWidget(new QLabel(rows.at(row), this), row, 0);
        grid->addWidget(Edit(kFirstDac + row, 4), row, 1);
        for (const int nDelta : {-1, 1}) {
            auto* step = new QPushButton(nDelta < 0 ? QStringLiteral(" - ") : QStringLiteral(" + "), this);
            step->setObjectName(QStringLiteral("%1%2").arg(nDelta < 0 ? "minus" : "plus").arg(row));
            step->setAutoDefault(false);
            step->setMaximumWidth(step->fontMetrics().horizontalAdvance(QStringLiteral(" + ")) + 16);
            connect(step, &QPushButton::clicked, this, [this, row, nDelta] { OnStep(row, nDelta); });
            grid->addWidget(step, row, nDelta < 0 ? 2 : 3);
        }
        grid->addWidget(ActionButton(tr("Set"), QStringLiteral("set%1").arg(row), Action::SetDac, row), row,
                        4);
    }
    grid->addWidget(ActionButton(tr("Freigeben"), QStringLiteral("freigeben"), Action::Freigeben, 0, false),
                    kDacRows, 4);

    const std::pair<QString, CAnalogAbgleichRules::OutputRange> ranges[] = {
        {tr("0-10V"), CAnalogAbgleichRules::OutputRange::Volt0To10},
        {tr("4-20mA"), CAnalogAbgleichRules::OutputRange::MilliAmp4To20},
        {tr("0-20mA"), CAnalogAbgleichRules::OutputRange::MilliAmp0To20},
    };
    auto* radios = new QHBoxLayout;
    for (const auto& [text, range] : ranges) {
        auto* radio = new QRadioButton(text, this);
        radio->setObjectName(QStringLiteral("range%1").arg(static_cast<int>(range)));
        m_range->addButton(radio, static_cast<int>(range));
        // On toggled, not clicked: a screen reader's toggle action checks the button without a click.
        connect(radio, &QRadioButton::toggled, this, [this, range](bool bChecked) {
            if (bChecked) {
                OnRange(range);
            }
        });
        radios->addWidget(radio);
    }
    grid->addLayout(radios, kDacRows + 1, 0, 1, 5);
    auto* output = new QHBoxLayout;
    // The two ends of the output range stand between the range buttons without labels of their own.
    output->addWidget(Edit(kOutputStart, 5));
    m_edits.value(kOutputStart)->setAccessibleName(tr("Ausgang Anfang"));
    output->addWidget(new QLabel(tr("bis"), this));
    output->addWidget(Edit(kOutputEnd, 5));
    m_edits.value(kOutputEnd)->setAccessibleName(tr("Ausgang Ende"));
    output->addStretch();
    grid->addLayout(output, kDacRows + 2, 0, 1, 5);
    return group;
}

QWidget* CAnalogAbgleich::BuildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    QPushButton* ok = ActionButton(tr("OK"), QStringLiteral("ok"), Action::Ok, 0, false);
    ok->setDefault(true);
    layout->addWidget(ok);
    layout->addWidget(ActionButton(tr("Abbrechen"), QStringLiteral("cancel"), Action::Abbrechen, 0, false));
    layout->addStretch();
    layout->addWidget(ActionButton(tr("Default"), QStringLiteral("default"), Action::Default, 0, false));
    layout->addWidget(ActionButton(tr("Def.-DAC"), QStringLiteral("defDac"), Action::DefDac, 0, false));
    layout->addWidget(ActionButton(tr("Auslesen"), QStringLiteral("auslesen"), Action::Auslesen));
    layout->addWidget(ActionButton(tr("Senden"), QStringLiteral("senden"), Action::Senden));
    return row;
}

CAnalogAbgleichLoop::Outcome CAnalogAbgleich::Show(CAnalogAbgleichRules::Values& values) {
    m_values = values;
    m_outcome = {Action::Abbrechen};
    Fill();
    exec();
    // Closing the window by its frame is "Abbrechen"; every other end took over what it needed.
    values = m_values;
    return m_outcome;
}

void CAnalogAbgleich::Fill() {
    const CAbgleichdaten& r = m_values.record;
    const auto setNumber = [this](int nId, qint64 value) {
        m_edits.value(nId)->setText(QString::number(value));
    };
    setNumber(kMbAnfang, r.m_nBereichAnfang);
    setNumber(kMbEnde, r.m_nBereichEnde);
    setNumber(kAbglAnfang, r.m_nAbglBereichAnfang);
    setNumber(kAbglEnde, r.m_nAbglBereichEnde);
    for (int i = 0; i < kAdcRows; ++i) {
        setNumber(kFirstAdc + i, r.m_nAdc.at(i));
    }
    setNumber(kTempAdc, r.m_nTemperaturAdc[0]);
    for (int i = 0; i < kDacRows; ++i) {
        setNumber(kFirstDac + i, r.m_nDac.at(i));
    }
    m_edits.value(kOutputStart)->setText(QString::number(m_values.fOutputStart));
    m_edits.value(kOutputEnd)->setText(QString::number(m_values.fOutputEnd));
    if (QAbstractButton* komma = m_komma->button(r.m_nKommaPos)) {
        komma->setChecked(true);
    }
    m_einheit->setCurrentIndex(r.m_nAbglEinheit < m_einheit->count() ? r.m_nAbglEinheit : -1);
    m_gain->setCurrentIndex(r.m_nGain < m_gain->count() ? r.m_nGain : -1);
    ShowPointLabels();
    SelectRange();
}

void CAnalogAbgleich::ShowPointLabels() {
    const std::array<int, 5> labels = CAnalogAbgleichRules::PointLabels(m_values.record);
    for (int i = 0; i < kAdcRows; ++i) {
        m_pointLabels.at(i)->setText(QString::asprintf("%d", labels.at(i)));
    }
}

void CAnalogAbgleich::SelectRange() {
    const CAnalogAbgleichRules::OutputRange range =
        CAnalogAbgleichRules::RangeOf(m_values.fOutputStart, m_values.fOutputEnd);
    // A range of none of the three buttons leaves all three unchecked.
    m_range->setExclusive(false);
    for (QAbstractButton* button : m_range->buttons()) {
        const QSignalBlocker quiet(button); // showing the stored range is no choice of the user's
        button->setChecked(m_range->id(button) == static_cast<int>(range));
    }
    m_range->setExclusive(true);
}

bool CAnalogAbgleich::TakeInteger(int nId, int nMin, int nMax, int& value) {
    QLineEdit* edit = m_edits.value(nId);
    if (const std::optional<QString> problem =
            CAnalogAbgleichRules::ParseInteger(edit->text(), nMin, nMax, value)) {
        QMessageBox::warning(this, CEdition::ProgramName(), *problem);
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    return true;
}

bool CAnalogAbgleich::TakeOver() {
    using R = CAnalogAbgleichRules;
    CAnalogAbgleichRules::Values taken = m_values;
    CAbgleichdaten& r = taken.record;
    int value = 0;
    const auto take16 = [&](int nId, qint16& field) {
        if (!TakeInteger(nId, R::kBereichMin, R::kBereichMax, value)) {
            return false;
        }
        field = static_cast<qint16>(value);
        return true;
    };
    if (!take16(kMbAnfang, r.m_nBereichAnfang) || !take16(kMbEnde, r.m_nBereichEnde) ||
        !take16(kAbglAnfang, r.m_nAbglBereichAnfang) || !take16(kAbglEnde, r.m_nAbglBereichEnde)) {
        return false;
    }
    for (int i = 0; i < kAdcRows; ++i) {
        if (!TakeInteger(kFirstAdc + i, 0, R::kAdcMax, r.m_nAdc.at(i))) {
            return false;
        }
    }
    for (int i = 0; i < kDacRows; ++i) {
        if (!TakeInteger(kFirstDac + i, 0, R::kDacMax, r.m_nDac.at(i))) {
            return false;
        }
    }
    for (const auto& [nId, target] :
         {std::pair{kOutputStart, &taken.fOutputStart}, {kOutputEnd, &taken.fOutputEnd}}) {
        QLineEdit* edit = m_edits.value(nId);
        if (const std::optional<QString> problem = R::ParseOutput(edit->text(), *target)) {
            QMessageBox::warning(this, CEdition::ProgramName(), *problem);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }
    r.m_nKommaPos = static_cast<quint16>(qMax(0, m_komma->checkedId()));
    r.m_nAbglEinheit = static_cast<quint16>(qMax(0, m_einheit->currentIndex()));
    r.m_nGain = static_cast<quint16>(qMax(0, m_gain->currentIndex()));
    m_values = taken;
    return true;
}

void CAnalogAbgleich::End(Action action, int nRow, bool bTakeOver) {
    if (bTakeOver && !TakeOver()) {
        return;
    }
    m_outcome = {action, nRow};
    done(QDialog::Accepted);
}

void CAnalogAbgleich::OnUpdate() {
    if (TakeOver()) {
        ShowPointLabels();
    }
}

void CAnalogAbgleich::OnStep(int nRow, int nDelta) {
    // From the value last taken over, so that a half-typed entry does not move the output.
    qint32& dac = m_values.record.m_nDac.at(static_cast<std::size_t>(nRow));
    dac = CAnalogAbgleichRules::StepDac(dac, nDelta);
    m_edits.value(kFirstDac + nRow)->setText(QString::asprintf("%d", dac));
}

void CAnalogAbgleich::OnRange(CAnalogAbgleichRules::OutputRange range) {
    CAnalogAbgleichRules::SetRange(m_values, range);
    m_edits.value(kOutputStart)->setText(QString::number(m_values.fOutputStart));
    m_edits.value(kOutputEnd)->setText(QString::number(m_values.fOutputEnd));
}
