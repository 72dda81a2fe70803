#pragma once

#include "transmitter/SioTransferRecord.h"

#include <QDialog>

/// The dialog "Sio-Transfer": one raw exchange with the transmitter, the request and the reply each as
/// hex bytes and as text. "Wiederholen" ends it with kWiederholen so that the command runs again.
class CDlgSioTransfer : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWiederholen = 2;

    explicit CDlgSioTransfer(const CSioTransferRecord& record, QWidget* parent = nullptr);

private:
    QWidget* Group(const QString& title, const QString& hex, const QString& text, const QString& name);
};
