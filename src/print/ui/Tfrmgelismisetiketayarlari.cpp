#include "Tfrmgelismisetiketayarlari.h"

#include "ColourFontDialog.h"
#include "print/ColourText.h"
#include "store/ConnectDataSets.h"
#include "store/DataSet.h"
#include "store/FieldDef.h"
#include "store/widgets/DBEdit.h"
#include "ui/Dialogs.h"
#include "ui/RadioGroup.h"
#include "ui/WindowStyle.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <optional>

namespace corvella::print {

namespace {

namespace columns = store::settings;
using store::settings::LabelAttribute;
using store::settings::LabelPart;

constexpr int EditHeight = 21;
constexpr int ButtonHeight = 25;

struct ElementRow {
    QString caption;
    LabelPart part;
    QString button;
    QString nameEdit;
    QString sizeEdit;
    QString xEdit;
    QString yEdit;
    void (Tfrmgelismisetiketayarlari::*handler)();
};

using Window = Tfrmgelismisetiketayarlari;

// The element rows in the window's order; the country row exists but is never shown.
const ElementRow ElementRows[] = {
    {u"Name"_qs, LabelPart::Name, u"BitBtn2"_qs, u"DBEdit1"_qs, u"DBEdit2"_qs, u"DBEdit14"_qs, u"DBEdit15"_qs,
     &Window::BitBtn2Click},
    {u"Address"_qs, LabelPart::Address, u"BitBtn1"_qs, u"DBEdit3"_qs, u"DBEdit4"_qs, u"DBEdit16"_qs, u"DBEdit17"_qs,
     &Window::BitBtn1Click},
    {u"City"_qs, LabelPart::Province, u"BitBtn8"_qs, u"DBEdit10"_qs, u"DBEdit13"_qs, u"DBEdit18"_qs, u"DBEdit19"_qs,
     &Window::BitBtn8Click},
    {u"District"_qs, LabelPart::District, u"BitBtn7"_qs, u"DBEdit11"_qs, u"DBEdit12"_qs, u"DBEdit20"_qs, u"DBEdit21"_qs,
     &Window::BitBtn7Click},
    {u"Country"_qs, LabelPart::Country, u"BitBtn9"_qs, u"DBEdit26"_qs, u"DBEdit27"_qs, u"DBEdit28"_qs, u"DBEdit29"_qs,
     &Window::BitBtn9Click},
    {u"Company"_qs, LabelPart::Company, u"BitBtn10"_qs, u"DBEdit36"_qs, u"DBEdit37"_qs, u"DBEdit38"_qs, u"DBEdit39"_qs,
     &Window::BitBtn10Click},
    {u"Postal Code"_qs, LabelPart::PostalCode, u"BitBtn11"_qs, u"DBEdit40"_qs, u"DBEdit41"_qs, u"DBEdit42"_qs,
     u"DBEdit43"_qs, &Window::BitBtn11Click},
};

struct SampleItem {
    QString caption;
    LabelPart part;
};

const SampleItem SampleItems[] = {
    {u"Name Font"_qs, LabelPart::Name},         {u"Company Font"_qs, LabelPart::Company},
    {u"Address Font"_qs, LabelPart::Address},   {u"City Font"_qs, LabelPart::Province},
    {u"District Font"_qs, LabelPart::District}, {u"Postal Code Font"_qs, LabelPart::PostalCode},
    {u"Country Font"_qs, LabelPart::Country},
};

} // namespace

Tfrmgelismisetiketayarlari::Tfrmgelismisetiketayarlari(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_settings(new store::TableDataSet(this))
    , m_dialogFont(u"Arial"_qs, 10)
    , m_dialogColour(colours::Blue)
{
    setObjectName(u"frmgelismisetiketayarlari"_qs);
    m_settings->setObjectName(u"Table1"_qs);
    m_settings->setTableName(store::tables::Settings);
    buildUi();
    ui::guard(this, [this] { FormCreate(); });
}

void Tfrmgelismisetiketayarlari::buildUi()
{
    setWindowTitle(u"Advanced Label Settings"_qs);
    setFixedSize(588, 497);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    ui::applyWindowColour(this);

    int labelNumber = 0;
    auto addLabel = [&](const QString& caption, int x, int y, QWidget* parent) {
        auto* label = new QLabel(caption, parent);
        label->setObjectName(u"Label"_qs + QString::number(++labelNumber));
        label->adjustSize();
        label->move(x, y + 3);
        return label;
    };
    auto addEdit = [&](const QString& name, const QString& columnName, QRect geometry, QWidget* parent) {
        auto* edit = new ui::DBEdit(parent);
        edit->setObjectName(name);
        edit->setGeometry(geometry);
        edit->setDataSource(m_settings, columnName);
        return edit;
    };
    auto addButton = [&](const QString& name, const QString& caption, QRect geometry,
                         void (Tfrmgelismisetiketayarlari::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(geometry);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, handler] { ui::guard(this, [&] { (this->*handler)(); }); });
        return button;
    };

    // Elements: one row each, font by the dialog, position typed.
    auto* bevel = new QFrame(this);
    bevel->setObjectName(u"Bevel1"_qs);
    bevel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    bevel->setGeometry(6, 6, 576, 186);
    constexpr int NameLeft = 150;
    constexpr int SizeLeft = 330;
    constexpr int XLeft = 400;
    constexpr int YLeft = 462;
    addLabel(u"Font Name                 "_qs, NameLeft, 8, this);
    addLabel(u"Font Size "_qs, SizeLeft, 8, this);
    addLabel(u"X"_qs, XLeft + 22, 8, this);
    addLabel(u"Y"_qs, YLeft + 22, 8, this);
    int y = 30;
    for (const ElementRow& row : ElementRows) {
        const bool shown = row.part != LabelPart::Country;
        const int rowY = shown ? y : 0;
        auto column = [&row](LabelAttribute attribute) { return columns::labelColumn(row.part, attribute); };
        QList<QWidget*> widgets;
        widgets << addLabel(row.caption, 14, rowY, this);
        widgets << addButton(row.button, u"Select"_qs, QRect(88, rowY - 2, 55, ButtonHeight), row.handler);
        auto* name =
            addEdit(row.nameEdit, column(LabelAttribute::FontName), QRect(NameLeft, rowY, 172, EditHeight), this);
        auto* size =
            addEdit(row.sizeEdit, column(LabelAttribute::FontSize), QRect(SizeLeft, rowY, 60, EditHeight), this);
        name->setAlwaysReadOnly(true);
        size->setAlwaysReadOnly(true);
        widgets << name << size;
        widgets << addEdit(row.xEdit, column(LabelAttribute::X), QRect(XLeft, rowY, 55, EditHeight), this);
        widgets << addEdit(row.yEdit, column(LabelAttribute::Y), QRect(YLeft, rowY, 55, EditHeight), this);
        if (!shown) {
            // The country's font and place stay as stored; only the sample shows them.
            for (QWidget* widget : widgets)
                widget->hide();
            continue;
        }
        y += 26;
    }

    struct SheetBox {
        QString caption;
        QString edit;
        const QString& column;
    };
    auto addSheetGroup = [&](const QString& name, const QString& title, QRect geometry,
                             std::initializer_list<SheetBox> boxes) {
        auto* group = new QGroupBox(title, this);
        group->setObjectName(name);
        group->setGeometry(geometry);
        int boxY = 22;
        for (const SheetBox& box : boxes) {
            addLabel(box.caption, 12, boxY, group);
            addEdit(box.edit, box.column, QRect(120, boxY, 70, EditHeight), group);
            addLabel(u"mm."_qs, 196, boxY, group);
            boxY += 26;
        }
        return group;
    };
    addSheetGroup(u"GroupBox1"_qs, QString(), QRect(6, 198, 284, 130),
                  {{u"Page Width"_qs, u"DBEdit24"_qs, columns::PageWidth},
                   {u"Page Height"_qs, u"DBEdit25"_qs, columns::PageHeight},
                   {u"Left Space"_qs, u"DBEdit31"_qs, columns::LeftMargin},
                   {u"Top Space"_qs, u"DBEdit30"_qs, columns::TopMargin}});
    addSheetGroup(u"GroupBox2"_qs, u" Label ... "_qs, QRect(298, 198, 284, 130),
                  {{u"Width"_qs, u"DBEdit33"_qs, columns::LabelWidth},
                   {u"Height"_qs, u"DBEdit32"_qs, columns::LabelHeight},
                   {u"Horizontal Gap"_qs, u"DBEdit35"_qs, columns::LabelHorizontalGap},
                   {u"Vertical Gap"_qs, u"DBEdit34"_qs, columns::LabelVerticalGap}});

    QStringList sampleCaptions;
    for (const SampleItem& item : SampleItems)
        sampleCaptions << item.caption;
    m_sampleGroup = new ui::RadioGroup(u"&Sample"_qs, sampleCaptions, this);
    m_sampleGroup->setObjectName(u"RadioGroup1"_qs);
    m_sampleGroup->setGeometry(6, 334, 182, 156);
    m_sampleGroup->setItemIndex(0);
    connect(m_sampleGroup, &ui::RadioGroup::itemChanged, this,
            [this] { ui::guard(this, [this] { RadioGroup1Click(); }); });

    m_sample = new QLabel(u"Sample Text"_qs, this);
    m_sample->setObjectName(u"Label15"_qs);
    m_sample->setGeometry(196, 342, 385, 106);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette samplePalette = m_sample->palette();
    samplePalette.setColor(QPalette::Window, Qt::white);
    m_sample->setPalette(samplePalette);
    m_sample->setAutoFillBackground(true);

    auto* ok = addButton(u"BitBtn3"_qs, u"&OK"_qs, QRect(408, 462, 82, ButtonHeight), &Window::BitBtn3Click);
    addButton(u"BitBtn4"_qs, u"&Cancel"_qs, QRect(499, 462, 82, ButtonHeight), &Window::BitBtn4Click);
    ok->setAutoDefault(true);
    ok->setDefault(true);
}

void Tfrmgelismisetiketayarlari::FormCreate()
{
    store::ConnectDataSets(this);
    m_settings->open();
}

void Tfrmgelismisetiketayarlari::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tfrmgelismisetiketayarlari::chooseFont(LabelPart part)
{
    store::Field name = m_settings->fieldByName(columns::labelColumn(part, LabelAttribute::FontName));
    store::Field size = m_settings->fieldByName(columns::labelColumn(part, LabelAttribute::FontSize));
    store::Field colour = m_settings->fieldByName(columns::labelColumn(part, LabelAttribute::FontColour));
    // A null column leaves the dialog as it was last used in this window. The colour is read first, so a colour
    // that cannot be read stops the choice with the dialog untouched.
    std::optional<int> storedColour;
    if (!colour.isNull())
        storedColour = colourFromText(colour.asString());
    if (!name.isNull())
        m_dialogFont.setFamily(name.asString());
    if (!size.isNull() && size.asInteger() > 0)
        m_dialogFont.setPointSize(int(size.asInteger()));
    if (storedColour)
        m_dialogColour = *storedColour;

    const auto chosen = chooseColouredFont(this, {m_dialogFont, m_dialogColour});
    if (!chosen)
        return;
    m_dialogFont = chosen->font;
    m_dialogColour = chosen->colour;
    name.setValue(chosen->font.family());
    size.setValue(double(store::roundHalfEven(chosen->font.pointSizeF())));
    colour.setValue(colourToText(chosen->colour));

    // The sample shows the whole choice, style included, although only name, size and colour are kept.
    m_sample->setFont(chosen->font);
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, toQColor(chosen->colour));
    m_sample->setPalette(palette);
}

