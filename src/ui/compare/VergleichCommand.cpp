#include "ui/compare/VergleichCommand.h"

#include "document/QuillonDoc.h"
#include "shell/SendePruefung.h"
#include "shell/TransmitterSession.h"
#include "ui/compare/Vergleich.h"
#include "ui/main/GuiOperator.h"

void CVergleichCommand::Run(CQuillonDoc& doc, CTransmitterSession& session, CGuiOperator& op,
                            QWidget* parent) {
    CSendePruefung lesen(session.Link(), doc, QLocale());
    const CQuillonDoc& geraet = lesen.Gelesen();
    // The identification first, so that a transmitter of another type is named instead of read with the
    // document's sequence.
    bool bGelesen = lesen.Identifizieren();
    const bool bAndererTyp = bGelesen && geraet.GetTyp() != doc.GetTyp();
    bGelesen = bGelesen && !bAndererTyp && session.ReadForCompare(lesen);
    if (bAndererTyp) {
        op.Message(tr("Der Transmitter ist ein %1, das Dokument gilt für %2.\nEs wurde nichts verglichen.")
                       .arg(CQuillonDoc::GetTypText(geraet.GetTyp()), CQuillonDoc::GetTypText(doc.GetTyp())),
                   tr("Vergleichen"), IOperator::Icon::Warning);
        return;
    }
    if (!bGelesen) {
        return; // the connect or the receive has said what failed
    }
    CVergleich dialog(doc, geraet, parent);
    dialog.exec();
}
