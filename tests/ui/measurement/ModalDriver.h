#pragma once

#include <QApplication>
#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

/// Acts on the modal windows of a test in turn, as a person would: each step waits for the modal window
/// it names (by object name, or any message box for "messagebox") and does something with it.
class CModalDriver : public QObject {
public:
    using Action = std::function<void(QWidget*)>;

    CModalDriver() {
        connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
        m_timer.start(10);
    }

    void Then(const QString& name, Action action) { m_steps.append({name, std::move(action)}); }
    bool Done() const { return m_steps.isEmpty(); }
    QStringList messages;

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

    QTimer m_timer;
    QList<Step> m_steps;
};
