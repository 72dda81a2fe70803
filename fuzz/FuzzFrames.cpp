#include "FuzzFrames.h"

#include "link/TransmitterSio.h"

#include <cstdio>

namespace FuzzFrames {

bool IsWholeFrame(QByteArrayView frame) {
    if (frame.size() < 4 || static_cast<quint8>(frame[0]) != CTransmitterSio::kStx) {
        return false;
    }
    const int length = static_cast<quint8>(frame[1]);
    if (length < 2 || length > CTransmitterSio::kMaxReplyLength || frame.size() != length + 2) {
        return false;
    }
    quint8 sum = 0;
    for (int i = 1; i < length; ++i) {
        sum = static_cast<quint8>(sum + static_cast<quint8>(frame[i]));
    }
    return static_cast<quint8>(frame[length]) == sum &&
           static_cast<quint8>(frame[length + 1]) == CTransmitterSio::kEtx;
}

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace FuzzFrames
