#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

/// Drives the modal dialogs a command opens: acts on the next modal dialog of a class once it is up,
/// and closes any dialog nobody expected, so that a fault shows as a failed check instead of a hang.
class CModalDriver {
public:
    static constexpr int kPollMs = 5;
    static constexpr int kMaxPolls = 400;

    /// Runs act on the next modal dialog of class T, as soon as it is the active modal widget.
    template <typename T>
    static void WhenShown(std::function<void(T*)> act) {
        Poll<T>(std::move(act), 0, s_nGeneration);
    }

    /// Forgets every wait still pending, so that one test's expectations never act in the next.
    static void Reset() { ++s_nGeneration; }

    /// Clicks the push button with that text inside the widget; false when there is none.
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
    template <typename T>
    static void Poll(std::function<void(T*)> act, int nPolls, int nGeneration) {
        QTimer::singleShot(kPollMs, [act, nPolls, nGeneration] {
            if (nGeneration != s_nGeneration) {
                return;
            }
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                act(dialog);
            } else if (nPolls < kMaxPolls) {
                Poll<T>(act, nPolls + 1, nGeneration);
            }
        });
    }

    static inline int s_nGeneration = 0;
};
