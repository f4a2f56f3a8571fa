#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QStringList>

namespace corvella::test {

/// Answers the program's message boxes while it lives: the given buttons in turn, then OK. Keeps every text asked.
class MessageRecorder {
public:
    explicit MessageRecorder(QList<QMessageBox::StandardButton> answers = {})
        : m_answers(std::move(answers))
    {
        m_previous = ui::setMessageHook([this](const ui::MessageRequest& request) {
            asked << request.text;
            return m_answers.isEmpty() ? QMessageBox::Ok : m_answers.takeFirst();
        });
    }
    ~MessageRecorder() { ui::setMessageHook(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList asked;

private:
    QList<QMessageBox::StandardButton> m_answers;
    ui::MessageHook m_previous;
};

} // namespace corvella::test
