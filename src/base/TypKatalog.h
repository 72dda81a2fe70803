#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>
#include <vector>

/// The eleven transmitter types (m_nTyp 0 to 10), one row each: everything the program does differently
/// for a type is a column of its row, so adding or fixing a type means editing one row. Any other type
/// number has no row: empty names, no connection, nothing to send.
class CTypKatalog {
    Q_DECLARE_TR_FUNCTIONS(CTypKatalog)

public:
    static constexpr int kTypAnzahl = 11;
    static constexpr int kKA71 = 10;
    /// The mode code of a type that no PL45 serves.
    static constexpr int kKeinModus = -1;
    /// The hand type choice offers seven types; the others are told by their identification.
    static constexpr int kAuswahlKnoepfe = 7;
    static constexpr int kKeineAuswahl = -1;

    /// How the connection reaches the transmitter.
    enum class Verbindung {
        Direkt,   ///< identification only; needs a PL45 (an interface with its own commands)
        MitReset, ///< interface mode (PL45), RTS reset pulse, then identification
    };
    /// How the parameter set is written.
    enum class Senden {
        Befehle,  ///< single commands and table blocks (0x45 ... 0x4F)
        Bild,     ///< memory images of the 2-wire block layout (0x85 ... 0x87)
        BildKA71, ///< memory images of the KA71 block layout
    };
    /// How the linearization table is read.
    enum class Tabelle {
        Bloecke,    ///< ten blocks of three 16-bit points, all read when one point is used
        Punkte,     ///< point by point, current in mA and a share of the set range
        PunkteKA71, ///< point by point as plain integers
    };
    /// Which list names the units.
    enum class EinheitenListe { Alt, Gemeinsam, KA71 };

    /// What the output is set by: a set range (value at 4 mA and at 20 mA), or only the direction of the
    /// characteristic ("steigend" / "fallend") over the base range.
    enum class Ausgang { Messbereich, Kennlinie };
    /// The damping row of the configuration sheet: a plain "Dämpfung", the pressure damping "(DP)" of the
    /// transmitters with a display, or none.
    enum class BlattDaempfung { Keine, Einfach, Druck };
    /// The variant of "Daten editieren" ("Aktuelle Daten...").
    enum class EditVariante { EditData, RX31_3x, RX30, KA71 };
    /// The form of the calibration record and the factory submenu whose commands serve the type. RX93: the
    /// oldest transmitters, with no calibration record of the later kind (calibrated through the RX93
    /// commands); RX31: the record of the 2-wire layout; VN62 and KA71: their own layouts.
    enum class AbgleichForm { RX93, RX31, VN62, KA71 };
    /// How the calibration wizard treats the type: not offered, with the standard presets of a new
    /// record, or with the KA28's own (0 to -50 mbar at the highest gain, no output calibration).
    enum class Wizard { Keiner, Standard, KA28 };

    /// An RTS pulse that restarts the transmitter: the pause before it, how long RTS is held on (the
    /// transmitter stays in reset), and the time the transmitter needs to boot afterwards.
    struct ResetPuls {
        int nVorMs;
        int nAnMs;
        int nNachMs;
    };

    /// How far a person may trim the transmitter ("Offsetkorrektur", "Spannekorrektur"), either way.
    struct Correction {
        float fOffsetDivisor; ///< the offset correction reaches the base span divided by this
        float fSpanPercent;   ///< the span correction reaches this many % of full scale
    };

    struct Typ {
        const char* text; ///< display name (translated by GetTypText)
        int nLeiter;      ///< 2 or 3; the interface of a 3-wire transmitter echoes every byte sent
        Verbindung verbindung;
        int nModus;         ///< interface mode code for 0xF1, or kKeinModus
        ResetPuls pulsPL45; ///< after the interface mode (MitReset only)
        ResetPuls pulsPL40; ///< on an interface without commands of its own (MitReset only)
        Senden senden;
        bool bTastatursperre; ///< has a keyboard lock and the reserve word; without, the send writes 0
        Tabelle tabelle;
        bool bTemperatur; ///< measures a temperature besides the value
        EinheitenListe einheiten;
        bool bKA71; ///< display-range scaling, set range on 0..10000, free range, 2-digit units

