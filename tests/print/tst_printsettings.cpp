#include "ContactFileFixture.h"
#include "DialogAnswers.h"
#include "PdfMeasure.h"
#include "RecordingSurface.h"

#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "print/TestPrintProgram.h"
#include "print/Tgenel.h"
#include "print/ui/SheetChooser.h"
#include "print/ui/Tfrmyazdirmaayarlari.h"
#include "store/DataSet.h"
#include "store/widgets/DBEdit.h"
#include "store/widgets/DBRadioGroup.h"
#include "ui/Dialogs.h"
#include "ui/FontChoice.h"
#include "ui/InputBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace corvella;
using print::Tfrmyazdirmaayarlari;
using Answers = QList<std::optional<QString>>;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

/// The settings window on a fresh contact file, printing on a recording surface, with a companion program and
/// signal folder of the test's own.
struct SettingsWindow {
    test::ContactFileFixture fixture;
    QTemporaryDir scratch;
    test::RecordingSurface* surface = new test::RecordingSurface;
    print::Tgenel printer{std::unique_ptr<print::PrintSurface>(surface)};
    std::unique_ptr<Tfrmyazdirmaayarlari> window;

    /// `prepare` is run on the new file before the window opens it.
    explicit SettingsWindow(const QString& prepare = {})
    {
        if (!prepare.isEmpty())
            fixture.scalar(prepare);
        window = std::make_unique<Tfrmyazdirmaayarlari>();
        window->setPrinter(&printer);
        window->setSignalFolder(scratch.path());
    }

    QString signalFile() const { return print::signalFilePath(scratch.path()); }

    /// A shell script standing in for the companion; $3 is the signal file.
    void useCompanion(const QString& body)
    {
        const QString path = scratch.filePath(u"companion.sh"_qs);
        QFile script(path);
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\n" + body.toUtf8() + '\n');
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        window->setTestPrintProgram(path);
    }

    QVariant stored(const QString& column) { return fixture.scalar(u"select ["_qs + column + u"] from YAYAR"_qs); }
    double viewed(const QString& column) { return window->table()->fieldByName(column).asFloat(); }

    template <class T = QPushButton> T* child(const QString& name) { return window->findChild<T*>(name); }
    ui::DBEdit* edit(const QString& name) { return child<ui::DBEdit>(name); }

    void show()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
    }
};

const QString XDistancePrompt = u"Lütfen \"X\" harfleri arasındaki uzaklığı mm. cinsinden yazınız."_qs;
const QString DotDistancePrompt = u"Lütfen \".\" işaretleri arasındaki uzaklığı mm. cinsinden yazınız."_qs;

} // namespace

class PrintSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void windowOffersEverySettingInOrder();
    void boxesShowTheirPictures();
    void typedRatioIsTakenAndShownAgain();
    void closeRequestsAreRefused();
    void okSavesAndCancelDiscards();
    void refusedEntryIsNamedByCaptionAndCancelCancels();
    void advancedLabelSettingsSavesFirst();
    void sheetChoiceFillsTheLabelValues();

    void fontChoiceOnEmptyTable_data();
    void fontChoiceOnEmptyTable();
    void sizeReachesTheDialogAsWholeNumber_data();
    void sizeReachesTheDialogAsWholeNumber();
    void fontDialogShowsNoEffects();
    void okWithoutAChangeKeepsTheStoredFamily_data();
    void okWithoutAChangeKeepsTheStoredFamily();

    void printerRatioTest_data();
    void printerRatioTest();
    void printerRatioTestTellsWhereThePageWent();

    void labelPrinterTest_data();
    void labelPrinterTest();
    void staleSignalFileIsRemovedBeforeTheStart();
    void companionEndingWithoutSignalEndsTheWait_data();
    void companionEndingWithoutSignalEndsTheWait();
    void cancelStopsWaitingForASilentCompanion();
    void realCompanionPrintsTheTestPage();

    void startupCreatesAndShowsTheWindow();
    void exitEndsTheProgramWithTheWindowOpen();
};

void PrintSettingsTest::init()
{
    QLocale::setDefault(QLocale::c());
}

