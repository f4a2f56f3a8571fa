#include "FormBuilder.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>

namespace corvella::ui {

namespace {

/// Moves its window to the middle of the screen at the first show event, which comes before the window is mapped.
class FirstShowCentring : public QObject {
public:
    explicit FirstShowCentring(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_window->removeEventFilter(this);
            if (const QScreen* screen = m_window->screen())
                m_window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, m_window->frameSize(),
                                                   screen->availableGeometry())
                                   .topLeft());
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void FormBuilder::place(QWidget* widget, const QRect& geometry)
{
    if (geometry.isEmpty())
        widget->move(geometry.topLeft());
    else
        widget->setGeometry(geometry);
}

QLabel* FormBuilder::label(const QString& name, const QString& caption, QPoint at)
{
    auto* label = add<QLabel>(name, QRect(at, QSize()));
    label->setText(caption);
    return label;
}

QLineEdit* FormBuilder::edit(const QString& name, const QRect& geometry)
{
    return add<QLineEdit>(name, geometry);
}

template <class Button>
Button* FormBuilder::captioned(const QString& name, const QString& caption, const QRect& geometry,
                               const QString& toolTip)
{
    auto* button = add<Button>(name, geometry);
    button->setText(caption);
    button->setToolTip(toolTip);
    return button;
}

QPushButton* FormBuilder::button(const QString& name, const QString& caption, const QRect& geometry,
                                 const QString& toolTip)
{
    return captioned<QPushButton>(name, caption, geometry, toolTip);
}

QToolButton* FormBuilder::toolButton(const QString& name, const QString& caption, const QRect& geometry,
                                     const QString& toolTip)
{
    return captioned<QToolButton>(name, caption, geometry, toolTip);
}

void centreOnFirstShow(QWidget* window)
{
    new FirstShowCentring(window);
}

} // namespace corvella::ui
