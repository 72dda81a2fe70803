#pragma once

#include "core/ValidationProblem.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class CSettingsRegistry;

/// The rules behind the dialog "Verlauf-Datenbank": where the device history is kept (this PC's
/// database file or the plant's server) and the station name recorded with every event. The profile
/// never holds a password: the server's credentials come from its own service and password files or
/// the environment.
class CHistorySettingsRules {
    Q_DECLARE_TR_FUNCTIONS(CHistorySettingsRules)

public:
    enum class Field { Location, File, Server, Station };

    struct Values {
        bool bServer = false;
        QString file;    ///< empty: the default in the user's data folder
        QString server;  ///< a connection text such as "service=quillon"
        QString station; ///< empty: the host name
    };

    static Values Load(const CSettingsRegistry& settings);
    static std::optional<ValidationProblem> Validate(const Values& values);
    /// Writes the values to the settings, blanks around them dropped (a name of blanks is no name).
    static void Apply(const Values& values, CSettingsRegistry& settings);
};
