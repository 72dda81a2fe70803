#pragma once

#include "transmitter/SioTransferRecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

class CConnection;
class CQuillonDoc;
class CTransmitterLink;

/// The factory edition's menu "Test": single commands whose raw exchange the dialog "Sio-Transfer"
/// shows, the raw table transfers, the interface information, and "Connect RX93". Every entry leaves the
/// port open, so that a technician can go on with the next command at once.
class CTestMenu {
    Q_DECLARE_TR_FUNCTIONS(CTestMenu)

public:
    /// The payload of an entry: none, one the user types in its wire form, or a fixed one.
    enum class Payload { Empty, User, Fixed };

    /// What one single-command entry sends. The menu's entries themselves (id, text, place) are rows of
    /// the main window's command table, which names the command and payload of each.
    struct Entry {
        quint8 command;
        const char* caption; ///< the title of "Sio-Transfer"
        Payload payload;
        const char* fixed; ///< the payload of a Fixed entry
    };

    /// What "Connect RX93" writes into the view: whether the connect succeeded and the reply's bytes.
    struct ConnectReport {
        bool bOk = false;
        QString bytes; ///< each byte as "0x" and two upper-case hex digits, separated by blanks
        QString text;  ///< the reply as characters
    };

    static constexpr int kMaxPayload = 42;

    CTestMenu(CTransmitterLink& link, CConnection& connection, CQuillonDoc& doc);

    /// The entry of a command: its caption is the command's title in the command set. A Fixed entry
    /// names its own caption, as one command byte serves both "Parametrierung sperren" and "freigeben".
    static Entry EntryFor(quint8 command, Payload payload, const char* fixed = "",
                          const char* caption = nullptr);
    /// Whether a command writes into the transmitter (its test entry is then a history event).
    static bool ChangesTransmitter(quint8 command);
    /// The preset of the value entry for a User entry.
    static QString DefaultPayload();
    static QString DefaultTableCount();

    /// A payload the user typed, as it goes on the wire; nothing (and the reason in error) when it does
    /// not fit a request or holds characters the transmitter's code page lacks.
    static std::optional<QByteArray> CheckUserPayload(const QString& text, QString& error);

    /// One single command; a successful "Gerätekennung" also updates the extended flag.
    CSioTransferRecord Run(const Entry& entry, const QByteArray& payload = QByteArray());
    /// "LinTab lesen": the point count, then the ten table blocks; shows the last exchange.
    CSioTransferRecord TestReadTable();
    /// "LinTab schreiben": the point count as typed.
    CSioTransferRecord TestWriteTableCount(const QByteArray& payload);
    /// "Interface Version...": the interface's own information (0xF0).
    CSioTransferRecord ShowInterfaceInfo();
    /// "Connect RX93": connects and reports the identification reply.
    ConnectReport ConnectRX93();
    /// "Normalberieb": restarts the transmitter by its reset line; the port stays open.
    bool Normalbetrieb();

private:
    CSioTransferRecord Exchange(const QString& caption, quint8 command, const QByteArray& payload,
                                QByteArray* replyOut = nullptr);

    CTransmitterLink& m_link;
    CConnection& m_connection;
    CQuillonDoc& m_doc;
};
