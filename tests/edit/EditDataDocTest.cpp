// The editing dialogs against the document: what they load, the write-back (Abbrechen leaves the
// document alone, OK writes exactly the dialog's values), the range presets and the configuration values
// of the KA71 in its display unit.

#include "edit/EditDataDoc.h"

#include "ScriptedOperator.h"
#include "document/QuillonDoc.h"
#include "edit/EditDataRules.h"
#include "edit/KonfigurationRules.h"

#include <QSignalSpy>
#include <QTest>

class EditDataDocTest : public QObject {
    Q_OBJECT

    CScriptedOperator m_operator;
    const CEditDataRules m_rules{QLocale::c()};

    std::unique_ptr<CQuillonDoc> Doc(int typ) {
        auto doc = std::make_unique<CQuillonDoc>(m_operator, QString());
        doc->SetTyp(typ);
        doc->SetGrundAnfang(0.0f);
        doc->SetGrundEnde(10.0f);
        doc->SetMessAnfang(0.0f);
        doc->SetMessEnde(10.0f);
        doc->SetDezimalstellen(2);
        doc->SetEinheit(1);
        doc->SetAnzeigeEinheit(1);
        doc->SetBezeichnung("TANK 3");
        return doc;
    }

private Q_SLOTS:
    void loadShowsTheDocumentAndApplyWritesItBack() {
        for (int typ = 0; typ <= 10; ++typ) {
            std::unique_ptr<CQuillonDoc> doc = Doc(typ);
            const QByteArray before = doc->SaveToBytes();
            CEditDataValues werte = CEditDataDoc::Load(*doc, m_rules);
            QCOMPARE(werte.strBezeichnung, QStringLiteral("TANK 3"));
            QCOMPARE(m_rules.Validate(werte), std::nullopt);
            // A dialog closed with OK and nothing changed leaves the parameter set as it was.
            CEditDataDoc::Apply(werte, m_rules, *doc);
            QCOMPARE(doc->SaveToBytes(), before);
        }
    }

    void applyTakesTheEditedValues() {
        std::unique_ptr<CQuillonDoc> doc = Doc(2);
        QSignalSpy updated(doc.get(), &CQuillonDoc::documentUpdated);
        CEditDataValues werte = CEditDataDoc::Load(*doc, m_rules);
        werte.strMessAnfang = QStringLiteral("1");
        werte.strMessEnde = QStringLiteral("9");
        werte.strDaempfung = QStringLiteral("2.5");
        werte.strTempDaempfung = QStringLiteral("1.5");
        werte.strStromMin = QStringLiteral("4");
        werte.strBezeichnung = QStringLiteral("KESSEL");
        QCOMPARE(m_rules.SetLinKorrektur(werte, true), std::nullopt);
        CEditDataDoc::Apply(werte, m_rules, *doc);
        QCOMPARE(doc->GetMessAnfang(), 1.0f);
        QCOMPARE(doc->GetMessEnde(), 9.0f);
        QCOMPARE(doc->GetDaempfung(), 2.5f);
        QCOMPARE(doc->GetTempDaempfung(), 1.5f);
        QCOMPARE(doc->GetStromgrenzeMin(), 4.0f);
        QCOMPARE(doc->GetBezeichnung(), QByteArray("KESSEL              "));
        QCOMPARE(doc->GetLinTabAnzahl(), 30);
        QCOMPARE(doc->GetLinTabY(29), 9.0f);
        QVERIFY(doc->IsModified());
        QVERIFY(!updated.isEmpty());
    }

    void fallingCharacteristicOfTheRX26() {
        std::unique_ptr<CQuillonDoc> doc = Doc(3);
        doc->SetLinTabAnzahl(3);
        doc->SetLinTabY(1, 7.0f);
        CEditDataValues werte = CEditDataDoc::Load(*doc, m_rules);
        QVERIFY(!werte.bFallend);
        werte.bFallend = true;
        CEditDataDoc::Apply(werte, m_rules, *doc);
        QCOMPARE(doc->GetMessAnfang(), 10.0f);
        QCOMPARE(doc->GetMessEnde(), 0.0f);
        QVERIFY(CEditDataDoc::Load(*doc, m_rules).bFallend);
        // This variant writes no table.
        QCOMPARE(doc->GetLinTabAnzahl(), 3);
        QCOMPARE(doc->GetLinTabY(1), 7.0f);
    }

