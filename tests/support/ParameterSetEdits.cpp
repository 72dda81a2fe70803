#include "ParameterSetEdits.h"

#include "base/TypKatalog.h"
#include "base/Utils.h"
#include "document/QuillonDoc.h"

#include <QTest>

namespace {

float OnGrid(double value, int decimals) {
    auto f = static_cast<float>(value);
    CUtils::RoundFloat(f, decimals);
    return f;
}

bool HasImages(int nTyp) {
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr && typ->senden != CTypKatalog::Senden::Befehle;
}

bool HasTempDaempfung(int nTyp) {
    // The KA71 block has no temperature damping.
    const CTypKatalog::Typ* typ = CTypKatalog::Find(nTyp);
    return typ != nullptr && typ->senden == CTypKatalog::Senden::Bild;
}

void EditTable(CQuillonDoc& doc) {
    const int nTyp = doc.GetTyp();
    doc.SetLinTabAnzahl(3);
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<float>(i);
        if (CTypKatalog::IsKA71(nTyp)) {
            doc.SetLinTabX(i, k * 5000.0f);
            doc.SetLinTabY(i, k * 4000.0f + 100.0f);
        } else if (!HasImages(nTyp)) {
            doc.SetLinTabX(i, 4.0f + 8.0f * k);
            doc.SetLinTabY(i, 0.5f * k);
        } else {
            doc.SetLinTabX(i, 4.0f + 8.0f * k);
            doc.SetLinTabY(i, doc.GetMessAnfang() + (doc.GetMessEnde() - doc.GetMessAnfang()) * 0.5f * k);
        }
    }
}

} // namespace

void EditParameterSet(CQuillonDoc& doc) {
    const int nTyp = doc.GetTyp();
    const int d = doc.GetAnzeigeDezimalstellen();
    if (CTypKatalog::IsKA71(nTyp)) {
        doc.SetMessAnfang(OnGrid(doc.FromPerTenThousand(1000), d));
        doc.SetMessEnde(OnGrid(doc.FromPerTenThousand(9000), d));
    } else {
        const double span = doc.GetGrundEnde() - doc.GetGrundAnfang();
        doc.SetMessAnfang(OnGrid(doc.GetGrundAnfang() + span / 4, d));
        doc.SetMessEnde(OnGrid(doc.GetGrundEnde() - span / 8, d));
    }
    doc.SetDaempfung(2.5f);
    doc.SetBezeichnung("PT-4711 KESSEL");
    doc.SetStromgrenzeMin(3.6f);
    doc.SetStromgrenzeMax(21.0f);
    // Inside the edit dialogs' limits (3.5 to 22.5 mA), so that a send asks no question about them.
    doc.SetFehlerstrom(3.6f);
    EditTable(doc);
    if (HasImages(nTyp)) {
        doc.SetTempDaempfung(1.5f);
        doc.SetOffset(OnGrid((doc.GetGrundEnde() - doc.GetGrundAnfang()) / 100, doc.GetDezimalstellen()));
        doc.SetSpanne(0.2f);
        // Not 0 for every type: the RX26 and KA52/KA28 have no keyboard lock, and only a value the send
        // must drop shows that it does.
        doc.SetTastatursperre(5);
        doc.SetNullpunktsfenster(12);
    }
}

void CompareWrittenFields(const CQuillonDoc& expected, const CQuillonDoc& actual) {
    const int nTyp = expected.GetTyp();
    QCOMPARE(actual.GetTyp(), nTyp);
    QCOMPARE(actual.GetMessAnfang(), expected.GetMessAnfang());
    QCOMPARE(actual.GetMessEnde(), expected.GetMessEnde());
    QCOMPARE(actual.GetDaempfung(), expected.GetDaempfung());
    QCOMPARE(actual.GetBezeichnung(), expected.GetBezeichnung());
    QCOMPARE(actual.GetStromgrenzeMin(), expected.GetStromgrenzeMin());
    QCOMPARE(actual.GetStromgrenzeMax(), expected.GetStromgrenzeMax());
    QCOMPARE(actual.GetFehlerstrom(), expected.GetFehlerstrom());
    QCOMPARE(actual.GetLinTabAnzahl(), expected.GetLinTabAnzahl());
    for (int i = 0; i < expected.GetLinTabAnzahl(); ++i) {
        QCOMPARE(actual.GetLinTabX(i), expected.GetLinTabX(i));
        QCOMPARE(actual.GetLinTabY(i), expected.GetLinTabY(i));
    }
    if (HasTempDaempfung(nTyp)) {
        QCOMPARE(actual.GetTempDaempfung(), expected.GetTempDaempfung());
    }
    if (HasImages(nTyp)) {
        QCOMPARE(actual.GetOffset(), expected.GetOffset());
        QCOMPARE(actual.GetSpanne(), expected.GetSpanne());
        // The types without a keyboard lock hold 0 whatever the document said.
        QCOMPARE(actual.GetTastatursperre(),
                 CTypKatalog::HasTastatursperre(nTyp) ? expected.GetTastatursperre() : 0);
        QCOMPARE(actual.GetNullpunktsfenster(), expected.GetNullpunktsfenster());
    }
}
