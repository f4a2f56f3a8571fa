#include "Tfrmyazdirmaayarlari.h"

#include "SheetChooser.h"
#include "TestPrintRun.h"
#include "core/ScopeGuard.h"
#include "print/Calibration.h"
#include "print/ColourText.h"
#include "print/PrinterSurface.h"
#include "print/SheetCatalogue.h"
#include "print/TestPages.h"
#include "print/TestPrintProgram.h"
#include "print/Tgenel.h"
#include "store/Columns.h"
#include "store/ConnectDataSets.h"
#include "store/DataSet.h"
#include "store/FieldDef.h"
#include "store/widgets/DBEdit.h"
#include "store/widgets/DBRadioGroup.h"
#include "ui/Dialogs.h"
#include "ui/FontChoice.h"
#include "ui/FormBuilder.h"
#include "ui/InputBox.h"
#include "ui/ModalDialog.h"
#include "ui/WindowStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace corvella::print {

namespace {

const QString WholeDisplay = u"###,###,###"_qs;
const QString WholeEdit = u"#########"_qs;
const QString RatioDisplay = u"###,###,###.00"_qs;
const QString RatioEdit = u"#########.##"_qs;
const QString WidthEdit = u"#########.00"_qs;

namespace columns = store::settings;

// The font dialog starts as Arial, 10 points, with a blue sample.
const QColor DialogSampleColour = toQColor(colours::Blue);

constexpr int EditHeight = 21;

QString plainCaption(QString caption)
{
    caption.remove(u'&');
    caption = caption.simplified();
    if (caption.endsWith(u'%'))
        caption.chop(1);
    return caption.trimmed();
}
constexpr int ButtonHeight = 25;

} // namespace

