#include "ColumnMappingDialog.h"

#include "ContactCaptions.h"
#include "store/ContactSchema.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace corvella::exchange {

namespace {

/// The contact column a heading names plainly, by the column's own name or its caption; empty when none does.
QString guessColumn(const QString& heading)
{
    const QString name = heading.trimmed();
    for (const store::ContactColumn& column : store::contactColumns())
        if (name.compare(column.name, Qt::CaseInsensitive) == 0 ||
            name.compare(fieldCaption(column.name), Qt::CaseInsensitive) == 0)
            return column.name;
    return {};
}

} // namespace

ColumnMappingDialog::ColumnMappingDialog(const QString& fileName, const QStringList& heading,
                                         const QList<QStringList>& preview, const ColumnMap& initial, QWidget* parent)
    : QDialog(parent)
    , m_records(preview)
    , m_preview(new QTableWidget(this))
{
    setObjectName(u"columnMappingDialog"_qs);
    setWindowTitle(tr("Import Contacts: Columns"));
    resize(640, 520);

    auto* intro =
        new QLabel(tr("The columns of \"%1\" are not those of a known export. Choose the contact field each "
                      "column fills; columns left at \"(not imported)\" are skipped. Below, the first records "
                      "as they would be stored.")
                       .arg(QFileInfo(fileName).fileName()),
                   this);
    intro->setWordWrap(true);

    auto* columns = new QWidget;
    auto* grid = new QGridLayout(columns);
    grid->addWidget(new QLabel(tr("<b>File column</b>")), 0, 0);
    grid->addWidget(new QLabel(tr("<b>Contact field</b>")), 0, 1);
    grid->addWidget(new QLabel(tr("<b>First record</b>")), 0, 2);
    QStringList taken;
    for (int i = 0; i < heading.size(); ++i) {
        auto* choice = new QComboBox;
        choice->setObjectName(u"columnChoice%1"_qs.arg(i + 1));
        choice->addItem(tr("(not imported)"), QString());
        for (const store::ContactColumn& column : store::contactColumns())
            choice->addItem(captionWithColumn(column.name), column.name);
        QString guess = initial.contactColumnOf.value(i);
        if (guess.isEmpty())
            guess = guessColumn(heading.at(i));
        if (!guess.isEmpty() && !taken.contains(guess)) {
            choice->setCurrentIndex(choice->findData(guess));
            taken << guess;
        }
        connect(choice, &QComboBox::currentIndexChanged, this, [this, i] { chosen(i); });
        m_choices << choice;

        auto* sample = new QLabel(preview.isEmpty() ? QString() : preview.first().value(i));
        sample->setForegroundRole(QPalette::PlaceholderText);
        sample->setMaximumWidth(220);
        grid->addWidget(new QLabel(heading.at(i)), i + 1, 0);
        grid->addWidget(choice, i + 1, 1);
        grid->addWidget(sample, i + 1, 2);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(int(heading.size()) + 1, 1); // few columns sit at the top, not spread over the area
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(columns);
    scroll->setWidgetResizable(true);

    m_preview->setObjectName(u"preview"_qs);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->hide();
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 6);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_importButton = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_importButton->setObjectName(u"importButton"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(scroll, 3);
    layout->addWidget(m_preview, 2);
    layout->addWidget(buttons);
    updatePreview();
}

void ColumnMappingDialog::choose(int column, const QString& contactColumn)
{
    QComboBox* box = m_choices.at(column);
    box->setCurrentIndex(std::max(0, box->findData(contactColumn)));
}

void ColumnMappingDialog::chosen(int column)
{
    // A contact field takes one file column: choosing it here takes it from the column that had it.
    const QString contactColumn = m_choices.at(column)->currentData().toString();
    if (!contactColumn.isEmpty())
        for (int other = 0; other < m_choices.size(); ++other)
            if (other != column && m_choices.at(other)->currentData().toString() == contactColumn) {
                const QSignalBlocker quiet(m_choices.at(other));
                m_choices.at(other)->setCurrentIndex(0);
            }
    updatePreview();
}

ColumnMap ColumnMappingDialog::columnMap() const
{
    ColumnMap map;
    for (const QComboBox* box : m_choices)
        map.contactColumnOf << box->currentData().toString();
    return map;
}

void ColumnMappingDialog::updatePreview()
{
    const ColumnMap map = columnMap();
    QList<store::ContactColumn> shown;
    for (const store::ContactColumn& column : store::contactColumns())
        if (map.contactColumnOf.contains(column.name))
            shown << column;
    m_importButton->setEnabled(!shown.isEmpty());

    m_preview->clear();
    m_preview->setColumnCount(int(shown.size()));
    m_preview->setRowCount(int(m_records.size()));
    QStringList titles;
    for (const store::ContactColumn& column : shown)
        titles << fieldCaption(column.name);
    m_preview->setHorizontalHeaderLabels(titles);
    for (int row = 0; row < m_records.size(); ++row) {
        const QStringList& record = m_records.at(row);
        for (int i = 0; i < shown.size(); ++i) {
            // Each contact field takes its one file column's text as it stands, as the import stores it.
            const QString value = record.value(map.contactColumnOf.indexOf(shown.at(i).name));
            auto* cell = new QTableWidgetItem(value);
            if (value.size() > shown.at(i).size) {
                // The import keeps such a value whole; say so before it happens.
                cell->setBackground(QColor(255, 240, 200));
                cell->setToolTip(tr("%1 characters, more than the field's %2; it is stored whole.")
                                     .arg(value.size())
                                     .arg(shown.at(i).size));
            }
            m_preview->setItem(row, i, cell);
        }
    }
    m_preview->resizeColumnsToContents();
    for (int i = 0; i < m_preview->columnCount(); ++i)
        m_preview->setColumnWidth(i, std::min(m_preview->columnWidth(i), 240));
}

} // namespace corvella::exchange
