#include "cli/TerminalOperator.h"

#include "cli/TerminalText.h"

namespace {

constexpr int kBarWidth = 30;

/// A message on one line, with a device's or file's control characters shown, not acted on.
QString OneLine(const QString& text) {
    return CTerminalText::Escaped(text.simplified());
}

} // namespace

CTerminalOperator::CTerminalOperator(Options options, FILE* err, FILE* in)
    : m_options(options)
    , m_err(err)
    , m_in(in) {}

IOperator::Answer CTerminalOperator::ShowMessage(const QString& text, const QString& caption, Icon icon,
                                                 Buttons buttons) {
    Q_UNUSED(icon);
    EndProgressLine();
    Print(caption.isEmpty() ? text : caption + QStringLiteral(": ") + text);
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::RetryCancel:
        // Nothing to retry by hand on a command line: the operation ends and its status says so.
        return Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Ask(text, buttons);
    }
    return Answer::Cancel;
}

IOperator::Answer CTerminalOperator::Ask(const QString& text, Buttons buttons) {
    Q_UNUSED(text);
    Q_UNUSED(buttons);
    if (m_options.assumeYes) {
        Print(QStringLiteral("-> Ja (--yes)"));
        return Answer::Yes;
    }
    if (!m_options.interactive) {
        m_bQuestionUnanswered = true;
        Print(QStringLiteral("-> Nein"));
        return Answer::No;
    }
    std::fputs("[j/N] ", m_err);
    std::fflush(m_err);
    char line[64] = {};
    if (std::fgets(line, sizeof line, m_in) == nullptr) {
        return Answer::No;
    }
    const QString answer = QString::fromLocal8Bit(line).trimmed().toLower();
    const bool yes = answer == QLatin1String("j") || answer == QLatin1String("ja") ||
                     answer == QLatin1String("y") || answer == QLatin1String("yes");
    return yes ? Answer::Yes : Answer::No;
}

void CTerminalOperator::BeginProgress(const QString& caption, const QString& text, int minimum, int maximum) {
    Q_UNUSED(caption);
    m_bProgress = true;
    m_progressText = text;
    m_minimum = minimum;
    m_maximum = maximum;
    m_pos = minimum;
    DrawProgress();
}

void CTerminalOperator::SetProgressRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
}

void CTerminalOperator::SetProgressPos(int pos) {
    m_pos = pos;
    if (m_options.progressBar) {
        DrawProgress();
    }
}

void CTerminalOperator::SetProgressText(const QString& text) {
    m_progressText = text;
    DrawProgress();
}

void CTerminalOperator::EndProgress() {
    EndProgressLine();
    m_bProgress = false;
}

bool CTerminalOperator::QuestionUnanswered() const {
    return m_bQuestionUnanswered;
}

void CTerminalOperator::Print(const QString& line) {
    std::fputs(OneLine(line).toLocal8Bit().constData(), m_err);
    std::fputc('\n', m_err);
    std::fflush(m_err);
}

void CTerminalOperator::DrawProgress() {
    if (!m_bProgress) {
        return;
    }
    const int span = qMax(1, m_maximum - m_minimum);
    const int done = qBound(0, m_pos - m_minimum, span);
    if (!m_options.progressBar) {
        Print(QStringLiteral("[%1/%2] %3").arg(done).arg(span).arg(m_progressText));
        return;
    }
    const int filled = done * kBarWidth / span;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('.'));
    const QString line =
        QStringLiteral("\r[%1] %2% %3").arg(bar).arg(done * 100 / span, 3).arg(m_progressText);
    // Clear to the end of the line: a shorter step text must not leave the tail of a longer one.
    std::fputs((line + QStringLiteral("\033[K")).toLocal8Bit().constData(), m_err);
    std::fflush(m_err);
    m_bBarDrawn = true;
}

void CTerminalOperator::EndProgressLine() {
    if (m_bBarDrawn) {
        std::fputc('\n', m_err);
        std::fflush(m_err);
        m_bBarDrawn = false;
    }
}
