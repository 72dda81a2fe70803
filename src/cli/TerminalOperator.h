#pragma once

#include "core/Operator.h"

#include <QString>
#include <cstdio>

/// The operator of the command-line tool: messages go to standard error, questions are asked on the
/// terminal (or answered by --yes), progress is a bar that redraws itself when standard error is a
/// terminal and one line per step otherwise, so that logs of scripted runs stay readable.
class CTerminalOperator : public IOperator {
public:
    struct Options {
        bool assumeYes = false;   ///< --yes: every yes/no question is answered yes
        bool interactive = false; ///< questions may be asked on the terminal
        bool progressBar = false; ///< standard error is a terminal: draw a bar
    };

    CTerminalOperator(Options options, FILE* err = stderr, FILE* in = stdin);

    Answer ShowMessage(const QString& text, const QString& caption, Icon icon, Buttons buttons) override;
    void BeginProgress(const QString& caption, const QString& text, int minimum, int maximum) override;
    void SetProgressRange(int minimum, int maximum) override;
    void SetProgressPos(int pos) override;
    void SetProgressText(const QString& text) override;
    void EndProgress() override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    /// True when a yes/no question was refused only because nobody could be asked (no terminal, no
    /// --yes); the tool then tells the user about --yes.
    bool QuestionUnanswered() const;

private:
    Answer Ask(const QString& text, Buttons buttons);
    void Print(const QString& line);
    void DrawProgress();
    void EndProgressLine();

    Options m_options;
    FILE* m_err;
    FILE* m_in;
    QString m_progressText;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_pos = 0;
    bool m_bProgress = false;
    bool m_bBarDrawn = false;
    bool m_bQuestionUnanswered = false;
};
