#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

/// Drives the modal dialogs a command opens, as a person at the screen would, so that a test can run a
/// command whose dialogs block in their own event loop. Two ways to use it:
///
/// - WhenShown<T>(act): acts once on the next modal dialog of class T. Each wait gives up after
///   kMaxPolls polls; Reset() (in the test's cleanup) forgets every wait still pending.
/// - A driver object with a queue of steps (Then): each step waits for the modal window it names (by
///   object name, or "messagebox" for any message box) and acts on it. The texts of all message boxes
///   seen are kept in messages; a message box no step expects is closed, so that a fault shows as a
///   failed check instead of a hang. The queue stops with the object.
class CModalDriver : public QObject {
public:
    using Action = std::function<void(QWidget*)>;

    static constexpr int kPollMs = 5;
    static constexpr int kMaxPolls = 400;

    CModalDriver() {
        connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
        m_timer.start(10);
    }

    /// Queues a step: acts on the modal window of that object name once it is up.
    void Then(const QString& name, Action action) { m_steps.append({name, std::move(action)}); }
    /// True once every queued step has been taken.
    bool Done() const { return m_steps.isEmpty(); }
    /// The text of every message box that came up while steps were pending, in order.
    QStringList messages;

    /// Runs act on the next modal dialog of class T, as soon as it is the active modal widget.
    template <typename T>
    static void WhenShown(std::function<void(T*)> act) {
        PollFor<T>(std::move(act), 0, s_nGeneration);
    }

    /// Forgets every WhenShown wait still pending, so that one test's expectations never act in the next.
    static void Reset() { ++s_nGeneration; }

    /// Clicks the enabled button with that text inside the widget; false when there is none.
    static bool Click(QWidget* widget, const QString& text) {
        for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
            if (button->text() == text && button->isEnabled()) {
                button->click();
                return true;
            }
        }
        return false;
    }

private:
    struct Step {
        QString name;
        Action action;
    };

    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || m_steps.isEmpty() || !modal->isVisible()) {
            return;
        }
        const bool bBox = modal->inherits("QMessageBox");
        if (bBox) {
            messages.append(modal->property("text").toString());
        }
        const Step& step = m_steps.first();
        if (step.name == (bBox ? QStringLiteral("messagebox") : modal->objectName())) {
            const Step current = m_steps.takeFirst();
            current.action(modal);
        } else if (bBox) {
            // A message the test did not expect: recorded and closed, so the test fails on its checks.
            QMetaObject::invokeMethod(modal, "reject");
        }
    }

    template <typename T>
    static void PollFor(std::function<void(T*)> act, int nPolls, int nGeneration) {
        QTimer::singleShot(kPollMs, [act, nPolls, nGeneration] {
            if (nGeneration != s_nGeneration) {
                return;
            }
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                act(dialog);
            } else if (nPolls < kMaxPolls) {
                PollFor<T>(act, nPolls + 1, nGeneration);
            }
        });
    }

    QTimer m_timer;
    QList<Step> m_steps;
    static inline int s_nGeneration = 0;
};
