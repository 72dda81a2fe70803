#pragma once

#include "core/ValidationProblem.h"
#include "edit/LinTabValues.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <optional>

/// The logic of the three table editors "Linearitätskorrektur": row states, the point count choice,
/// the KA71 free range and "Komma:", and the check on "OK" with its messages.
class CLinTabRules {
    Q_DECLARE_TR_FUNCTIONS(CLinTabRules)

public:
    /// Field numbers of a problem: the output cell of row i is i, its measured cell kFeldY + i.
    static constexpr int kFeldY = CLinTabelle::kPunkte;
    static constexpr int kFeldFreiAnfang = 2 * CLinTabelle::kPunkte;
    static constexpr int kFeldFreiEnde = kFeldFreiAnfang + 1;
    static constexpr int kKommaAnzahl = 4;

    struct RowState {
        bool bEnabled = false;
        bool bReadOnly = false;
        bool bVisible = true;
    };

    explicit CLinTabRules(QLocale locale);

    const QLocale& Locale() const { return m_locale; }

    /// The editor on a table: counts outside 3..30 are bounded (the KA71 editor keeps "radiziert"), the
    /// KA71 editor converts its stored pairs to shown values.
    CLinTabValues Load(CLinTabValues::Art eArt, const CLinTabelle& table, float fWert4mA, float fWert20mA,
                       const QString& strEinheit, int nDezimalstellen) const;
    CLinTabValues LoadKA71(const CLinTabelle& stored, const CLinTabGenerator::KA71Bereich& bereich,
                           const QString& strEinheit, int nAnzeigeEinheit) const;

    /// The entries of "Stützpunkte": "3".."30", for the KA71 editor "radiziert" first.
    static QStringList AnzahlTexte(CLinTabValues::Art eArt);
    /// The entries of "Komma:".
    static QStringList KommaTexte();
    static int AnzahlToIndex(const CLinTabValues& werte);
    static int IndexToAnzahl(CLinTabValues::Art eArt, int nIndex);

    /// A new count discards the edited rows and regenerates the table evenly.
    void SetAnzahl(CLinTabValues& werte, int nAnzahl) const;
    static RowState Row(const CLinTabValues& werte, int nRow);

    /// The free range start or end was left: takes the typed value (text that does not parse counts as
    /// 0) and shows the table in the new range. A value outside +-9999 counts returns its message and
    /// changes nothing.
    std::optional<ValidationProblem> FreiBereichVerlassen(CLinTabValues& werte, int nFeld) const;
    void SetKomma(CLinTabValues& werte, int nKomma) const;

    std::optional<ValidationProblem> Validate(const CLinTabValues& werte) const;
    struct Ergebnis {
        CLinTabelle table;
        /// KA71: the free range and decimal point to hand back.
        CLinTabGenerator::KA71Bereich bereich;
    };

    /// What to hand back after a successful Validate (KA71: the stored pairs, count 0 = "radiziert",
    /// with a free range typed but not yet left taken over).
    Ergebnis Result(const CLinTabValues& werte) const;

    static QString Msg21010(double lo, double hi, int nPrecision, const QLocale& locale);
    static QString Msg21009(double step, int nPrecision, const QLocale& locale);

private:
    struct Column {
        int nFeld;
        const std::array<QString, CLinTabelle::kPunkte>* texts;
        float lo;
        float hi;
        int nPrecision;
        /// Factor of the step check, 0 for none; negative for a falling column.
        double e;
        /// Precision of the step message.
        int nStepPrecision;
    };

    std::optional<ValidationProblem> CheckColumn(const Column& column, int nAnzahl) const;
    std::optional<ValidationProblem> CheckFreiBereich(const CLinTabValues& werte) const;
    std::optional<ValidationProblem> CheckProzent(const CLinTabValues& werte) const;
    std::optional<ValidationProblem> CheckDruck(const CLinTabValues& werte) const;
    std::optional<ValidationProblem> CheckKA71(const CLinTabValues& werte) const;
    static bool StepTooSmall(float value, float previous, double e);
    double Value(const QString& text) const;
    void ShowTable(CLinTabValues& werte, const CLinTabelle& table) const;
    void ShowKA71(CLinTabValues& werte) const;
    /// Cells the user changed become stored pairs in the current range, so that a new range keeps them.
    void TakeEditedKA71(CLinTabValues& werte) const;
    CLinTabelle Parsed(const CLinTabValues& werte) const;

    QLocale m_locale;
};
