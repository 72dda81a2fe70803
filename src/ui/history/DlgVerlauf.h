#pragma once

#include "history/HistoryBrowser.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

/// "Verlauf": the transmitters the history has seen, filterable by serial number or tag, and the events
/// of the one chosen, newest first. "Als Dokument öffnen" takes the chosen event's recorded set: the
/// dialog ends with Accepted and the caller opens it.
class CDlgVerlauf : public QDialog {
    Q_OBJECT

public:
    CDlgVerlauf(const CHistoryStore& store, QWidget* parent = nullptr);

    /// The event whose set is to be opened (after Accepted).
    qint64 ChosenEvent() const { return m_nChosen; }
    const CHistoryBrowser& Browser() const { return m_browser; }

private:
    void FillTransmitters();
    void FillEvents();
    void UpdateButtons();

    CHistoryBrowser m_browser;
    QList<CHistoryTransmitter> m_transmitters;
    QLineEdit* m_filter;
    QTableWidget* m_transmitterTable;
    QTableWidget* m_eventTable;
    QPushButton* m_open;
    qint64 m_nChosen = 0;
};
