#include "access/HinweisTextRules.h"

#include "document/QuillonDoc.h"

QString CHinweisTextRules::NoticeText() {
    // The blanks around "PL45" are as the notice has always read.
    return tr(
        "Beim Anschluß des Programmier-Interfaces PL45 beachten Sie bitte folgenden Hinweis:\n"
        "Verbinden Sie erst das Interface mit dem Transmitter. Schließen Sie dann den PC über USB an.\n\n"
        "Für den direkten Transmitteranschluß verfügt der  PL45über eine interne 24V-Hilfsspannung, die "
        "bei Bedarf automatisch eingeschaltet wird. Beachten daher Sie den Status der entsprechenden LED, "
        "wenn Sie einen Transmitter anschließen!");
}

QString CHinweisTextRules::CheckBoxText() {
    return tr("Beim nächsten Programmstart anzeigen");
}

bool CHinweisTextRules::Load(const CQuillonDoc& doc) {
    return doc.GetStartupHinweis() != 0;
}

void CHinweisTextRules::Apply(bool bShowAtStart, CQuillonDoc& doc) {
    doc.SetStartupHinweis(bShowAtStart ? 1 : 0);
}
