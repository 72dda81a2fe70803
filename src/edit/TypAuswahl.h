#pragma once

#include "base/TypKatalog.h"

#include <array>

/// The hand choice of the transmitter type ("Transmitter-Typ..."): the seven types that cannot be told
/// from an identification alone, in the order of the dialog's buttons.
class CTypAuswahl {
public:
    static constexpr int kKnoepfe = CTypKatalog::kAuswahlKnoepfe;

    static const std::array<int, kKnoepfe>& Typen();
    /// The button of a type; a type without a button gives the first.
    static int KnopfFor(int nTyp);
    /// The type of a button; a button outside 0..6 gives the first button's type.
    static int TypFor(int nKnopf);
};
