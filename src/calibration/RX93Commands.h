#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>
#include <utility>

class CConnection;
class CTransmitterLink;

/// The RX93's calibration commands of the factory menu: a connection test, releasing the calibration
/// memory, and writing single calibration words ("a" writes a word, "c" stores the change). Each
/// exchange is handed back so that the window can show it in "Sio-Transfer".
class CRX93Commands {
    Q_DECLARE_TR_FUNCTIONS(CRX93Commands)

public:
    static constexpr int kWaitBeforeReleaseMs = 1000;
    static constexpr int kMaxIndex = 255 - '0';

    /// One request and its reply (empty when none came).
    struct Exchange {
        QByteArray request;
        QByteArray reply;
        bool bOk = false;
    };

    /// A word entry ("Index", "Wert") checked: the index and the value text to send.
    struct WordEntry {
        int nIndex;
        QByteArray value;
    };

    /// What the two loops ask of the window: the value entry dialog and the "Sio-Transfer" dialog.
    class IView {
    public:
        virtual ~IView() = default;
        /// "Index" and "Wert" with their presets; nothing when the user leaves with "Abbrechen".
        virtual std::optional<std::pair<QString, QString>> EnterWord(const QString& index,
                                                                     const QString& value) = 0;
        /// Shows one exchange (bOk false: "FAIL") under the title; true for "Wiederholen".
        virtual bool ShowExchange(const QString& title, const Exchange& exchange) = 0;
        /// A refused entry.
        virtual void ShowError(const QString& text) = 0;
    };

    CRX93Commands(CTransmitterLink& link, CConnection& connection);

    /// "Abgleich freigeben": releases and shows the exchange as "Enable Abgleich" until the user stops
    /// repeating it; closes the port.
    void RunRelease(IView& view);
    /// "Abgleichdaten ändern...": releases once, then writes one word per entry and shows each exchange as
    /// "Set AbglData" until an entry or the exchange is left; closes the port.
    void RunWordWrites(IView& view);

    /// Connects and closes again; the line the main view shows ("Connecting Hardware..." and OK or Fail).
    QString ConnectionTest();
    /// Connects and releases the calibration memory with "P".
    Exchange ReleaseCalibration();
    /// Before single word writes: connect, wait a second, release with "P".
    Exchange BeginWordWrites();
    /// "a" with the index character and the value, then "c" when the word was taken.
    Exchange WriteWord(const WordEntry& entry);
    /// Checks an entry: the index 0..207 and the value an integer 0..65535; nothing and the message
    /// otherwise.
    static std::optional<WordEntry> ParseEntry(const QString& index, const QString& value, QString& error);
    void ClosePort();

private:
    Exchange Send(quint8 command, const QByteArray& payload);

    CTransmitterLink& m_link;
    CConnection& m_connection;
};
