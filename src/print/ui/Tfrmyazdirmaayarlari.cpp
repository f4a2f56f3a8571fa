#include "Tfrmyazdirmaayarlari.h"

#include "TestPrintRun.h"
#include "core/ScopeGuard.h"
#include "print/Calibration.h"
#include "print/ColourText.h"
#include "print/PrinterSurface.h"
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
#include "ui/InputBox.h"
#include "ui/WindowStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
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
    setWindowTitle(u"Print Settings"_qs);
    setFixedSize(485, 501);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    ui::applyWindowColour(this);

    int labelNumber = 0;
    auto addLabel = [&](const QString& caption, int x, int y) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(u"Label"_qs + QString::number(++labelNumber));
        label->adjustSize();
        label->move(x, y + 3);
        return label;
    };
    auto addEdit = [&](const QString& name, const QString& column, int x, int y, int width) {
        auto* edit = new ui::DBEdit(this);
        edit->setObjectName(name);
        edit->setGeometry(x, y, width, EditHeight);
        edit->setDataSource(m_settings, column);
        return edit;
    };
    auto addButton = [&](const QString& name, const QString& caption, int x, int y, int width,
                         void (Tfrmyazdirmaayarlari::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(x, y, width, ButtonHeight);
        connect(button, &QPushButton::clicked, this, [this, handler] { ui::guard(this, [&] { (this->*handler)(); }); });
        return button;
    };
    int bevelNumber = 0;
    auto addBevel = [&](int y, int height) {
        auto* bevel = new QFrame(this);
        bevel->setObjectName(u"Bevel"_qs + QString::number(++bevelNumber));
        bevel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        bevel->setGeometry(6, y, 473, height);
        bevel->lower();
        return bevel;
    };
    // A box placed after a caption that ends in its unit ("... %"), never over it.
    auto afterCaption = [](QLabel* label, int atLeast) { return std::max(atLeast, label->x() + label->width() + 6); };

    // Fonts.
    addBevel(6, 112);
    constexpr int NameLeft = 166;
    constexpr int SizeLeft = 360;
    addLabel(u"Font Name                 "_qs, NameLeft, 10);
    addLabel(u"Font Size "_qs, SizeLeft, 10);
    struct FontRow {
        QString caption;
        QString button;
        QString nameEdit;
        QString sizeEdit;
        const QString& nameColumn;
        const QString& sizeColumn;
        void (Tfrmyazdirmaayarlari::*handler)();
    };
    const FontRow fontRows[] = {
        {u"Caption Font"_qs, u"BitBtn2"_qs, u"DBEdit1"_qs, u"DBEdit2"_qs, columns::TitleFontName,
         columns::TitleFontSize, &Tfrmyazdirmaayarlari::BitBtn2Click},
        {u"Normal Text Font"_qs, u"BitBtn1"_qs, u"DBEdit3"_qs, u"DBEdit4"_qs, columns::NormalFontName,
         columns::NormalFontSize, &Tfrmyazdirmaayarlari::BitBtn1Click},
        {u"List Font"_qs, u"BitBtn3"_qs, u"DBEdit5"_qs, u"DBEdit6"_qs, columns::ListFontName, columns::ListFontSize,
         &Tfrmyazdirmaayarlari::BitBtn3Click},
    };
    int y = 30;
    for (const FontRow& row : fontRows) {
        addLabel(row.caption, 14, y);
        addButton(row.button, u"Select"_qs, 110, y - 2, 50, row.handler);
        addEdit(row.nameEdit, row.nameColumn, NameLeft, y, 186)->setAlwaysReadOnly(true);
        auto* size = addEdit(row.sizeEdit, row.sizeColumn, SizeLeft, y, 60);
        size->setAlwaysReadOnly(true);
        size->setDisplayFormat(WholeDisplay);
        size->setEditFormat(WholeEdit);
        y += 28;
    }

    // Label printer.
    addBevel(124, 146);
    constexpr int BoxLeft = 130;
    auto* caption = addLabel(u"Character Width"_qs, 14, 132);
    auto* width = addEdit(u"DBEdit13"_qs, columns::CharacterWidth, afterCaption(caption, BoxLeft), 132, 80);
    width->setAlwaysReadOnly(true);
    width->setDisplayFormat(RatioDisplay);
    width->setEditFormat(WidthEdit);
    addLabel(u"mm."_qs, width->x() + width->width() + 4, 132);
    caption = addLabel(u"Label Y axis ratio %"_qs, 14, 158);
    auto* labelRatio = addEdit(u"DBEdit12"_qs, columns::LabelYScale, afterCaption(caption, BoxLeft), 158, 80);
    labelRatio->setAlwaysReadOnly(true);
    labelRatio->setDisplayFormat(RatioDisplay);
    labelRatio->setEditFormat(RatioEdit);
    addButton(u"BitBtn8"_qs, u"Test / &Set"_qs, 350, 131, 115, &Tfrmyazdirmaayarlari::BitBtn8Click);

    struct SheetPair {
        QString leftCaption;
        QString leftEdit;
        const QString& leftColumn;
        QString rightCaption;
        QString rightEdit;
        const QString& rightColumn;
    };
    const SheetPair sheetRows[] = {
        {u"Label Width"_qs, u"DBEdit14"_qs, columns::LabelWidth, u"Label Height"_qs, u"DBEdit15"_qs,
         columns::LabelHeight},
        {u"Horizontal Gap"_qs, u"DBEdit16"_qs, columns::LabelHorizontalGap, u"Vertical Gap"_qs, u"DBEdit17"_qs,
         columns::LabelVerticalGap},
    };
    y = 186;
    for (const SheetPair& row : sheetRows) {
        addLabel(row.leftCaption, 14, y);
        addEdit(row.leftEdit, row.leftColumn, BoxLeft, y, 60);
        addLabel(u"mm."_qs, BoxLeft + 64, y);
        addLabel(row.rightCaption, 250, y);
        addEdit(row.rightEdit, row.rightColumn, 340, y, 60);
        addLabel(u"mm."_qs, 404, y);
        y += 26;
    }
    addEdit(u"DBEdit18"_qs, columns::LabelsPerRow, BoxLeft, y, 60);
    addLabel(u"labels in a row"_qs, BoxLeft + 64, y);

    // Printing ratios.
    addBevel(276, 64);
    caption = addLabel(u"Printing X axis ratio         %"_qs, 14, 284);
    auto* xRatio = addEdit(u"DBEdit9"_qs, columns::PrintXScale, afterCaption(caption, BoxLeft + 40), 284, 80);
    caption = addLabel(u"Printing Y axis ratio         %"_qs, 14, 310);
    auto* yRatio = addEdit(u"DBEdit7"_qs, columns::PrintYScale, afterCaption(caption, BoxLeft + 40), 310, 80);
    for (auto* ratio : {xRatio, yRatio}) {
        ratio->setDisplayFormat(RatioDisplay);
        ratio->setEditFormat(RatioEdit);
    }
    addButton(u"BitBtn4"_qs, u"T&est"_qs, 350, 283, 115, &Tfrmyazdirmaayarlari::BitBtn4Click);

    // Line height, printer kind, advanced label settings.
    addBevel(346, 96);
    auto* lineCaption = addLabel(u"List Line &Height"_qs, 14, 362);
    auto* lineHeight = addEdit(u"DBEdit11"_qs, columns::ListLinePitch, afterCaption(lineCaption, 100), 362, 50);
    lineHeight->setDisplayFormat(WholeDisplay);
    lineHeight->setEditFormat(WholeEdit);
    lineCaption->setBuddy(lineHeight);
    addLabel(u"mm."_qs, lineHeight->x() + lineHeight->width() + 4, 362);
    auto* printerKind = new ui::DBRadioGroup(u" Printer "_qs, {u"B/W"_qs, u"Color"_qs}, this);
    printerKind->setObjectName(u"DBRadioGroup1"_qs);
    printerKind->setGeometry(215, 352, 110, 82);
    printerKind->setDataSource(m_settings, columns::PrinterType);
    addButton(u"BitBtn9"_qs, u"Advanced &Label Settings"_qs, 331, 380, 144, &Tfrmyazdirmaayarlari::BitBtn9Click);

    addButton(u"BitBtn5"_qs, u"&OK"_qs, 300, 460, 82, &Tfrmyazdirmaayarlari::BitBtn5Click)->setDefault(true);
    addButton(u"BitBtn6"_qs, u"&Cancel"_qs, 391, 460, 82, &Tfrmyazdirmaayarlari::BitBtn6Click);
}

void Tfrmyazdirmaayarlari::FormCreate()
{
    store::ConnectDataSets(this);
    m_settings->open();
}

void Tfrmyazdirmaayarlari::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
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

void Tfrmyazdirmaayarlari::BitBtn4Click()
{
    tellSavedPrintout(printRatioTestPage(printer()));
    const QString caption = u"Yazdırma Ayarları"_qs;
    const double width =
        parseMeasurement(ui::inputBox(this, caption, u"Lütfen dörtgenin enini mm. cinsinden yazınız."_qs, u"0"_qs));
    if (width == 0)
        return;
    const double height =
        parseMeasurement(ui::inputBox(this, caption, u"Lütfen dörtgenin boyunu mm. cinsinden yazınız."_qs, u"0"_qs));
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
    const QString caption = u"Etiket Dökümü Ayarları"_qs;
    const double xDistance = parseMeasurement(ui::inputBox(
        this, caption, u"Lütfen \"X\" harfleri arasındaki uzaklığı mm. cinsinden yazınız."_qs, u"201,5"_qs));
    const double dotDistance = parseMeasurement(ui::inputBox(
        this, caption, u"Lütfen \".\" işaretleri arasındaki uzaklığı mm. cinsinden yazınız."_qs, u"100"_qs));
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
