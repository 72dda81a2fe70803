// The simulator's state-file reader on any text: a file it accepts must be written back and read again
// to the same state; a file it refuses must leave the simulator as it was.

#include "FuzzFrames.h"
#include "sim/SimStateFile.h"
#include "sim/Simulator.h"

#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QJsonDocument document = QJsonDocument::fromJson(text);
    if (!document.isObject()) {
        return 0;
    }
    CSimulator simulator(CSimTransmitter(2), CSimInterface::Kind::PL45);
    const QJsonObject fresh = CSimStateFile::ToJson(simulator);
    QString error;
    if (!CSimStateFile::FromJson(document.object(), simulator, error)) {
        FuzzFrames::Check(!error.isEmpty(), "a refused state file is given a reason");
        FuzzFrames::Check(CSimStateFile::ToJson(simulator) == fresh, "a refused state file changes nothing");
        return 0;
    }
    const QJsonObject saved = CSimStateFile::ToJson(simulator);
    CSimulator again(CSimTransmitter(2), CSimInterface::Kind::PL45);
    FuzzFrames::Check(CSimStateFile::FromJson(saved, again, error), "a written state file reads back");
    FuzzFrames::Check(CSimStateFile::ToJson(again) == saved, "a written state file reads back the same");
    return 0;
}
