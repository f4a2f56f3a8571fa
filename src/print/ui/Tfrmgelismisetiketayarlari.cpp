#include "Tfrmgelismisetiketayarlari.h"

#include "ColourFontDialog.h"
#include "print/ColourText.h"
#include "store/ConnectDataSets.h"
#include "store/DataSet.h"
#include "store/FieldDef.h"
#include "store/widgets/DBEdit.h"
#include "ui/Dialogs.h"
#include "ui/FormBuilder.h"
#include "ui/RadioGroup.h"
#include "ui/WindowStyle.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <optional>

namespace corvella::print {

namespace {

namespace columns = store::settings;
using store::settings::LabelAttribute;
using store::settings::LabelPart;

constexpr int EditHeight = 21;
constexpr int ButtonHeight = 25;

struct ElementRow {
    const char* caption;
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
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Name"), LabelPart::Name, u"BitBtn2"_qs,
     u"DBEdit1"_qs, u"DBEdit2"_qs, u"DBEdit14"_qs, u"DBEdit15"_qs, &Window::BitBtn2Click},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Address"), LabelPart::Address, u"BitBtn1"_qs,
     u"DBEdit3"_qs, u"DBEdit4"_qs, u"DBEdit16"_qs, u"DBEdit17"_qs, &Window::BitBtn1Click},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "City"), LabelPart::Province, u"BitBtn8"_qs,
     u"DBEdit10"_qs, u"DBEdit13"_qs, u"DBEdit18"_qs, u"DBEdit19"_qs, &Window::BitBtn8Click},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "District"), LabelPart::District, u"BitBtn7"_qs,
     u"DBEdit11"_qs, u"DBEdit12"_qs, u"DBEdit20"_qs, u"DBEdit21"_qs, &Window::BitBtn7Click},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Country"), LabelPart::Country, u"BitBtn9"_qs,
     u"DBEdit26"_qs, u"DBEdit27"_qs, u"DBEdit28"_qs, u"DBEdit29"_qs, &Window::BitBtn9Click},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Company"), LabelPart::Company, u"BitBtn10"_qs,
     u"DBEdit36"_qs, u"DBEdit37"_qs, u"DBEdit38"_qs, u"DBEdit39"_qs, &Window::BitBtn10Click},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Postal Code"), LabelPart::PostalCode,
     u"BitBtn11"_qs, u"DBEdit40"_qs, u"DBEdit41"_qs, u"DBEdit42"_qs, u"DBEdit43"_qs, &Window::BitBtn11Click},
};

struct SampleItem {
    const char* caption;
    LabelPart part;
};

