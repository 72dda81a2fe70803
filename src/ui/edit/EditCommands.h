#pragma once

#include <QCoreApplication>
#include <QLocale>

class CQuillonDoc;
class QWidget;

/// The commands of the menu "Editieren": each opens its dialog on the document and writes back what the
/// user confirmed. The window calls them; they run modally on its behalf.
class CEditCommands {
    Q_DECLARE_TR_FUNCTIONS(CEditCommands)

public:
    CEditCommands(CQuillonDoc& doc, QWidget* window, QLocale locale = QLocale());

    /// "Aktuelle Daten...": true when the user confirmed and the document changed.
    bool AktuelleDaten();
    /// A range preset: a new parameter set with the preset's range in the type's edit dialog. After
    /// "Abbrechen" the document stays cleared and invalid.
    bool RangePreset(int nPreset);
    /// "Transmitter-Typ...".
    bool TransmitterTyp();

private:
    CQuillonDoc& m_doc;
    QWidget* m_window;
    QLocale m_locale;
};