Tfrmyazdirmaayarlari::Tfrmyazdirmaayarlari(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_settings(new store::TableDataSet(this))
    , m_dialogFont(u"Arial"_qs, 10)
    , m_testPrintProgram(defaultTestPrintProgram())
    , m_signalFolder(defaultSignalFolder())
{
    setObjectName(u"frmyazdirmaayarlari"_qs);
    m_settings->setObjectName(u"Table1"_qs);
    m_settings->setTableName(store::tables::Settings);
    buildUi();
    // The program's own ending closes every window; only that close is let through.
    qApp->installEventFilter(this);
    ui::guard(this, [this] { FormCreate(); });
}

Tfrmyazdirmaayarlari::~Tfrmyazdirmaayarlari() = default;

void Tfrmyazdirmaayarlari::buildUi()
{
    setWindowTitle(tr("Print Settings"));
    setFixedSize(485, 501);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    ui::applyWindowColour(this);
    ui::centreOnFirstShow(this);

    ui::FormBuilder form(this);
    int labels = 0;
    int bevels = 0;
    // Captions sit 3 pixels below the top of the boxes beside them.
    auto caption = [&](const QString& text, int x, int y) {
        QLabel* label = form.label(u"Label"_qs + QString::number(++labels), text, {x, y + 3});
        label->adjustSize();
        return label;
    };
    auto box = [&](const QString& name, const QString& column, int x, int y, int width) {
        auto* edit = form.add<ui::DBEdit>(name, {x, y, width, EditHeight});
        edit->setDataSource(m_settings, column);
        return edit;
    };
    auto button = [&](const QString& name, const QString& text, int x, int y, int width,
                      void (Tfrmyazdirmaayarlari::*handler)()) {
        return form.onClick(form.button(name, text, {x, y, width, ButtonHeight}),
                            [this, handler] { (this->*handler)(); });
    };
    auto bevel = [&](int y, int height) {
        auto* frame = form.add<QFrame>(u"Bevel"_qs + QString::number(++bevels), {6, y, 473, height});
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        frame->lower();
    };
    auto formats = [](ui::DBEdit* edit, const QString& display, const QString& editing) {
        edit->setDisplayFormat(display);
        edit->setEditFormat(editing);
    };
    // A box after a caption that ends in its unit ("... %") starts past it.
    auto after = [](QLabel* label, int atLeast) { return std::max(atLeast, label->x() + label->width() + 6); };
    // The unit after a box.
    auto unit = [&](QWidget* box, const QString& text) { caption(text, box->x() + box->width() + 4, box->y()); };

    // Fonts: caption, normal text and list, each chosen in the font dialog.
    bevel(6, 112);
    caption(tr("Font Name                 "), 166, 10);
    caption(tr("Font Size "), 360, 10);
    struct FontRow {
        QString caption, button, nameBox, sizeBox;
        const QString &nameColumn, &sizeColumn;
        void (Tfrmyazdirmaayarlari::*handler)();
    };
    const FontRow fontRows[] = {
        {tr("Caption Font"), u"BitBtn2"_qs, u"DBEdit1"_qs, u"DBEdit2"_qs, columns::TitleFontName,
         columns::TitleFontSize, &Tfrmyazdirmaayarlari::BitBtn2Click},
        {tr("Normal Text Font"), u"BitBtn1"_qs, u"DBEdit3"_qs, u"DBEdit4"_qs, columns::NormalFontName,
         columns::NormalFontSize, &Tfrmyazdirmaayarlari::BitBtn1Click},
        {tr("List Font"), u"BitBtn3"_qs, u"DBEdit5"_qs, u"DBEdit6"_qs, columns::ListFontName, columns::ListFontSize,
         &Tfrmyazdirmaayarlari::BitBtn3Click},
    };
    int y = 30;
    for (const FontRow& row : fontRows) {
        caption(row.caption, 14, y);
        button(row.button, tr("Select"), 110, y - 2, 50, row.handler);
        box(row.nameBox, row.nameColumn, 166, y, 186)->setAlwaysReadOnly(true);
        auto* size = box(row.sizeBox, row.sizeColumn, 360, y, 60);
        size->setAlwaysReadOnly(true);
        formats(size, WholeDisplay, WholeEdit);
        y += 28;
    }

    // Label printer: the measured values, the sheet, the test.
    bevel(124, 146);
    constexpr int BoxLeft = 130;
    auto* width =
        box(u"DBEdit13"_qs, columns::CharacterWidth, after(caption(tr("Character Width"), 14, 132), BoxLeft), 132, 80);
    width->setAlwaysReadOnly(true);
    formats(width, RatioDisplay, WidthEdit);
    unit(width, tr("mm."));
    auto* labelRatio = box(u"DBEdit12"_qs, columns::LabelYScale,
                           after(caption(tr("Label Y axis ratio %"), 14, 158), BoxLeft), 158, 80);
    labelRatio->setAlwaysReadOnly(true);
    formats(labelRatio, RatioDisplay, RatioEdit);
    button(u"BitBtn8"_qs, tr("Test / &Set"), 350, 131, 115, &Tfrmyazdirmaayarlari::BitBtn8Click);
    struct SheetBox {
        QString caption, box;
        const QString& column;
        int captionX, boxX, y;
    };
    const SheetBox sheetBoxes[] = {
        {tr("Label Width"), u"DBEdit14"_qs, columns::LabelWidth, 14, BoxLeft, 186},
        {tr("Label Height"), u"DBEdit15"_qs, columns::LabelHeight, 250, 340, 186},
        {tr("Horizontal Gap"), u"DBEdit16"_qs, columns::LabelHorizontalGap, 14, BoxLeft, 212},
        {tr("Vertical Gap"), u"DBEdit17"_qs, columns::LabelVerticalGap, 250, 340, 212},
    };
    for (const SheetBox& sheet : sheetBoxes) {
        caption(sheet.caption, sheet.captionX, sheet.y);
        unit(box(sheet.box, sheet.column, sheet.boxX, sheet.y, 60), tr("mm."));
    }
    unit(box(u"DBEdit18"_qs, columns::LabelsPerRow, BoxLeft, 238, 60), tr("labels in a row"));
    form.onClick(form.button(u"sheetButton"_qs, tr("&Pick Sheet..."), {350, 236, 115, ButtonHeight},
                             tr("Fill the label sheet values from a sheet's brand and product code")),
                 [this] { chooseSheetClick(); });

    // Printing ratios.
    bevel(276, 64);
    auto* xRatio = box(u"DBEdit9"_qs, columns::PrintXScale,
                       after(caption(tr("Printing X axis ratio         %"), 14, 284), BoxLeft + 40), 284, 80);
    auto* yRatio = box(u"DBEdit7"_qs, columns::PrintYScale,
                       after(caption(tr("Printing Y axis ratio         %"), 14, 310), BoxLeft + 40), 310, 80);
    formats(xRatio, RatioDisplay, RatioEdit);
    formats(yRatio, RatioDisplay, RatioEdit);
    button(u"BitBtn4"_qs, tr("T&est"), 350, 283, 115, &Tfrmyazdirmaayarlari::BitBtn4Click);

    // Line height, printer kind, advanced label settings.
    bevel(346, 96);
    QLabel* lineCaption = caption(tr("List Line &Height"), 14, 362);
    auto* lineHeight = box(u"DBEdit11"_qs, columns::ListLinePitch, after(lineCaption, 100), 362, 50);
    formats(lineHeight, WholeDisplay, WholeEdit);
    lineCaption->setBuddy(lineHeight);
    unit(lineHeight, tr("mm."));
    auto* printerKind = new ui::DBRadioGroup(tr(" Printer "), {tr("B/W"), tr("Color")}, this);
    printerKind->setObjectName(u"DBRadioGroup1"_qs);
    printerKind->setGeometry(215, 352, 110, 82);
    printerKind->setDataSource(m_settings, columns::PrinterType);
    button(u"BitBtn9"_qs, tr("Advanced &Label Settings"), 331, 380, 144, &Tfrmyazdirmaayarlari::BitBtn9Click);

    // A refused value is named in its message by the caption beside it, without mnemonic, padding or unit.
    const std::pair<const QString&, QString> captions[] = {
        {columns::CharacterWidth, tr("Character Width")},
        {columns::LabelYScale, tr("Label Y axis ratio %")},
        {columns::LabelsPerRow, tr("labels in a row")},
        {columns::PrintXScale, tr("Printing X axis ratio         %")},
        {columns::PrintYScale, tr("Printing Y axis ratio         %")},
        {columns::ListLinePitch, tr("List Line &Height")},
    };
    for (const auto& [column, text] : captions)
        m_settings->setFieldCaption(column, plainCaption(text));
    for (const SheetBox& sheet : sheetBoxes)
        m_settings->setFieldCaption(sheet.column, plainCaption(sheet.caption));

    button(u"BitBtn5"_qs, tr("&OK"), 300, 460, 82, &Tfrmyazdirmaayarlari::BitBtn5Click)->setDefault(true);
    ui::DBEdit::markAsCancel(button(u"BitBtn6"_qs, tr("&Cancel"), 391, 460, 82, &Tfrmyazdirmaayarlari::BitBtn6Click));
}

void Tfrmyazdirmaayarlari::FormCreate()
{
    store::ConnectDataSets(this);
    m_settings->open();
}

bool Tfrmyazdirmaayarlari::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qApp && event->type() == QEvent::Quit) {
        m_applicationQuitting = true;
        // Should another window keep the program running, requests are refused again.
        QTimer::singleShot(0, this, [this] { m_applicationQuitting = false; });
    }
    return QWidget::eventFilter(watched, event);
}

