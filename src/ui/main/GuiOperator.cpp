#include "ui/main/GuiOperator.h"

#include "shell/Edition.h"
#include "ui/main/Progress.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon BoxIcon(IOperator::Icon icon) {
    switch (icon) {
    case IOperator::Icon::Information:
        return QMessageBox::Information;
    case IOperator::Icon::Warning:
        return QMessageBox::Warning;
    case IOperator::Icon::Error:
        return QMessageBox::Critical;
    case IOperator::Icon::Question:
        return QMessageBox::Question;
    case IOperator::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

CGuiOperator::~CGuiOperator() {
    while (m_nWaitDepth > 0) {
        EndWaitCursor();
    }
    delete m_progress.data();
}

void CGuiOperator::SetWindow(QWidget* window) {
    m_window = window;
}

void CGuiOperator::SetAnswerHook(AnswerHook hook) {
    m_answerHook = std::move(hook);
}

void CGuiOperator::SetBereitSink(BereitSink sink) {
    m_bereitSink = std::move(sink);
}

IOperator::Answer CGuiOperator::ShowMessage(const QString& text, const QString& caption, Icon icon,
                                            Buttons buttons) {
    const Shown shown{text, caption.isEmpty() ? CEdition::ProgramName() : caption, icon, buttons};
    if (m_answerHook) {
        if (const std::optional<Answer> answer = m_answerHook(shown)) {
            return *answer;
        }
    }
    return ShowBox(shown);
}

IOperator::Answer CGuiOperator::ShowBox(const Shown& shown) {
    QMessageBox box(BoxIcon(shown.icon), shown.caption, shown.text, QMessageBox::NoButton, m_window);
    // The box speaks the program's language, whatever Qt's own catalogue would say.
    const auto add = [&box](const QString& label, QMessageBox::ButtonRole role) {
        return box.addButton(label, role);
    };
    QList<std::pair<QAbstractButton*, Answer>> answers;
    switch (shown.buttons) {
    case Buttons::Ok:
        answers = {{add(tr("OK"), QMessageBox::AcceptRole), Answer::Ok}};
        break;
    case Buttons::OkCancel:
        answers = {{add(tr("OK"), QMessageBox::AcceptRole), Answer::Ok},
                   {add(tr("Abbrechen"), QMessageBox::RejectRole), Answer::Cancel}};
        break;
    case Buttons::YesNo:
        answers = {{add(tr("&Ja"), QMessageBox::YesRole), Answer::Yes},
                   {add(tr("&Nein"), QMessageBox::NoRole), Answer::No}};
        break;
    case Buttons::YesNoCancel:
        answers = {{add(tr("&Ja"), QMessageBox::YesRole), Answer::Yes},
                   {add(tr("&Nein"), QMessageBox::NoRole), Answer::No},
                   {add(tr("Abbrechen"), QMessageBox::RejectRole), Answer::Cancel}};
        break;
    case Buttons::RetryCancel:
        answers = {{add(tr("&Wiederholen"), QMessageBox::AcceptRole), Answer::Retry},
                   {add(tr("Abbrechen"), QMessageBox::RejectRole), Answer::Cancel}};
        break;
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(answers.first().first));
    if (answers.size() > 1) {
        box.setEscapeButton(answers.last().first);
    }
    // The wait cursor of a running operation must not hide the pointer over the box.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QGuiApplication::restoreOverrideCursor();
    for (const auto& [button, answer] : answers) {
        if (box.clickedButton() == button) {
            return answer;
        }
    }
    return answers.size() > 1 ? answers.last().second : answers.first().second;
}

void CGuiOperator::BeginProgress(const QString& caption, const QString& text, int minimum, int maximum) {
    if (!m_progress) {
        m_progress = new CProgress(m_window);
    }
    m_progress->setWindowTitle(caption);
    m_progress->SetText(text);
    m_progress->SetRange(minimum, maximum);
    m_progress->SetPos(minimum);
    m_progress->show();
}

void CGuiOperator::SetProgressRange(int minimum, int maximum) {
    if (m_progress) {
        m_progress->SetRange(minimum, maximum);
    }
}

void CGuiOperator::SetProgressPos(int pos) {
    if (m_progress) {
        m_progress->SetPos(pos);
    }
}

void CGuiOperator::SetProgressText(const QString& text) {
    if (m_progress) {
        m_progress->SetText(text);
    }
}

void CGuiOperator::EndProgress() {
    delete m_progress.data();
}

void CGuiOperator::BeginWaitCursor() {
    if (m_nWaitDepth++ == 0) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void CGuiOperator::EndWaitCursor() {
    if (m_nWaitDepth > 0 && --m_nWaitDepth == 0) {
        QGuiApplication::restoreOverrideCursor();
    }
}

void CGuiOperator::SetBereit(bool bBereit) {
    if (m_bereitSink) {
        m_bereitSink(bBereit);
    }
}

CProgress* CGuiOperator::Progress() const {
    return m_progress.data();
}
