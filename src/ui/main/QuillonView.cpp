#include "ui/main/QuillonView.h"

#include "document/QuillonDoc.h"
#include "shell/FormModel.h"
#include "ui/main/GuiOperator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

// Form ids of the controls.
constexpr int kGrundAnfang = 1015, kGrundEnde = 1016, kGrundEinheitA = 1017, kGrundEinheitE = 1018;
constexpr int kMessAnfang = 1009, kMessEnde = 1010, kMessEinheitA = 1019, kMessEinheitE = 1020;
constexpr int kLabel4mA = 1217, kLabel20mA = 1218;
constexpr int kLabelKennlinie = 1215, kKennlinie = 1216;
constexpr int kLabelDaempfung = 1214, kDaempfung = 1011, kSekDaempfung = 1220;
constexpr int kLabelTempDaempfung = 1219, kTempDaempfung = 1012, kSekTempDaempfung = 1221;
constexpr int kLinTab = 1131;
constexpr int kGruppeStrom = 1302, kLabelFehlerstrom = 1303;
constexpr int kStromMin = 1041, kStromMax = 1034, kFehlerstrom = 1043;
constexpr int kMaFehler = 1304, kMaMax = 1305, kMaMin = 1306;
constexpr int kTyp = 1023, kKennung = 1014, kSeriennummer = 1022, kBezeichnung = 1021;
constexpr int kBild = 1030, kAnalogabgleich = 1355;
constexpr int kNumberChars = 11;
constexpr int kTextChars = 22;
constexpr int kBildBreite = 120;
constexpr int kBildHoehe = 150;
constexpr int kGruppenTitelMax = 50;

} // namespace

