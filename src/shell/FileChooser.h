#pragma once

#include <QString>

/// The open and save file choosers. The window shows the desktop's dialogs; tests answer with paths.
class IFileChooser {
public:
    virtual ~IFileChooser() = default;
    /// The file to open, or an empty text when the person cancelled.
    virtual QString ChooseOpen(const QString& filter, const QString& directory) = 0;
    /// The file to save to, or an empty text when the person cancelled.
    virtual QString ChooseSave(const QString& filter, const QString& suggestion) = 0;
};