const SampleItem SampleItems[] = {
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Name Font"), LabelPart::Name},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Company Font"), LabelPart::Company},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Address Font"), LabelPart::Address},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "City Font"), LabelPart::Province},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "District Font"), LabelPart::District},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Postal Code Font"), LabelPart::PostalCode},
    {QT_TRANSLATE_NOOP("corvella::print::Tfrmgelismisetiketayarlari", "Country Font"), LabelPart::Country},
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
    setWindowTitle(tr("Advanced Label Settings"));
    setFixedSize(588, 497);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    ui::applyWindowColour(this);
    ui::centreOnFirstShow(this);

    ui::FormBuilder form(this);
    int labels = 0;
    // Captions sit 3 pixels below the top of the boxes beside them.
    auto caption = [&](const QString& text, int x, int y) {
        QLabel* label = form.label(u"Label"_qs + QString::number(++labels), text, {x, y + 3});
        label->adjustSize();
        return label;
    };
    auto box = [&](const QString& name, const QString& column, const QRect& place) {
        auto* edit = form.add<ui::DBEdit>(name, place);
        edit->setDataSource(m_settings, column);
        return edit;
    };
    auto button = [&](const QString& name, const QString& text, const QRect& place, void (Window::*handler)()) {
        QPushButton* button = form.onClick(form.button(name, text, place), [this, handler] { (this->*handler)(); });
        button->setAutoDefault(false);
        return button;
    };

    // Elements: one row each, the font from the dialog, the position typed.
    auto* bevel = form.add<QFrame>(u"Bevel1"_qs, {6, 6, 576, 186});
    bevel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    caption(tr("Font Name                 "), 150, 8);
    caption(tr("Font Size "), 330, 8);
    caption(u"X"_qs, 422, 8);
    caption(u"Y"_qs, 484, 8);
    int y = 30;
    for (const ElementRow& row : ElementRows) {
        const bool shown = row.part != LabelPart::Country;
        const int top = shown ? y : 0;
        auto column = [&row](LabelAttribute attribute) { return columns::labelColumn(row.part, attribute); };
        QLabel* label = caption(tr(row.caption), 14, top);
        QPushButton* select = button(row.button, tr("Select"), {88, top - 2, 55, ButtonHeight}, row.handler);
        // Name and size change only through the font dialog.
        ui::DBEdit* name = box(row.nameEdit, column(LabelAttribute::FontName), {150, top, 172, EditHeight});
        ui::DBEdit* size = box(row.sizeEdit, column(LabelAttribute::FontSize), {330, top, 60, EditHeight});
        name->setAlwaysReadOnly(true);
        size->setAlwaysReadOnly(true);
        ui::DBEdit* xBox = box(row.xEdit, column(LabelAttribute::X), {400, top, 55, EditHeight});
        ui::DBEdit* yBox = box(row.yEdit, column(LabelAttribute::Y), {462, top, 55, EditHeight});
        m_settings->setFieldCaption(column(LabelAttribute::X), tr(row.caption).simplified() + u" X"_qs);
        m_settings->setFieldCaption(column(LabelAttribute::Y), tr(row.caption).simplified() + u" Y"_qs);
        if (!shown) {
            // The country's font and place stay as stored; only the sample shows them.
            for (QWidget* widget : std::initializer_list<QWidget*>{label, select, name, size, xBox, yBox})
                widget->hide();
            continue;
        }
        y += 26;
    }

    // The page and the label sheet: a caption, a box and its unit a row.
    struct SheetBox {
        QString caption, box;
        const QString& column;
    };
    auto sheetGroup = [&](const QString& name, const QString& title, const QRect& place,
                          std::initializer_list<SheetBox> boxes) {
        auto* group = form.add<QGroupBox>(name, place);
        group->setTitle(title);
        form.on(group);
        int top = 22;
        for (const SheetBox& sheet : boxes) {
            caption(sheet.caption, 12, top);
            box(sheet.box, sheet.column, {120, top, 70, EditHeight});
            m_settings->setFieldCaption(sheet.column, sheet.caption); // a refused value is named by it
            caption(tr("mm."), 196, top);
            top += 26;
        }
        form.on(this);
    };
    sheetGroup(u"GroupBox1"_qs, QString(), {6, 198, 284, 130},
               {{tr("Page Width"), u"DBEdit24"_qs, columns::PageWidth},
                {tr("Page Height"), u"DBEdit25"_qs, columns::PageHeight},
                {tr("Left Space"), u"DBEdit31"_qs, columns::LeftMargin},
                {tr("Top Space"), u"DBEdit30"_qs, columns::TopMargin}});
    sheetGroup(u"GroupBox2"_qs, tr(" Label ... "), {298, 198, 284, 130},
               {{tr("Width"), u"DBEdit33"_qs, columns::LabelWidth},
                {tr("Height"), u"DBEdit32"_qs, columns::LabelHeight},
                {tr("Horizontal Gap"), u"DBEdit35"_qs, columns::LabelHorizontalGap},
                {tr("Vertical Gap"), u"DBEdit34"_qs, columns::LabelVerticalGap}});

    // The sample: which element's stored font, and the text shown in it.
    QStringList sampleCaptions;
    for (const SampleItem& item : SampleItems)
        sampleCaptions << tr(item.caption);
    m_sampleGroup = new ui::RadioGroup(tr("&Sample"), sampleCaptions, this);
    m_sampleGroup->setObjectName(u"RadioGroup1"_qs);
    m_sampleGroup->setGeometry(6, 334, 182, 156);
    m_sampleGroup->setItemIndex(0);
    form.onSignal(m_sampleGroup, &ui::RadioGroup::itemChanged, [this](int) { RadioGroup1Click(); });

    m_sample = form.add<QLabel>(u"Label15"_qs, {196, 342, 385, 106});
    m_sample->setText(tr("Sample Text"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette samplePalette = m_sample->palette();
    samplePalette.setColor(QPalette::Window, Qt::white);
    m_sample->setPalette(samplePalette);
    m_sample->setAutoFillBackground(true);

    QPushButton* ok = button(u"BitBtn3"_qs, tr("&OK"), {408, 462, 82, ButtonHeight}, &Window::BitBtn3Click);
    ui::DBEdit::markAsCancel(button(u"BitBtn4"_qs, tr("&Cancel"), {499, 462, 82, ButtonHeight}, &Window::BitBtn4Click));
    ok->setAutoDefault(true);
    ok->setDefault(true);
}

void Tfrmgelismisetiketayarlari::FormCreate()
{
    store::ConnectDataSets(this);
    m_settings->open();
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
