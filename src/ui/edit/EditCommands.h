#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <functional>

class CQuillonDoc;
class QWidget;

/// The commands of the menu "Editieren" and "Konfiguration...": each opens its dialog on the document
/// and writes back what the user confirmed. The window calls them; they run modally on its behalf.
class CEditCommands {
    Q_DECLARE_TR_FUNCTIONS(CEditCommands)

public:
    /// The transfers of the configuration loop, provided by the measurement part: read the live value
    /// (with the corrections when asked), write the corrections; each true on success and showing its
    /// own messages on failure.
    struct KonfigurationTransfer {
        std::function<void()> begin;
        std::function<bool(bool bKorrekturen)> lesen;
        std::function<bool()> schreiben;
        /// Runs the whole offset and span correction loop of the types 0 and 1.
        std::function<void()> korrekturSchleife;
        /// Closes the port at the end of the loop.
        std::function<void()> end;
    };

    CEditCommands(CQuillonDoc& doc, QWidget* window, QLocale locale = QLocale());

    /// "Aktuelle Daten...": true when the user confirmed and the document changed.
    bool AktuelleDaten();
    /// A range preset: a new parameter set with the preset's range in the type's edit dialog. After
    /// "Abbrechen" the document stays cleared and invalid.
    bool RangePreset(int nPreset);
    /// "Transmitter-Typ...".
    bool TransmitterTyp();
    /// "Konfiguration...": the configuration dialog loop for types 2 to 10, the correction loop for the
    /// others.
    void Konfiguration(const KonfigurationTransfer& transfer);

private:
    CQuillonDoc& m_doc;
    QWidget* m_window;
    QLocale m_locale;
};
