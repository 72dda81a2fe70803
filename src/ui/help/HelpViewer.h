#pragma once

#include <QString>

class IOperator;

/// Hands the help documents to the desktop's viewer; a missing document or viewer is told.
class CHelpViewer {
public:
    /// fileName: "hilfe_software.pdf" or "hilfe_transmitter.pdf"; with English chosen the English
    /// document is taken where there is one.
    static bool OpenDocument(const QString& fileName, const QString& programDir, bool bEnglish,
                             IOperator& op);
};
