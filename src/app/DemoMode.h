#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

/// The demonstration without hardware: quillon-sim, a programming interface with one transmitter of the
/// chosen type, runs as a child process on a pseudo-terminal for as long as this object lives. The
/// program opens the device it names like a serial port, with the interface kind InterfaceVersion()
/// names; the user's saved port and interface kind stay untouched.
class CDemoMode : public QObject {
    Q_OBJECT

public:
    /// The type a demo without a type argument shows: the RX31 with its extended set.
    static constexpr int kDefaultTyp = 2;
    static constexpr int kStartTimeoutMs = 5000;
    /// The values of the setting "InterfaceVersion".
    static constexpr int kPL40 = 0;
    static constexpr int kPL45 = 1;

    explicit CDemoMode(QObject* parent = nullptr);
    /// Stops the simulator.
    ~CDemoMode() override;
    CDemoMode(const CDemoMode&) = delete;
    CDemoMode& operator=(const CDemoMode&) = delete;

    /// The type a command-line argument names ("0" … "10"); nothing for any other text, such as the name
    /// of a document file given after "--demo".
    static std::optional<int> ParseType(const QString& argument);

    /// Starts the simulator for transmitter type nTyp and waits until it names its device. A running
    /// simulator is stopped first. On failure the reason, translated, goes to *pError (when given).
    bool Start(int nTyp, QString* pError);
    /// Ends the simulator: SIGTERM, then SIGKILL if it has not ended after a short wait.
    void Stop();
    bool IsRunning() const;
    /// The pseudo-terminal the simulator serves; empty while none is running.
    QString DevicePath() const;
    int Typ() const;
    /// The interface the simulator stands in for, as the setting "InterfaceVersion" names it: the PL45,
    /// except for the 3-wire RX26 (type 4), which only the PL40 serves.
    int InterfaceVersion() const;
    static int InterfaceVersionFor(int nTyp);

    /// The folders searched for quillon-sim, in order: beside the program, then the installed programs.
    QStringList SearchDirs() const;
    void SetSearchDirs(const QStringList& dirs);
    void SetStartTimeout(int ms);

private:
    QString FindSimulator() const;

    QProcess m_process;
    QStringList m_searchDirs;
    int m_startTimeoutMs = kStartTimeoutMs;
    QString m_devicePath;
    int m_nTyp = kDefaultTyp;
};