void Tfrmgelismisetiketayarlari::BitBtn2Click()
{
    chooseFont(LabelPart::Name);
}

void Tfrmgelismisetiketayarlari::BitBtn1Click()
{
    chooseFont(LabelPart::Address);
}

void Tfrmgelismisetiketayarlari::BitBtn8Click()
{
    chooseFont(LabelPart::Province);
}

void Tfrmgelismisetiketayarlari::BitBtn7Click()
{
    chooseFont(LabelPart::District);
}

void Tfrmgelismisetiketayarlari::BitBtn9Click()
{
    chooseFont(LabelPart::Country);
}

void Tfrmgelismisetiketayarlari::BitBtn10Click()
{
    chooseFont(LabelPart::Company);
}

void Tfrmgelismisetiketayarlari::BitBtn11Click()
{
    chooseFont(LabelPart::PostalCode);
}

void Tfrmgelismisetiketayarlari::RadioGroup1Click()
{
    const int index = m_sampleGroup->itemIndex();
    if (index < 0 || index >= int(std::size(SampleItems)))
        return;
    const LabelPart part = SampleItems[index].part;
    const store::Field name = m_settings->fieldByName(columns::labelColumn(part, LabelAttribute::FontName));
    const store::Field size = m_settings->fieldByName(columns::labelColumn(part, LabelAttribute::FontSize));
    const store::Field colour = m_settings->fieldByName(columns::labelColumn(part, LabelAttribute::FontColour));
    // Only what the element stores changes; the style is never reset.
    QFont font = m_sample->font();
    QPalette palette = m_sample->palette();
    if (!colour.isNull())
        palette.setColor(QPalette::WindowText, toQColor(colourFromText(colour.asString())));
    if (!name.isNull())
        font.setFamily(name.asString());
    if (!size.isNull() && size.asInteger() > 0)
        font.setPointSize(int(size.asInteger()));
    m_sample->setFont(font);
    m_sample->setPalette(palette);
}

void Tfrmgelismisetiketayarlari::BitBtn3Click()
{
    if (m_settings->isEditing())
        m_settings->post();
    accept();
}

void Tfrmgelismisetiketayarlari::BitBtn4Click()
{
    reject();
}

void Tfrmgelismisetiketayarlari::reject()
{
    if (m_settings->isEditing())
        m_settings->cancel();
    QDialog::reject();
}

} // namespace corvella::print
