#include "cli/TerminalText.h"

namespace {

QString EscapedExcept(const QString& text, bool bKeepLayout) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const bool bLayout = c == QLatin1Char('\n') || c == QLatin1Char('\t');
        if (c.category() == QChar::Other_Control && !(bKeepLayout && bLayout)) {
            shown += QStringLiteral("\\x") +
                     QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace

QString CTerminalText::Escaped(const QString& text) {
    return EscapedExcept(text, false);
}

QString CTerminalText::Lines(const QString& text) {
    return EscapedExcept(text, true);
}
