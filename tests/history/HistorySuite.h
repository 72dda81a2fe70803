#pragma once

#include "document/HistoryEvent.h"

class CHistoryStore;

/// An event of the given transmitter as an operation reports it, with a set after (type 2, the tag).
CHistoryEvent SampleEvent(const QByteArray& seriennummer, const QByteArray& bezeichnung,
                          CHistoryEvent::Operation operation = CHistoryEvent::Operation::Receive);

/// The checks every backend passes: an empty store opened by the caller is written, listed, filtered
/// and read back (QVERIFY inside; check QTest::currentTestFailed() afterwards).
void CheckWriteListAndRead(CHistoryStore& store);
