#include "SheetChooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvella::print {

namespace {

constexpr int IndexRole = Qt::UserRole;

QString mm(double value)
{
    return QString::number(value, 'f', 1);
}

} // namespace

SheetChooser::SheetChooser(SheetCatalogue catalogue, QWidget* parent)
    : QDialog(parent)
    , m_catalogue(std::move(catalogue))
    , m_search(new QLineEdit(this))
    , m_list(new QTreeWidget(this))
    , m_details(new QLabel(this))
    , m_okButton(nullptr)
{
    setObjectName(u"sheetChooser"_qs);
    setWindowTitle(tr("Label Sheet"));
    resize(640, 480);

    m_search->setObjectName(u"sheetSearch"_qs);
    m_search->setPlaceholderText(tr("Brand, product code or size, e.g. Avery L7160"));
    m_search->setClearButtonEnabled(true);
    auto* searchCaption = new QLabel(tr("&Find:"), this);
    searchCaption->setBuddy(m_search);

    m_list->setObjectName(u"sheetList"_qs);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({tr("Brand"), tr("Product"), tr("Paper"), tr("Labels"), tr("Label size"), tr("Note")});
    QList<QTreeWidgetItem*> items;
    for (qsizetype i = 0; i < m_catalogue.sheets().size(); ++i) {
        const CatalogueSheet& sheet = m_catalogue.sheets().at(i);
        auto* item =
            new QTreeWidgetItem({sheet.brand, sheet.part, sheet.paper, u"%1 × %2"_qs.arg(sheet.across).arg(sheet.down),
                                 u"%1 × %2 mm"_qs.arg(mm(sheet.labelWidthMm), mm(sheet.labelHeightMm)),
                                 sheet.usable() ? sheet.description : tr("Cannot be printed: ") + sheet.unusable});
        item->setData(0, IndexRole, qlonglong(i));
        if (!sheet.usable()) {
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
            for (int column = 0; column < item->columnCount(); ++column)
                item->setToolTip(column, sheet.unusable);
        }
        items << item;
    }
    m_list->addTopLevelItems(items);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);

    m_details->setObjectName(u"sheetDetails"_qs);
    m_details->setWordWrap(true);
    QString source = m_catalogue.fromTemplates() ? tr("%1 sheets from the label templates of the system.")
                                                 : tr("%1 common sheets (the label templates of the system, package "
                                                      "glabels-data, are not installed).");
    source = source.arg(m_catalogue.sheets().size());
    if (!m_catalogue.problems().isEmpty())
        source += tr("\nLeft out: ") + m_catalogue.problems().join(u"\n"_qs);
    auto* sourceLabel = new QLabel(source, this);
    sourceLabel->setObjectName(u"sheetSource"_qs);
    sourceLabel->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchCaption);
    searchRow->addWidget(m_search);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_details);
    layout->addWidget(sourceLabel);
    layout->addWidget(buttons);

    connect(m_search, &QLineEdit::textChanged, this, &SheetChooser::narrow);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &SheetChooser::updateChoice);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->flags() & Qt::ItemIsEnabled)
            accept();
    });
    updateChoice();
    m_search->setFocus();
}

void SheetChooser::narrow(const QString& text)
{
    const QList<qsizetype> found = m_catalogue.search(text);
    const QSet<qsizetype> shown(found.cbegin(), found.cend());
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        item->setHidden(!shown.contains(item->data(0, IndexRole).toLongLong()));
    }
    // The first printable sheet left is the choice, so Enter takes it.
    QTreeWidgetItem* current = m_list->currentItem();
    if (!current || current->isHidden()) {
        current = nullptr;
        for (int row = 0; row < m_list->topLevelItemCount() && !current; ++row) {
            QTreeWidgetItem* item = m_list->topLevelItem(row);
            if (!item->isHidden() && (item->flags() & Qt::ItemIsEnabled))
                current = item;
        }
        m_list->setCurrentItem(current);
    }
    updateChoice();
}

void SheetChooser::updateChoice()
{
    const auto sheet = chosenSheet();
    m_okButton->setEnabled(sheet.has_value());
    if (!sheet) {
        m_details->setText(tr("Choose a sheet."));
        return;
    }
    const LabelSheet settings = labelSheetOf(*sheet);
    m_details->setText(tr("%1: page %2 × %3 mm, labels %4 × %5 mm, gaps %6 and %7 mm, %8 in a row, left and top "
                          "space %9 and %10 mm.")
                           .arg(sheet->code())
                           .arg(settings.pageWidthMm)
                           .arg(settings.pageHeightMm)
                           .arg(settings.labelWidthMm)
                           .arg(settings.labelHeightMm)
                           .arg(settings.horizontalGapMm)
                           .arg(settings.verticalGapMm)
                           .arg(sheet->across)
                           .arg(settings.leftMarginMm)
                           .arg(settings.topMarginMm));
}

std::optional<CatalogueSheet> SheetChooser::chosenSheet() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item || item->isHidden() || !(item->flags() & Qt::ItemIsEnabled))
        return std::nullopt;
    return m_catalogue.sheets().at(item->data(0, IndexRole).toLongLong());
}

} // namespace corvella::print
