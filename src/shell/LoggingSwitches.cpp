#include "shell/LoggingSwitches.h"

#include "document/SettingsRegistry.h"

#include <QLoggingCategory>

CLoggingSwitches::CLoggingSwitches(CSettingsRegistry& settings)
    : m_settings(settings) {}

QStringList CLoggingSwitches::Categories() {
    return CSettingsRegistry::LoggingCategories();
}

QString CLoggingSwitches::Description(const QString& category) {
    if (category == QLatin1String("quillon.link")) {
        return tr("Schnittstelle und Telegramme");
    }
    if (category == QLatin1String("quillon.transmitter")) {
        return tr("Transmitter-Abläufe");
    }
    if (category == QLatin1String("quillon.document")) {
        return tr("Dokumentdateien");
    }
    if (category == QLatin1String("quillon.sim")) {
        return tr("Simulator");
    }
    return QString();
}

bool CLoggingSwitches::IsOn(const QString& category) const {
    return m_settings.Int(CSettingsRegistry::LoggingSwitch(category)) == 1;
}

void CLoggingSwitches::Set(const QString& category, bool bOn) {
    m_settings.Set(CSettingsRegistry::LoggingSwitch(category), bOn ? 1 : 0);
    Apply();
}

QString CLoggingSwitches::FilterRules() const {
    QStringList rules;
    for (const QString& category : Categories()) {
        // A category switched off gets no rule and so keeps its own default (warnings and above).
        if (IsOn(category)) {
            rules.append(QStringLiteral("%1.debug=true").arg(category));
            rules.append(QStringLiteral("%1.info=true").arg(category));
        }
    }
    return rules.join(QLatin1Char('\n'));
}

void CLoggingSwitches::Apply() const {
    QLoggingCategory::setFilterRules(FilterRules());
}
