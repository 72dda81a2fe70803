#include "edit/LinTabelle.h"

#include <QtGlobal>

namespace {

constexpr int kMaxDecimals = 5;

} // namespace

int CLinTabelle::Bounded(int nAnzahl) {
    return qBound(0, nAnzahl, kPunkte);
}

int CLinTabelle::BoundedDecimals(int nDecimals) {
    return qBound(0, nDecimals, kMaxDecimals);
}
