#include "edit/TypAuswahl.h"

#include "base/TypKatalog.h"

namespace {

const std::array<int, CTypAuswahl::kKnoepfe> kTypen = CTypKatalog::AuswahlTypen();

} // namespace

const std::array<int, CTypAuswahl::kKnoepfe>& CTypAuswahl::Typen() {
    return kTypen;
}

int CTypAuswahl::KnopfFor(int nTyp) {
    for (int i = 0; i < kKnoepfe; ++i) {
        if (kTypen[static_cast<std::size_t>(i)] == nTyp) {
            return i;
        }
    }
    return 0;
}

int CTypAuswahl::TypFor(int nKnopf) {
    return kTypen[static_cast<std::size_t>(nKnopf >= 0 && nKnopf < kKnoepfe ? nKnopf : 0)];
}
