#include "core/Logging.h"

Q_LOGGING_CATEGORY(lcLink, "quillon.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTransmitter, "quillon.transmitter", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDocument, "quillon.document", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSim, "quillon.sim", QtWarningMsg)
