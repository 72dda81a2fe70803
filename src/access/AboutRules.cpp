#include "access/AboutRules.h"

QString CAboutRules::ProgramVersion() {
    return QStringLiteral(QUILLON_VERSION);
}

QString CAboutRules::VersionText() {
    return tr("Varnex\nVersion") + QLatin1Char(' ') + ProgramVersion();
}

QString CAboutRules::MakerNotice() {
    return tr("Konfiguration, Kalibrierung und Überwachung\nvon 4–20 mA Drucktransmittern\n"
              "über das Programmier-Interface PL45 oder PL40");
}
