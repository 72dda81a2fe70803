#pragma once

#include "base/Einheiten.h"
#include "core/ValidationProblem.h"
#include "edit/EditDataValues.h"
#include "edit/LinTabRules.h"

#include <QCoreApplication>
#include <QLocale>
#include <optional>
#include <utility>

/// The logic of the dialog "Daten editieren" in its four variants: the checks on "OK" in their order
/// with their messages, the hint line, "Rücksetzen", the "Lin.-Korrektur:" box with its table, the
/// table editor it opens, the falling characteristic of the RX26/KA52/KA28 and the KA71 display unit.
class CEditDataRules {
    Q_DECLARE_TR_FUNCTIONS(CEditDataRules)

public:
    using Variante = CEditDataValues::Variante;

    static constexpr int kBezeichnungMax = 20;
    static constexpr float kDaempfungMax = 200.0f;
    static constexpr float kStromMin = 3.5f;
    static constexpr float kStromMax = 22.5f;
    static constexpr int kMedien = 3;

    /// Values for the numeric fields of a parameter set once the checks passed.
    struct Zahlen {
        float fMessAnfang = 0.0f;
        float fMessEnde = 0.0f;
        float fDaempfung = 0.0f;
        float fTempDaempfung = 0.0f;
        float fStromMin = 0.0f;
        float fStromMax = 0.0f;
        float fFehlerstrom = 0.0f;
    };

    /// The outcome of a display unit change: taken, or refused because the fields do not pass the check
    /// (problem set) or because the range does not fit the display in the new unit (the selection
    /// returns to the old unit).
    struct EinheitWechsel {
        bool bUebernommen = false;
        std::optional<ValidationProblem> problem;
    };

    explicit CEditDataRules(QLocale locale);

    static Variante VarianteFor(int nTyp);
    /// Turn-down ratio: 100 for the VN62, 5 for the RX96 and RX84, 4 for every other type.
    static int MaxSpreizung(int nTyp);
    /// "Dämpfung Temp.:" is a field of the RX31 only.
    static bool HatTempDaempfung(const CEditDataValues& werte);

    const QLocale& Locale() const { return m_locale; }
    QString Text(double value) const;
    /// The field texts of the numbers in werte's fields (the caller sets the context first).
    void SetZahlen(CEditDataValues& werte, const Zahlen& zahlen) const;
    /// The numbers of the fields; only meaningful after Validate passed.
    Zahlen GetZahlen(const CEditDataValues& werte) const;

    std::optional<ValidationProblem> Validate(const CEditDataValues& werte) const;
    QString Hint(const CEditDataValues& werte, int nFeld) const;
    void Reset(CEditDataValues& werte) const;

    /// Checking the box checks every field first (a failure leaves it unchecked) and generates 30
    /// points; unchecking clears the table.
    std::optional<ValidationProblem> SetLinKorrektur(CEditDataValues& werte, bool bOn) const;
    /// A keystroke in an output range field invalidates the generated table (not in the KA71, whose
    /// table lives on its own scale).
    static void MessbereichEdited(CEditDataValues& werte);

    /// The table editor that "Edit" opens, filled from the dialog.
    CLinTabValues LinTabEditor(const CEditDataValues& werte, const CLinTabRules& rules) const;
    /// Takes over what the table editor handed back after its "OK".
    static void TakeLinTab(CEditDataValues& werte, const CLinTabRules::Ergebnis& ergebnis);

    EinheitWechsel ChangeAnzeigeEinheit(CEditDataValues& werte, int nNeu) const;

    static QString MsgSpreizung4();
    static QString MsgSpreizung(int nSpreizung);
    static QString MsgMinMax();
    /// A text holds a character the transmitter cannot store.
    static QString MsgZeichen();

private:
    std::optional<ValidationProblem> CheckCommon(const CEditDataValues& werte, Zahlen& z) const;
    std::optional<ValidationProblem> CheckEditData(const CEditDataValues& werte) const;
    std::optional<ValidationProblem> CheckRX31(const CEditDataValues& werte) const;
    std::optional<ValidationProblem> CheckKA71(const CEditDataValues& werte) const;
    std::optional<ValidationProblem> CheckRX30(const CEditDataValues& werte) const;
    std::optional<ValidationProblem> CheckFloat(const QString& text, int nFeld, float lo, float hi,
                                                float& value) const;
    std::optional<ValidationProblem> CheckNumber(const QString& text, int nFeld, float& value) const;
    static std::optional<ValidationProblem> CheckBezeichnung(const QString& text);
    std::optional<ValidationProblem> CheckInRange(const Zahlen& z, float lo, float hi) const;
    static std::optional<ValidationProblem> CheckSpreizung(float a, float b, int nSpreizung);
    static std::optional<ValidationProblem> CheckMinMax(const Zahlen& z);
    float Value(const QString& text) const;
    QString RangeHint(const CEditDataValues& werte) const;
    /// The KA71's converter from the transmitter's unit to the display unit, on the base range.
    static CEinheiten KA71Converter(const CEditDataValues& werte);
    /// The base range in the display unit at display resolution: the output range's limits.
    static std::pair<float, float> KA71Bereich(const CEditDataValues& werte);

    QLocale m_locale;
};