void PrintSettingsTest::windowOffersEverySettingInOrder()
{
    SettingsWindow s;
    Tfrmyazdirmaayarlari& w = *s.window;
    QCOMPARE(w.windowTitle(), u"Print Settings"_qs);
    QCOMPARE(w.size(), QSize(485, 501));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.palette().color(QPalette::Window), QColor(230, 230, 255));
    QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowMinMaxButtonsHint));

    const QList<std::pair<QString, QString>> buttons = {
        {u"BitBtn2"_qs, u"Select"_qs}, {u"BitBtn1"_qs, u"Select"_qs},
        {u"BitBtn3"_qs, u"Select"_qs}, {u"BitBtn8"_qs, u"Test / &Set"_qs},
        {u"BitBtn4"_qs, u"T&est"_qs},  {u"BitBtn9"_qs, u"Advanced &Label Settings"_qs},
        {u"BitBtn5"_qs, u"&OK"_qs},    {u"BitBtn6"_qs, u"&Cancel"_qs},
    };
    for (const auto& [name, caption] : buttons) {
        auto* button = s.child(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->text(), caption);
    }

    struct Box {
        const char* name;
        QString column;
        bool readOnly;
    };
    const QList<Box> boxes = {
        {"DBEdit1", u"Başlık Fontu Adı"_qs, true},          {"DBEdit2", u"Başlık Fontu Boyutu"_qs, true},
        {"DBEdit3", u"Normal Yazı Fontu Adı"_qs, true},     {"DBEdit4", u"Normal Yazı Fontu Boyutu"_qs, true},
        {"DBEdit5", u"Liste Fontu Adı"_qs, true},           {"DBEdit6", u"Liste Fontu Boyutu"_qs, true},
        {"DBEdit13", u"Karakter Genişliği"_qs, true},       {"DBEdit12", u"Etiket Y Eksen Oranı"_qs, true},
        {"DBEdit14", u"Etiket Genişliği"_qs, false},        {"DBEdit15", u"Etiket Yüksekliği"_qs, false},
        {"DBEdit16", u"Yatay Etiket Aralığı"_qs, false},    {"DBEdit17", u"Dikey Etiket Aralığı"_qs, false},
        {"DBEdit18", u"Satırdaki Etiket Sayısı"_qs, false}, {"DBEdit9", u"Yazdırma X Eksen Oranı"_qs, false},
        {"DBEdit7", u"Yazdırma Y Eksen Oranı"_qs, false},   {"DBEdit11", u"Liste Satır Aralığı"_qs, false},
    };
    QCOMPARE(w.findChildren<ui::DBEdit*>().size(), boxes.size());
    for (const Box& box : boxes) {
        auto* edit = s.edit(QString::fromLatin1(box.name));
        QVERIFY2(edit, box.name);
        QCOMPARE(edit->fieldName(), box.column);
        QCOMPARE(edit->isReadOnly(), box.readOnly);
    }

    auto* printerKind = s.child<ui::DBRadioGroup>(u"DBRadioGroup1"_qs);
    QVERIFY(printerKind);
    QCOMPARE(printerKind->title(), u" Printer "_qs);
    QCOMPARE(printerKind->item(0)->text(), u"B/W"_qs);
    QCOMPARE(printerKind->item(1)->text(), u"Color"_qs);
    QCOMPARE(printerKind->itemIndex(), 0); // the new file's row holds "B/W"

    QStringList captions;
    for (auto* label : w.findChildren<QLabel*>())
        captions << label->text();
    for (const QString& caption :
         {u"Font Name                 "_qs, u"Font Size "_qs, u"Caption Font"_qs, u"Normal Text Font"_qs,
          u"List Font"_qs, u"Character Width"_qs, u"Label Y axis ratio %"_qs, u"Label Width"_qs, u"Label Height"_qs,
          u"Horizontal Gap"_qs, u"Vertical Gap"_qs, u"labels in a row"_qs, u"Printing X axis ratio         %"_qs,
          u"Printing Y axis ratio         %"_qs, u"List Line &Height"_qs, u"mm."_qs})
        QVERIFY2(captions.contains(caption), qPrintable(caption));
    for (auto* label : w.findChildren<QLabel*>())
        if (label->text() == u"List Line &Height"_qs)
            QCOMPARE(label->buddy(), s.edit(u"DBEdit11"_qs));

    // Top to bottom: fonts, label printer, ratios, line height, OK and Cancel.
    const QStringList order = {u"BitBtn2"_qs,  u"BitBtn1"_qs,  u"BitBtn3"_qs,  u"DBEdit13"_qs,
                               u"DBEdit12"_qs, u"DBEdit14"_qs, u"DBEdit16"_qs, u"DBEdit18"_qs,
                               u"DBEdit9"_qs,  u"DBEdit7"_qs,  u"DBEdit11"_qs, u"BitBtn5"_qs};
    for (qsizetype i = 1; i < order.size(); ++i)
        QVERIFY2(s.child<QWidget>(order.at(i - 1))->y() < s.child<QWidget>(order.at(i))->y(), qPrintable(order.at(i)));

    // Nothing covers anything else, and everything lies inside the window.
    QList<QWidget*> placed;
    for (auto* child : w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->objectName().startsWith(u"Bevel"_qs) && !child->isHidden())
            placed << child;
    for (qsizetype i = 0; i < placed.size(); ++i) {
        QVERIFY2(w.rect().contains(placed.at(i)->geometry()), qPrintable(placed.at(i)->objectName()));
        for (qsizetype j = i + 1; j < placed.size(); ++j)
            QVERIFY2(!placed.at(i)->geometry().intersects(placed.at(j)->geometry()),
                     qPrintable(placed.at(i)->objectName() + u" / "_qs + placed.at(j)->objectName()));
    }
}

