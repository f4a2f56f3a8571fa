#include "DBComboBox.h"

#include "DBNavigator.h"
#include "FieldLink.h"
#include "ui/Dialogs.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace corvella::ui {

DBComboBox::DBComboBox(QWidget* parent)
    : QComboBox(parent)
    , m_link(new FieldLink(this, [this] { refresh(); }))
{
    setEditable(true);
    lineEdit()->installEventFilter(this);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_refreshing)
            return;
        guard(this, [&] {
            if (auto field = m_link->field())
                field->setAsString(text);
        });
    });
    connect(this, &QComboBox::textActivated, this, [this](const QString& text) {
        guard(this, [&] {
            if (auto field = m_link->field())
                field->setAsString(text);
        });
    });
}

void DBComboBox::setDataSource(store::DataSet* dataSet, const QString& fieldName)
{
    m_link->setDataSource(dataSet, fieldName);
}

QString DBComboBox::fieldName() const
{
    return m_link->fieldName();
}

void DBComboBox::refresh()
{
    const auto field = m_link->field();
    const QString shown = field ? field->asString() : QString();
    m_refreshing = true;
    // As in DBEdit: a stored value longer than its column is shown, and kept, whole.
    const int size = field && field->size() > 0 ? field->size() : 32767;
    lineEdit()->setMaxLength(std::max(size, int(shown.size())));
    lineEdit()->setReadOnly(!m_link->canModify());
    if (currentText() != shown)
        setEditText(shown);
    m_refreshing = false;
}

bool DBComboBox::eventFilter(QObject* watched, QEvent* event)
{
    // The navigator's keys reach its shortcuts, as from a DBEdit.
    if (watched == lineEdit() && event->type() == QEvent::ShortcutOverride &&
        DBNavigator::isWindowKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace corvella::ui
