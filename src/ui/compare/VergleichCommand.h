#pragma once

#include <QCoreApplication>

class CGuiOperator;
class CQuillonDoc;
class CTransmitterSession;
class QWidget;

/// "Vergleichen...": reads the transmitter's parameter set into a set of its own (the document stays as
/// it is) and shows both side by side (CVergleich). A transmitter of another type is named and nothing
/// is compared. The window runs it as one transmitter operation (CQuillonView::RunOperation).
class CVergleichCommand {
    Q_DECLARE_TR_FUNCTIONS(CVergleichCommand)

public:
    static void Run(CQuillonDoc& doc, CTransmitterSession& session, CGuiOperator& op, QWidget* parent);
};
