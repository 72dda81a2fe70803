// The type table against what each transmitter type is, one row per type and every column, asked through
// the rules that use it: a wrong cell, or a rule that stops asking the table, shows up here for the type.

#include "base/TypKatalog.h"

#include "access/HardwareSetupRules.h"
#include "calibration/AbglMessbereichRules.h"
#include "calibration/AbglWizardRules.h"
#include "calibration/AbgleichLayout.h"
#include "calibration/AnalogAbgleichRules.h"
#include "calibration/CalibrationTransfer.h"
#include "edit/EditDataRules.h"
#include "edit/KonfigurationRules.h"
#include "edit/LinTabGenerator.h"
#include "edit/TypAuswahl.h"
#include "measurement/MessAnzeige.h"
#include "shell/EnableRules.h"
#include "shell/FormModel.h"

#include <QTest>

namespace {

using T = CTypKatalog;
using S = T::Senden;
using BD = T::BlattDaempfung;
using Ed = T::EditVariante;
using AF = T::AbgleichForm;

constexpr int kNone = -1;

struct Expected {
    // identification and connection
    const char* text;
    int nLeiter;
    bool bReset; ///< connects with interface mode and RTS reset
    int nModus;  ///< kNone: no PL45 serves it
    S senden;
    bool bTastatursperre; ///< the memory image keeps the key lock (types 3 to 6 send 0)
    bool bTemperatur;
    const char* einheit2; ///< unit index 2 in the type's list
    bool bKA71;
    // form, sheet and dialogs
    bool bKennlinie;
    bool bTempDaempfung;
    BD blatt;
    bool bBlattTast;
    Ed edit;
    int nSpreizung;
    bool bLinTabProzent;
    bool bKonfiguration;
    bool bP1P2;
    // calibration and choices
    AF abgleich;
    int nReadCount; ///< words a record read fetches without the extended set
    bool bAnalog;   ///< rule RA
    int nWizard;    ///< entry of the wizard's list, kNone
    bool bKA28;
    int nKnopf; ///< button of the hand type choice, kNone
    const char* verwechselbar;
};

// clang-format off
const Expected kTypen[T::kTypAnzahl] = {
    // text                   wires reset mode   send        lock   temp   unit 2   KA71   charac. DT     sheet        TAST   edit          spread lin%   config P1P2   form     read analog wizard KA28  button mistaken
    {"RX89 bis V. 2.2",        2, true,  0,     S::Befehle,  true,  false, "mmWS", false, false, false, BD::Einfach, false, Ed::EditData, 4,   true,  false, false, AF::RX93, 83,  false, kNone, false, 5,     nullptr},
    {"RX89 ab V. 2.3",         2, true,  0,     S::Befehle,  true,  false, "mmWS", false, false, false, BD::Einfach, false, Ed::EditData, 4,   false, false, false, AF::RX93, 83,  false, kNone, false, 4,     nullptr},
    {"RX31",                   2, false, 5,     S::Bild,     true,  true,  "mbar", false, false, true,  BD::Druck,   true,  Ed::RX31_3x,  4,   false, true,  false, AF::RX31, 94,  true,  kNone, false, kNone, "RX30"},
    {"RX26 2-Leiter",          2, false, 5,     S::Bild,     false, false, "mbar", false, true,  false, BD::Einfach, false, Ed::RX30,     4,   false, true,  false, AF::RX31, 94,  true,  0,     false, 0,     "RX31"},
    {"RX26 3-Leiter",          3, true,  kNone, S::Bild,     false, false, "mbar", false, true,  false, BD::Keine,   false, Ed::RX30,     4,   false, true,  false, AF::RX31, 94,  true,  1,     false, 1,     nullptr},
    {"KA52 / KA53 2-Leiter",   2, false, 5,     S::Bild,     false, false, "mbar", false, true,  false, BD::Keine,   false, Ed::RX30,     4,   false, true,  false, AF::RX31, 94,  false, 2,     false, kNone, nullptr},
    {"KA28 3-Leiter",          3, true,  5,     S::Bild,     false, false, "mbar", false, true,  false, BD::Keine,   false, Ed::RX30,     4,   false, true,  false, AF::RX31, 94,  false, 3,     true,  kNone, nullptr},
    {"VN62 2-Leiter",          2, false, 5,     S::Bild,     true,  true,  "mbar", false, false, false, BD::Druck,   true,  Ed::RX31_3x,  100, false, true,  true,  AF::VN62, 150, false, kNone, false, kNone, nullptr},
    {"RX96 2-Leiter",          2, false, 5,     S::Bild,     true,  true,  "mbar", false, false, false, BD::Druck,   true,  Ed::RX31_3x,  5,   false, true,  false, AF::RX31, 94,  true,  kNone, false, 2,     nullptr},
    {"RX84 2-Leiter",          2, false, 5,     S::Bild,     true,  true,  "mbar", false, false, false, BD::Druck,   true,  Ed::RX31_3x,  5,   false, true,  false, AF::RX31, 94,  true,  kNone, false, 3,     nullptr},
    {"KA71 2-Leiter",          2, true,  0,     S::BildKA71, true,  false, "mBar", true,  false, false, BD::Druck,   true,  Ed::KA71,     4,   false, true,  false, AF::KA71, 44,  true,  kNone, false, 6,     nullptr},
};
// clang-format on

bool Enabled(EnableRule rule, int typ, bool bAbgleich = true) {
    return CEnableRules::IsEnabled(rule, CommandState{true, true, typ, bAbgleich});
}

/// The wizard's range page accepts a range start of exactly lo and refuses one just below.
void CheckWizardRangeStart(int typ, double lo) {
    CAbglMessbereichRules::Values w;
    w.anfang = lo;
    w.abglAnfang = lo;
    w.ausgAnfang = 4;
    w.ausgEnde = 20;
    QVERIFY(!CAbglMessbereichRules::Validate(w, typ));
    w.anfang = lo - 0.5;
    const auto problem = CAbglMessbereichRules::Validate(w, typ);
    QVERIFY(problem && problem->Is(CAbglMessbereichRules::Field::Anfang));
}

} // namespace

class TypKatalogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTypeAsItIs_data() {
        QTest::addColumn<int>("typ");
        for (int typ = 0; typ < T::kTypAnzahl; ++typ) {
            QTest::addRow("%d %s", typ, kTypen[typ].text) << typ;
        }
    }

    void everyTypeAsItIs() {
        QFETCH(int, typ);
        const Expected& e = kTypen[typ];
        const T::Typ& row = *T::Find(typ);

        QCOMPARE(T::GetTypText(typ), QString::fromUtf8(e.text));
        QCOMPARE(row.nLeiter, e.nLeiter);
        QCOMPARE(T::IsDreiLeiter(typ), e.nLeiter == 3);
        QCOMPARE(row.verbindung == T::Verbindung::MitReset, e.bReset);
        QCOMPARE(row.nModus, e.nModus == kNone ? T::kKeinModus : e.nModus);
        QCOMPARE(row.senden, e.senden);
        QCOMPARE(T::HasTastatursperre(typ), e.bTastatursperre);
        QCOMPARE(CKonfigurationRules::TastensperreSichtbar(typ), e.bTastatursperre);
        QCOMPARE(CMessAnzeige::HasTemperatur(typ), e.bTemperatur);
        QCOMPARE(CKonfigurationRules::TemperaturSichtbar(typ), e.bTemperatur);
        QCOMPARE(T::GetEinheitText(typ, 2), QString::fromUtf8(e.einheit2));
        QCOMPARE(T::IsKA71(typ), e.bKA71);
        QCOMPARE(CKonfigurationRules::IstPasswort(typ), e.bKA71);

        const CFormModel::Layout layout = CFormModel::LayoutForType(typ);
        QCOMPARE(layout.bKennlinie, e.bKennlinie);
        QCOMPARE(layout.bMessbereich, !e.bKennlinie);
        QCOMPARE(layout.bLinTab, !e.bKennlinie);
        QCOMPARE(layout.bTempDaempfung, e.bTempDaempfung);
        QCOMPARE(row.blattDaempfung, e.blatt);
        QCOMPARE(row.bBlattTastatursperre, e.bBlattTast);
        QCOMPARE(CEditDataRules::VarianteFor(typ), e.edit);
        QCOMPARE(CEditDataRules::MaxSpreizung(typ), e.nSpreizung);
        // Three points from 0 to 10 bar: the last value is 100 % or the set range's end.
        QCOMPARE(CLinTabGenerator::ForEditData(typ, 3, 0.0f, 10.0f, 1).y[2],
                 e.bLinTabProzent ? 100.0f : 10.0f);
        QCOMPARE(row.bKonfiguration, e.bKonfiguration);
        QCOMPARE(CMessAnzeige::HasDruecke(typ), e.bP1P2);

        QCOMPARE(CAbgleichLayout::FormOf(typ), e.abgleich);
        QCOMPARE(CAbgleichLayout::HasRecord(typ), e.abgleich != AF::RX93);
        QCOMPARE(CAnalogAbgleichRules::IsCompatible(typ), e.abgleich != AF::RX93);
        QCOMPARE(CAbgleichLayout::ReadCount(typ, false), e.nReadCount);
        QCOMPARE(Enabled(EnableRule::RA, typ), e.bAnalog);
        QCOMPARE(Enabled(EnableRule::CRA, typ), e.bAnalog);
        QVERIFY(!Enabled(EnableRule::CRA, typ, false));
        QCOMPARE(Enabled(EnableRule::R01, typ), e.abgleich == AF::RX93);
        QCOMPARE(Enabled(EnableRule::R7, typ), e.abgleich == AF::VN62);
        QCOMPARE(Enabled(EnableRule::CR7, typ), e.abgleich == AF::VN62);
        QVERIFY(!Enabled(EnableRule::CR7, typ, false));
        QCOMPARE(Enabled(EnableRule::R10, typ), e.abgleich == AF::KA71);
        QCOMPARE(Enabled(EnableRule::CR10, typ), e.abgleich == AF::KA71);
        // "Abgleichdaten lesen...": the RX30/RX31/RX84/RX96 submenu reads other types as the RX31, the
        // VN62 submenu always as the VN62; the RX93 and KA71 submenus take the type as it is.
        QCOMPARE(CCalibrationTransfer::TypForRead(AF::RX31, typ), e.bAnalog ? typ : 2);
        QCOMPARE(CCalibrationTransfer::TypForRead(AF::VN62, typ), 7);
        QCOMPARE(CCalibrationTransfer::TypForRead(AF::RX93, typ), typ);
        QCOMPARE(CCalibrationTransfer::TypForRead(AF::KA71, typ), typ);

        QCOMPARE(CAbglWizardRules::TransmitterIndex(typ), e.nWizard == kNone ? 0 : e.nWizard);
        if (e.nWizard != kNone) {
            QCOMPARE(CAbglWizardRules::TypForTransmitterIndex(e.nWizard), typ);
        }
        QCOMPARE(CAbglWizardRules::HasKA28Presets(typ), e.bKA28);
        CheckWizardRangeStart(typ, e.bKA28 ? -9999 : -1000);
        QCOMPARE(CTypAuswahl::KnopfFor(typ), e.nKnopf == kNone ? 0 : e.nKnopf);
        QCOMPARE(CHardwareSetupRules::TransmitterIndexForTyp(typ), e.nKnopf == kNone ? 0 : e.nKnopf);
        if (e.nKnopf != kNone) {
            QCOMPARE(CTypAuswahl::TypFor(e.nKnopf), typ);
            QCOMPARE(CHardwareSetupRules::TypForTransmitterIndex(e.nKnopf), typ);
        }
        QCOMPARE(QByteArray(row.verwechselbar), QByteArray(e.verwechselbar));
    }

    /// A number without a row: no name, the plain dialog, no calibration command, no record.
    void numbersWithoutARow() {
        for (const int typ : {-1, T::kTypAnzahl}) {
            QVERIFY(T::Find(typ) == nullptr);
            QVERIFY(T::GetTypText(typ).isEmpty());
            QCOMPARE(CEditDataRules::VarianteFor(typ), Ed::EditData);
            QCOMPARE(CEditDataRules::MaxSpreizung(typ), 4);
            QVERIFY(!CFormModel::LayoutForType(typ).bKennlinie);
            QVERIFY(!CMessAnzeige::HasDruecke(typ));
            for (const EnableRule rule : {EnableRule::R01, EnableRule::RA, EnableRule::R7, EnableRule::R10}) {
                QVERIFY(!Enabled(rule, typ));
            }
            QVERIFY(!CAbgleichLayout::HasRecord(typ));
            QCOMPARE(CAbgleichLayout::ReadCount(typ, false), 83);
            QCOMPARE(CCalibrationTransfer::TypForRead(AF::RX31, typ), 2);
        }
        QCOMPARE(int(CAbglWizardRules::TransmitterTexts().size()), int(T::WizardTypen().size()));
    }
};

QTEST_GUILESS_MAIN(TypKatalogTest)
#include "TypKatalogTest.moc"
