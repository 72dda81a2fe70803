#include "DialogDriver.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kPollMs = 10;
constexpr qint64 kGiveUpMs = 20000;

} // namespace

CDialogDriver::CDialogDriver() {
    connect(&m_timer, &QTimer::timeout, this, &CDialogDriver::AnswerMessageBoxes);
    m_timer.start(kPollMs);
    m_age.start();
}

void CDialogDriver::AnswerMessageBoxes() {
    if (m_age.elapsed() > kGiveUpMs) {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box != nullptr && box->isVisible()) {
            messages << box->text();
            if (box->defaultButton() != nullptr) {
                box->defaultButton()->click();
            } else {
                box->accept();
            }
        }
    }
}

void CDialogDriver::Later(std::function<void()> step) {
    QTimer::singleShot(0, std::move(step));
}

QAbstractButton* CDialogDriver::Button(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

void CDialogDriver::Click(QWidget* dialog, const QString& text) {
    QAbstractButton* button = Button(dialog, text);
    QVERIFY2(button != nullptr, qPrintable(text));
    button->click();
}

void CDialogDriver::Type(QWidget* dialog, int nFeld, const QString& text) {
    QLineEdit* edit = Field(dialog, nFeld);
    QVERIFY2(edit != nullptr, qPrintable(QString::number(nFeld)));
    edit->selectAll();
    QTest::keyClicks(edit, text);
}
