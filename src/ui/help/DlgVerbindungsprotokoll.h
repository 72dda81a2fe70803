#pragma once

#include <QDialog>
#include <memory>

class CLinkTrace;
class CLoggingSwitches;
class IFileChooser;
class IOperator;
class QTableWidget;
class QTimer;

/// "Verbindungsprotokoll": the last frames of the link trace in a table (time, direction, command byte
/// and title, payload in hex and as text, checksum state, time-outs and repeated attempts), "Speichern..."
/// for the trace file a technician sends in, and the logging categories with a switch each. The window
/// stays open beside the main window; it takes new entries from the ring every half second while it is
/// shown, so the link never waits for it.
class CDlgVerbindungsprotokoll : public QDialog {
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 500;

    CDlgVerbindungsprotokoll(CLinkTrace& trace, CLoggingSwitches& switches, IFileChooser& chooser,
                             IOperator& op, QWidget* parent = nullptr);
    ~CDlgVerbindungsprotokoll() override;

    /// Adds the entries recorded since the last refresh and drops rows the ring no longer holds.
    void Refresh();
    /// "Speichern...": asks for a file and writes the trace; false when cancelled or not written.
    bool Save();
    QTableWidget* Table() const { return m_table; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* MakeSwitches();

    CLinkTrace& m_trace;
    CLoggingSwitches& m_switches;
    IFileChooser& m_chooser;
    IOperator& m_operator;
    QTableWidget* m_table = nullptr;
    QTimer* m_timer = nullptr;
    quint64 m_nShownSequence = 0;
};
