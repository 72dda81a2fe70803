#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

/// Drives the modal dialogs a command opens, as a person at the screen would, so that a test can run a
/// command whose dialogs block in their own event loop. A test queues what it expects before the command
/// runs: WhenShown<T>(act) for the next modal dialog of class T, WhenShown(name, act) for the next modal
/// window of that object name. Each modal window that comes up is given to the first waiting step that
/// fits it; Done() tells whether every step has been taken, and Reset() (in the test's cleanup) forgets
/// the steps still waiting, so that one test's expectations never act in the next.
///
/// A modal window that no step takes, or that stays up after its step's act has returned, is a fault
/// of the program or of the test: after kHangMs the test fails with the window's name and the window is
/// closed, so that the test ends within seconds instead of hanging until CTest's time-out. That holds as
/// well for a window that comes up over one a step is acting on (a message box nobody expected).
class CModalDriver {
public:
    using Action = std::function<void(QWidget*)>;

    static constexpr int kPollMs = 5;
    static constexpr int kHangMs = 10000;

    /// Runs act on the next modal dialog of class T, as soon as it is the active modal widget.
    template <typename T>
    static void WhenShown(std::function<void(T*)> act) {
        Queue([](QWidget* modal) { return qobject_cast<T*>(modal) != nullptr; },
              [act](QWidget* modal) { act(qobject_cast<T*>(modal)); });
    }

    /// Runs act on the next modal window of that object name; "messagebox" stands for any message box.
    static void WhenShown(const QString& name, Action act) {
        Queue(
            [name](QWidget* modal) {
                return name == QLatin1String("messagebox") ? modal->inherits("QMessageBox")
                                                           : modal->objectName() == name;
            },
            std::move(act));
    }

    /// True once every queued step has been taken.
    static bool Done() { return Instance().m_steps.isEmpty(); }
    /// The text of every message box that came up since the last Reset(), in order.
    static const QStringList& Messages() { return Instance().m_messages; }

    /// Forgets every step still waiting and the messages seen.
    static void Reset() {
        Instance().m_steps.clear();
        Instance().m_messages.clear();
    }

    /// Clicks the enabled button with that text inside the widget; false when there is none.
    static bool Click(QWidget* widget, const QString& text) {
        QAbstractButton* button = Button(widget, text);
        if (button == nullptr || !button->isEnabled()) {
            return false;
        }
        button->click();
        return true;
    }

    /// The button with that text inside the widget; nullptr when there is none.
    static QAbstractButton* Button(QWidget* widget, const QString& text) {
        for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
            if (button->text() == text) {
                return button;
            }
        }
        return nullptr;
    }

    /// The control of a dialog's field by its number in the dialog's rules (the name its field binder
    /// gives it).
    template <typename T = QLineEdit>
    static T* Field(QWidget* dialog, int nFeld) {
        return dialog->findChild<T*>(QStringLiteral("feld%1").arg(nFeld));
    }

    /// Replaces a field's text by typing, as a user does.
    static void Type(QWidget* dialog, int nFeld, const QString& text) {
        QLineEdit* edit = Field(dialog, nFeld);
        QVERIFY2(edit != nullptr, qPrintable(QStringLiteral("no field %1").arg(nFeld)));
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    /// Answers a message box with its default button, as Return does.
    static void Answer(QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        if (box->defaultButton() != nullptr) {
            box->defaultButton()->click();
        } else {
            box->accept();
        }
    }

private:
    struct Step {
        std::function<bool(QWidget*)> fits;
        Action act;
    };

    CModalDriver() {
        // The application owns the timer: it must not outlive the event loop it runs in.
        auto* timer = new QTimer(qApp);
        QObject::connect(timer, &QTimer::timeout, [this] { Poll(); });
        timer->start(kPollMs);
    }

    static CModalDriver& Instance() {
        static auto* driver = new CModalDriver(); // lives as long as the test program
        return *driver;
    }

    static void Queue(std::function<bool(QWidget*)> fits, Action act) {
        Instance().m_steps.append({std::move(fits), std::move(act)});
    }

    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            m_watched = nullptr;
            return;
        }
        if (modal != m_watched) {
            m_watched = modal;
            m_since.start();
            if (modal->inherits("QMessageBox")) {
                m_messages.append(modal->property("text").toString());
            }
        }
        // While a step acts on this window (it may drive a wizard for a while), it is in the test's hands:
        // no second step takes it, and it may stay up as long as the act needs.
        if (m_acting.contains(modal)) {
            return;
        }
        for (qsizetype i = 0; i < m_steps.size(); ++i) {
            if (m_steps.at(i).fits(modal)) {
                const Step step = m_steps.takeAt(i);
                m_since.start(); // the window has its time again to close after the step's act
                // Acted on outside this timer call: a dialog the act opens blocks in its own event loop,
                // and the polling must go on meanwhile.
                m_acting.append(modal);
                QTimer::singleShot(0, modal, [this, step, window = QPointer<QWidget>(modal)] {
                    if (window) {
                        step.act(window);
                        m_since.start(); // from the end of the act the window has its time to close
                    }
                    m_acting.removeOne(window);
                });
                return;
            }
        }
        if (m_since.elapsed() >= kHangMs) {
            const QString what =
                QStringLiteral("modal window \"%1\" (%2, \"%3\") was not closed within %4 ms")
                    .arg(modal->objectName(), QString::fromLatin1(modal->metaObject()->className()),
                         modal->windowTitle())
                    .arg(kHangMs);
            m_watched = nullptr;
            QTest::qFail(qPrintable(what), __FILE__, __LINE__);
            QMetaObject::invokeMethod(modal, "reject");
            modal->close();
        }
    }

    QList<Step> m_steps;
    QStringList m_messages;
    QPointer<QWidget> m_watched;
    QElapsedTimer m_since;
    QList<QPointer<QWidget>> m_acting; ///< the windows whose steps are acting now
};
