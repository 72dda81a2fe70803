#pragma once

#include <QLoggingCategory>

// One logging category per subsystem, all silent below warnings unless switched on, e.g.
// QT_LOGGING_RULES="quillon.link.debug=true". The link category traces every frame in hex: that trace is
// what a service technician sends in with a problem report.
Q_DECLARE_LOGGING_CATEGORY(lcLink)
Q_DECLARE_LOGGING_CATEGORY(lcTransmitter)
Q_DECLARE_LOGGING_CATEGORY(lcDocument)
Q_DECLARE_LOGGING_CATEGORY(lcSim)
