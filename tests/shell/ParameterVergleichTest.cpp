// Comparing two parameter sets as the form shows them: differences by name, rounding within a field's
// resolution, another type, the scope of a read-back and the per-row take-over.

#include "shell/ParameterVergleich.h"

#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"

#include <QTest>

namespace {

void Fill(CQuillonDoc& doc, int nTyp) {
    doc.SetTyp(nTyp);
    doc.SetDezimalstellen(3);
    doc.SetGrundAnfang(0.0f);
    doc.SetGrundEnde(40.0f);
    doc.SetMessAnfang(0.0f);
    doc.SetMessEnde(25.0f);
    doc.SetDaempfung(1.5f);
    doc.SetTempDaempfung(2.0f);
    doc.SetBezeichnungText(QStringLiteral("PT-100"));
}

const CParameterVergleich::Zeile* Row(const CParameterVergleich::Ergebnis& ergebnis, const QString& feld) {
    for (const CParameterVergleich::Zeile& zeile : ergebnis.zeilen) {
        if (zeile.feld == feld) {
            return &zeile;
        }
    }
    return nullptr;
}

} // namespace

class ParameterVergleichTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_op;
    const QLocale m_c = QLocale::c();

private Q_SLOTS:
    void equalSetsAndNamedDifferences() {
        CQuillonDoc a(m_op, QString());
        CQuillonDoc b(m_op, QString());
        Fill(a, 2);
        Fill(b, 2);
        QVERIFY(CParameterVergleich::Vergleiche(a, b, m_c).Gleich());

        b.SetMessEnde(20.0f);
        b.SetBezeichnungText(QStringLiteral("PT-101"));
        const CParameterVergleich::Ergebnis ergebnis = CParameterVergleich::Vergleiche(a, b, m_c);
        QVERIFY(!ergebnis.Gleich());
        QCOMPARE(ergebnis.VerschiedeneFelder(), (QStringList{"m_strBezeichnung", "m_fMessEnde"}));
        const CParameterVergleich::Zeile* mess = Row(ergebnis, "m_fMessEnde");
        QVERIFY(mess);
        // As the form shows it: signed, its decimals, the locale's separator, the display unit.
        const QString einheit = a.GetAnzeigeEinheitText().trimmed();
        QCOMPARE(mess->links, (QStringList{"+25.000", einheit}.join(' ')).trimmed());
        QCOMPARE(mess->rechts, (QStringList{"+20.000", einheit}.join(' ')).trimmed());
        QVERIFY(Row(CParameterVergleich::Vergleiche(a, b, QLocale(QLocale::German)), "m_fMessEnde")
                    ->rechts.startsWith(QStringLiteral("+20,000")));
    }

    void roundingWithinTheResolutionIsNoDifference() {
        CQuillonDoc a(m_op, QString());
        CQuillonDoc b(m_op, QString());
        Fill(a, 2);
        Fill(b, 2);
        a.SetDaempfung(1.25f); // the transmitter keeps tenths of a second
        b.SetDaempfung(1.3f);
        a.SetMessEnde(25.0004f);
        b.SetStromgrenzeMin(3.8049f);
        QVERIFY2(CParameterVergleich::Vergleiche(a, b, m_c).Gleich(),
                 qPrintable(CParameterVergleich::Vergleiche(a, b, m_c).VerschiedeneFelder().join(',')));
        b.SetDaempfung(1.4f);
        QCOMPARE(CParameterVergleich::Vergleiche(a, b, m_c).VerschiedeneFelder(),
                 QStringList{"m_fDaempfung"});
    }

    void anotherTypeComparesNothing() {
        CQuillonDoc a(m_op, QString());
        CQuillonDoc b(m_op, QString());
        Fill(a, 2);
        Fill(b, 10);
        const CParameterVergleich::Ergebnis ergebnis = CParameterVergleich::Vergleiche(a, b, m_c);
        QVERIFY(ergebnis.bTypVerschieden);
        QVERIFY(!ergebnis.Gleich());
        QVERIFY(ergebnis.zeilen.isEmpty());
        QCOMPARE(ergebnis.nTypRechts, 10);
    }

    void fieldsFollowTheTypeAndTheScope() {
        CQuillonDoc a(m_op, QString());
        CQuillonDoc b(m_op, QString());
        Fill(a, 2);
        Fill(b, 2);
        b.SetSeriennummer("4711");
        b.SetOffset(0.5f);
        // A whole compare names the serial number; a read-back check does not (a send never writes it).
        QVERIFY(
            CParameterVergleich::Vergleiche(a, b, m_c).VerschiedeneFelder().contains("m_strSeriennummer"));
        const CParameterVergleich::Ergebnis gesendet =
            CParameterVergleich::Vergleiche(a, b, m_c, CParameterVergleich::Umfang::Gesendet);
        QCOMPARE(gesendet.VerschiedeneFelder(), QStringList{"m_fOffset"});
        // The command types write no offset: a read-back of theirs does not compare it.
        Fill(a, 0);
        Fill(b, 0);
        QVERIFY(CParameterVergleich::Vergleiche(a, b, m_c, CParameterVergleich::Umfang::Gesendet).Gleich());
        // Only the RX31 has a temperature damping on its form.
        b.SetTempDaempfung(9.0f);
        QVERIFY(!Row(CParameterVergleich::Vergleiche(a, b, m_c), "m_fTempDaempfung"));
    }

    void tablePointsInUseOnEitherSide() {
        CQuillonDoc a(m_op, QString());
        CQuillonDoc b(m_op, QString());
        Fill(a, 2);
        Fill(b, 2);
        a.SetLinTabAnzahl(2);
        b.SetLinTabAnzahl(3);
        for (int i = 0; i < 3; ++i) {
            a.SetLinTabX(i, 4.0f + 8.0f * i);
            b.SetLinTabX(i, 4.0f + 8.0f * i);
            a.SetLinTabY(i, 12.5f * i);
            b.SetLinTabY(i, 12.5f * i);
        }
        const CParameterVergleich::Ergebnis ergebnis = CParameterVergleich::Vergleiche(a, b, m_c);
        QCOMPARE(ergebnis.VerschiedeneFelder(),
                 (QStringList{"m_nLinTabAnzahl", "m_fLinTabX[2]", "m_fLinTabY[2]"}));
        QVERIFY(Row(ergebnis, "m_fLinTabX[2]")->links.isEmpty());
    }

    void takeOverCopiesOneField() {
        CQuillonDoc datei(m_op, QString());
        CQuillonDoc geraet(m_op, QString());
        Fill(datei, 2);
        Fill(geraet, 2);
        geraet.SetDaempfung(7.0f);
        geraet.SetMessEnde(30.0f);
        geraet.SetLinTabY(4, 11.0f);
        datei.SetModifiedFlag(false);
        QVERIFY(CParameterVergleich::Uebernehmen("m_fDaempfung", geraet, datei));
        QCOMPARE(datei.GetDaempfung(), 7.0f);
        QCOMPARE(datei.GetMessEnde(), 25.0f); // the other fields stay
        QVERIFY(datei.IsModified());
        QVERIFY(CParameterVergleich::Uebernehmen("m_fLinTabY[4]", geraet, datei));
        QCOMPARE(datei.GetLinTabY(4), 11.0f);
        QVERIFY(!CParameterVergleich::Uebernehmen("m_fLinTabY[30]", geraet, datei));
        QVERIFY(!CParameterVergleich::Uebernehmen("m_nUnbekannt", geraet, datei));
    }
};

QTEST_GUILESS_MAIN(ParameterVergleichTest)
#include "ParameterVergleichTest.moc"
