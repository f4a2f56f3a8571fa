#include "ContactFileFixture.h"
#include "DialogAnswers.h"

#include "app/Startup.h"
#include "print/ColourText.h"
#include "print/ui/ColourFontDialog.h"
#include "print/ui/Tfrmgelismisetiketayarlari.h"
#include "print/ui/Tfrmyazdirmaayarlari.h"
#include "store/DataSet.h"
#include "store/widgets/DBEdit.h"
#include "ui/ModalDialog.h"
#include "ui/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace corvella;
using print::ColouredFont;
using print::Tfrmgelismisetiketayarlari;

namespace {

/// Answers for the colour font dialog: each choice, or none for Cancel.
QList<std::optional<ui::FontAnswer>> fontAnswers(const QList<std::optional<ColouredFont>>& choices)
{
    QList<std::optional<ui::FontAnswer>> answers;
    for (const auto& choice : choices)
        answers << (choice ? std::optional<ui::FontAnswer>(ui::FontAnswer{choice->font, choice->colour})
                           : std::nullopt);
    return answers;
}

ColouredFont coloured(const QString& family, int points, int colour, bool bold = false)
{
    QFont font(family);
    font.setPointSize(points);
    font.setBold(bold);
    return {font, colour};
}

/// The window on a fresh contact file whose settings row is the new file's.
struct Window {
    test::ContactFileFixture fixture;
    std::unique_ptr<Tfrmgelismisetiketayarlari> window;

    explicit Window(const QStringList& prepare = {})
    {
        for (const QString& sql : prepare)
            fixture.scalar(sql);
        window = std::make_unique<Tfrmgelismisetiketayarlari>();
    }

    QVariant stored(const QString& column) { return fixture.scalar(u"select ["_qs + column + u"] from YAYAR"_qs); }
    QVariantList storedRow()
    {
        QVariantList values;
        for (const store::FieldDef& def : window->table()->fieldDefs())
            values << stored(def.name);
        return values;
    }
    QVariant viewed(const QString& column) { return window->table()->fieldByName(column).value(); }

    template <class T = QPushButton> T* child(const QString& name)
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qWarning("no child %s", qPrintable(name));
        return found;
    }

    void type(const QString& edit, const QString& text)
    {
        auto* box = child<ui::DBEdit>(edit);
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void show()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
    }
};

const QString Blue = u"clBlue"_qs;

} // namespace

class LabelSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void windowOffersEachElementAndTheSample();
    void boxesAreBoundToTheirColumns();
    void fontChoiceWritesNameSizeAndColour_data();
    void fontChoiceWritesNameSizeAndColour();
    void dialogOpensWithTheStoredFont();
    void sampleFollowsTheChosenElement_data();
    void sampleFollowsTheChosenElement();
    void sampleKeepsTheStyle();
    void unreadableStoredColour();
    void okAndCancel_data();
    void okAndCancel();
    void advancedButtonOpensANewModalWindow();
    void colourDialogOffersPlainColours();
    void colourDialogKeepsAnOtherColour();
};

