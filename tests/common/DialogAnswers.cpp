#include "DialogAnswers.h"

namespace corvella::test {

namespace {

template <class T> std::optional<T> next(QList<std::optional<T>>& script)
{
    return script.isEmpty() ? std::nullopt : script.takeFirst();
}

} // namespace

QList<std::optional<ui::FontAnswer>> fontAnswers(const QList<std::optional<QFont>>& fonts)
{
    QList<std::optional<ui::FontAnswer>> answers;
    for (const auto& font : fonts)
        answers << (font ? std::optional<ui::FontAnswer>(ui::FontAnswer{*font, 0}) : std::nullopt);
    return answers;
}

DialogAnswers::DialogAnswers(std::initializer_list<QMessageBox::StandardButton> answers)
    : DialogAnswers(Messages)
{
    buttons = answers;
}

DialogAnswers::DialogAnswers(Kinds kinds)
{
    ui::DialogHooks hooks = ui::dialogHooks();
    if (kinds & Messages)
        hooks.message = [this](const ui::MessageRequest& request) {
            asked << request.text;
            messagesAsked << request;
            transcript << request.text;
            if (onMessage)
                onMessage(request.text);
            return buttons.isEmpty() ? QMessageBox::Ok : buttons.takeFirst();
        };
    if (kinds & Inputs)
        hooks.input = [this](const ui::InputRequest& request) {
            inputsAsked << request;
            transcript << request.prompt;
            return next(inputs);
        };
    if (kinds & Modals)
        hooks.modal = [this](QDialog& dialog) { return modal ? modal(dialog) : int(QDialog::Rejected); };
    if (kinds & Fonts)
        hooks.font = [this](const ui::FontRequest& request) {
            fontsAsked << request;
            return next(fonts);
        };
    if (kinds & Files) {
        hooks.openFile = [this](const ui::FileRequest& request) -> std::optional<QString> {
            filesAsked << request;
            if (files.isEmpty())
                return std::nullopt;
            return files.takeFirst();
        };
        hooks.saveFile = hooks.openFile;
    }
    m_previous = ui::setDialogHooks(std::move(hooks));
}

DialogAnswers::~DialogAnswers()
{
    ui::setDialogHooks(std::move(m_previous));
}

} // namespace corvella::test
