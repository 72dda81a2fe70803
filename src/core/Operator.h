#pragma once

#include <QString>

/// Everything a transmitter operation asks of a person or a screen: message boxes and questions, the
/// progress window "Datentransfer" and the wait cursor. The window implements it with widgets, the
/// command-line tool with the terminal, tests with a scripted operator that records every message.
/// Sequences and the link talk only to this interface, never to a widget.
class IOperator {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    virtual ~IOperator() = default;

    /// A modal message box. An empty caption stands for the application's own title.
    virtual Answer ShowMessage(const QString& text, const QString& caption, Icon icon, Buttons buttons) = 0;

    /// The progress window: a caption, one line of text and a bar over [minimum, maximum].
    virtual void BeginProgress(const QString& caption, const QString& text, int minimum, int maximum) = 0;
    virtual void SetProgressRange(int minimum, int maximum) = 0;
    virtual void SetProgressPos(int pos) = 0;
    virtual void SetProgressText(const QString& text) = 0;
    virtual void EndProgress() = 0;

    /// The wait cursor; calls nest, the cursor goes when the last EndWaitCursor balances the first Begin.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    /// The ready state of the commands: false while a transmitter operation runs (the window disables
    /// its commands then), true again when it has ended, whatever the outcome. Operators without
    /// commands (the terminal, scripted tests) need not care: the default does nothing.
    virtual void SetBereit(bool bBereit);

    /// A message box through ShowMessage that is also kept as the last message shown: what a transmitter
    /// operation told the user goes into its history event. Call this rather than ShowMessage.
    Answer Ask(const QString& text, const QString& caption, Icon icon, Buttons buttons);
    /// A plain message box with only "OK".
    void Message(const QString& text, const QString& caption = QString(), Icon icon = Icon::None);
    /// A yes/no question; true only for "Yes".
    bool AskYesNo(const QString& text, const QString& caption = QString(), Icon icon = Icon::Question);

    /// How many message boxes were shown through Ask so far, and the text of the last one: an operation
    /// takes the last one as its failure's message when the count grew while it ran.
    quint64 MessageCount() const { return m_nMessages; }
    const QString& LastMessage() const { return m_lastMessage; }

private:
    quint64 m_nMessages = 0;
    QString m_lastMessage;
};
