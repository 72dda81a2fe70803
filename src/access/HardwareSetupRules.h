#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class CConnection;
class CQuillonDoc;
class CTransmitterLink;

/// "Hardware Setup": which transmitter type is attached, which programming interface is used and on
/// which port it sits, with the search for an interface and the check of the connection. The dialog is
/// shown again after every search and check until "OK" or "Abbrechen"; the document changes only on
/// "OK" (the searches set the port of the document to every port they try, as the link needs it).
class CHardwareSetupRules {
    Q_DECLARE_TR_FUNCTIONS(CHardwareSetupRules)

public:
    static constexpr int kPortCount = 16;

    /// The button that ended the dialog.
    enum class Result { Ok, Cancel, Check, Search };

    struct Values {
        QList<bool> portAvailable; ///< COM1 to COM16: could be opened when the dialog was prepared
        int nComIndex = 0;         ///< 0-based
        int nInterfaceKind = 1;    ///< 1 PL45, 0 PL40
        int nTyp = 0;
        bool bShowAtStart = true;
        bool bVerifyAfterSend = false; ///< "Nach dem Senden prüfen"
    };

    /// One entry of the port list: the COM number it stands for and its text.
    struct PortEntry {
        int nComNumber;
        QString text;
    };

    using ShowDialog = std::function<Result(Values&)>;

    CHardwareSetupRules(CQuillonDoc& doc, CTransmitterLink& link, CConnection& connection);

    // --- The lists and their preselection (no transmitter needed) -----------------------------------
    static QStringList TransmitterTexts();
    /// A type the list does not hold (2, 5, 6, 7) preselects the first entry.
    static int TransmitterIndexForTyp(int nTyp);
    static int TypForTransmitterIndex(int nIndex);
    static QStringList InterfaceTexts();
    /// Kind 1 is "PL45"; any other kind preselects "PL40".
    static int InterfaceIndexForKind(int nKind);
    static int KindForInterfaceIndex(int nIndex);
    /// "Interface suchen" only serves the PL45, the interface with its own command set.
    static bool IsSearchEnabled(int nInterfaceIndex);
    static QString NoticeText();
    /// The ports that could be opened, as "COM n (device)"; the current port is listed even when it
    /// could not be opened, marked as such, so that "OK" keeps it.
    QList<PortEntry> PortEntries(const Values& values) const;
    /// The entry of the current port within PortEntries.
    int CurrentPortEntry(const Values& values) const;
    /// The number after the first three characters of a port text, minus 1; nothing when there is none.
    static std::optional<int> ComIndexFromText(const QString& text);

    // --- The dialog's life ---------------------------------------------------------------------------
    /// The dialog data from the document, with the ports probed.
    Values Load();
    /// Probes the 16 ports again (closing a port a check left open).
    void ProbePorts(Values& values);
    /// "Interface suchen": a found interface's port becomes the dialog's port.
    void Search(Values& values);
    /// "Verbindung prüfen": connects with the dialog's type, interface and port and restores the
    /// document's own afterwards.
    void Check(const Values& values);
    /// "OK": the values become the document's.
    void Apply(const Values& values);
    /// Shows the dialog until "OK" or "Abbrechen"; true when it ended with "OK".
    bool Run(const ShowDialog& show);

private:
    QString PortText(int nComNumber) const;

    CQuillonDoc& m_doc;
    CTransmitterLink& m_link;
    CConnection& m_connection;
};