void Tfrmyazdirmaayarlari::closeEvent(QCloseEvent* event)
{
    // Only OK and Cancel hide the window.
    if (m_applicationQuitting)
        event->accept();
    else
        event->ignore();
}

Tgenel& Tfrmyazdirmaayarlari::printer()
{
    if (m_printer)
        return *m_printer;
    if (!m_ownPrinter)
        m_ownPrinter = std::make_unique<Tgenel>();
    return *m_ownPrinter;
}

void Tfrmyazdirmaayarlari::tellSavedPrintout(const QString& filePath)
{
    if (!filePath.isEmpty())
        ui::showMessage(this, savedPrintoutMessage(filePath));
}

namespace {

/// The family the font dialog shows on opening with `font`: a family this machine lacks appears as a substitute.
QString familyShownFor(const QFont& font)
{
    return ui::makeFontDialog(nullptr, font, DialogSampleColour)->currentFont().family();
}

} // namespace

void Tfrmyazdirmaayarlari::chooseFont(const QString& nameColumn, const QString& sizeColumn)
{
    store::Field name = m_settings->fieldByName(nameColumn);
    store::Field size = m_settings->fieldByName(sizeColumn);
    // A null column leaves the dialog as it was last used in this window.
    if (!name.isNull())
        m_dialogFont.setFamily(name.asString());
    if (!size.isNull() && size.asInteger() > 0)
        m_dialogFont.setPointSize(int(size.asInteger()));
    const auto chosen = ui::chooseFont(this, m_dialogFont, DialogSampleColour);
    if (!chosen)
        return;
    // OK on a stored family the machine lacks would store the substitute: the name changes only when the user
    // picked another family than the one shown at opening.
    const QString family = chosen->family() == familyShownFor(m_dialogFont) ? m_dialogFont.family() : chosen->family();
    m_dialogFont = *chosen;
    m_dialogFont.setFamily(family);
    name.setValue(family);
    size.setValue(double(store::roundHalfEven(chosen->pointSizeF())));
}

