#pragma once

#include "core/Operator.h"

#include <QCoreApplication>
#include <QPointer>
#include <functional>
#include <optional>

class CProgress;
class QWidget;

/// The operator of the main window: message boxes and questions as QMessageBox over the window, the
/// progress window "Datentransfer", the wait cursor, and the busy state of a transmitter operation,
/// which it hands to the view (commands with a rule disabled, recent files grayed).
///
/// Tests set an answer hook: it sees every message instead of a box and answers it, so that no test
/// ever waits on a modal box.
class CGuiOperator : public IOperator {
    Q_DECLARE_TR_FUNCTIONS(CGuiOperator)

public:
    struct Shown {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
    };
    /// Answers a message instead of a box; nothing lets the box appear.
    using AnswerHook = std::function<std::optional<Answer>(const Shown&)>;
    using BereitSink = std::function<void(bool)>;

    CGuiOperator() = default;
    ~CGuiOperator() override;
    CGuiOperator(const CGuiOperator&) = delete;
    CGuiOperator& operator=(const CGuiOperator&) = delete;

    /// The window the boxes and the progress window belong to.
    void SetWindow(QWidget* window);
    void SetAnswerHook(AnswerHook hook);
    void SetBereitSink(BereitSink sink);

    Answer ShowMessage(const QString& text, const QString& caption, Icon icon, Buttons buttons) override;
    void BeginProgress(const QString& caption, const QString& text, int minimum, int maximum) override;
    void SetProgressRange(int minimum, int maximum) override;
    void SetProgressPos(int pos) override;
    void SetProgressText(const QString& text) override;
    void EndProgress() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    /// A transmitter operation starts (false) or has ended (true).
    void SetBereit(bool bBereit) override;

    /// The progress window while it is open, else nullptr.
    CProgress* Progress() const;

private:
    Answer ShowBox(const Shown& shown);

    QPointer<QWidget> m_window;
    QPointer<CProgress> m_progress;
    AnswerHook m_answerHook;
    BereitSink m_bereitSink;
    int m_nWaitDepth = 0;
};
