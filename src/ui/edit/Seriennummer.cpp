#include "ui/edit/Seriennummer.h"

#include "ui/access/DialogButtons.h"
#include "ui/edit/FieldBinder.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSeriennummer::CSeriennummer(const QString& strSeriennummer, QWidget* parent)
    : QDialog(parent)
    , m_binder(new CFieldBinder(this)) {
    setWindowTitle(tr("Seriennummer ändern"));
    setObjectName(QStringLiteral("seriennummer"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    const auto texte = CSeriennummerRules::Split(strSeriennummer);
    for (std::size_t i = 0; i < m_felder.size(); ++i) {
        if (i > 0) {
            row->addWidget(new QLabel(QStringLiteral(".")));
        }
        m_felder[i] = new QLineEdit(texte[i]);
        const int laenge = CSeriennummerRules::kLaengen[i];
        m_felder[i]->setMaxLength(laenge);
        m_felder[i]->setFixedWidth(
            m_felder[i]->fontMetrics().horizontalAdvance(QString(laenge + 2, QLatin1Char('0'))));
        // The four parts have no label of their own; the dialog's title and the part's place name them.
        m_felder[i]->setAccessibleName(QStringLiteral("%1 %2").arg(windowTitle()).arg(i + 1));
        m_binder->Add(static_cast<int>(i), m_felder[i]);
        row->addWidget(m_felder[i]);
    }
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Abbr."), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSeriennummer::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSeriennummer::reject);
    layout->addWidget(buttons);
    CDialogButtons::MakeDefault(ok);
}

std::array<QString, CSeriennummerRules::kFelder> CSeriennummer::Felder() const {
    std::array<QString, CSeriennummerRules::kFelder> felder;
    for (std::size_t i = 0; i < felder.size(); ++i) {
        felder[i] = m_felder[i]->text();
    }
    return felder;
}

QString CSeriennummer::Seriennummer() const {
    return CSeriennummerRules::Compose(Felder());
}

void CSeriennummer::accept() {
    if (const auto problem = CSeriennummerRules::Validate(Felder())) {
        m_binder->Show(*problem);
        return;
    }
    QDialog::accept();
}