        // What the form, the sheet and the dialogs show of the type, and how it is calibrated.
        Ausgang ausgang;
        bool bTempDaempfung; ///< the temperature damping ("DT") is shown and edited
        BlattDaempfung blattDaempfung;
        bool bBlattTastatursperre; ///< the sheet shows the key lock ("TAST") row
        EditVariante edit;
        int nMaxSpreizung;      ///< turn-down ratio the edit dialog allows ("Maximale Spreizung")
        bool bLinTabProzent;    ///< the linearization table's values are percent of the set range
        bool bKonfiguration;    ///< "Konfiguration..." opens its dialog (zero window and key lock in the
                                ///< memory image); without, the correction loop runs and ends after the span
        bool bMehrereMesswerte; ///< the measured reply carries the further values P1 and P2
        AbgleichForm abgleich;
        bool bAnalogAbgleich; ///< served by the "RX30 / RX31 / RX84 / RX96" submenu ("Analogabgleich...")
        Wizard wizard;
        int nAuswahl; ///< button of the hand type choice (0..6), or kKeineAuswahl
        /// The model code of a transmitter that is easily taken for this type; the connection asks the
        /// user to check the type when it answers. nullptr: none.
        const char* verwechselbar;
        Correction correction; ///< offset and span correction limits
    };

    static bool IsGueltigerTyp(int nTyp);
    /// The row of a type; nullptr for a number outside 0..10.
    static const Typ* Find(int nTyp);
    /// A yes/no column of the type's row; false for a number without a row.
    static bool Has(int nTyp, bool Typ::*column) {
        const Typ* typ = Find(nTyp);
        return typ != nullptr && typ->*column;
    }
    /// Whether a column of the type's row holds the value; false for a number without a row.
    template <class Column>
    static bool Is(int nTyp, Column Typ::*column, Column value) {
        const Typ* typ = Find(nTyp);
        return typ != nullptr && typ->*column == value;
    }
    static QString GetTypText(int nTyp);
    /// The unit name of the list of the type's family: types 0 and 1 have their own list, the KA71 its
    /// own, every other type the common one. A unit index the list does not hold gives an empty text.
    static QString GetEinheitText(int nTyp, int nEinheit);
    /// As GetEinheitText, but the KA71 uses the common list too.
    static QString GetEinheitTextFor(int nTyp, int nEinheit);
    /// 3-wire types; their interface echoes the line.
    static bool IsDreiLeiter(int nTyp);
    static bool IsKA71(int nTyp);
    /// Whether the send writes the keyboard lock and the reserve word as they are (else as 0).
    static bool HasTastatursperre(int nTyp);

    /// The form of the type's calibration record; a number without a row has none of the later kind (RX93).
    static AbgleichForm AbgleichFormOf(int nTyp);
    /// The type that stands for a calibration form when a factory menu reads a record of that form.
    static int TypOf(AbgleichForm form);
    static bool HasAnalogAbgleich(int nTyp);
    /// The variant of "Daten editieren"; a number without a row uses the plain one.
    static EditVariante EditVarianteOf(int nTyp);
    /// How the wizard treats the type; a number without a row is not offered.
    static Wizard WizardOf(int nTyp);
    /// The types of the hand type choice, in the order of its buttons.
    static std::array<int, kAuswahlKnoepfe> AuswahlTypen();
    /// The types the calibration wizard offers, in the order of its list.
    static std::vector<int> WizardTypen();

    /// The type an identification text names, or nothing when it names none. An identification that
    /// names a model whose decisive character it does not hold (the sixth of an RX30, the third of a
    /// "V2") is a program error (CProgramError).
    static std::optional<int> TypFromKennung(QByteArrayView kennung);
    /// The extended function set, judged from the identification reply as received (frame included).
    /// Nothing when the reply is 10 characters or shorter: then it cannot tell.
    static std::optional<bool> ErweitertFromReply(QByteArrayView reply);
};
