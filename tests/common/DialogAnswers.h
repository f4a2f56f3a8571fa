#pragma once

#include "ui/DialogHooks.h"

#include <QDialog>
#include <QFlags>
#include <QList>
#include <QStringList>

#include <optional>

namespace corvella::test {

/// Answers the program's dialogs while it lives, from scripts set on it, and keeps what was asked. It takes over
/// the kinds of dialog it is made for; the others go on to the answers that were there before, so a fixture can
/// answer message boxes while one test also answers fonts. Scripts that run out answer OK to a message box and
/// cancel every other dialog.
class DialogAnswers {
public:
    enum Kind { Messages = 1, Inputs = 2, Modals = 4, Fonts = 8, Files = 16, Everything = 31 };
    Q_DECLARE_FLAGS(Kinds, Kind)

    explicit DialogAnswers(Kinds kinds = Everything);
    /// Takes over message boxes only, answering them with `answers` in turn.
    DialogAnswers(std::initializer_list<QMessageBox::StandardButton> answers);
    ~DialogAnswers();
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    QList<QMessageBox::StandardButton> buttons;
    QList<std::optional<QString>> inputs;
    QList<std::optional<ui::FontAnswer>> fonts;
    /// Answers to file choosers, to open and to save alike.
    QStringList files;
    /// Runs as each message box is asked, before it is answered: what happens while the user reads it.
    std::function<void(const QString& text)> onMessage;
    /// Plays the user in one of the program's own modal dialogs; returns its result as `exec` would.
    std::function<int(QDialog&)> modal;

    QStringList asked; // message texts
    QList<ui::MessageRequest> messagesAsked;
    QStringList transcript; // message texts and input prompts, in the order asked
    QList<ui::InputRequest> inputsAsked;
    QList<ui::FontRequest> fontsAsked;
    QList<ui::FileRequest> filesAsked;

private:
    ui::DialogHooks m_previous;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DialogAnswers::Kinds)

/// Answers for the plain font dialog: each font chosen, or none for Cancel.
QList<std::optional<ui::FontAnswer>> fontAnswers(const QList<std::optional<QFont>>& fonts);

} // namespace corvella::test