CQuillonView::CQuillonView(CQuillonDoc& doc, CGuiOperator& op, IClock& clock,
                           std::unique_ptr<IByteDevice> device, QWidget* parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_operator(op)
    , m_session(op, clock, std::move(device), doc)
    , m_calibration(m_session.Link(), m_session.Connection(), doc)
    , m_measurement(this, m_session.Link(), m_session.Connection(), m_session.Transfer(), doc, m_locale)
    , m_abgleich(this, m_session.Link(), m_session.Connection(), m_calibration, doc) {
    setObjectName(QStringLiteral("view"));
    m_testTimer.setInterval(kTestTimerMs);
    connect(&m_testTimer, &QTimer::timeout, this, [this] { m_session.Link().Sio().TickTimeout(); });
    connect(&m_doc, &CQuillonDoc::documentUpdated, this, &CQuillonView::ShowDocument);
    m_operator.SetBereitSink([this](bool bBereit) { SetBereit(bBereit); });
    BuildForm();
    ShowDocument();
}

CQuillonView::~CQuillonView() {
    m_operator.SetBereitSink(nullptr);
}

QWidget* CQuillonView::Control(int nId) const {
    return m_controls.value(nId, nullptr);
}

QWidget* CQuillonView::Field(int nId, int nChars) {
    auto* field = new QLineEdit(this);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setObjectName(QStringLiteral("ctl%1").arg(nId));
    const int nWidth = field->fontMetrics().averageCharWidth() * nChars;
    if (nChars == kNumberChars) {
        field->setFixedWidth(nWidth); // numbers line up across the groups
    } else {
        field->setMinimumWidth(nWidth);
    }
    m_controls.insert(nId, field);
    return field;
}

QLabel* CQuillonView::Label(const QString& text, int nId) {
    auto* label = new QLabel(text, this);
    if (nId != 0) {
        label->setObjectName(QStringLiteral("ctl%1").arg(nId));
        m_controls.insert(nId, label);
    }
    return label;
}

QGroupBox* CQuillonView::BuildGrundmessbereich() {
    auto* group = new QGroupBox(tr("Grundmessbereich"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(Label(tr("Anfang:")), 0, 0);
    grid->addWidget(Field(kGrundAnfang, kNumberChars), 0, 1);
    grid->addWidget(Label(QString(), kGrundEinheitA), 0, 2);
    grid->addWidget(Label(tr("Ende:")), 1, 0);
    grid->addWidget(Field(kGrundEnde, kNumberChars), 1, 1);
    grid->addWidget(Label(QString(), kGrundEinheitE), 1, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

QGroupBox* CQuillonView::BuildSignalumformung() {
    auto* group = new QGroupBox(tr("Signalumformung"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(Label(tr("4mA Signal bei"), kLabel4mA), 0, 0);
    grid->addWidget(Field(kMessAnfang, kNumberChars), 0, 1);
    grid->addWidget(Label(QString(), kMessEinheitA), 0, 2);
    grid->addWidget(Label(tr("20mA Signal bei"), kLabel20mA), 1, 0);
    grid->addWidget(Field(kMessEnde, kNumberChars), 1, 1);
    grid->addWidget(Label(QString(), kMessEinheitE), 1, 2);
    grid->addWidget(Label(tr("Kennlinie:"), kLabelKennlinie), 2, 0);
    grid->addWidget(Field(kKennlinie, kNumberChars), 2, 1);
    grid->addWidget(Label(tr("Dämpfung Druck:"), kLabelDaempfung), 3, 0);
    grid->addWidget(Field(kDaempfung, kNumberChars), 3, 1);
    grid->addWidget(Label(tr("Sek."), kSekDaempfung), 3, 2);
    grid->addWidget(Label(tr("Dämpfung Temp.:"), kLabelTempDaempfung), 4, 0);
    grid->addWidget(Field(kTempDaempfung, kNumberChars), 4, 1);
    grid->addWidget(Label(tr("Sek."), kSekTempDaempfung), 4, 2);
    auto* linTab = new QCheckBox(tr("Linearitätskorrektur"), this);
    linTab->setObjectName(QStringLiteral("ctl%1").arg(kLinTab));
    // Shown, not edited: the box follows the document.
    linTab->setAttribute(Qt::WA_TransparentForMouseEvents);
    linTab->setFocusPolicy(Qt::NoFocus);
    m_controls.insert(kLinTab, linTab);
    grid->addWidget(linTab, 5, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return group;
}

QGroupBox* CQuillonView::BuildStromgrenzen() {
    auto* group = new QGroupBox(tr("Stromgrenzen"), this);
    group->setObjectName(QStringLiteral("ctl%1").arg(kGruppeStrom));
    m_controls.insert(kGruppeStrom, group);
    auto* grid = new QGridLayout(group);
    grid->addWidget(Label(tr("Min")), 0, 0);
    grid->addWidget(Field(kStromMin, kNumberChars), 0, 1);
    grid->addWidget(Label(tr("mA"), kMaMin), 0, 2);
    grid->addWidget(Label(tr("Max")), 1, 0);
    grid->addWidget(Field(kStromMax, kNumberChars), 1, 1);
    grid->addWidget(Label(tr("mA"), kMaMax), 1, 2);
    grid->addWidget(Label(tr("Fehlerstrom"), kLabelFehlerstrom), 2, 0);
    grid->addWidget(Field(kFehlerstrom, kNumberChars), 2, 1);
    grid->addWidget(Label(tr("mA"), kMaFehler), 2, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* CQuillonView::BuildKennzeichnung() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* bild = Label(QString(), kBild);
    QPixmap pixmap(kBildBreite * devicePixelRatio(), kBildHoehe * devicePixelRatio());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QStringLiteral(":/icons/transmitter.svg")).render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio());
    bild->setPixmap(pixmap);
    bild->setAlignment(Qt::AlignCenter);
    column->addWidget(bild);
    auto* grid = new QGridLayout();
    grid->addWidget(Label(tr("Typ:")), 0, 0);
    grid->addWidget(Field(kTyp, kTextChars), 0, 1);
    grid->addWidget(Label(tr("Kennung:")), 1, 0);
    grid->addWidget(Field(kKennung, kTextChars), 1, 1);
    grid->addWidget(Label(tr("Serien-Nr.:")), 2, 0);
    grid->addWidget(Field(kSeriennummer, kTextChars), 2, 1);
    grid->addWidget(Label(tr("Bezeichnung:")), 3, 0);
    grid->addWidget(Field(kBezeichnung, kTextChars), 3, 1);
    column->addLayout(grid);
    auto* analog = new QPushButton(tr("Analogabgleich"), this);
    analog->setObjectName(QStringLiteral("ctl%1").arg(kAnalogabgleich));
    m_controls.insert(kAnalogabgleich, analog);
    column->addWidget(analog, 0, Qt::AlignRight);
    column->addStretch(1);
    return panel;
}

void CQuillonView::BuildForm() {
    auto* left = new QVBoxLayout();
    const QList<QGroupBox*> groups = {BuildGrundmessbereich(), BuildSignalumformung(), BuildStromgrenzen()};
    for (QGroupBox* group : groups) {
        left->addWidget(group);
    }
    left->addStretch(1);
    AlignLabelColumns(groups);
    auto* form = new QHBoxLayout(this);
    form->addLayout(left, 1);
    form->addSpacing(fontMetrics().averageCharWidth() * 2);
    form->addWidget(BuildKennzeichnung(), 1);
}

void CQuillonView::AlignLabelColumns(const QList<QGroupBox*>& groups) {
    // The groups have their own grids; one label width for all lets their fields form one column.
    QList<QWidget*> labels;
    for (QGroupBox* group : groups) {
        auto* grid = static_cast<QGridLayout*>(group->layout());
        for (int row = 0; row < grid->rowCount(); ++row) {
            QLayoutItem* item = grid->itemAtPosition(row, 0);
            if (item != nullptr && qobject_cast<QLabel*>(item->widget()) != nullptr) {
                labels.append(item->widget());
            }
        }
    }
    int nWidth = 0;
    for (QWidget* label : std::as_const(labels)) {
        nWidth = qMax(nWidth, label->sizeHint().width());
    }
    for (QWidget* label : std::as_const(labels)) {
        label->setMinimumWidth(nWidth);
    }
}

void CQuillonView::OnInitialUpdate() {
    auto* strom = static_cast<QGroupBox*>(Control(kGruppeStrom));
    strom->setTitle(tr("Begrenzung Ausgang").left(kGruppenTitelMax));
    static_cast<QLabel*>(Control(kLabelFehlerstrom))->setText(tr("Fehlersignal:"));
    for (const int nId : {kMaMin, kMaMax, kMaFehler}) {
        static_cast<QLabel*>(Control(nId))->clear();
    }
    Control(kAnalogabgleich)->hide();
}

void CQuillonView::SetText(int nId, const QString& text) {
    QWidget* control = Control(nId);
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        field->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    }
}

void CQuillonView::SetVisible(std::initializer_list<int> ids, bool bVisible) {
    for (const int nId : ids) {
        Control(nId)->setVisible(bVisible);
    }
}

void CQuillonView::LayoutForType(int nTyp) {
    const CFormModel::Layout layout = CFormModel::LayoutForType(nTyp);
    SetVisible({kLabel4mA, kLabel20mA, kMessAnfang, kMessEnde, kMessEinheitA, kMessEinheitE},
               layout.bMessbereich);
    SetVisible({kLabelKennlinie, kKennlinie}, layout.bKennlinie);
    SetVisible({kLabelTempDaempfung, kTempDaempfung, kSekTempDaempfung}, layout.bTempDaempfung);
    SetVisible({kLinTab}, layout.bLinTab);
}

void CQuillonView::ShowDocument() {
    LayoutForType(m_doc.GetTyp());
    const CFormModel::Texts texts = CFormModel::ShowDocument(m_doc, m_locale);
    SetText(kGrundAnfang, texts.grundAnfang);
    SetText(kGrundEnde, texts.grundEnde);
    SetText(kGrundEinheitA, texts.grundEinheit);
    SetText(kGrundEinheitE, texts.grundEinheit);
    SetText(kMessAnfang, texts.messAnfang);
    SetText(kMessEnde, texts.messEnde);
    SetText(kMessEinheitA, texts.messEinheit);
    SetText(kMessEinheitE, texts.messEinheit);
    SetText(kKennlinie, texts.kennlinie);
    SetText(kDaempfung, texts.daempfung);
    SetText(kTempDaempfung, texts.tempDaempfung);
    SetText(kStromMin, texts.stromMin);
    SetText(kStromMax, texts.stromMax);
    SetText(kFehlerstrom, texts.fehlerstrom);
    SetText(kTyp, texts.typ);
    SetText(kKennung, texts.kennung);
    SetText(kSeriennummer, texts.seriennummer);
    SetText(kBezeichnung, texts.bezeichnung);
    static_cast<QCheckBox*>(Control(kLinTab))->setChecked(texts.bLinTab);
}

bool CQuillonView::RunOperation(const std::function<void()>& operation) {
    if (!IsBereit()) {
        return false; // a second operation never starts while one runs
    }
    // Busy goes the way the link's own operations report it, through the operator, on every way out.
    struct Busy {
        CGuiOperator& op;
        explicit Busy(CGuiOperator& o)
            : op(o) {
            op.SetBereit(false);
        }
        ~Busy() { op.SetBereit(true); }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
    } busy(m_operator);
    operation();
    return true;
}

bool CQuillonView::IsBereit() const {
    return m_nBusy == 0 && !m_session.Link().IsBusy();
}

void CQuillonView::RequestCancel() {
    m_session.Link().RequestCancel();
}

void CQuillonView::SetBereit(bool bBereit) {
    m_nBusy = qMax(0, m_nBusy + (bBereit ? -1 : 1));
    if (!bBereit) {
        // A transmitter operation takes the link timer over; the test run of "Test RS232" ends with it.
        m_testTimer.stop();
    }
    if (IsBereit() != m_bBereitGemeldet) {
        m_bBereitGemeldet = IsBereit();
        emit bereitChanged(m_bBereitGemeldet);
    }
}

void CQuillonView::OnEmpfangen() {
    RunOperation([&] { m_session.Empfangen(); });
}

void CQuillonView::OnSenden() {
    RunOperation([&] { m_session.Senden(m_doc.GetVerifyAfterSend() != 0); });
}

void CQuillonView::OnAbgleichLesen(CTypKatalog::AbgleichForm familie) {
    RunOperation([&] {
        m_calibration.ReadCalibrationData(familie);
        ShowDocument(); // the family's menu may have changed the type
    });
}

void CQuillonView::OnAbgleichSchreiben() {
    RunOperation([&] { m_calibration.WriteCalibrationData(); });
}

void CQuillonView::OnAbgleichBefehl(void (CCalibrationCommands::*befehl)()) {
    RunOperation([&] { (m_abgleich.*befehl)(); });
}

void CQuillonView::OnTestRs232() {
    m_testTimer.start();
}

void CQuillonView::OnMessung() {
    RunOperation([&] { m_measurement.OnMessung(); });
}

void CQuillonView::OnPruefung() {
    RunOperation([&] { m_measurement.OnPruefung(); });
}

void CQuillonView::OnKorrektur() {
    RunOperation([&] { m_measurement.OnKorrektur(); });
}

void CQuillonView::OnKonfiguration() {
    RunOperation([this] { m_measurement.OnKonfiguration(); });
}

void CQuillonView::OnSeriennummer() {
    RunOperation([&] {
        m_measurement.OnChangeSerialNumber();
        ShowDocument();
    });
}

void CQuillonView::OnTestLinTabLesen() {
    RunOperation([&] { m_measurement.OnTestReadTable(); });
}

void CQuillonView::OnTestLinTabSchreiben() {
    RunOperation([&] { m_measurement.OnTestWriteTableCount(); });
}

void CQuillonView::OnTestBefehl(const CTestMenu::Entry& entry) {
    RunOperation([&] { m_measurement.OnTestEntry(entry); });
}

void CQuillonView::OnConnectRX93() {
    RunOperation([&] {
        const CTestMenu::ConnectReport report = m_measurement.OnConnectRX93();
        // The form fills the window, so the answer is shown beside it rather than written under its fields.
        const QString text =
            QStringLiteral("Connecting Hardware... %1\n\n%2\n%3")
                .arg(report.bOk ? QStringLiteral("OK") : QStringLiteral("Fail"), report.bytes, report.text);
        m_operator.ShowMessage(text, QStringLiteral("Connect RX93"), IOperator::Icon::None,
                               IOperator::Buttons::Ok);
    });
}

void CQuillonView::OnNormalbetrieb() {
    RunOperation([&] { m_measurement.OnNormalbetrieb(); });
}

void CQuillonView::OnAdcValues() {
    RunOperation([&] { m_measurement.OnShowAdcValues(); });
}

void CQuillonView::OnInterfaceVersion() {
    RunOperation([&] { m_measurement.OnShowInterfaceInfo(); });
}

void CQuillonView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_bErsterAufruf) {
        m_bErsterAufruf = false;
        // The checks open dialogs; they run right after this paint, not inside it.
        QTimer::singleShot(0, this, &CQuillonView::RunStartupChecks);
    }
}

void CQuillonView::RunStartupChecks() {
    if (!m_startupChecks.Run(m_doc)) {
        emit startupRefused();
        return;
    }
    update();
}