void LabelSettingsTest::windowOffersEachElementAndTheSample()
{
    Window w;
    QCOMPARE(w.window->windowTitle(), u"Advanced Label Settings"_qs);
    QCOMPARE(w.window->size(), QSize(588, 497));
    QCOMPARE(w.window->minimumSize(), w.window->maximumSize());
    QCOMPARE(w.window->palette().color(QPalette::Window), QColor(230, 230, 255));
    for (const QString& button :
         {u"BitBtn2"_qs, u"BitBtn1"_qs, u"BitBtn8"_qs, u"BitBtn7"_qs, u"BitBtn9"_qs, u"BitBtn10"_qs, u"BitBtn11"_qs})
        QCOMPARE(w.child(button)->text(), u"Select"_qs);
    QCOMPARE(w.child(u"BitBtn3"_qs)->text(), u"&OK"_qs);
    QCOMPARE(w.child(u"BitBtn4"_qs)->text(), u"&Cancel"_qs);

    // The country row is there but never shown; every other row is.
    for (const QString& name : {u"BitBtn9"_qs, u"DBEdit26"_qs, u"DBEdit27"_qs, u"DBEdit28"_qs, u"DBEdit29"_qs})
        QVERIFY2(!w.child<QWidget>(name)->isVisibleTo(w.window.get()), qPrintable(name));
    for (const QString& name : {u"BitBtn2"_qs, u"DBEdit1"_qs, u"DBEdit43"_qs, u"BitBtn11"_qs, u"DBEdit24"_qs})
        QVERIFY2(w.child<QWidget>(name)->isVisibleTo(w.window.get()), qPrintable(name));
    QStringList captions;
    for (auto* label : w.window->findChildren<QLabel*>())
        if (label->isVisibleTo(w.window.get()))
            captions << label->text();
    for (const QString& caption : {u"Name"_qs, u"Address"_qs, u"City"_qs, u"District"_qs, u"Company"_qs,
                                   u"Postal Code"_qs, u"Font Name                 "_qs, u"Font Size "_qs, u"X"_qs,
                                   u"Y"_qs, u"Page Width"_qs, u"Top Space"_qs, u"Horizontal Gap"_qs, u"mm."_qs})
        QVERIFY2(captions.contains(caption), qPrintable(caption));
    QVERIFY(!captions.contains(u"Country"_qs));
    QCOMPARE(w.child<QGroupBox>(u"GroupBox2"_qs)->title(), u" Label ... "_qs);

    auto* sampleGroup = w.child<ui::RadioGroup>(u"RadioGroup1"_qs);
    QCOMPARE(sampleGroup->title(), u"&Sample"_qs);
    QStringList items;
    for (int i = 0; i < sampleGroup->count(); ++i)
        items << sampleGroup->item(i)->text();
    QCOMPARE(items, QStringList({u"Name Font"_qs, u"Company Font"_qs, u"Address Font"_qs, u"City Font"_qs,
                                 u"District Font"_qs, u"Postal Code Font"_qs, u"Country Font"_qs}));
    QCOMPARE(sampleGroup->itemIndex(), 0);
    auto* sample = w.child<QLabel>(u"Label15"_qs);
    QCOMPARE(sample->text(), u"Sample Text"_qs);
    QCOMPARE(sample->size(), QSize(385, 106));
    QCOMPARE(sample->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(sample->font(), w.window->font()); // the window's own font until a choice
    QCOMPARE(w.window->table()->state(), store::DataSetState::Browse);
}

void LabelSettingsTest::boxesAreBoundToTheirColumns()
{
    test::DialogAnswers messages; // outlives the window, whose refused box still holds its text when it goes
    Window w;
    const QList<QPair<QString, QString>> bound = {
        {u"DBEdit1"_qs, u"İsim Yazıtipi Adı"_qs},     {u"DBEdit2"_qs, u"İsim Yazıtipi Boyutu"_qs},
        {u"DBEdit14"_qs, u"İsim X Koordinatı"_qs},    {u"DBEdit15"_qs, u"İsim Y Koordinatı"_qs},
        {u"DBEdit3"_qs, u"Adres Yazıtipi Adı"_qs},    {u"DBEdit4"_qs, u"Adres Yazıtipi Boyutu"_qs},
        {u"DBEdit16"_qs, u"Adres X Koordinatı"_qs},   {u"DBEdit17"_qs, u"Adres Y Koordinatı"_qs},
        {u"DBEdit10"_qs, u"İl Yazıtipi Adı"_qs},      {u"DBEdit13"_qs, u"İl Yazıtipi Boyutu"_qs},
        {u"DBEdit18"_qs, u"İl X Koordinatı"_qs},      {u"DBEdit19"_qs, u"İl Y Koordinatı"_qs},
        {u"DBEdit11"_qs, u"İlçe Yazıtipi Adı"_qs},    {u"DBEdit12"_qs, u"İlçe Yazıtipi Boyutu"_qs},
        {u"DBEdit20"_qs, u"İlçe X Koordinatı"_qs},    {u"DBEdit21"_qs, u"İlçe Y Koordinatı"_qs},
        {u"DBEdit26"_qs, u"Ülke Yazıtipi Adı"_qs},    {u"DBEdit27"_qs, u"Ülke Yazıtipi Boyutu"_qs},
        {u"DBEdit28"_qs, u"Ülke X Koordinatı"_qs},    {u"DBEdit29"_qs, u"Ülke Y Koordinatı"_qs},
        {u"DBEdit36"_qs, u"F# Adı Yazıtipi Adı"_qs},  {u"DBEdit37"_qs, u"F# Adı Yazıtipi Boyutu"_qs},
        {u"DBEdit38"_qs, u"F# Adı X Koordinatı"_qs},  {u"DBEdit39"_qs, u"F# Adı Y Koordinatı"_qs},
        {u"DBEdit40"_qs, u"P#K# Yazıtipi Adı"_qs},    {u"DBEdit41"_qs, u"P#K# Yazıtipi Boyutu"_qs},
        {u"DBEdit42"_qs, u"P#K# X Koordinatı"_qs},    {u"DBEdit43"_qs, u"P#K# Y Koordinatı"_qs},
        {u"DBEdit24"_qs, u"Sayfa Genişliği"_qs},      {u"DBEdit25"_qs, u"Sayfa Yüksekliği"_qs},
        {u"DBEdit31"_qs, u"Sol Boşluk"_qs},           {u"DBEdit30"_qs, u"Üst Boşluk"_qs},
        {u"DBEdit33"_qs, u"Etiket Genişliği"_qs},     {u"DBEdit32"_qs, u"Etiket Yüksekliği"_qs},
        {u"DBEdit35"_qs, u"Yatay Etiket Aralığı"_qs}, {u"DBEdit34"_qs, u"Dikey Etiket Aralığı"_qs},
    };
    for (const auto& [name, column] : bound) {
        auto* edit = w.child<ui::DBEdit>(name);
        QVERIFY2(edit, qPrintable(name));
        QCOMPARE(edit->fieldName(), column);
        // Names and sizes change only through the font dialog.
        const bool fontBox = column.contains(u"Yazıtipi"_qs);
        QCOMPARE(edit->isReadOnly(), fontBox);
    }
    QCOMPARE(w.window->findChildren<ui::DBEdit*>().size(), bound.size());
    QCOMPARE(w.child<ui::DBEdit>(u"DBEdit33"_qs)->text(), u"70"_qs);
    QCOMPARE(w.child<ui::DBEdit>(u"DBEdit1"_qs)->text(), u"Arial"_qs);

    // Text that is not a number is refused with the caption beside it, and the box keeps the focus.
    w.show();
    w.type(u"DBEdit24"_qs, u"abc"_qs);
    w.child<ui::DBEdit>(u"DBEdit25"_qs)->setFocus();
    QTRY_COMPARE(messages.asked, QStringList{u"'abc' is not a valid floating point value for field 'Page Width'"_qs});
    QTRY_VERIFY(w.child<ui::DBEdit>(u"DBEdit24"_qs)->hasFocus());
}

void LabelSettingsTest::fontChoiceWritesNameSizeAndColour_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("colourText");
    QTest::addColumn<double>("size");
    QFont maroon(u"Arial"_qs);
    maroon.setPointSize(10);
    QTest::newRow("company in maroon") << u"BitBtn10"_qs << u"F# Adı"_qs << maroon << 0x000080 << u"clMaroon"_qs
                                       << 10.0;
    QFont bold(u"Arial"_qs);
    bold.setPointSize(12);
    bold.setBold(true);
    QTest::newRow("address Arial 12 bold") << u"BitBtn1"_qs << u"Adres"_qs << bold << 0xFF0000 << Blue << 12.0;
    QFont half(u"Courier"_qs);
    half.setPointSizeF(10.5);
    QTest::newRow("city, half a point") << u"BitBtn8"_qs << u"İl"_qs << half << 0x123456 << u"$00123456"_qs << 10.0;
    QTest::newRow("name") << u"BitBtn2"_qs << u"İsim"_qs << maroon << 0x0000FF << u"clRed"_qs << 10.0;
    QTest::newRow("district") << u"BitBtn7"_qs << u"İlçe"_qs << bold << 0x008000 << u"clGreen"_qs << 12.0;
    QTest::newRow("postal code") << u"BitBtn11"_qs << u"P#K#"_qs << bold << 0 << u"clBlack"_qs << 12.0;
}

