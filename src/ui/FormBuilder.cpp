#include "FormBuilder.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace corvella::ui {

namespace {

/// Gives the window the frame `frame` asks for; a window with a fixed size keeps it.
void placeFrame(QWidget* window, const QRect& frame)
{
    const QSize border = window->frameSize() - window->size();
    if (frame.size() != window->frameSize() && window->minimumSize() != window->maximumSize())
        window->resize((frame.size() - border).expandedTo(window->minimumSize()));
    window->move(frame.topLeft());
}

/// Places its window at the first show event, which comes before the window is mapped: in the middle of the
/// screen, or inside it from where it stands.
class FirstShowPlacement : public QObject {
public:
    FirstShowPlacement(QWidget* window, bool centre)
        : QObject(window)
        , m_window(window)
        , m_centre(centre)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_window->removeEventFilter(this);
            if (const QScreen* screen = m_window->screen()) {
                const QRect available = screen->availableGeometry();
                const QRect frame =
                    m_centre ? QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, m_window->frameSize(), available)
                             : m_window->frameGeometry();
                placeFrame(m_window, keptInside(frame, available));
            }
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_centre;
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
    new FirstShowPlacement(window, true);
}

void keepOnScreenOnFirstShow(QWidget* window)
{
    new FirstShowPlacement(window, false);
}

QRect keptInside(const QRect& frame, const QRect& available)
{
    QRect kept(frame.topLeft(), frame.size().boundedTo(available.size()));
    kept.moveLeft(std::clamp(kept.left(), available.left(), available.right() - kept.width() + 1));
    kept.moveTop(std::clamp(kept.top(), available.top(), available.bottom() - kept.height() + 1));
    return kept;
}

} // namespace corvella::ui
