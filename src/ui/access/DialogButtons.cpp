#include "ui/access/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* CDialogButtons::OkOnly(QDialog* dialog) {
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok = box->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    return box;
}

QDialogButtonBox* CDialogButtons::OkCancel(QDialog* dialog) {
    QDialogButtonBox* box = OkOnly(dialog);
    box->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}
