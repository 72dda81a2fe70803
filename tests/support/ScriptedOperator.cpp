#include "ScriptedOperator.h"

IOperator::Answer CScriptedOperator::ShowMessage(const QString& text, const QString& caption, Icon icon,
                                                 Buttons buttons) {
    messages.append({text, caption, icon, buttons});
    Journal(QStringLiteral("message \"%1\" \"%2\"").arg(text, caption));
    if (!m_answers.isEmpty()) {
        return m_answers.dequeue();
    }
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel:
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

void CScriptedOperator::BeginProgress(const QString& caption, const QString& text, int minimum, int maximum) {
    progressOpen = true;
    progressCaption = caption;
    progressTexts.append(text);
    Journal(QStringLiteral("progress \"%1\" \"%2\"").arg(caption, text));
    SetProgressRange(minimum, maximum);
}

void CScriptedOperator::SetProgressRange(int minimum, int maximum) {
    progressMinimum = minimum;
    progressMaximum = maximum;
    Journal(QStringLiteral("range %1..%2").arg(minimum).arg(maximum));
}

void CScriptedOperator::SetProgressPos(int pos) {
    progressPositions.append(pos);
    Journal(QStringLiteral("bar %1").arg(pos));
}

void CScriptedOperator::SetProgressText(const QString& text) {
    progressTexts.append(text);
    Journal(QStringLiteral("text \"%1\"").arg(text));
}

void CScriptedOperator::EndProgress() {
    progressOpen = false;
    Journal(QStringLiteral("progress closed"));
}

void CScriptedOperator::BeginWaitCursor() {
    ++waitDepth;
    maxWaitDepth = qMax(maxWaitDepth, waitDepth);
}

void CScriptedOperator::EndWaitCursor() {
    --waitDepth;
}

void CScriptedOperator::SetBereit(bool bBereit) {
    bereitCalls.append(bBereit);
}

void CScriptedOperator::Answer(IOperator::Answer answer) {
    m_answers.enqueue(answer);
}

QStringList CScriptedOperator::MessageTexts() const {
    QStringList texts;
    for (const Shown& shown : messages) {
        texts.append(shown.text);
    }
    return texts;
}

void CScriptedOperator::Journal(const QString& line) const {
    if (journal) {
        journal(line);
    }
}