void PrintSettingsTest::boxesShowTheirPictures()
{
    SettingsWindow s(
        u"update YAYAR set [Karakter Genişliği] = 2.550632911392405, [Yazdırma Y Eksen Oranı] = 98.039215, "
        u"[Etiket Y Eksen Oranı] = 0, [Liste Satır Aralığı] = 1234, [Sol Boşluk] = 2.5"_qs);
    const QList<std::pair<QString, QString>> shown = {
        {u"DBEdit2"_qs, u"14"_qs},     {u"DBEdit13"_qs, u"2.55"_qs}, {u"DBEdit12"_qs, u".00"_qs},
        {u"DBEdit9"_qs, u"100.00"_qs}, {u"DBEdit7"_qs, u"98.04"_qs}, {u"DBEdit11"_qs, u"1,234"_qs},
        {u"DBEdit14"_qs, u"70"_qs},    {u"DBEdit1"_qs, u"Arial"_qs},
    };
    for (const auto& [name, text] : shown)
        QCOMPARE(s.edit(name)->text(), text);

    s.show();
    auto* lineHeight = s.edit(u"DBEdit11"_qs);
    lineHeight->setFocus();
    QTRY_VERIFY(lineHeight->hasFocus());
    QCOMPARE(lineHeight->text(), u"1234"_qs); // the edit picture has no grouping
    s.edit(u"DBEdit7"_qs)->setFocus();
    QTRY_COMPARE(lineHeight->text(), u"1,234"_qs);
    QCOMPARE(s.edit(u"DBEdit7"_qs)->text(), u"98.04"_qs);
    QCOMPARE(s.window->table()->state(), store::DataSetState::Browse); // looking changes nothing
    QCOMPARE(s.viewed(u"Yazdırma Y Eksen Oranı"_qs), 98.039215);
}

void PrintSettingsTest::typedRatioIsTakenAndShownAgain()
{
    SettingsWindow s;
    s.show();
    auto* ratio = s.edit(u"DBEdit9"_qs);
    ratio->setFocus();
    QTRY_VERIFY(ratio->hasFocus());
    QCOMPARE(ratio->text(), u"100"_qs);
    ratio->selectAll();
    QTest::keyClicks(ratio, u"98.755"_qs); // typed: its shortest decimal form rounds up
    s.edit(u"DBEdit14"_qs)->setFocus();
    QTRY_COMPARE(ratio->text(), u"98.76"_qs);
    QCOMPARE(s.viewed(u"Yazdırma X Eksen Oranı"_qs), 98.755);
    QCOMPARE(s.window->table()->state(), store::DataSetState::Edit);
}

void PrintSettingsTest::closeRequestsAreRefused()
{
    SettingsWindow s;
    s.show();
    QVERIFY(!s.window->close());
    QVERIFY(s.window->isVisible());
    QTest::keyClick(s.window.get(), Qt::Key_Escape);
    QVERIFY(s.window->isVisible());
    s.child(u"BitBtn6"_qs)->click();
    QVERIFY(!s.window->isVisible());
}

void PrintSettingsTest::okSavesAndCancelDiscards()
{
    SettingsWindow s;
    s.window->show();
    store::TableDataSet* view = s.window->table();
    view->fieldByName(u"Etiket Genişliği"_qs).setValue(64.0);
    s.child<ui::DBRadioGroup>(u"DBRadioGroup1"_qs)->item(1)->click();
    QCOMPARE(s.edit(u"DBEdit14"_qs)->text(), u"64"_qs); // unsaved changes show
    s.child(u"BitBtn6"_qs)->click();
    QCOMPARE(s.stored(u"Etiket Genişliği"_qs).toDouble(), 70.0);
    QCOMPARE(s.stored(u"Yazıcı Tipi"_qs).toString(), u"B/W"_qs);
    QCOMPARE(s.edit(u"DBEdit14"_qs)->text(), u"70"_qs);
    QVERIFY(!s.window->isVisible());

    s.window->show();
    view->fieldByName(u"Etiket Genişliği"_qs).setValue(64.0);
    s.child<ui::DBRadioGroup>(u"DBRadioGroup1"_qs)->item(1)->click();
    s.child(u"BitBtn5"_qs)->click();
    QCOMPARE(s.stored(u"Etiket Genişliği"_qs).toDouble(), 64.0);
    QCOMPARE(s.stored(u"Yazıcı Tipi"_qs).toString(), u"Color"_qs);
    QCOMPARE(view->state(), store::DataSetState::Browse);
    QVERIFY(!s.window->isVisible());

    // Nothing to save: OK just hides.
    s.window->show();
    s.child(u"BitBtn5"_qs)->click();
    QVERIFY(!s.window->isVisible());
}

