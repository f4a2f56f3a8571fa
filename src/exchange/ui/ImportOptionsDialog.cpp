#include "ImportOptionsDialog.h"

#include "ui/RadioGroup.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace corvella::exchange {

namespace {

// In the order of the policy group's items.
constexpr DuplicatePolicy Policies[] = {DuplicatePolicy::Skip, DuplicatePolicy::Update, DuplicatePolicy::Add};

} // namespace

ImportOptionsDialog::ImportOptionsDialog(const QString& fileName, const QString& description, QWidget* parent)
    : QDialog(parent)
    , m_policy(new ui::RadioGroup(tr("A contact already in the file (same e-mail, or same name, surname and company)"),
                                  {tr("&Skip it"), tr("&Update it with the file's values that are not empty"),
                                   tr("&Add it again as a new contact")},
                                  this))
{
    setObjectName(u"importOptionsDialog"_qs);
    setWindowTitle(tr("Import Contacts"));
    m_policy->setObjectName(u"duplicatePolicy"_qs);
    m_policy->setItemIndex(0);

    auto* about = new QLabel(
        u"<b>%1</b><br>%2"_qs.arg(QFileInfo(fileName).fileName().toHtmlEscaped(), description.toHtmlEscaped()), this);
    about->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole)->setObjectName(u"importButton"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(m_policy);
    layout->addWidget(buttons);
}

DuplicatePolicy ImportOptionsDialog::policy() const
{
    return Policies[std::max(0, m_policy->itemIndex())];
}

void ImportOptionsDialog::setPolicy(DuplicatePolicy policy)
{
    m_policy->setItemIndex(int(std::find(std::begin(Policies), std::end(Policies), policy) - std::begin(Policies)));
}

} // namespace corvella::exchange
