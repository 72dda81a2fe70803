#pragma once

#include "history/HistoryBrowser.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

/// "Verlauf": the transmitters the history has seen, filterable by serial number or tag, and the events
/// of the one chosen, newest first. "Als Dokument öffnen" and "Erneut senden" take the chosen event's
/// recorded set, "Vergleichen" and "Drucken..." two events' sets: the dialog ends with Accepted, and the
/// caller carries out the action with the chosen events.
class CDlgVerlauf : public QDialog {
    Q_OBJECT

public:
    enum class Action { Open, Compare, Print, SendAgain };

    CDlgVerlauf(const CHistoryStore& store, QWidget* parent = nullptr);

    /// The event whose set is to be opened (after Accepted).
    qint64 ChosenEvent() const { return m_nChosen; }
    const CHistoryBrowser& Browser() const { return m_browser; }
    Action ChosenAction() const { return m_action; }
    /// The selected events with their sets (after Accepted).
    const QList<CHistoryRecord>& Chosen() const { return m_chosen; }

private:
    void FillTransmitters();
    void FillEvents();
    void UpdateButtons();
    void Finish(Action action);

    CHistoryBrowser m_browser;
    QList<CHistoryTransmitter> m_transmitters;
    QLineEdit* m_filter;
    QTableWidget* m_transmitterTable;
    QTableWidget* m_eventTable;
    QPushButton* m_open;
    QPushButton* m_compare;
    QPushButton* m_print;
    QPushButton* m_sendAgain;
    qint64 m_nChosen = 0;
    Action m_action = Action::Open;
    QList<CHistoryRecord> m_chosen;
};