void PrintSettingsTest::sheetChoiceFillsTheLabelValues()
{
    SettingsWindow s;
    QTemporaryDir noTemplates; // the built-in sheets
    s.window->setTemplateFolder(noTemplates.path());
    s.window->show();
    test::DialogAnswers answers(test::DialogAnswers::Modals);
    QStringList offered;
    answers.modal = [&offered](QDialog& dialog) {
        auto* chooser = qobject_cast<print::SheetChooser*>(&dialog);
        if (!chooser)
            return int(QDialog::Rejected);
        chooser->searchBox()->setText(u"avery 7163"_qs);
        for (int row = 0; row < chooser->sheetList()->topLevelItemCount(); ++row)
            if (!chooser->sheetList()->topLevelItem(row)->isHidden())
                offered << chooser->sheetList()->topLevelItem(row)->text(1);
        chooser->okButton()->click();
        return chooser->result();
    };
    s.child(u"sheetButton"_qs)->click();
    QCOMPARE(offered, QStringList{u"L7163"_qs});
    // 99.1 x 38.1 mm labels 101.6 mm apart, 4.6 and 15.1 mm from the edges, in whole millimetres.
    const QList<std::pair<QString, double>> filled = {
        {u"Sayfa Genişliği"_qs, 210},    {u"Sayfa Yüksekliği"_qs, 297},   {u"Sol Boşluk"_qs, 5},
        {u"Üst Boşluk"_qs, 15},          {u"Etiket Genişliği"_qs, 99},    {u"Etiket Yüksekliği"_qs, 38},
        {u"Yatay Etiket Aralığı"_qs, 3}, {u"Dikey Etiket Aralığı"_qs, 0}, {u"Satırdaki Etiket Sayısı"_qs, 2},
    };
    for (const auto& [column, value] : filled)
        QCOMPARE(s.viewed(column), value);
    QCOMPARE(s.edit(u"DBEdit14"_qs)->text(), u"99"_qs);
    s.child(u"BitBtn6"_qs)->click(); // nothing was saved
    QCOMPARE(s.stored(u"Etiket Genişliği"_qs).toDouble(), 70.0);
}

void PrintSettingsTest::advancedLabelSettingsSavesFirst()
{
    SettingsWindow s;
    int opened = 0;
    double storedWhenOpened = 0;
    s.window->setAdvancedLabelSettingsAction([&] {
        ++opened;
        storedWhenOpened = s.stored(u"Etiket Yüksekliği"_qs).toDouble();
    });
    s.window->table()->fieldByName(u"Etiket Yüksekliği"_qs).setValue(34.0);
    s.child(u"BitBtn9"_qs)->click();
    QCOMPARE(opened, 1);
    QCOMPARE(storedWhenOpened, 34.0);
    QCOMPARE(s.window->table()->state(), store::DataSetState::Browse);

    // Until the advanced window exists the button only saves.
    s.window->setAdvancedLabelSettingsAction({});
    s.window->table()->fieldByName(u"Etiket Yüksekliği"_qs).setValue(35.0);
    test::DialogAnswers messages(test::DialogAnswers::Messages);
    s.child(u"BitBtn9"_qs)->click();
    QCOMPARE(s.stored(u"Etiket Yüksekliği"_qs).toDouble(), 35.0);
    QVERIFY(messages.asked.isEmpty());
}

void PrintSettingsTest::fontChoiceOnEmptyTable_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QString>("closeWith");
    QTest::addColumn<int>("rows");
    QTest::newRow("chosen, OK") << true << u"BitBtn5"_qs << 1;
    QTest::newRow("chosen, Cancel") << true << u"BitBtn6"_qs << 0;
    QTest::newRow("dialog cancelled, OK") << false << u"BitBtn5"_qs << 0;
}

void PrintSettingsTest::fontChoiceOnEmptyTable()
{
    QFETCH(bool, chosen);
    QFETCH(QString, closeWith);
    QFETCH(int, rows);
    SettingsWindow s(u"delete from YAYAR"_qs);
    QVERIFY(s.window->table()->isEmpty());
    test::DialogAnswers fonts(test::DialogAnswers::Fonts);
    fonts.fonts = test::fontAnswers({chosen ? std::optional<QFont>(QFont(u"DejaVu Serif"_qs, 13)) : std::nullopt});
    s.child(u"BitBtn2"_qs)->click();
    QCOMPARE(fonts.fontsAsked.size(), 1);
    QCOMPARE(fonts.fontsAsked.at(0).initial.family(), u"Arial"_qs); // the dialog's own start
    QCOMPARE(fonts.fontsAsked.at(0).initial.pointSize(), 10);
    QCOMPARE(s.window->table()->state(), chosen ? store::DataSetState::Insert : store::DataSetState::Browse);
    if (chosen) {
        QCOMPARE(s.edit(u"DBEdit1"_qs)->text(), u"DejaVu Serif"_qs);
        QCOMPARE(s.edit(u"DBEdit2"_qs)->text(), u"13"_qs);
    }
    s.child(closeWith)->click();
    QCOMPARE(s.fixture.scalar(u"select count(*) from YAYAR"_qs).toInt(), rows);
    if (rows == 0)
        return;
    QCOMPARE(s.stored(u"Başlık Fontu Adı"_qs).toString(), u"DejaVu Serif"_qs);
    QCOMPARE(s.stored(u"Başlık Fontu Boyutu"_qs).toDouble(), 13.0);
    // Every other column stays null: the program writes no defaults.
    const store::TableDataSet* view = s.window->table();
    int set = 0;
    for (int i = 0; i < view->fieldCount(); ++i)
        if (!s.stored(view->fieldDef(i).name).isNull())
            ++set;
    QCOMPARE(set, 2);
}

