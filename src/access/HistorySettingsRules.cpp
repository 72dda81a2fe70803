#include "access/HistorySettingsRules.h"

#include "document/SettingsRegistry.h"

#include <QRegularExpression>

namespace {

using R = CSettingsRegistry;

/// A password in the connection text: the keyword, or the "user:secret@" of a connection URI.
bool HoldsPassword(const QString& server) {
    static const QRegularExpression uriSecret(QStringLiteral("^\\s*postgres(ql)?://[^/@]*:[^/@]*@"),
                                              QRegularExpression::CaseInsensitiveOption);
    return server.contains(QLatin1String("password"), Qt::CaseInsensitive) ||
           uriSecret.match(server).hasMatch();
}

/// A connection URI: the server's driver takes only keywords ("host=... dbname=..."); a URI would be
/// passed on as one unknown keyword and never connect.
bool IsUri(const QString& server) {
    static const QRegularExpression uri(QStringLiteral("^\\s*postgres(ql)?://"),
                                        QRegularExpression::CaseInsensitiveOption);
    return uri.match(server).hasMatch();
}

} // namespace

CHistorySettingsRules::Values CHistorySettingsRules::Load(const CSettingsRegistry& settings) {
    return {settings.Int(R::kHistoryBackend) == R::kHistoryServerBackend, settings.Text(R::kHistoryDatabase),
            settings.Text(R::kHistoryServer), settings.Text(R::kHistoryStation)};
}

std::optional<ValidationProblem> CHistorySettingsRules::Validate(const Values& values) {
    // Even while this PC is chosen the text is kept in the profile, where anyone could read a password.
    if (HoldsPassword(values.server)) {
        return ValidationProblem::At(
            Field::Server,
            tr("Kennwörter gehören nicht ins Profil, dort wären sie für jeden lesbar. Geben Sie die "
               "Verbindung ohne Kennwort an und legen Sie das Kennwort in der Datei ~/.pgpass oder in der "
               "Umgebungsvariablen PGPASSWORD ab (die ganze Verbindung auch in ~/.pg_service.conf, dann "
               "genügt \"service=name\")."));
    }
    if (IsUri(values.server)) {
        return ValidationProblem::At(
            Field::Server, tr("Die Verbindung wird mit Schlüsselwörtern angegeben, nicht als "
                              "postgresql://...-Adresse, zum Beispiel \"host=server port=5432 dbname=quillon "
                              "user=station\" oder \"service=quillon\"."));
    }
    if (values.bServer && values.server.trimmed().isEmpty()) {
        return ValidationProblem::At(
            Field::Server, tr("Bitte geben Sie die Verbindung zum Server der Anlage an, zum Beispiel "
                              "\"service=quillon\" oder \"host=server dbname=quillon\"."));
    }
    return std::nullopt;
}

void CHistorySettingsRules::Apply(const Values& values, CSettingsRegistry& settings) {
    settings.Set(R::kHistoryBackend, values.bServer ? R::kHistoryServerBackend : R::kHistoryLocal);
    settings.Set(R::kHistoryDatabase, values.file.trimmed());
    settings.Set(R::kHistoryServer, values.server.trimmed());
    settings.Set(R::kHistoryStation, values.station.trimmed());
}
