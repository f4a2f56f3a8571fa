#pragma once

#include <QKeySequence>
#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QToolButton;

namespace corvella::store {
class DataSet;
}

namespace corvella::ui {

/// The record navigator: first, prior, next, last, insert, delete, edit, post and cancel. Only the buttons that
/// can act in the data set's current state are enabled.
class DBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, ButtonCount };

    explicit DBNavigator(QWidget* parent = nullptr);
    void setDataSet(store::DataSet* dataSet);
    QToolButton* button(Button which) const { return m_buttons[which]; }
    /// Acts as a click on the button would.
    void click(Button which);
    /// The keys that act as a button while the navigator's window is active (none for Delete and Edit: typing
    /// starts an edit, and a key must not delete a record).
    static QList<QKeySequence> keysFor(Button which);
    /// Whether a key event carries one of those keys. A bound field passes them on rather than taking them as its
    /// own editing keys (Ctrl+Home and Ctrl+End move within a line edit).
    static bool isNavigatorKey(const QKeyEvent* event);
    /// A key a bound control leaves to its window's shortcuts: the navigator's, and Find (which a line edit would
    /// otherwise take as its own "forward one character" on X11).
    static bool isWindowKey(const QKeyEvent* event);

private:
    void updateButtons();

    QPointer<store::DataSet> m_dataSet;
    QToolButton* m_buttons[ButtonCount];
    QList<QMetaObject::Connection> m_connections;
};

} // namespace corvella::ui