void LabelSettingsTest::fontChoiceWritesNameSizeAndColour()
{
    QFETCH(QString, button);
    QFETCH(QString, prefix);
    QFETCH(QFont, font);
    QFETCH(int, colour);
    QFETCH(QString, colourText);
    QFETCH(double, size);
    Window w;
    test::DialogAnswers fonts(test::DialogAnswers::Fonts);
    fonts.fonts = fontAnswers({ColouredFont{font, colour}});
    w.child(button)->click();
    QCOMPARE(fonts.fontsAsked.size(), 1);
    QCOMPARE(w.window->table()->state(), store::DataSetState::Edit);
    QCOMPARE(w.viewed(prefix + u" Yazıtipi Rengi"_qs).toString(), colourText);
    QCOMPARE(w.stored(prefix + u" Yazıtipi Rengi"_qs).toString(), u"clBlack"_qs); // nothing saved yet
    // The sample shows the whole choice.
    QCOMPARE(w.window->sample()->font().family(), font.family());
    QCOMPARE(w.window->sample()->font().bold(), font.bold());
    QCOMPARE(w.window->sample()->palette().color(QPalette::WindowText), print::toQColor(colour));

    w.child(u"BitBtn3"_qs)->click();
    QCOMPARE(w.window->result(), int(QDialog::Accepted));
    QCOMPARE(w.stored(prefix + u" Yazıtipi Adı"_qs).toString(), font.family());
    QCOMPARE(w.stored(prefix + u" Yazıtipi Boyutu"_qs).toDouble(), size);
    QCOMPARE(w.stored(prefix + u" Yazıtipi Rengi"_qs).toString(), colourText);
}

