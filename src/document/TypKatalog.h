#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <optional>

/// The eleven transmitter types (m_nTyp 0 to 10): their display names, unit names, wiring and how the
/// type is recognised from the transmitter's identification. Any other type number has empty names.
class CTypKatalog {
    Q_DECLARE_TR_FUNCTIONS(CTypKatalog)

public:
    static constexpr int kTypAnzahl = 11;
    static constexpr int kKA71 = 10;
    static constexpr int kVN62 = 7;

    static bool IsGueltigerTyp(int nTyp);
    static QString GetTypText(int nTyp);
    /// The unit name of the list of the type's family: types 0 and 1 have their own list, the KA71 its
    /// own, every other type the common one. A unit index the list does not hold gives an empty text.
    static QString GetEinheitText(int nTyp, int nEinheit);
    /// As GetEinheitText, but the KA71 uses the common list too.
    static QString GetEinheitTextFor(int nTyp, int nEinheit);
    /// Types 4 and 6; their interface echoes the line.
    static bool IsDreiLeiter(int nTyp);
    static bool IsKA71(int nTyp);

    /// The type an identification text names, or nothing when it names none. An identification that
    /// names a model whose decisive character it does not hold (the sixth of an RX30, the third of a
    /// "V2") is a program error (CProgramError).
    static std::optional<int> TypFromKennung(QByteArrayView kennung);
    /// The extended function set, judged from the identification reply as received (frame included).
    /// Nothing when the reply is 10 characters or shorter: then it cannot tell.
    static std::optional<bool> ErweitertFromReply(QByteArrayView reply);
};
