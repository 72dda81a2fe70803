#include "ui/setup/VerlaufDatenbank.h"

#include "core/Operator.h"
#include "document/SettingsRegistry.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStation.h"
#include "history/HistoryStore.h"
#include "shell/FileChooser.h"
#include "ui/edit/FieldBinder.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using Rules = CHistorySettingsRules;

namespace {

QLabel* Buddy(const QString& text, QWidget* field) {
    auto* label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    return label;
}

} // namespace

CVerlaufDatenbank::CVerlaufDatenbank(const Rules::Values& values, IFileChooser& chooser, IOperator& op,
                                     QWidget* parent)
    : QDialog(parent)
    , m_chooser(chooser)
    , m_operator(op)
    , m_local(new QRadioButton(tr("Dieser PC"), this))
    , m_server(new QRadioButton(tr("Server der Anlage"), this))
    , m_file(new QLineEdit(values.file, this))
    , m_connection(new QLineEdit(values.server, this))
    , m_station(new QLineEdit(values.station, this))
    , m_binder(new CFieldBinder(this)) {
    setWindowTitle(tr("Verlauf-Datenbank"));
    setObjectName(QStringLiteral("verlaufDatenbank"));
    (values.bServer ? m_server : m_local)->setChecked(true);
    m_local->setObjectName(QStringLiteral("local"));
    m_server->setObjectName(QStringLiteral("server"));
    auto* places = new QButtonGroup(this);
    places->addButton(m_local);
    places->addButton(m_server);
    m_file->setPlaceholderText(QDir::toNativeSeparators(CHistoryLocation::DefaultLocalPath()));
    m_connection->setPlaceholderText(QStringLiteral("service=quillon"));
    m_station->setPlaceholderText(CHistoryStation::Local(CSettingsRegistry(), {}, {}).station);
    m_binder->Add(static_cast<int>(Rules::Field::Location), m_local);
    m_binder->Add(static_cast<int>(Rules::Field::File), m_file);
    m_binder->Add(static_cast<int>(Rules::Field::Server), m_connection);
    m_binder->Add(static_cast<int>(Rules::Field::Station), m_station);

    auto* place = new QHBoxLayout;
    place->addWidget(m_local);
    place->addWidget(m_server);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAccessibleName(tr("Datei wählen"));
    connect(browse, &QPushButton::clicked, this, &CVerlaufDatenbank::ChooseFile);
    auto* file = new QHBoxLayout;
    file->addWidget(m_file, 1);
    file->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow(Buddy(tr("Speicherort:"), m_local), place);
    form->addRow(Buddy(tr("Datei:"), m_file), file);
    form->addRow(Buddy(tr("Serververbindung:"), m_connection), m_connection);
    form->addRow(Buddy(tr("Stationsname:"), m_station), m_station);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    QPushButton* check = buttons->addButton(tr("Verbindung prüfen"), QDialogButtonBox::ActionRole);
    check->setObjectName(QStringLiteral("check"));
    connect(check, &QPushButton::clicked, this, &CVerlaufDatenbank::CheckConnection);
    connect(buttons, &QDialogButtonBox::accepted, this, &CVerlaufDatenbank::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CVerlaufDatenbank::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_file->setMinimumWidth(360);
}

Rules::Values CVerlaufDatenbank::Values() const {
    return {m_server->isChecked(), m_file->text(), m_connection->text(), m_station->text()};
}

void CVerlaufDatenbank::accept() {
    if (const std::optional<ValidationProblem> problem = Rules::Validate(Values())) {
        m_binder->Show(*problem);
        return;
    }
    QDialog::accept();
}

void CVerlaufDatenbank::ChooseFile() {
    const QString path = m_chooser.ChooseSave(tr("Verlaufsdatenbank (*.sqlite);;Alle Dateien (*)"),
                                              m_file->text().isEmpty() ? CHistoryLocation::DefaultLocalPath()
                                                                       : m_file->text());
    if (!path.isEmpty()) {
        m_file->setText(QDir::toNativeSeparators(path));
    }
}

void CVerlaufDatenbank::CheckConnection() {
    const Rules::Values values = Values();
    if (const std::optional<ValidationProblem> problem = Rules::Validate(values)) {
        m_binder->Show(*problem);
        return;
    }
    // The place is read back as the history would read it from the settings, defaults included.
    CSettingsRegistry chosen;
    Rules::Apply(values, chosen);
    const CHistoryLocation location = CHistoryLocation::FromSettings(chosen);
    CHistoryStore store(m_operator, CHistoryStation::Local(chosen, {}, {}));
    m_operator.BeginWaitCursor();
    const bool bOpen = store.Open(location); // a server that does not answer is given up after 2 s
    m_operator.EndWaitCursor();
    QString text;
    if (!bOpen) {
        text = tr("Der Verlauf kann an diesem Ort nicht geführt werden.");
    } else if (!location.UsesServer()) {
        text = tr("Die Verlaufsdatenbank %1 kann benutzt werden.")
                   .arg(QDir::toNativeSeparators(store.LocalPath()));
    } else if (store.IsServerConnected()) {
        text = tr("Die Verbindung zum Server der Anlage steht. Auf diesem PC warten %1 Ereignisse auf ihn.")
                   .arg(store.PendingCount());
    } else {
        text = tr("Der Server der Anlage ist nicht erreichbar. Auf diesem PC warten %1 Ereignisse auf ihn.")
                   .arg(store.PendingCount());
    }
    m_operator.Message(text, tr("Verbindung prüfen"),
                       bOpen && (!location.UsesServer() || store.IsServerConnected())
                           ? IOperator::Icon::Information
                           : IOperator::Icon::Warning);
}
