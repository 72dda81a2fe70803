#include "calibration/AbgleichKommandos.h"

#include "base/TypKatalog.h"
#include "calibration/CalibrationTransfer.h"
#include "document/QuillonDoc.h"

namespace {

constexpr int kRX31 = 2;

bool IsRX31Familie(int nTyp) {
    for (const int nMember : {2, 3, 4, 8, 9, CTypKatalog::kKA71}) {
        if (nTyp == nMember) {
            return true;
        }
    }
    return false;
}

} // namespace

int CAbgleichKommandos::TypForRead(Familie familie, int nTyp) {
    if (familie == Familie::RX31 && !IsRX31Familie(nTyp)) {
        return kRX31;
    }
    if (familie == Familie::VN62) {
        return CTypKatalog::kVN62;
    }
    return nTyp;
}

CAbgleichKommandos::CAbgleichKommandos(CCalibrationTransfer& transfer, CQuillonDoc& doc)
    : m_transfer(transfer)
    , m_doc(doc) {}

bool CAbgleichKommandos::Read(Familie familie) {
    m_doc.SetTyp(TypForRead(familie, m_doc.GetTyp()));
    return m_transfer.ReadCalibrationData();
}
