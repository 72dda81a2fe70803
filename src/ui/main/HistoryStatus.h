#pragma once

#include <QLabel>
#include <functional>

class QTimer;

/// The status bar's note of the device history: the event a receive or send has just recorded, so
/// that the technician can name it later, and how many events wait for the plant's server. It stays
/// beside the status tips of the menus instead of being overwritten by them.
class CHistoryStatus : public QLabel {
    Q_OBJECT

public:
    /// How often the waiting events are counted again: the store hands them on by itself meanwhile.
    static constexpr int kRefreshMs = 30000;

    explicit CHistoryStatus(QWidget* parent = nullptr);

    /// Where the number of waiting events comes from (the history store); none: nothing waits.
    void SetPendingCount(std::function<int()> pendingCount);
    /// After a receive or send: names the event recorded since nLastIdBefore, or nothing when the
    /// operation recorded none (no history, or it could not be stored).
    void AfterOperation(qint64 nLastIdBefore);
    void Refresh();

private:
    std::function<int()> m_pendingCount;
    qint64 m_nEvent = 0;
    QTimer* m_timer;
};
