#pragma once

#include <QLineEdit>

namespace corvella::store {
class DataSet;
}

namespace corvella::ui {

class FieldLink;

/// An entry field bound to one field of the current record. Typing changes the record (entering edit mode);
/// input is limited to the column's size. A number field takes its text when the user leaves the box and
/// refuses text that is not a number.
class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);

    void setDataSource(store::DataSet* dataSet, const QString& fieldName);
    QString fieldName() const;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refresh();
    void userEdited(const QString& text);
    bool commitNumber();
    bool isNumberField() const;

    FieldLink* m_link;
    bool m_pendingNumber = false;
    bool m_refreshing = false;
};

} // namespace corvella::ui
