#pragma once

#include <QString>

/// Text from a transmitter, a file or the history as the terminal gets it. A tag or serial number may
/// hold any character; a control character such as ESC would act on the terminal (move the cursor,
/// retitle the window, hide the rest of the line) instead of being read, so it is shown as \x1B.
class CTerminalText {
public:
    /// Every control character escaped, line breaks and tabs too: one field's text.
    static QString Escaped(const QString& text);
    /// Control characters escaped but for line breaks and tabs, which a report's lines and columns use:
    /// the last guard before anything reaches the terminal.
    static QString Lines(const QString& text);
};
