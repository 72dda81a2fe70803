#pragma once

#include "core/Operator.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>

/// The operator of unit tests: records every message and progress step and answers questions from a
/// script. Without a scripted answer an "OK" box answers Ok, a yes/no box No, any other box Cancel.
class CScriptedOperator : public IOperator {
public:
    struct Shown {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
    };

    Answer ShowMessage(const QString& text, const QString& caption, Icon icon, Buttons buttons) override;
    void BeginProgress(const QString& caption, const QString& text, int minimum, int maximum) override;
    void SetProgressRange(int minimum, int maximum) override;
    void SetProgressPos(int pos) override;
    void SetProgressText(const QString& text) override;
    void EndProgress() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void SetBereit(bool bBereit) override;

    /// Queues the answer to the next message box.
    void Answer(Answer answer);

    QList<Shown> messages;
    QStringList progressTexts;
    QList<int> progressPositions;
    QString progressCaption;
    int progressMinimum = 0;
    int progressMaximum = 0;
    bool progressOpen = false;
    int waitDepth = 0;
    int maxWaitDepth = 0;
    /// Every SetBereit call, in order.
    QList<bool> bereitCalls;

    /// When set, hears every message and progress call as one readable line, in the order they happen
    /// (the transcripts of the sequences interleave them with the frames on the line).
    std::function<void(const QString&)> journal;

    /// The texts of all messages shown, in order.
    QStringList MessageTexts() const;

private:
    void Journal(const QString& line) const;

    QQueue<IOperator::Answer> m_answers;
};
