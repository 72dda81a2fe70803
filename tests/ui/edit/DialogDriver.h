#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QAbstractButton;

/// Drives modal dialogs in offscreen GUI tests: answers every message box with its default button and
/// records its text, runs steps inside the next modal loop, finds fields and buttons. A dialog still open
/// after a failed step is closed after a while, so that the test ends with its failure instead of hanging.
class CDialogDriver : public QObject {
    Q_OBJECT

public:
    CDialogDriver();

    /// Runs step as soon as the event loop of the next exec() runs.
    static void Later(std::function<void()> step);
    /// The dialog that is open modally now, as T (nullptr when it is another kind).
    template <class T>
    static T* Active();
    /// A field by its number in the dialog's rules.
    template <class T = QLineEdit>
    static T* Field(QWidget* dialog, int nFeld);
    static QAbstractButton* Button(QWidget* dialog, const QString& text);
    static void Click(QWidget* dialog, const QString& text);
    static void Type(QWidget* dialog, int nFeld, const QString& text);

    /// The texts of the message boxes answered so far.
    QStringList messages;

private:
    void AnswerMessageBoxes();

    QTimer m_timer;
    QElapsedTimer m_age;
};

template <class T>
T* CDialogDriver::Active() {
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

template <class T>
T* CDialogDriver::Field(QWidget* dialog, int nFeld) {
    return dialog->findChild<T*>(QStringLiteral("feld%1").arg(nFeld));
}