void LabelSettingsTest::dialogOpensWithTheStoredFont()
{
    // The name's columns hold a font; the district's are empty.
    Window w({u"UPDATE YAYAR SET [İsim Yazıtipi Adı] = 'Times', [İsim Yazıtipi Boyutu] = 11.5, "
              u"[İsim Yazıtipi Rengi] = 'clRed'"_qs,
              u"UPDATE YAYAR SET [İlçe Yazıtipi Adı] = NULL, [İlçe Yazıtipi Boyutu] = NULL, "
              u"[İlçe Yazıtipi Rengi] = NULL"_qs});
    const ColouredFont green = coloured(u"Courier"_qs, 14, 0x008000, true);
    test::DialogAnswers fonts(test::DialogAnswers::Fonts);
    fonts.fonts = fontAnswers({std::nullopt, green, std::nullopt, std::nullopt});
    // How the dialog opened the n-th time: family, size and colour.
    auto opened = [&](qsizetype n) {
        const auto& request = fonts.fontsAsked.at(n);
        return std::tuple(request.initial.family(), request.initial.pointSize(), request.colour);
    };
    // Nothing stored, first use: Arial, 10 points, blue.
    w.child(u"BitBtn7"_qs)->click();
    QCOMPARE(opened(0), std::tuple(u"Arial"_qs, 10, 0xFF0000));
    QCOMPARE(w.window->table()->state(), store::DataSetState::Browse); // cancelled: nothing changes
    // The stored font, its size rounded to even.
    w.child(u"BitBtn2"_qs)->click();
    QCOMPARE(opened(1), std::tuple(u"Times"_qs, 12, 0x0000FF));
    // Nothing stored again: the dialog as last used in this window, style included.
    w.child(u"BitBtn7"_qs)->click();
    QCOMPARE(opened(2), std::tuple(u"Courier"_qs, 14, 0x008000));
    QCOMPARE(fonts.fontsAsked.at(2).initial.bold(), true);
    // The address's stored font replaces name, size and colour but not the style.
    w.child(u"BitBtn1"_qs)->click();
    QCOMPARE(opened(3), std::tuple(u"Arial"_qs, 9, 0));
    QCOMPARE(fonts.fontsAsked.at(3).initial.bold(), true);
}

