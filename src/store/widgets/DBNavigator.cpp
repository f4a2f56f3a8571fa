#include "DBNavigator.h"

#include "EditGuard.h"
#include "store/DataSet.h"
#include "ui/Dialogs.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShortcut>
#include <QToolButton>

namespace corvella::ui {

namespace {

struct ButtonLook {
    const char* objectName;
    const char16_t* glyph;
    const char* hint;
};

constexpr ButtonLook Looks[DBNavigator::ButtonCount] = {
    {"First", u"|◀", QT_TRANSLATE_NOOP("corvella::ui::DBNavigator", "First record")},
    {"Prior", u"◀", QT_TRANSLATE_NOOP("corvella::ui::DBNavigator", "Prior record")},
    {"Next", u"▶", QT_TRANSLATE_NOOP("corvella::ui::DBNavigator", "Next record")},
    {"Last", u"▶|", QT_TRANSLATE_NOOP("corvella::ui::DBNavigator", "Last record")},
    {"Insert", u"+", QT_TRANSLATE_NOOP("corvella::ui::DBNavigator", "Insert record")},
    {"Delete", u"−", QT_TRANSLATE_NOOP("corvella::ui::DBNavigator", "Delete record")},
    {"Edit", u"▲", QT_TRANSLATE_NOOP("corvella::ui::DBNavigator", "Edit record")},
    {"Post", u"✔", QT_TRANSLATE_NOOP("corvella::ui::DBNavigator", "Post edit")},
    {"Cancel", u"✘", QT_TRANSLATE_NOOP("corvella::ui::DBNavigator", "Cancel edit")},
};

} // namespace

DBNavigator::DBNavigator(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(Looks[i].objectName));
        button->setText(QString::fromUtf16(Looks[i].glyph));
        button->setToolTip(tr(Looks[i].hint));
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(25, 25);
        layout->addWidget(button);
        m_buttons[i] = button;
        connect(button, &QToolButton::clicked, this, [this, i] { click(Button(i)); });
        // The buttons take no focus, so the window's keyboard reaches them through shortcuts.
        for (const QKeySequence& key : keysFor(Button(i))) {
            auto* shortcut = new QShortcut(key, this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, [this, i] { click(Button(i)); });
        }
    }
    updateButtons();
}

void DBNavigator::setDataSet(store::DataSet* dataSet)
{
    for (const auto& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_dataSet = dataSet;
    if (dataSet) {
        m_connections << connect(dataSet, &store::DataSet::activeChanged, this, &DBNavigator::updateButtons)
                      << connect(dataSet, &store::DataSet::stateChanged, this, &DBNavigator::updateButtons)
                      << connect(dataSet, &store::DataSet::recordChanged, this, &DBNavigator::updateButtons);
    }
    updateButtons();
}

QList<QKeySequence> DBNavigator::keysFor(Button which)
{
    switch (which) {
    case First:
        return {QKeySequence(Qt::CTRL | Qt::Key_Home)};
    case Prior:
        return {QKeySequence(Qt::CTRL | Qt::Key_PageUp)};
    case Next:
        return {QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
    case Last:
        return {QKeySequence(Qt::CTRL | Qt::Key_End)};
    case Insert:
        return {QKeySequence(Qt::CTRL | Qt::Key_N)};
    case Post:
        return {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)};
    case Cancel:
        return {QKeySequence(Qt::Key_Escape)};
    case Delete:
    case Edit:
    case ButtonCount:
        break;
    }
    return {};
}

bool DBNavigator::isNavigatorKey(const QKeyEvent* event)
{
    const QKeySequence pressed(event->keyCombination());
    for (int i = 0; i < ButtonCount; ++i)
        if (keysFor(Button(i)).contains(pressed))
            return true;
    return false;
}

bool DBNavigator::isWindowKey(const QKeyEvent* event)
{
    return isNavigatorKey(event) || event->matches(QKeySequence::Find);
}

void DBNavigator::click(Button which)
{
    if (!m_dataSet || !m_buttons[which]->isEnabled())
        return;
    store::DataSet& ds = *m_dataSet;
    guardEdit(this, ds, [&] {
        switch (which) {
        case First:
            ds.first();
            break;
        case Prior:
            ds.prior();
            break;
        case Next:
            ds.next();
            break;
        case Last:
            ds.last();
            break;
        case Insert:
            ds.insert();
            break;
        case Delete:
            if (showMessage(this, tr("Delete record?"), QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question) ==
                QMessageBox::Ok)
                ds.deleteRecord();
            break;
        case Edit:
            ds.edit();
            break;
        case Post:
            ds.post();
            break;
        case Cancel:
            ds.cancel();
            break;
        case ButtonCount:
            break;
        }
    });
    updateButtons();
}

void DBNavigator::updateButtons()
{
    bool enabled[ButtonCount] = {};
    if (m_dataSet && m_dataSet->isActive()) {
        const store::DataSet& ds = *m_dataSet;
        const bool editing = ds.isEditing();
        const bool canModify = ds.canModify();
        const bool empty = ds.isEmpty();
        // While inserting, a move stores (or drops) the new record first, so any move with rows to go to can act.
        const bool inserting = ds.state() == store::DataSetState::Insert;
        enabled[First] = enabled[Prior] = inserting ? !empty : ds.hasPriorRow();
        enabled[Next] = enabled[Last] = inserting ? !empty : ds.hasNextRow();
        enabled[Insert] = canModify;
        enabled[Delete] = canModify && !empty;
        enabled[Edit] = canModify && !editing && !empty;
        enabled[Post] = enabled[Cancel] = editing;
    }
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons[i]->setEnabled(enabled[i]);
}

} // namespace corvella::ui
