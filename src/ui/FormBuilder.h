#pragma once

#include "Dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QToolButton>
#include <QWidget>

namespace corvella::ui {

/// Builds a window whose controls sit at fixed positions, so that a window's build function reads as a table:
/// one line a control, with its object name, place and handler. Handlers run inside `guard`, with the window as the
/// parent of any error shown. Controls are made on the current parent (the window, or a page or panel set with
/// `on`) and the order of making is the tab order.
class FormBuilder {
public:
    explicit FormBuilder(QWidget* window)
        : m_window(window)
        , m_parent(window)
    {}

    /// Controls made from now on go onto `parent`.
    FormBuilder& on(QWidget* parent)
    {
        m_parent = parent;
        return *this;
    }
    QWidget* parent() const { return m_parent; }

    /// A control of type T named `name`, placed at `geometry` (an empty size keeps the control's own size).
    template <class T> T* add(const QString& name, const QRect& geometry = {})
    {
        auto* widget = new T(m_parent);
        widget->setObjectName(name);
        place(widget, geometry);
        return widget;
    }

    /// A label whose text starts at `at`.
    QLabel* label(const QString& name, const QString& caption, QPoint at);
    QLineEdit* edit(const QString& name, const QRect& geometry);
    QPushButton* button(const QString& name, const QString& caption, const QRect& geometry,
                        const QString& toolTip = {});
    QToolButton* toolButton(const QString& name, const QString& caption, const QRect& geometry,
                            const QString& toolTip = {});
    /// A hidden control that only carries values for the window's logic.
    template <class T> T* hidden(const QString& name)
    {
        T* widget = add<T>(name);
        widget->hide();
        return widget;
    }

    /// Runs `handler` inside the error guard whenever `sender` emits `signal`; the signal's arguments are passed on.
    template <class Sender, class Signal, class Handler> void onSignal(Sender* sender, Signal signal, Handler handler)
    {
        QObject::connect(sender, signal, m_window,
                         [window = m_window, handler](auto&&... args) { guard(window, [&] { handler(args...); }); });
    }
    /// The usual case: a click on a button.
    template <class Button, class Handler> Button* onClick(Button* button, Handler handler)
    {
        onSignal(button, &Button::clicked, [handler](bool) { handler(); });
        return button;
    }

private:
    void place(QWidget* widget, const QRect& geometry);
    template <class Button>
    Button* captioned(const QString& name, const QString& caption, const QRect& geometry, const QString& toolTip);

    QWidget* m_window;
    QWidget* m_parent;
};

/// Centres `window` on its screen when it is first shown; without a window manager it would open at 0,0.
void centreOnFirstShow(QWidget* window);
/// Moves `window`, placed at a fixed position, inside its screen's available area when it is first shown, if it
/// would not fit where it stands.
void keepOnScreenOnFirstShow(QWidget* window);

/// Where a window's frame goes so that it lies inside `available`: moved as little as it can be, and, when it is
/// larger, cut to the available size at the area's top or left edge.
QRect keptInside(const QRect& frame, const QRect& available);

} // namespace corvella::ui