void LabelSettingsTest::sampleFollowsTheChosenElement_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("size");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Name Font") << 0 << u"Times"_qs << 12 << QColor(255, 0, 0);
    QTest::newRow("Company Font") << 1 << u"Courier"_qs << 14 << QColor(128, 0, 0);
    QTest::newRow("Address Font") << 2 << u"Arial"_qs << 9 << QColor(0, 0, 0);
    QTest::newRow("Postal Code Font") << 5 << u"Arial"_qs << 8 << QColor(0, 0, 0);
    QTest::newRow("Country Font, row hidden") << 6 << u"Verdana"_qs << 7 << QColor(0, 128, 0);
}

void LabelSettingsTest::sampleFollowsTheChosenElement()
{
    QFETCH(int, item);
    QFETCH(QString, family);
    QFETCH(int, size);
    QFETCH(QColor, colour);
    Window w({u"UPDATE YAYAR SET [İsim Yazıtipi Adı] = 'Times', [İsim Yazıtipi Boyutu] = 12, "
              u"[İsim Yazıtipi Rengi] = 'clRed', [P#K# Yazıtipi Boyutu] = 8"_qs,
              u"UPDATE YAYAR SET [Ülke Yazıtipi Adı] = 'Verdana', [Ülke Yazıtipi Boyutu] = 7, "
              u"[Ülke Yazıtipi Rengi] = 'clGreen'"_qs});
    // An unsaved choice already shows.
    test::DialogAnswers fonts(test::DialogAnswers::Fonts);
    fonts.fonts = fontAnswers({coloured(u"Courier"_qs, 14, 0x000080)});
    w.child(u"BitBtn10"_qs)->click();
    // Start the sample from an element that differs in every attribute.
    w.window->sampleGroup()->item(item == 1 ? 0 : 1)->click();
    w.window->sampleGroup()->item(item)->click();
    const QLabel* sample = w.window->sample();
    QCOMPARE(sample->font().family(), family);
    QCOMPARE(sample->font().pointSize(), size);
    QCOMPARE(sample->palette().color(QPalette::WindowText), colour);
}

