#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CSettingsRegistry;

/// The program's logging categories with a switch each, as the "Verbindungsprotokoll" window offers them:
/// a technician turns on the detail a service engineer asks for without environment variables. A switch
/// on lets the category's debug and info messages through; off leaves the category at warnings. The switches
/// are settings (group "Logging", one key per category, 1 for on), written when switched and applied at
/// start. QT_LOGGING_RULES still overrides them, as Qt evaluates it after the program's rules.
class CLoggingSwitches {
    Q_DECLARE_TR_FUNCTIONS(CLoggingSwitches)

public:
    explicit CLoggingSwitches(CSettingsRegistry& settings);

    static QStringList Categories();
    /// What the category traces, for the window.
    static QString Description(const QString& category);

    bool IsOn(const QString& category) const;
    /// Switches a category, remembers it and applies all switches at once.
    void Set(const QString& category, bool bOn);
    /// The rules for QLoggingCategory::setFilterRules: two lines per category switched on.
    QString FilterRules() const;
    void Apply() const;

private:
    CSettingsRegistry& m_settings;
};
