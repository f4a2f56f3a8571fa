#include "Tfrmgelismisetiketayarlari.h"

#include "ColourFontDialog.h"
#include "ui/RadioGroup.h"
#include "print/ColourText.h"
#include "store/ConnectDataSets.h"
#include "store/DataSet.h"
#include "store/FieldDef.h"
#include "store/widgets/DBEdit.h"
#include "ui/Dialogs.h"
#include "ui/WindowStyle.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <optional>

namespace corvella::print {

namespace {

constexpr int EditHeight = 21;
constexpr int ButtonHeight = 25;
constexpr int DialogBlue = 0xFF0000;

struct ElementRow {
    const char16_t* caption;
    const char16_t* prefix;
    const char16_t* button;
    const char16_t* nameEdit;
    const char16_t* sizeEdit;
    const char16_t* xEdit;
    const char16_t* yEdit;
    void (Tfrmgelismisetiketayarlari::*handler)();
};

using Window = Tfrmgelismisetiketayarlari;

// The element rows in the window's order; the country row exists but is never shown.
const ElementRow ElementRows[] = {
    {u"Name", u"İsim", u"BitBtn2", u"DBEdit1", u"DBEdit2", u"DBEdit14", u"DBEdit15", &Window::BitBtn2Click},
    {u"Address", u"Adres", u"BitBtn1", u"DBEdit3", u"DBEdit4", u"DBEdit16", u"DBEdit17", &Window::BitBtn1Click},
    {u"City", u"İl", u"BitBtn8", u"DBEdit10", u"DBEdit13", u"DBEdit18", u"DBEdit19", &Window::BitBtn8Click},
    {u"District", u"İlçe", u"BitBtn7", u"DBEdit11", u"DBEdit12", u"DBEdit20", u"DBEdit21", &Window::BitBtn7Click},
    {u"Country", u"Ülke", u"BitBtn9", u"DBEdit26", u"DBEdit27", u"DBEdit28", u"DBEdit29", &Window::BitBtn9Click},
    {u"Company", u"F# Adı", u"BitBtn10", u"DBEdit36", u"DBEdit37", u"DBEdit38", u"DBEdit39", &Window::BitBtn10Click},
    {u"Postal Code", u"P#K#", u"BitBtn11", u"DBEdit40", u"DBEdit41", u"DBEdit42", u"DBEdit43", &Window::BitBtn11Click},
};

const char16_t* const CountryPrefix = u"Ülke";

struct SampleItem {
    const char16_t* caption;
    const char16_t* prefix;
};

const SampleItem SampleItems[] = {
    {u"Name Font", u"İsim"},     {u"Company Font", u"F# Adı"},   {u"Address Font", u"Adres"}, {u"City Font", u"İl"},
    {u"District Font", u"İlçe"}, {u"Postal Code Font", u"P#K#"}, {u"Country Font", u"Ülke"},
};

QString column(const QString& prefix, const char16_t* suffix)
{
    return prefix + u' ' + QString::fromUtf16(suffix);
}

} // namespace

Tfrmgelismisetiketayarlari::Tfrmgelismisetiketayarlari(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , Table1(new store::TableDataSet(this))
    , m_dialogFont(u"Arial"_qs, 10)
    , m_dialogColour(DialogBlue)
{
    setObjectName(u"frmgelismisetiketayarlari"_qs);
    Table1->setObjectName(u"Table1"_qs);
    Table1->setTableName(u"YAYAR"_qs);
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
        edit->setDataSource(Table1, columnName);
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
        const QString prefix = QString::fromUtf16(row.prefix);
        const bool shown = prefix != QStringView(CountryPrefix);
        const int rowY = shown ? y : 0;
        QList<QWidget*> widgets;
        widgets << addLabel(QString::fromUtf16(row.caption), 14, rowY, this);
        widgets << addButton(QString::fromUtf16(row.button), u"Select"_qs, QRect(88, rowY - 2, 55, ButtonHeight),
                             row.handler);
        auto* name = addEdit(QString::fromUtf16(row.nameEdit), column(prefix, u"Yazıtipi Adı"),
                             QRect(NameLeft, rowY, 172, EditHeight), this);
        auto* size = addEdit(QString::fromUtf16(row.sizeEdit), column(prefix, u"Yazıtipi Boyutu"),
                             QRect(SizeLeft, rowY, 60, EditHeight), this);
        name->setAlwaysReadOnly(true);
        size->setAlwaysReadOnly(true);
        widgets << name << size;
        widgets << addEdit(QString::fromUtf16(row.xEdit), column(prefix, u"X Koordinatı"),
                           QRect(XLeft, rowY, 55, EditHeight), this);
        widgets << addEdit(QString::fromUtf16(row.yEdit), column(prefix, u"Y Koordinatı"),
                           QRect(YLeft, rowY, 55, EditHeight), this);
        if (!shown) {
            // The country's font and place stay as stored; only the sample shows them.
            for (QWidget* widget : widgets)
                widget->hide();
            continue;
        }
        y += 26;
    }

    struct SheetBox {
        const char16_t* caption;
        const char16_t* edit;
        const char16_t* column;
    };
    auto addSheetGroup = [&](const QString& name, const QString& title, QRect geometry,
                             std::initializer_list<SheetBox> boxes) {
        auto* group = new QGroupBox(title, this);
        group->setObjectName(name);
        group->setGeometry(geometry);
        int boxY = 22;
        for (const SheetBox& box : boxes) {
            addLabel(QString::fromUtf16(box.caption), 12, boxY, group);
            addEdit(QString::fromUtf16(box.edit), QString::fromUtf16(box.column), QRect(120, boxY, 70, EditHeight),
                    group);
            addLabel(u"mm."_qs, 196, boxY, group);
            boxY += 26;
        }
        return group;
    };
    addSheetGroup(u"GroupBox1"_qs, QString(), QRect(6, 198, 284, 130),
                  {{u"Page Width", u"DBEdit24", u"Sayfa Genişliği"},
                   {u"Page Height", u"DBEdit25", u"Sayfa Yüksekliği"},
                   {u"Left Space", u"DBEdit31", u"Sol Boşluk"},
                   {u"Top Space", u"DBEdit30", u"Üst Boşluk"}});
    addSheetGroup(u"GroupBox2"_qs, u" Label ... "_qs, QRect(298, 198, 284, 130),
                  {{u"Width", u"DBEdit33", u"Etiket Genişliği"},
                   {u"Height", u"DBEdit32", u"Etiket Yüksekliği"},
                   {u"Horizontal Gap", u"DBEdit35", u"Yatay Etiket Aralığı"},
                   {u"Vertical Gap", u"DBEdit34", u"Dikey Etiket Aralığı"}});

    QStringList sampleCaptions;
    for (const SampleItem& item : SampleItems)
        sampleCaptions << QString::fromUtf16(item.caption);
    RadioGroup1 = new ui::RadioGroup(u"&Sample"_qs, sampleCaptions, this);
    RadioGroup1->setObjectName(u"RadioGroup1"_qs);
    RadioGroup1->setGeometry(6, 334, 182, 156);
    RadioGroup1->setItemIndex(0);
    connect(RadioGroup1, &ui::RadioGroup::itemChanged, this, [this] { ui::guard(this, [this] { RadioGroup1Click(); }); });

    Label15 = new QLabel(u"Sample Text"_qs, this);
    Label15->setObjectName(u"Label15"_qs);
    Label15->setGeometry(196, 342, 385, 106);
    Label15->setAlignment(Qt::AlignCenter);
    Label15->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette samplePalette = Label15->palette();
    samplePalette.setColor(QPalette::Window, Qt::white);
    Label15->setPalette(samplePalette);
    Label15->setAutoFillBackground(true);

    BitBtn3 = addButton(u"BitBtn3"_qs, u"&OK"_qs, QRect(408, 462, 82, ButtonHeight), &Window::BitBtn3Click);
    BitBtn4 = addButton(u"BitBtn4"_qs, u"&Cancel"_qs, QRect(499, 462, 82, ButtonHeight), &Window::BitBtn4Click);
    BitBtn3->setAutoDefault(true);
    BitBtn3->setDefault(true);
}

void Tfrmgelismisetiketayarlari::FormCreate()
{
    store::ConnectDataSets(this);
    Table1->open();
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

void Tfrmgelismisetiketayarlari::chooseFont(const QString& prefix)
{
    store::Field name = Table1->fieldByName(column(prefix, u"Yazıtipi Adı"));
    store::Field size = Table1->fieldByName(column(prefix, u"Yazıtipi Boyutu"));
    store::Field colour = Table1->fieldByName(column(prefix, u"Yazıtipi Rengi"));
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
    Label15->setFont(chosen->font);
    QPalette palette = Label15->palette();
    palette.setColor(QPalette::WindowText, toQColor(chosen->colour));
    Label15->setPalette(palette);
}

void Tfrmgelismisetiketayarlari::BitBtn2Click()
{
    chooseFont(u"İsim"_qs);
}

void Tfrmgelismisetiketayarlari::BitBtn1Click()
{
    chooseFont(u"Adres"_qs);
}

void Tfrmgelismisetiketayarlari::BitBtn8Click()
{
    chooseFont(u"İl"_qs);
}

void Tfrmgelismisetiketayarlari::BitBtn7Click()
{
    chooseFont(u"İlçe"_qs);
}

void Tfrmgelismisetiketayarlari::BitBtn9Click()
{
    chooseFont(u"Ülke"_qs);
}

void Tfrmgelismisetiketayarlari::BitBtn10Click()
{
    chooseFont(u"F# Adı"_qs);
}

void Tfrmgelismisetiketayarlari::BitBtn11Click()
{
    chooseFont(u"P#K#"_qs);
}

void Tfrmgelismisetiketayarlari::RadioGroup1Click()
{
    const int index = RadioGroup1->itemIndex();
    if (index < 0 || index >= int(std::size(SampleItems)))
        return;
    const QString prefix = QString::fromUtf16(SampleItems[index].prefix);
    const store::Field name = Table1->fieldByName(column(prefix, u"Yazıtipi Adı"));
    const store::Field size = Table1->fieldByName(column(prefix, u"Yazıtipi Boyutu"));
    const store::Field colour = Table1->fieldByName(column(prefix, u"Yazıtipi Rengi"));
    // Only what the element stores changes; the style is never reset.
    QFont font = Label15->font();
    QPalette palette = Label15->palette();
    if (!colour.isNull())
        palette.setColor(QPalette::WindowText, toQColor(colourFromText(colour.asString())));
    if (!name.isNull())
        font.setFamily(name.asString());
    if (!size.isNull() && size.asInteger() > 0)
        font.setPointSize(int(size.asInteger()));
    Label15->setFont(font);
    Label15->setPalette(palette);
}

void Tfrmgelismisetiketayarlari::BitBtn3Click()
{
    if (Table1->isEditing())
        Table1->post();
    accept();
}

void Tfrmgelismisetiketayarlari::BitBtn4Click()
{
    reject();
}

void Tfrmgelismisetiketayarlari::reject()
{
    if (Table1->isEditing())
        Table1->cancel();
    QDialog::reject();
}

} // namespace corvella::print