void PrintSettingsTest::sizeReachesTheDialogAsWholeNumber_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("dialogSize");
    QTest::newRow("10.5") << QVariant(10.5) << 10;
    QTest::newRow("11.5") << QVariant(11.5) << 12;
    QTest::newRow("12.4") << QVariant(12.4) << 12;
    QTest::newRow("null keeps the last choice") << QVariant() << 17;
    QTest::newRow("0 keeps the last choice") << QVariant(0.0) << 17;
}

void PrintSettingsTest::sizeReachesTheDialogAsWholeNumber()
{
    QFETCH(QVariant, stored);
    QFETCH(int, dialogSize);
    SettingsWindow s;
    // A first choice on the caption font leaves the dialog at Courier 17.
    test::DialogAnswers fonts(test::DialogAnswers::Fonts);
    fonts.fonts = test::fontAnswers({QFont(u"Courier"_qs, 17), std::nullopt});
    s.child(u"BitBtn2"_qs)->click();
    s.child(u"BitBtn5"_qs)->click();
    s.window->table()->fieldByName(u"Liste Fontu Boyutu"_qs).setValue(stored);
    s.window->table()->fieldByName(u"Liste Fontu Adı"_qs).setValue(QVariant());
    s.child(u"BitBtn3"_qs)->click();
    QCOMPARE(fonts.fontsAsked.size(), 2);
    QCOMPARE(fonts.fontsAsked.at(1).initial.pointSize(), dialogSize);
    QCOMPARE(fonts.fontsAsked.at(1).initial.family(), u"Courier"_qs); // a null name leaves the last one
    // The dialog was cancelled: the column keeps what it held.
    QCOMPARE(s.window->table()->fieldByName(u"Liste Fontu Boyutu"_qs).value(), stored);
}

void PrintSettingsTest::fontDialogShowsNoEffects()
{
    QWidget parent;
    auto dialog = ui::makeFontDialog(&parent, QFont(u"Arial"_qs, 10), Qt::blue);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const auto boxes = dialog->findChildren<QCheckBox*>();
    QVERIFY(!boxes.isEmpty()); // Qt's dialog has them; they must not show
    for (auto* box : boxes)
        QVERIFY2(!box->isVisible(), qPrintable(box->text()));
    QCOMPARE(dialog->currentFont().pointSize(), 10);
    QVERIFY(dialog->testOption(QFontDialog::DontUseNativeDialog));
    // Only family and size are stored, so only their lists are offered; the sample can be read.
    int lists = 0;
    for (const auto* list : dialog->findChildren<QListView*>())
        lists += list->isVisible() ? 1 : 0;
    QCOMPARE(lists, 2);
    bool sampleShown = false;
    for (const auto* edit : dialog->findChildren<QLineEdit*>())
        if (edit->isVisible() && edit->palette().color(QPalette::Text) == QColor(Qt::blue))
            sampleShown = edit->height() >= edit->fontMetrics().height();
    QVERIFY(sampleShown);
}

void PrintSettingsTest::okWithoutAChangeKeepsTheStoredFamily_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("pickAnother");
    // A family the machine lacks opens as a substitute ("Sans Serif"); OK alone must not store that.
    QTest::newRow("Arial, OK") << u"Arial"_qs << false;
    QTest::newRow("a family nowhere installed, OK") << u"Nowhere Sans"_qs << false;
    QTest::newRow("Arial, another family picked") << u"Arial"_qs << true;
}

void PrintSettingsTest::okWithoutAChangeKeepsTheStoredFamily()
{
    QFETCH(QString, stored);
    QFETCH(bool, pickAnother);
    SettingsWindow s(u"update YAYAR set [Başlık Fontu Adı] = '%1', [Başlık Fontu Boyutu] = 14"_qs.arg(stored));
    test::DialogAnswers messages(test::DialogAnswers::Messages);
    QString picked;
    // The real dialog, answered as the user would.
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (pickAnother) {
            for (const QString& family : QFontDatabase::families())
                if (family != dialog->currentFont().family() && picked.isEmpty())
                    picked = family;
            dialog->setCurrentFont(QFont(picked, 14));
        }
        dialog->accept();
    });
    s.child(u"BitBtn2"_qs)->click();
    QVERIFY(messages.asked.isEmpty());
    QCOMPARE(s.edit(u"DBEdit1"_qs)->text(), pickAnother ? picked : stored);
    QCOMPARE(s.edit(u"DBEdit2"_qs)->text(), u"14"_qs);
}