    void presetOnAnRX96() {
        std::unique_ptr<CQuillonDoc> doc = Doc(8);
        doc->SetGueltig(true);
        doc->SetTastatursperre(9);
        CEditDataValues werte = CEditDataDoc::LoadPreset(*doc, 0, m_rules);
        // Until "OK" the document is a cleared, invalid parameter set ("Abbrechen" leaves it so).
        QVERIFY(!doc->IsGueltig());
        QCOMPARE(werte.nEinheit, 2);
        QCOMPARE(werte.nDezimalstellen, 1);
        QCOMPARE(werte.strMessEnde, QStringLiteral("400"));
        QCOMPARE(werte.strFehlerstrom, QStringLiteral("3.5"));
        QCOMPARE(werte.strStromMin, QStringLiteral("3.8"));
        QCOMPARE(m_rules.Validate(werte), std::nullopt);
        CEditDataDoc::ApplyPreset(werte, m_rules, *doc);
        QVERIFY(doc->IsGueltig());
        QCOMPARE(doc->GetEinheit(), 2);
        QCOMPARE(doc->GetAnzeigeEinheit(), 2);
        QCOMPARE(doc->GetDezimalstellen(), 1);
        QCOMPARE(doc->GetGrundEnde(), 400.0f);
        QCOMPARE(doc->GetMessEnde(), 400.0f);
        QCOMPARE(doc->GetTastatursperre(), qint16(0));
        QCOMPARE(doc->GetEinheitText(), QStringLiteral("mbar"));
    }

    void presetsOfOtherTypes() {
        std::unique_ptr<CQuillonDoc> doc = Doc(2);
        CEditDataValues werte = CEditDataDoc::LoadPreset(*doc, 10, m_rules);
        CEditDataDoc::ApplyPreset(werte, m_rules, *doc);
        QCOMPARE(doc->GetGrundAnfang(), -1.0f);
        QCOMPARE(doc->GetGrundEnde(), 0.0f);
        QCOMPARE(doc->GetMessAnfang(), -1.0f);
        QCOMPARE(doc->GetMessEnde(), 0.0f);
        QCOMPARE(doc->GetEinheit(), 1);

        std::unique_ptr<CQuillonDoc> dreiLeiter = Doc(4);
        werte = CEditDataDoc::LoadPreset(*dreiLeiter, 6, m_rules);
        QCOMPARE(werte.strStromMin, QStringLiteral("0"));
        QCOMPARE(werte.strFehlerstrom, QStringLiteral("0"));
        QCOMPARE(m_rules.Validate(werte), std::nullopt);

        std::unique_ptr<CQuillonDoc> alt = Doc(0);
        werte = CEditDataDoc::LoadPreset(*alt, 0, m_rules);
        QCOMPARE(werte.nEinheit, 1);
        QCOMPARE(werte.strEinheit, QStringLiteral("mbar"));

        std::unique_ptr<CQuillonDoc> ka71 = Doc(10);
        ka71->SetFreiEnde(77);
        werte = CEditDataDoc::LoadPreset(*ka71, 6, m_rules);
        QCOMPARE(m_rules.ChangeAnzeigeEinheit(werte, 2).bUebernommen, true);
        CEditDataDoc::ApplyPreset(werte, m_rules, *ka71);
        QCOMPARE(ka71->GetEinheit(), 1);
        QCOMPARE(ka71->GetAnzeigeEinheit(), 2);
        QCOMPARE(ka71->GetFreiEnde(), qint16(1000));
        QCOMPARE(ka71->GetMessEnde(), 10000.0f);
    }

    void configurationOfTheKA71InItsDisplayUnit() {
        std::unique_ptr<CQuillonDoc> doc = Doc(10);
        doc->SetDezimalstellen(3);
        doc->SetAnzeigeEinheit(2); // mbar
        doc->SetOffset(0.05f);
        const CKonfigurationRules rules(QLocale::c());
        CKonfigurationValues werte = CEditDataDoc::LoadKonfiguration(*doc, rules, QLocale::c());
        QCOMPARE(werte.strOffset, QStringLiteral("50"));
        // 50 mbar on a 10 bar sensor is half a percent: well inside a tenth of the span.
        QCOMPARE(rules.Validate(werte), std::nullopt);
        werte.strOffset = QStringLiteral("-100");
        werte.strTastensperre = QStringLiteral("123");
        CEditDataDoc::ApplyKonfiguration(werte, rules, *doc);
        QCOMPARE(doc->GetOffset(), -0.1f);
        QCOMPARE(doc->GetTastatursperre(), qint16(123));

        // A KA71 without base span: no division by zero on the way in, nothing stored on the way out.
        std::unique_ptr<CQuillonDoc> flat = Doc(10);
        flat->SetGrundEnde(0.0f);
        flat->SetOffset(0.5f);
        werte = CEditDataDoc::LoadKonfiguration(*flat, rules, QLocale::c());
        QCOMPARE(werte.strOffset, QStringLiteral("0.5"));
        QCOMPARE(rules.Validate(werte)->text, QStringLiteral("Der Grundmessbereich hat keine Spanne."));

        std::unique_ptr<CQuillonDoc> rx26 = Doc(3);
        rx26->SetTastatursperre(4);
        werte = CEditDataDoc::LoadKonfiguration(*rx26, rules, QLocale::c());
        QCOMPARE(werte.fSpanne, 10.0f);
        werte.strTastensperre = QStringLiteral("99");
        werte.strNullpunkt = QStringLiteral("12.7");
        CEditDataDoc::ApplyKonfiguration(werte, rules, *rx26);
        QCOMPARE(rx26->GetTastatursperre(), qint16(4));
        QCOMPARE(rx26->GetNullpunktsfenster(), qint16(12));
    }
};

QTEST_GUILESS_MAIN(EditDataDocTest)
#include "EditDataDocTest.moc"
