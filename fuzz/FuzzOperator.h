#pragma once

#include "core/Operator.h"

/// The operator of the fuzz targets: shows nothing, answers every question with the answer it was
/// given, and counts the messages so that a target can tell "refused and told" from "silently ignored".
/// It also keeps what an operation must leave tidy: the progress window and the wait cursor.
class CFuzzOperator : public IOperator {
public:
    explicit CFuzzOperator(bool bAnswerYes = false);

    Answer ShowMessage(const QString& text, const QString& caption, Icon icon, Buttons buttons) override;
    void BeginProgress(const QString& caption, const QString& text, int minimum, int maximum) override;
    void SetProgressRange(int minimum, int maximum) override;
    void SetProgressPos(int pos) override;
    void SetProgressText(const QString& text) override;
    void EndProgress() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    int MessageCount() const { return m_nMessages; }
    /// Whether the progress window is still open.
    bool IsProgressOpen() const { return m_bProgress; }
    /// Wait cursors begun and not yet ended.
    int WaitDepth() const { return m_nWaitDepth; }

private:
    bool m_bAnswerYes;
    int m_nMessages = 0;
    bool m_bProgress = false;
    int m_nWaitDepth = 0;
};
