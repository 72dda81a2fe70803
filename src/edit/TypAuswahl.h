#pragma once

#include <array>

/// The hand choice of the transmitter type ("Transmitter-Typ..."): the seven types that cannot be told
/// from an identification alone, in the order of the dialog's buttons.
class CTypAuswahl {
public:
    static constexpr int kKnoepfe = 7;

    static const std::array<int, kKnoepfe>& Typen();
    /// The button of a type; a type without a button (2, 5, 6, 7, any unknown) gives the first.
    static int KnopfFor(int nTyp);
    /// The type of a button; a button outside 0..6 gives the first button's type.
    static int TypFor(int nKnopf);
};
