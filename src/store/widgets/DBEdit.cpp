#include "DBEdit.h"

#include "DBNavigator.h"
#include "FieldLink.h"
#include "store/NumberFormat.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace corvella::ui {

namespace {

constexpr char CancelsEntry[] = "corvellaCancelsEntry";

} // namespace

DBEdit::DBEdit(QWidget* parent)
    : QLineEdit(parent)
    , m_link(new FieldLink(this, [this] { refresh(); }))
{
    connect(this, &QLineEdit::textEdited, this, &DBEdit::userEdited);
    connect(this, &QLineEdit::returnPressed, this, [this] { commitNumber(); });
    refresh();
}

void DBEdit::setDataSource(store::DataSet* dataSet, const QString& fieldName)
{
    if (m_link->dataSet())
        disconnect(m_link->dataSet(), &store::DataSet::updatingRecord, this, nullptr);
    m_link->setDataSource(dataSet, fieldName);
    if (dataSet)
        connect(dataSet, &store::DataSet::updatingRecord, this, [this] {
            if (!m_pendingNumber)
                return;
            try {
                if (auto field = m_link->field())
                    field->setAsString(text());
                m_pendingNumber = false;
            } catch (const Error& error) {
                m_link->dataSet()->reportUpdateFailure(error.message());
            }
        });
}

QString DBEdit::fieldName() const
{
    return m_link->fieldName();
}

bool DBEdit::isNumberField() const
{
    const auto field = m_link->field();
    return field && field->kind() != store::FieldKind::Text && field->kind() != store::FieldKind::Memo;
}

void DBEdit::setDisplayFormat(const QString& picture)
{
    m_displayFormat = picture;
    refresh();
}

void DBEdit::setEditFormat(const QString& picture)
{
    m_editFormat = picture;
    refresh();
}

void DBEdit::setAlwaysReadOnly(bool readOnly)
{
    m_alwaysReadOnly = readOnly;
    refresh();
}

QString DBEdit::shownText() const
{
    const auto field = m_link->field();
    if (!field)
        return {};
    const QString& picture = hasFocus() ? m_editFormat : m_displayFormat;
    if (picture.isEmpty() || !isNumberField() || field->isNull())
        return field->asString();
    return store::formatFloat(picture, field->asFloat());
}

void DBEdit::refresh()
{
    if (m_pendingNumber && hasFocus())
        return; // keep what the user is typing
    const auto field = m_link->field();
    const QString shown = shownText();
    m_refreshing = true;
    // A stored value may be longer than its column (an import keeps values whole). Shown cut, it would mislead, and
    // an edit of it would store the cut text; so the box takes it whole, and holds typing to the column otherwise.
    const int size = field && field->size() > 0 ? field->size() : 32767;
    setMaxLength(std::max(size, int(shown.size())));
    setReadOnly(m_alwaysReadOnly || !m_link->canModify());
    if (text() != shown)
        setText(shown);
    m_refreshing = false;
    m_pendingNumber = false;
}

void DBEdit::userEdited(const QString& text)
{
    if (m_refreshing)
        return;
    guard(this, [&] {
        auto field = m_link->field();
        if (!field)
            return;
        if (isNumberField()) {
            m_pendingNumber = true; // before edit(): its refresh must not undo the typing
            m_link->dataSet()->edit();
            return;
        }
        field->setAsString(text);
    });
}

bool DBEdit::commitNumber()
{
    if (!m_pendingNumber)
        return true;
    bool ok = true;
    guard(this, [&] {
        ok = false;
        if (auto field = m_link->field())
            field->setAsString(text());
        m_pendingNumber = false;
        ok = true;
    });
    return ok;
}

void DBEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!m_editFormat.isEmpty() && !m_pendingNumber) {
        refresh(); // from the display picture to the edit picture
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
            selectAll();
    }
}

bool DBEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && DBNavigator::isWindowKey(static_cast<QKeyEvent*>(event))) {
        event->ignore(); // left unaccepted, the key goes to the navigator's shortcut
        return false;
    }
    return QLineEdit::event(event);
}

void DBEdit::markAsCancel(QWidget* button)
{
    button->setProperty(CancelsEntry, true);
}

void DBEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The focus has already moved on when this arrives.
    if (const QWidget* next = QApplication::focusWidget(); next && next->property(CancelsEntry).toBool()) {
        m_pendingNumber = false;
        refresh();
        return;
    }
    if (!commitNumber())
        QTimer::singleShot(0, this, [this] { setFocus(); }); // the box keeps the focus until the text is a number
    else if (!m_displayFormat.isEmpty())
        refresh(); // back to the display picture
}

} // namespace corvella::ui