void PrintSettingsTest::printerRatioTest_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("error");
    const double unchanged = 100; // the new file's row
    QTest::newRow("100 x 100") << Answers{u"100"_qs, u"100"_qs} << 2 << 100.0 << 100.0 << QString();
    QTest::newRow("98 x 102") << Answers{u"98"_qs, u"102"_qs} << 2 << 102.04081632653062 << 98.03921568627452
                              << QString();
    QTest::newRow("comma and point") << Answers{u"80,0"_qs, u"125.0"_qs} << 2 << 125.0 << 80.0 << QString();
    QTest::newRow("width cancelled") << Answers{std::nullopt} << 1 << unchanged << unchanged << QString();
    QTest::newRow("width 0") << Answers{u"0"_qs} << 1 << unchanged << unchanged << QString();
    QTest::newRow("height cancelled") << Answers{u"98"_qs, std::nullopt} << 2 << unchanged << unchanged << QString();
    QTest::newRow("height not a number") << Answers{u"98"_qs, u"yüz"_qs} << 2 << unchanged << unchanged
                                         << u"'yüz' is not a valid floating point value"_qs;
}

void PrintSettingsTest::printerRatioTest()
{
    QFETCH(Answers, answers);
    QFETCH(int, prompts);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, error);
    SettingsWindow s;
    s.fixture.scalar(u"update YAYAR set [Yazdırma X Eksen Oranı] = 100, [Yazdırma Y Eksen Oranı] = 100"_qs);
    test::DialogAnswers dialogs(test::DialogAnswers::Messages | test::DialogAnswers::Inputs);
    dialogs.inputs = answers;
    s.child(u"BitBtn4"_qs)->click();

    // The square went to the printer before the first question.
    const auto squares = s.surface->calls(test::RecordingSurface::Kind::Rectangle);
    QCOMPARE(squares.size(), 1);
    QCOMPARE(squares.at(0).from, QPoint(294, 294));
    QCOMPARE(squares.at(0).to, QPoint(1471, 1471));
    QCOMPARE(s.surface->calls().constLast().kind, test::RecordingSurface::Kind::EndDocument);

    QCOMPARE(dialogs.inputsAsked.size(), prompts);
    QCOMPARE(dialogs.inputsAsked.at(0).caption, u"Yazdırma Ayarları"_qs);
    QCOMPARE(dialogs.inputsAsked.at(0).prompt, u"Lütfen dörtgenin enini mm. cinsinden yazınız."_qs);
    QCOMPARE(dialogs.inputsAsked.at(0).defaultText, u"0"_qs);
    if (prompts > 1) {
        QCOMPARE(dialogs.inputsAsked.at(1).prompt, u"Lütfen dörtgenin boyunu mm. cinsinden yazınız."_qs);
        QCOMPARE(dialogs.inputsAsked.at(1).defaultText, u"0"_qs);
    }
    QCOMPARE(dialogs.asked, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(s.viewed(u"Yazdırma X Eksen Oranı"_qs), x);
    QCOMPARE(s.viewed(u"Yazdırma Y Eksen Oranı"_qs), y);
    const bool changed = error.isEmpty() && prompts == 2 && answers.constLast().has_value();
    QCOMPARE(s.window->table()->state(), changed ? store::DataSetState::Edit : store::DataSetState::Browse);
    QCOMPARE(s.stored(u"Yazdırma X Eksen Oranı"_qs).toDouble(), 100.0); // nothing saved yet
}

void PrintSettingsTest::printerRatioTestTellsWhereThePageWent()
{
    SettingsWindow s;
    s.surface->setOutputFile(u"/home/user/Prints/Printer ratio test.pdf"_qs);
    {
        test::DialogAnswers dialogs;
        s.child(u"BitBtn4"_qs)->click();
        const QStringList& shown = dialogs.transcript;
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown.at(0).contains(u"/home/user/Prints/Printer ratio test.pdf"_qs), qPrintable(shown.at(0)));
        QCOMPARE(shown.at(1), u"Lütfen dörtgenin enini mm. cinsinden yazınız."_qs);
    }
}

void PrintSettingsTest::labelPrinterTest_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("width");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("error");
    QTest::newRow("defaults") << Answers{std::nullopt, std::nullopt} << u"2.550632911392405"_qs << 100.0 << QString();
    QTest::newRow("X distance 0") << Answers{u"0"_qs, u"100"_qs} << u"2.550632911"_qs << 100.0 << QString();
    QTest::newRow("measured with point") << Answers{u"197.5"_qs, u"98"_qs} << u"2.5"_qs << 102.04081632653062
                                         << QString();
    QTest::newRow("dot distance 0") << Answers{u"201,5"_qs, u"0"_qs} << u"7"_qs << 55.0
                                    << u"Floating point division by zero"_qs;
    QTest::newRow("not a number") << Answers{u"iki yüz"_qs} << u"7"_qs << 55.0
                                  << u"'iki yüz' is not a valid floating point value"_qs;
}

