#pragma once

#include "document/HistoryEvent.h"
#include "document/HistorySink.h"

#include <QList>

/// A history sink that keeps every event it is given, numbered from 1, for tests to look at.
class CRecordingSink : public IHistorySink {
public:
    qint64 Record(const CHistoryEvent& event) override {
        events.append(event);
        return events.size();
    }

    QList<CHistoryEvent> events;
};
