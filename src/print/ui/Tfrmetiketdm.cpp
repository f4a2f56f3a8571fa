#include "Tfrmetiketdm.h"

#include "ui/RadioGroup.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace corvella::print {

Tfrmetiketdm::Tfrmetiketdm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , m_nameGroup(new ui::RadioGroup(tr(" İsim "), {tr("&Yetkili Adı"), tr("&Firma Sahibi"), tr("&Hiçbiri")}, this))
    , m_companyGroup(new ui::RadioGroup(tr(" Firma Adı "), {tr("&Var"), tr("&Yok")}, this))
    , m_okButton(new QPushButton(tr("&Tamam"), this))
    , m_cancelButton(new QPushButton(tr("&Vazgeç"), this))
    , m_firstLabelBox(new QSpinBox(this))
{
    setObjectName(u"frmetiketdm"_qs);
    setWindowTitle(tr("Etiket Dökümü"));
    setFixedSize(285, 180); // the design's 150 and a row for the first label
    setModal(true);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    m_nameGroup->setObjectName(u"RadioGroup1"_qs);
    m_nameGroup->setGeometry(8, 8, 145, 100);
    m_nameGroup->setItemIndex(0);
    m_companyGroup->setObjectName(u"RadioGroup2"_qs);
    m_companyGroup->setGeometry(161, 8, 116, 100);
    m_companyGroup->setItemIndex(0);

    m_okButton->setObjectName(u"BitBtn1"_qs);
    m_okButton->setGeometry(69, 117, 100, 25);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    m_cancelButton->setObjectName(u"BitBtn2"_qs);
    m_cancelButton->setGeometry(177, 117, 100, 25);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // The sheet is not known here: the run refuses a label beyond it, naming how many it holds.
    auto* caption = new QLabel(tr("&Start at label"), this);
    caption->setObjectName(u"firstLabelCaption"_qs);
    caption->setGeometry(8, 153, 120, 21);
    caption->setBuddy(m_firstLabelBox);
    m_firstLabelBox->setObjectName(u"firstLabelBox"_qs);
    m_firstLabelBox->setGeometry(177, 151, 100, 22);
    m_firstLabelBox->setRange(1, 9999);
    m_firstLabelBox->setValue(1);
    m_firstLabelBox->setToolTip(tr("The first free label on the first sheet: 1 is the top left, counting across, then "
                                   "down. Later sheets start at their first label."));
}

LabelNameChoice Tfrmetiketdm::nameChoice() const
{
    switch (m_nameGroup->itemIndex()) {
    case 1:
        return LabelNameChoice::Owner;
    case 2:
        return LabelNameChoice::None;
    default:
        return LabelNameChoice::ContactPerson;
    }
}

int Tfrmetiketdm::firstLabel() const
{
    return m_firstLabelBox->value();
}

LabelCompanyChoice Tfrmetiketdm::companyChoice() const
{
    return m_companyGroup->itemIndex() == 1 ? LabelCompanyChoice::Omit : LabelCompanyChoice::Print;
}

} // namespace corvella::print
