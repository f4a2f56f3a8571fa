#include "FontChoice.h"

#include "DialogHooks.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>

namespace corvella::ui {

std::unique_ptr<QFontDialog> makeFontDialog(QWidget* parent, const QFont& initial, const QColor& sampleColour)
{
    auto dialog = std::make_unique<QFontDialog>(initial, parent);
    dialog->setOption(QFontDialog::DontUseNativeDialog);
    // Qt's own dialog keeps strike-out and underline in a group of check boxes; the sample sits in another group.
    for (auto* group : dialog->findChildren<QGroupBox*>()) {
        if (!group->findChildren<QCheckBox*>().isEmpty()) {
            group->hide();
            continue;
        }
        for (auto* sample : group->findChildren<QLineEdit*>()) {
            QPalette palette = sample->palette();
            palette.setColor(QPalette::Text, sampleColour);
            sample->setPalette(palette);
        }
    }
    return dialog;
}

std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial, const QColor& sampleColour)
{
    if (const auto& hook = dialogHooks().font) {
        const auto answer = hook(FontRequest{parent, initial, std::nullopt});
        return answer ? std::optional<QFont>(answer->font) : std::nullopt;
    }
    auto dialog = makeFontDialog(parent, initial, sampleColour);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->selectedFont();
}

} // namespace corvella::ui
