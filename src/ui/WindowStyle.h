#pragma once

#include <QColor>
#include <QWidget>

namespace corvella::ui {

/// The background shared by the program's windows (red 230, green 230, blue 255).
inline const QColor WindowColour(230, 230, 255);

inline void applyWindowColour(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, WindowColour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

} // namespace corvella::ui
