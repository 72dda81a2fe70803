#pragma once

#include "HistoryEvent.h"

#include <QtGlobal>

/// Where operations report what they did to a transmitter. The window and the command-line tool install
/// one (the history store); the transfer code only calls Record and never learns where events go.
/// Recording must not fail an operation: a sink that cannot store reports that itself and returns 0.
class IHistorySink {
public:
    virtual ~IHistorySink() = default;
    /// Records one event; returns the id it was stored under, or 0 when it could not be stored.
    virtual qint64 Record(const CHistoryEvent& event) = 0;
};
