#include "Tfrm_about.h"

#include "Startup.h"
#include "ui/WindowStyle.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace corvella::app {

Tfrm_about::Tfrm_about(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"frm_about"_qs);
    setWindowTitle(tr("About Corvella"));
    ui::applyWindowColour(this);

    auto* name = new QLabel(u"Corvella"_qs, this);
    name->setObjectName(u"ProductName"_qs);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    name->setFont(big);

    auto* version = new QLabel(tr("Version 5.0"), this);
    version->setObjectName(u"Version"_qs);

    auto* profile = new QLabel(tr("Made by Halvex.\nContacts, printed reports, address labels and bulk e-mail "
                                  "for small businesses."),
                               this);
    profile->setObjectName(u"Comments"_qs);
    profile->setWordWrap(true);

    // Installed, the file is not beside the program, so the user is told where it is.
    auto* contactFile = new QLabel(tr("Contact file: %1").arg(QDir::toNativeSeparators(contactFilePath())), this);
    contactFile->setObjectName(u"ContactFile"_qs);
    contactFile->setWordWrap(true);
    contactFile->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(u"OKButton"_qs);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(profile);
    layout->addWidget(contactFile);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(340, std::max(200, layout->totalHeightForWidth(340)));
}

} // namespace corvella::app
