#pragma once

class CTransmitterLink;

/// Marks one transmitter operation (a receive, a send, a connection check, the interface search) for
/// its lifetime: the first one makes the link busy and tells the operator SetBereit(false), and its end
/// sets SetBereit(true) on every way out, exceptions included.
///
/// While the link waits for the transmitter the event loop runs, so a timer or a command of the window
/// can try to start a second operation in the middle of the first. Such a call is refused (IsRefused):
/// nothing changes, the running operation goes on undisturbed. It is told apart from an operation that
/// calls another one itself (the send checks the range with VerifyTransmitterRange) by the event loop
/// level: a call from inside the running operation comes at the level the operation started at, a call
/// dispatched by one of its waits or message boxes comes from a nested event loop. Operators must
/// therefore not dispatch events with processEvents(); the link's waits keep the window alive.
class CLinkOperation {
public:
    explicit CLinkOperation(CTransmitterLink& link);
    ~CLinkOperation();
    CLinkOperation(const CLinkOperation&) = delete;
    CLinkOperation& operator=(const CLinkOperation&) = delete;

    /// True when another operation runs and this one must not start.
    bool IsRefused() const;

private:
    CTransmitterLink& m_link;
    bool m_bRefused = false;
};