void Tfrmyazdirmaayarlari::BitBtn1Click()
{
    chooseFont(columns::NormalFontName, columns::NormalFontSize);
}

void Tfrmyazdirmaayarlari::BitBtn2Click()
{
    chooseFont(columns::TitleFontName, columns::TitleFontSize);
}

void Tfrmyazdirmaayarlari::BitBtn3Click()
{
    chooseFont(columns::ListFontName, columns::ListFontSize);
}

void Tfrmyazdirmaayarlari::chooseSheetClick()
{
    SheetChooser chooser(
        SheetCatalogue::load(m_templateFolder.isEmpty() ? SheetCatalogue::systemTemplateFolder() : m_templateFolder),
        this);
    if (ui::execModal(chooser) != QDialog::Accepted)
        return;
    const auto chosen = chooser.chosenSheet();
    if (!chosen)
        return;
    const LabelSheet sheet = labelSheetOf(*chosen);
    const std::pair<const QString&, int> values[] = {
        {columns::PageWidth, sheet.pageWidthMm},
        {columns::PageHeight, sheet.pageHeightMm},
        {columns::LeftMargin, sheet.leftMarginMm},
        {columns::TopMargin, sheet.topMarginMm},
        {columns::LabelWidth, sheet.labelWidthMm},
        {columns::LabelHeight, sheet.labelHeightMm},
        {columns::LabelHorizontalGap, sheet.horizontalGapMm},
        {columns::LabelVerticalGap, sheet.verticalGapMm},
        {columns::LabelsPerRow, chosen->across},
    };
    for (const auto& [column, value] : values)
        m_settings->fieldByName(column).setValue(double(value));
}

void Tfrmyazdirmaayarlari::BitBtn4Click()
{
    tellSavedPrintout(printRatioTestPage(printer()));
    const QString caption = tr("Yazdırma Ayarları");
    const double width =
        parseMeasurement(ui::inputBox(this, caption, tr("Lütfen dörtgenin enini mm. cinsinden yazınız."), u"0"_qs));
    if (width == 0)
        return;
    const double height =
        parseMeasurement(ui::inputBox(this, caption, tr("Lütfen dörtgenin boyunu mm. cinsinden yazınız."), u"0"_qs));
    if (height == 0)
        return;
    const PrinterRatios ratios = *printerRatios(width, height);
    m_settings->fieldByName(columns::PrintXScale).setValue(ratios.xPercent);
    m_settings->fieldByName(columns::PrintYScale).setValue(ratios.yPercent);
}

void Tfrmyazdirmaayarlari::BitBtn8Click()
{
    // The wait keeps the window working; a second press meanwhile would delete the first run's signal file.
    if (m_testPrintRunning)
        return;
    if (!runTestPrint())
        return;
    const QString caption = tr("Etiket Dökümü Ayarları");
    const double xDistance = parseMeasurement(ui::inputBox(
        this, caption, tr("Lütfen \"X\" harfleri arasındaki uzaklığı mm. cinsinden yazınız."), u"201,5"_qs));
    const double dotDistance = parseMeasurement(ui::inputBox(
        this, caption, tr("Lütfen \".\" işaretleri arasındaki uzaklığı mm. cinsinden yazınız."), u"100"_qs));
    const LabelPrinterValues values = labelPrinterValues(xDistance, dotDistance);
    m_settings->fieldByName(columns::CharacterWidth).setValue(values.characterWidthMm);
    m_settings->fieldByName(columns::LabelYScale).setValue(values.yRatioPercent);
}

bool Tfrmyazdirmaayarlari::runTestPrint()
{
    TestPrintRun run(this, m_testPrintProgram, m_signalFolder);
    bool signalled = false;
    {
        m_testPrintRunning = true;
        const ScopeExit finished([this] { m_testPrintRunning = false; });
        signalled = run.run();
    }
    if (signalled)
        tellSavedPrintout(run.savedFile());
    return signalled;
}

void Tfrmyazdirmaayarlari::BitBtn9Click()
{
    if (m_settings->isEditing())
        m_settings->post();
    if (m_advancedLabelSettings)
        m_advancedLabelSettings();
}

void Tfrmyazdirmaayarlari::BitBtn5Click()
{
    if (m_settings->isEditing())
        m_settings->post();
    hide();
}

void Tfrmyazdirmaayarlari::BitBtn6Click()
{
    if (m_settings->isEditing())
        m_settings->cancel();
    hide();
}

} // namespace corvella::print
