#pragma once

#include <QLineEdit>

namespace corvella::store {
class DataSet;
}

namespace corvella::ui {

class FieldLink;

/// An entry field bound to one field of the current record. Typing changes the record (entering edit mode);
/// input is limited to the column's size (a longer stored value is shown and kept whole). A number field takes its text
/// when the user leaves the box and refuses text that is not a number.
class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);

    void setDataSource(store::DataSet* dataSet, const QString& fieldName);
    QString fieldName() const;

    /// Pictures a number field is shown with (see `store::formatFloat`): the display format while the box does not
    /// have the focus, the edit format while it does. Empty pictures show the general number format.
    void setDisplayFormat(const QString& picture);
    void setEditFormat(const QString& picture);
    const QString& displayFormat() const { return m_displayFormat; }
    const QString& editFormat() const { return m_editFormat; }

    /// Refuses typing even when the data set could take a change.
    void setAlwaysReadOnly(bool readOnly);

    /// Marks a window's Cancel button: moving to it drops a number still being typed instead of checking it, so
    /// that Cancel after a refused entry cancels rather than refusing the entry again.
    static void markAsCancel(QWidget* button);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refresh();
    void userEdited(const QString& text);
    bool commitNumber();
    bool isNumberField() const;
    QString shownText() const;

    FieldLink* m_link;
    QString m_displayFormat;
    QString m_editFormat;
    bool m_alwaysReadOnly = false;
    bool m_pendingNumber = false;
    bool m_refreshing = false;
};

} // namespace corvella::ui
