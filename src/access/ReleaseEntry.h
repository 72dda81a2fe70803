#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

class CQuillonDoc;
class CRemoteParametrization;
class IOperator;
class IPasswordDialogs;

/// The hidden service entry of the about box: a release password typed after Ctrl+Enter opens
/// "Freigabe", where the remote parametrization is released or locked and the release password
/// changed. The release password lives in QlSet.cfg; the master code is accepted wherever it is.
class CReleaseEntry {
    Q_DECLARE_TR_FUNCTIONS(CReleaseEntry)

public:
    /// The release password needs at least this many characters.
    static constexpr int kMinLaenge = 3;

    CReleaseEntry(CQuillonDoc& doc, IOperator& op, IPasswordDialogs& dialogs, CRemoteParametrization& remote);

    /// The release password as the about box starts: QlSet.cfg, or "qxv" when it is missing or damaged.
    QString ReadReleasePassword() const;
    /// After the about box closed with "OK" and Ctrl+Enter was used: compares the typed password with
    /// the release password p and the master code, runs "Freigabe" on a match, and writes the release
    /// password back in every case. A write that fails is told with the file's path.
    void Run(const QString& p, const QString& typed);
    /// "Passwort ändern" for the release password: the new password when it was changed.
    std::optional<QString> ChangeReleasePassword(int nMinLaenge, const QString& p);
    /// Writes the release password into QlSet.cfg; tells the user where it could not be written.
    bool WriteBack(const QString& p);

private:
    void RunFreigabe(QString& p);
    void PasswordError(const QString& text);

    CQuillonDoc& m_doc;
    IOperator& m_operator;
    IPasswordDialogs& m_dialogs;
    CRemoteParametrization& m_remote;
};