void LabelSettingsTest::sampleKeepsTheStyle()
{
    Window w({u"UPDATE YAYAR SET [İlçe Yazıtipi Adı] = NULL, [İlçe Yazıtipi Boyutu] = NULL, "
              u"[İlçe Yazıtipi Rengi] = NULL, [İsim Yazıtipi Rengi] = 'clPurple'"_qs});
    QFont bold(u"Arial"_qs);
    bold.setPointSize(12);
    bold.setBold(true);
    test::DialogAnswers fonts(test::DialogAnswers::Fonts);
    fonts.fonts = fontAnswers({ColouredFont{bold, 0xFF0000}});
    w.child(u"BitBtn1"_qs)->click();
    QCOMPARE(w.viewed(u"Adres Yazıtipi Adı"_qs).toString(), u"Arial"_qs);
    QCOMPARE(w.viewed(u"Adres Yazıtipi Boyutu"_qs).toDouble(), 12.0);
    const QLabel* sample = w.window->sample();
    QVERIFY(sample->font().bold());

    // The name's font replaces name, size and colour; the bold stays.
    w.window->sampleGroup()->item(1)->click();
    w.window->sampleGroup()->item(0)->click();
    QCOMPARE(sample->font().pointSize(), 10);
    QVERIFY(sample->font().bold());
    QCOMPARE(sample->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    // An element with nothing stored changes nothing.
    const QFont before = sample->font();
    w.window->sampleGroup()->item(4)->click();
    QCOMPARE(sample->font(), before);
    QCOMPARE(sample->palette().color(QPalette::WindowText), QColor(128, 0, 128));
}

void LabelSettingsTest::unreadableStoredColour()
{
    Window w({u"UPDATE YAYAR SET [İlçe Yazıtipi Rengi] = 'clPlaid'"_qs});
    test::DialogAnswers messages;
    test::DialogAnswers fonts(test::DialogAnswers::Fonts);
    fonts.fonts = fontAnswers({coloured(u"Arial"_qs, 20, 0)});
    const QFont before = w.window->sample()->font();
    w.child(u"BitBtn7"_qs)->click();
    QCOMPARE(messages.asked, QStringList{u"'clPlaid' is not a valid integer value"_qs});
    QVERIFY(fonts.fontsAsked.isEmpty()); // the dialog never opened
    QCOMPARE(w.window->table()->state(), store::DataSetState::Browse);
    w.window->sampleGroup()->item(4)->click();
    QCOMPARE(messages.asked.size(), 2);
    QCOMPARE(messages.asked.last(), u"'clPlaid' is not a valid integer value"_qs);
    QCOMPARE(w.window->sample()->font(), before);
    // The next font choice opens the dialog as it stood before.
    w.child(u"BitBtn11"_qs)->click();
    QCOMPARE(fonts.fontsAsked.size(), 1);
    QCOMPARE(fonts.fontsAsked.first().initial.pointSize(), 9);
}

void LabelSettingsTest::okAndCancel_data()
{
    QTest::addColumn<QString>("closeWith");
    QTest::addColumn<bool>("saved");
    QTest::newRow("&OK") << u"BitBtn3"_qs << true;
    QTest::newRow("&Cancel") << u"BitBtn4"_qs << false;
    QTest::newRow("Esc") << u"Escape"_qs << false;
}

void LabelSettingsTest::okAndCancel()
{
    QFETCH(QString, closeWith);
    QFETCH(bool, saved);
    Window w;
    const QVariantList before = w.storedRow();
    w.show();
    test::DialogAnswers fonts(test::DialogAnswers::Fonts);
    fonts.fonts = fontAnswers({coloured(u"Courier"_qs, 14, 0x000080), coloured(u"Times"_qs, 8, 0x0000FF)});
    w.child(u"BitBtn10"_qs)->click();
    w.child(u"BitBtn2"_qs)->click();
    w.type(u"DBEdit14"_qs, u"33"_qs);
    w.type(u"DBEdit24"_qs, u"200"_qs);
    w.type(u"DBEdit35"_qs, u"2.5"_qs);
    w.child<ui::DBEdit>(u"DBEdit14"_qs)->setFocus();
    QTRY_COMPARE(w.viewed(u"Sayfa Genişliği"_qs).toDouble(), 200.0);
    QCOMPARE(w.window->table()->state(), store::DataSetState::Edit);

    if (closeWith == u"Escape"_qs)
        QTest::keyClick(w.window.get(), Qt::Key_Escape);
    else
        w.child(closeWith)->click();
    QVERIFY(!w.window->isVisible());
    QCOMPARE(w.window->result(), int(saved ? QDialog::Accepted : QDialog::Rejected));
    if (saved) {
        QCOMPARE(w.stored(u"F# Adı Yazıtipi Adı"_qs).toString(), u"Courier"_qs);
        QCOMPARE(w.stored(u"İsim Yazıtipi Rengi"_qs).toString(), u"clRed"_qs);
        QCOMPARE(w.stored(u"İsim X Koordinatı"_qs).toDouble(), 33.0);
        QCOMPARE(w.stored(u"Sayfa Genişliği"_qs).toDouble(), 200.0);
        QCOMPARE(w.stored(u"Yatay Etiket Aralığı"_qs).toDouble(), 2.5);
    } else {
        QCOMPARE(w.storedRow(), before);
        QCOMPARE(w.window->table()->state(), store::DataSetState::Browse);
    }
}

void LabelSettingsTest::advancedButtonOpensANewModalWindow()
{
    test::ContactFileFixture fixture;
    test::DialogAnswers messages;
    app::Windows windows = app::createWindows();
    QList<QPointer<Tfrmgelismisetiketayarlari>> opened;
    QList<double> seen;
    messages.modal = [&](QDialog& dialog) {
        auto* window = qobject_cast<Tfrmgelismisetiketayarlari*>(&dialog);
        if (!window)
            return int(QDialog::Rejected);
        opened << window;
        seen << window->table()->fieldByName(u"Etiket Yüksekliği"_qs).asFloat();
        window->table()->fieldByName(u"Sol Boşluk"_qs).setValue(7.0);
        window->findChild<QPushButton*>(u"BitBtn3"_qs)->click();
        return window->result();
    };
    // Typed in the print settings window, not saved: the button saves it before the new window reads the row.
    windows.printSettings->table()->fieldByName(u"Etiket Yüksekliği"_qs).setValue(36.0);
    QPushButton* advanced = windows.printSettings->findChild<QPushButton*>(u"BitBtn9"_qs);
    advanced->click();
    advanced->click();
    messages.modal = nullptr;
    QVERIFY2(messages.asked.isEmpty(), qPrintable(messages.asked.join(u'\n')));
    QCOMPARE(opened.size(), 2);
    // Each opening had its own window, gone once it closed, and not the one made at start.
    QVERIFY(opened.at(0).isNull() && opened.at(1).isNull());
    QCOMPARE(seen, QList<double>({36.0, 36.0}));
    QCOMPARE(fixture.scalar(u"select [Sol Boşluk] from YAYAR"_qs).toDouble(), 7.0);
}

void LabelSettingsTest::colourDialogOffersPlainColours()
{
    print::ColourFontDialog dialog(coloured(u"Arial"_qs, 10, 0xFF0000));
    QComboBox* colours = dialog.colourBox();
    QStringList names;
    for (int i = 0; i < colours->count(); ++i)
        names << colours->itemText(i);
    QCOMPARE(names, QStringList({u"Black"_qs, u"Maroon"_qs, u"Green"_qs, u"Olive"_qs, u"Navy"_qs, u"Purple"_qs,
                                 u"Teal"_qs, u"Gray"_qs, u"Silver"_qs, u"Red"_qs, u"Lime"_qs, u"Yellow"_qs, u"Blue"_qs,
                                 u"Fuchsia"_qs, u"Aqua"_qs, u"White"_qs}));
    QCOMPARE(colours->currentText(), u"Blue"_qs);
    QCOMPARE(dialog.familyEdit()->text(), u"Arial"_qs);
    QCOMPARE(dialog.sizeEdit()->text(), u"10"_qs);
    QCOMPARE(dialog.styleList()->currentItem()->text(), u"Regular"_qs);
    ColouredFont chosen = dialog.selected();
    QCOMPARE(chosen.colour, 0xFF0000);
    QCOMPARE(chosen.font.family(), u"Arial"_qs);
    QCOMPARE(chosen.font.pointSize(), 10);

    colours->setCurrentIndex(colours->findText(u"Maroon"_qs));
    dialog.styleList()->setCurrentRow(3);
    dialog.sizeEdit()->setText(u"13"_qs);
    dialog.underlineBox()->setChecked(true);
    dialog.familyEdit()->setText(u"Nowhere Sans"_qs); // a name this machine lacks is still the choice
    chosen = dialog.selected();
    QCOMPARE(chosen.colour, 0x000080);
    QVERIFY(chosen.font.bold() && chosen.font.italic());
    QVERIFY(chosen.font.underline());
    QVERIFY(!chosen.font.strikeOut());
    QCOMPARE(chosen.font.pointSize(), 13);
    QCOMPARE(chosen.font.family(), u"Nowhere Sans"_qs);
    // The sample shows it.
    QCOMPARE(dialog.sample()->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QVERIFY(dialog.sample()->font().underline());
}

void LabelSettingsTest::colourDialogKeepsAnOtherColour()
{
    QFont font(u"Arial"_qs);
    font.setPointSize(12);
    font.setBold(true);
    font.setStrikeOut(true);
    print::ColourFontDialog dialog({font, 0x123456});
    QCOMPARE(dialog.colourBox()->count(), 17);
    QCOMPARE(dialog.colourBox()->currentText(), u"Custom"_qs);
    const ColouredFont chosen = dialog.selected();
    QCOMPARE(chosen.colour, 0x123456);
    QVERIFY(chosen.font.bold() && !chosen.font.italic() && chosen.font.strikeOut());
    QCOMPARE(dialog.styleList()->currentItem()->text(), u"Bold"_qs);

    // The label settings store family, size and colour: nothing else is offered there.
    dialog.offerFamilySizeAndColourOnly();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (QWidget* dropped :
         std::initializer_list<QWidget*>{dialog.styleList(), dialog.strikeOutBox(), dialog.underlineBox()})
        QVERIFY(!dropped->isVisible());
    QVERIFY(dialog.colourBox()->isVisible() && dialog.sizeEdit()->isVisible() && dialog.sample()->isVisible());
}

QTEST_MAIN(LabelSettingsTest)
#include "tst_labelsettings.moc"
