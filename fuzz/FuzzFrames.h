#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdlib>

/// Helpers shared by the fuzz targets.
namespace FuzzFrames {

/// Whether the bytes are one whole frame as the receiver may hand it on: STX, a length byte from 2 to
/// 50, the checksum over length and data, ETX, nothing after it.
bool IsWholeFrame(QByteArrayView frame);

/// Stops the run with a message: libFuzzer keeps the input that got here as a crash.
[[noreturn]] void Fail(const char* what);

/// Fails unless the condition holds.
inline void Check(bool condition, const char* what) {
    if (!condition) {
        Fail(what);
    }
}

} // namespace FuzzFrames
