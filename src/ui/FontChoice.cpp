#include "FontChoice.h"

#include "DialogHooks.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>

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
        // The sample takes its height from the effects beside it; without them it would close up.
        group->setMinimumHeight(std::max(group->minimumHeight(), 4 * dialog->fontMetrics().height()));
    }
    // Only the family and the size are stored: the middle column, the style, is not offered.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) {
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            if (QWidget* widget = grid->itemAt(i)->widget(); widget && column == 2 && row <= 2)
                widget->hide();
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