void PrintSettingsTest::labelPrinterTest()
{
    QFETCH(Answers, answers);
    QFETCH(QString, width);
    QFETCH(double, ratio);
    QFETCH(QString, error);
    SettingsWindow s(u"update YAYAR set [Karakter Genişliği] = 7, [Etiket Y Eksen Oranı] = 55"_qs);
    s.useCompanion(u"touch \"$3\""_qs);
    test::DialogAnswers dialogs(test::DialogAnswers::Messages | test::DialogAnswers::Inputs);
    dialogs.inputs = answers;
    s.child(u"BitBtn8"_qs)->click();

    QVERIFY(!QFile::exists(s.signalFile())); // deleted after the run
    QVERIFY(dialogs.inputsAsked.size() >= 1);
    QCOMPARE(dialogs.inputsAsked.at(0).caption, u"Etiket Dökümü Ayarları"_qs);
    QCOMPARE(dialogs.inputsAsked.at(0).prompt, XDistancePrompt);
    QCOMPARE(dialogs.inputsAsked.at(0).defaultText, u"201,5"_qs);
    if (dialogs.inputsAsked.size() > 1) {
        QCOMPARE(dialogs.inputsAsked.at(1).prompt, DotDistancePrompt);
        QCOMPARE(dialogs.inputsAsked.at(1).defaultText, u"100"_qs);
    }
    QCOMPARE(dialogs.asked, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(QString::number(s.viewed(u"Karakter Genişliği"_qs), 'g', 16), width);
    QCOMPARE(s.viewed(u"Etiket Y Eksen Oranı"_qs), ratio);
    QCOMPARE(s.window->table()->state(), error.isEmpty() ? store::DataSetState::Edit : store::DataSetState::Browse);
}

void PrintSettingsTest::staleSignalFileIsRemovedBeforeTheStart()
{
    SettingsWindow s;
    QFile stale(s.signalFile());
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    const QString seen = s.scratch.filePath(u"seen"_qs);
    s.useCompanion(u"if [ -e \"$3\" ]; then echo present > '%1'; else echo absent > '%1'; fi\n"
                   u"sleep 0.3\ntouch \"$3\""_qs.arg(seen));
    test::DialogAnswers input(test::DialogAnswers::Inputs);
    QVERIFY(s.window->runTestPrint());
    QFile record(seen);
    QVERIFY(record.open(QIODevice::ReadOnly));
    QCOMPARE(record.readAll().trimmed(), QByteArray("absent"));
    QVERIFY(!QFile::exists(s.signalFile()));
}

void PrintSettingsTest::companionEndingWithoutSignalEndsTheWait_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("staleSignal");
    QTest::addColumn<QString>("message");
    const QString ended = u"The test-print program ended without reporting that the test page was printed."_qs;
    QTest::newRow("exits at once") << u"exit 0"_qs << false << ended;
    QTest::newRow("exits while an old signal lay there") << u"sleep 0.2"_qs << true << ended;
    QTest::newRow("fails with a reason") << u"echo 'Printer on fire' >&2; exit 1"_qs << false
                                         << ended + u"\nPrinter on fire"_qs;
    QTest::newRow("cannot be started") << QString() << false << u"could not be started"_qs;
}

void PrintSettingsTest::companionEndingWithoutSignalEndsTheWait()
{
    QFETCH(QString, script);
    QFETCH(bool, staleSignal);
    QFETCH(QString, message);
    SettingsWindow s;
    if (script.isEmpty())
        s.window->setTestPrintProgram(s.scratch.filePath(u"no such program"_qs));
    else
        s.useCompanion(script);
    if (staleSignal) {
        QFile stale(s.signalFile());
        QVERIFY(stale.open(QIODevice::WriteOnly));
    }
    test::DialogAnswers dialogs(test::DialogAnswers::Messages | test::DialogAnswers::Inputs);
    dialogs.inputs = Answers{u"197.5"_qs, u"98"_qs};
    QElapsedTimer clock;
    clock.start();
    s.child(u"BitBtn8"_qs)->click();
    QVERIFY(clock.elapsed() < 10000);
    QCOMPARE(dialogs.asked.size(), 1);
    QVERIFY2(dialogs.asked.at(0).contains(message), qPrintable(dialogs.asked.at(0)));
    QVERIFY(dialogs.inputsAsked.isEmpty()); // no measuring without a printout
    QCOMPARE(s.window->table()->state(), store::DataSetState::Browse);
}

