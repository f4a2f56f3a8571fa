#include "Tfrmetiketdm.h"

#include "ui/RadioGroup.h"

#include <QPushButton>

namespace corvella::print {

Tfrmetiketdm::Tfrmetiketdm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , RadioGroup1(new ui::RadioGroup(u" İsim "_qs, {u"&Yetkili Adı"_qs, u"&Firma Sahibi"_qs, u"&Hiçbiri"_qs}, this))
    , RadioGroup2(new ui::RadioGroup(u" Firma Adı "_qs, {u"&Var"_qs, u"&Yok"_qs}, this))
    , BitBtn1(new QPushButton(u"&Tamam"_qs, this))
    , BitBtn2(new QPushButton(u"&Vazgeç"_qs, this))
{
    setObjectName(u"frmetiketdm"_qs);
    setWindowTitle(u"Etiket Dökümü"_qs);
    setFixedSize(285, 150);
    setModal(true);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    RadioGroup1->setObjectName(u"RadioGroup1"_qs);
    RadioGroup1->setGeometry(8, 8, 145, 100);
    RadioGroup1->setItemIndex(0);
    RadioGroup2->setObjectName(u"RadioGroup2"_qs);
    RadioGroup2->setGeometry(161, 8, 116, 100);
    RadioGroup2->setItemIndex(0);

    BitBtn1->setObjectName(u"BitBtn1"_qs);
    BitBtn1->setGeometry(69, 117, 100, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    BitBtn2->setObjectName(u"BitBtn2"_qs);
    BitBtn2->setGeometry(177, 117, 100, 25);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

LabelNameChoice Tfrmetiketdm::nameChoice() const
{
    switch (RadioGroup1->itemIndex()) {
    case 1:
        return LabelNameChoice::Owner;
    case 2:
        return LabelNameChoice::None;
    default:
        return LabelNameChoice::ContactPerson;
    }
}

LabelCompanyChoice Tfrmetiketdm::companyChoice() const
{
    return RadioGroup2->itemIndex() == 1 ? LabelCompanyChoice::Omit : LabelCompanyChoice::Print;
}

} // namespace corvella::print
