#include "ui/access/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* CDialogButtons::OkOnly(QDialog* dialog) {
    auto* box = new QDialogButtonBox(dialog);
    MakeDefault(box->addButton(tr("OK"), QDialogButtonBox::AcceptRole));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    return box;
}

QDialogButtonBox* CDialogButtons::OkCancel(QDialog* dialog) {
    QDialogButtonBox* box = OkOnly(dialog);
    box->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)->setAutoDefault(false);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

void CDialogButtons::MakeDefault(QPushButton* button) {
    for (QPushButton* other : button->window()->findChildren<QPushButton*>()) {
        other->setAutoDefault(other == button);
    }
    button->setDefault(true);
}