void PrintSettingsTest::cancelStopsWaitingForASilentCompanion()
{
    SettingsWindow s;
    const QString started = s.scratch.filePath(u"started"_qs);
    s.useCompanion(u"touch '%1'\nexec sleep 60"_qs.arg(started));
    s.window->show();
    test::DialogAnswers dialogs(test::DialogAnswers::Messages | test::DialogAnswers::Inputs);
    bool dialogSeen = false;
    QTimer poke;
    poke.setInterval(50);
    connect(&poke, &QTimer::timeout, this, [&] {
        if (!QFile::exists(started))
            return; // let the companion get going first
        for (auto* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"TestPrintWait"_qs && widget->isVisible()) {
                dialogSeen = true;
                QVERIFY(s.window->isEnabled()); // the settings window keeps working meanwhile
                widget->findChild<QPushButton*>(u"CancelButton"_qs)->click();
            }
        }
    });
    poke.start();
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!s.window->runTestPrint());
    QVERIFY(dialogSeen);
    QVERIFY(clock.elapsed() < 20000);
    s.child(u"BitBtn8"_qs)->click(); // a second run after the cancel starts and is cancelled the same way
    QVERIFY(dialogs.asked.isEmpty());
    QVERIFY(dialogs.inputsAsked.isEmpty());
}

void PrintSettingsTest::realCompanionPrintsTheTestPage()
{
    const QString built = QDir(QCoreApplication::applicationDirPath()).filePath(print::testPrintProgramName());
    QVERIFY2(QFile::exists(built), qPrintable(built));
    SettingsWindow s;
    // A copy in a folder of its own keeps its Prints folder there.
    const QString companion = QDir(s.scratch.path()).filePath(print::testPrintProgramName());
    QVERIFY(QFile::copy(built, companion));
    s.window->setTestPrintProgram(companion);
    test::DialogAnswers dialogs(test::DialogAnswers::Messages | test::DialogAnswers::Inputs);
    s.child(u"BitBtn8"_qs)->click();
    QCOMPARE(dialogs.inputsAsked.size(), 2);
    QCOMPARE(QString::number(s.viewed(u"Karakter Genişliği"_qs), 'g', 16), u"2.550632911392405"_qs);
    if (!QPrinterInfo::defaultPrinter().isNull())
        return; // the page went to a real printer
    QCOMPARE(dialogs.asked.size(), 1);
    const QString prints = QDir(s.scratch.path()).filePath(u"Prints"_qs);
    const auto saved = QDir(prints).entryInfoList({u"*.pdf"_qs});
    QCOMPARE(saved.size(), 1);
    QVERIFY2(dialogs.asked.at(0).contains(saved.at(0).absoluteFilePath()), qPrintable(dialogs.asked.at(0)));
    const auto xs = test::wordsWithText(test::pdfWords(saved.at(0).absoluteFilePath()), u"X"_qs);
    QCOMPARE(xs.size(), 2);
}

void PrintSettingsTest::startupCreatesAndShowsTheWindow()
{
    test::ContactFileFixture fixture;
    test::DialogAnswers messages(test::DialogAnswers::Messages);
    app::Windows windows = app::createWindows();
    QVERIFY(windows.printSettings);
    QVERIFY(windows.printer);
    QVERIFY(!windows.printSettings->isVisible());
    QVERIFY(windows.printSettings->table()->isActive());
    auto* button = windows.main->findChild<QPushButton*>(u"Button1"_qs);
    QVERIFY(button->isEnabled());
    button->click();
    QVERIFY(windows.printSettings->isVisible());
    QVERIFY(messages.asked.isEmpty());
    windows.printSettings->hide();
}

void PrintSettingsTest::exitEndsTheProgramWithTheWindowOpen()
{
    test::ContactFileFixture fixture;
    test::DialogAnswers messages(test::DialogAnswers::Messages);
    app::Windows windows = app::createWindows();
    windows.main->show();
    windows.printSettings->show();
    QTimer::singleShot(0, windows.main.get(), [&] { windows.main->findChild<QPushButton*>(u"BitBtn2"_qs)->click(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 0);
    // Afterwards the window refuses close requests again.
    QTest::qWait(10);
    windows.printSettings->show();
    QVERIFY(!windows.printSettings->close());
    windows.printSettings->hide();
}

void PrintSettingsTest::refusedEntryIsNamedByCaptionAndCancelCancels()
{
    SettingsWindow s;
    test::DialogAnswers hook(test::DialogAnswers::Messages);
    s.show();
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    ui::DBEdit* width = s.edit(u"DBEdit14"_qs);
    width->setFocus();
    width->selectAll();
    QTest::keyClicks(width, u"7x"_qs);
    s.edit(u"DBEdit15"_qs)->setFocus();
    QCOMPARE(hook.asked, QStringList{u"'7x' is not a valid floating point value for field 'Label Width'"_qs});
    QTRY_VERIFY(width->hasFocus()); // the box keeps the focus until its text is a number

    QTest::mouseClick(s.child(u"BitBtn6"_qs), Qt::LeftButton);
    QTRY_VERIFY(!s.window->isVisible());
    QCOMPARE(hook.asked.size(), 1);
    QCOMPARE(s.stored(u"Etiket Genişliği"_qs).toDouble(), 70.0);
    QCOMPARE(s.window->table()->state(), store::DataSetState::Browse);
}

QTEST_MAIN(PrintSettingsTest)
#include "tst_printsettings.moc"
