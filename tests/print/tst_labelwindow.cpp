#include "ContactFileFixture.h"
#include "DialogAnswers.h"
#include "RecordingSurface.h"

#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "core/Error.h"
#include "print/TRaporV2.h"
#include "print/Tgenel.h"
#include "print/ui/Tfrmetiketdm.h"
#include "print/ui/Tfrmyazdirmaayarlari.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/DataSet.h"
#include "ui/ModalDialog.h"
#include "ui/RadioGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

using namespace corvella;
using test::mm;
using test::RecordingSurface;
using Kind = RecordingSurface::Kind;

namespace {

/// Notes what the list window's buttons show while a job is running; can fail after a number of texts, as a
/// printer that runs out of paper.
class WatchingSurface : public RecordingSurface {
public:
    explicit WatchingSurface(search::Tfrm_liste* list, int textsBeforeFailure = -1)
        : m_list(list)
        , m_left(textsBeforeFailure)
    {}
    void beginDocument(const QString& jobName) override
    {
        for (QPushButton* button : {m_list->reportButton(), m_list->labelButton()})
            busy << (button->isEnabled() ? u"enabled "_qs : u"disabled "_qs) + button->text();
        RecordingSurface::beginDocument(jobName);
    }
    void drawText(QPoint topLeft, const QString& text, const print::DrawState& state) override
    {
        if (m_left-- == 0)
            throw Error(u"The printer is out of paper"_qs);
        RecordingSurface::drawText(topLeft, text, state);
    }
    /// Plays the user pressing Cancel in the progress dialog as sheet `cancelAt` begins.
    void newPage() override
    {
        RecordingSurface::newPage();
        if (calls(Kind::NewPage).size() + 1 == cancelAt)
            if (auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
                dialog->findChild<QPushButton*>()->click();
    }
    int count(const QString& text) const { return int(textCalls(text).size()); }

    QStringList busy;
    int cancelAt = 0;

private:
    search::Tfrm_liste* m_list;
    int m_left;
};

/// Answers the label dialog: notes how it opened, picks the items and presses a button.
struct LabelDialogAnswers {
    int nameItem = 0;
    int companyItem = 0;
    int firstLabel = 1;
    bool confirm = true;
    QStringList seen;
    test::DialogAnswers answers{test::DialogAnswers::Modals};

    LabelDialogAnswers()
    {
        answers.modal = [this](QDialog& dialog) {
            auto* options = qobject_cast<print::Tfrmetiketdm*>(&dialog);
            if (!options)
                return int(QDialog::Rejected);
            seen << u"%1 %2 %3"_qs.arg(options->windowTitle())
                        .arg(options->nameGroup()->itemIndex())
                        .arg(options->companyGroup()->itemIndex());
            options->nameGroup()->item(nameItem)->click();
            options->companyGroup()->item(companyItem)->click();
            options->firstLabelBox()->setValue(firstLabel);
            (confirm ? options->okButton() : options->cancelButton())->click();
            return options->result();
        };
    }
};

/// The whole program on a contact file of twenty contacts, listed by the contact search (by company name).
struct Program {
    test::ContactFileFixture fixture;
    test::DialogAnswers messages;
    LabelDialogAnswers dialog;
    app::Windows windows;

    Program()
    {
        // Company names run against the numbers, so list order and table order differ.
        fixture.addContacts(fixture.numbers(11, 30), [](int no) {
            return QVariantMap{{u"Ad"_qs, u"Ad%1"_qs.arg(no)},
                               {u"Soyad"_qs, u"Soyad%1"_qs.arg(no)},
                               {u"Firma Adi"_qs, u"Firma%1"_qs.arg(41 - no)},
                               {u"Adres 1"_qs, u"Adres%1"_qs.arg(no)},
                               {u"Sehir"_qs, u"Şehir%1"_qs.arg(no)},
                               {u"Posta Kodu"_qs, u"P%1"_qs.arg(no)}};
        });
        store({{u"Sol Boşluk"_qs, 5},
               {u"Üst Boşluk"_qs, 10},
               {u"Etiket Genişliği"_qs, 64},
               {u"Etiket Yüksekliği"_qs, 34},
               {u"Yatay Etiket Aralığı"_qs, 2},
               {u"İsim X Koordinatı"_qs, 20},
               {u"İsim Y Koordinatı"_qs, 5}});
        windows = app::createWindows();
        windows.main->BitBtn1Click();
        windows.search->FormActivate();
        windows.search->checkBox(1)->click();
        windows.search->SpeedButton2Click();
    }
    /// Writes values straight into the stored settings row.
    void store(const QList<QPair<QString, QVariant>>& values)
    {
        for (const auto& [column, value] : values) {
            const QString literal = value.typeId() == QMetaType::QString ? u'\'' + value.toString() + u'\''
                                                                         : QString::number(value.toDouble());
            fixture.scalar(u"UPDATE YAYAR SET ["_qs + column + u"] = "_qs + literal);
        }
    }

    WatchingSurface& printOn(int textsBeforeFailure = -1)
    {
        auto surface = std::make_unique<WatchingSurface>(windows.list.get(), textsBeforeFailure);
        WatchingSurface& watching = *surface;
        windows.printer->setSurface(std::move(surface));
        return watching;
    }

    QPushButton* reportButton() { return windows.list->reportButton(); }
    QPushButton* labelButton() { return windows.list->labelButton(); }
    QStringList captions() { return {reportButton()->text(), labelButton()->text()}; }
    bool bothEnabled() { return reportButton()->isEnabled() && labelButton()->isEnabled(); }
};

const QStringList FirstCaptions = {u"&Print Report"_qs, u"Print &Labels"_qs};
const QStringList LaterCaptions = {u"&Listeyi Yazıcıya Gönder"_qs, u"&Etiket Dökümü"_qs};

} // namespace

class LabelWindowTest : public QObject {
    Q_OBJECT
private slots:
    void labelDialogAsksForNameAndCompany();
    void printsOneLabelPerListedContact();
    void dialogChoices_data();
    void dialogChoices();
    void cancelledDialogChangesNothing();
    void labelsUseTheStoredRow();
    void failuresGiveTheButtonsBack_data();
    void failuresGiveTheButtonsBack();
    void savedFileIsShown();
    void startAtTheDialogsLabel();
};

void LabelWindowTest::labelDialogAsksForNameAndCompany()
{
    print::Tfrmetiketdm dialog;
    QCOMPARE(dialog.windowTitle(), u"Etiket Dökümü"_qs);
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    auto items = [](ui::RadioGroup* group) {
        QStringList captions;
        for (int i = 0; i < group->count(); ++i)
            captions << group->item(i)->text();
        return captions;
    };
    auto* names = dialog.findChild<ui::RadioGroup*>(u"RadioGroup1"_qs);
    auto* company = dialog.findChild<ui::RadioGroup*>(u"RadioGroup2"_qs);
    QVERIFY(names && company);
    QCOMPARE(names->title(), u" İsim "_qs);
    QCOMPARE(items(names), QStringList({u"&Yetkili Adı"_qs, u"&Firma Sahibi"_qs, u"&Hiçbiri"_qs}));
    QCOMPARE(company->title(), u" Firma Adı "_qs);
    QCOMPARE(items(company), QStringList({u"&Var"_qs, u"&Yok"_qs}));
    QCOMPARE(names->itemIndex(), 0);
    QCOMPARE(company->itemIndex(), 0);
    QCOMPARE(dialog.findChild<QPushButton*>(u"BitBtn1"_qs)->text(), u"&Tamam"_qs);
    QCOMPARE(dialog.findChild<QPushButton*>(u"BitBtn2"_qs)->text(), u"&Vazgeç"_qs);
    QCOMPARE(dialog.nameChoice(), print::LabelNameChoice::ContactPerson);
    names->item(2)->click();
    company->item(1)->click();
    QCOMPARE(dialog.nameChoice(), print::LabelNameChoice::None);
    QCOMPARE(dialog.companyChoice(), print::LabelCompanyChoice::Omit);
}

void LabelWindowTest::printsOneLabelPerListedContact()
{
    Program program;
    WatchingSurface& rec = program.printOn();
    QCOMPARE(program.captions(), FirstCaptions);
    program.labelButton()->click();
    QVERIFY2(program.messages.asked.isEmpty(), qPrintable(program.messages.asked.join(u'\n')));
    QCOMPARE(program.dialog.seen, QStringList{u"Etiket Dökümü 0 0"_qs});

    // Both buttons were busy while the job ran, and take the later captions after it.
    QCOMPARE(rec.busy, QStringList({u"disabled Yazıcı Meşgul"_qs, u"disabled Yazıcı Meşgul"_qs}));
    QCOMPARE(program.captions(), LaterCaptions);
    QVERIFY(program.bothEnabled());

    QCOMPARE(rec.calls(Kind::BeginDocument).size(), 1);
    QCOMPARE(rec.calls(Kind::EndDocument).size(), 1);
    QCOMPARE(rec.calls(Kind::NewPage).size(), 0);
    QCOMPARE(rec.count(u"Sayın"_qs), 20);
    // The list's order: by company name, so the contact numbered 30 (Firma11) comes first.
    QCOMPARE(rec.texts().mid(0, 3), QStringList({u"Ad30 Soyad30"_qs, u"Firma11"_qs, u"Adres30"_qs}));
    // The fifth listed contact (number 26) on the label at (71, 44): its name at (91, 49).
    QCOMPARE(rec.count(u"Ad26 Soyad26"_qs), 1);
    QCOMPARE(mm(rec.textCalls(u"Ad26 Soyad26"_qs).value(0).from), QPoint(91, 49));
    QCOMPARE(rec.count(u"Şehir26"_qs), 1);
    QCOMPARE(rec.count(u"P26"_qs), 1);

    // The engine keeps what the run gave it: the list's statement, eight field and two text elements.
    const print::TRaporV2* engine = program.windows.list->labelEngine();
    QCOMPARE(engine->sql(), program.windows.list->query()->sql());
    QCOMPARE(engine->fieldElements().size(), 8);
    QCOMPARE(engine->textElements().size(), 2);
    QCOMPARE(engine->sheet().labelWidthMm, 64);
    QVERIFY(!engine->isActive());

    // A second run asks again from the first items.
    program.labelButton()->click();
    QCOMPARE(program.dialog.seen.size(), 2);
    QCOMPARE(program.dialog.seen.last(), u"Etiket Dökümü 0 0"_qs);
    QCOMPARE(program.captions(), LaterCaptions);
}

void LabelWindowTest::dialogChoices_data()
{
    QTest::addColumn<int>("nameItem");
    QTest::addColumn<int>("companyItem");
    QTest::addColumn<int>("names");
    QTest::addColumn<int>("companies");
    QTest::newRow("&Yetkili Adı, &Var") << 0 << 0 << 1 << 1;
    QTest::newRow("&Firma Sahibi, &Var") << 1 << 0 << 1 << 1;
    QTest::newRow("&Hiçbiri, &Var") << 2 << 0 << 0 << 1;
    QTest::newRow("&Yetkili Adı, &Yok") << 0 << 1 << 1 << 0;
}

void LabelWindowTest::dialogChoices()
{
    QFETCH(int, nameItem);
    QFETCH(int, companyItem);
    QFETCH(int, names);
    QFETCH(int, companies);
    Program program;
    WatchingSurface& rec = program.printOn();
    program.dialog.nameItem = nameItem;
    program.dialog.companyItem = companyItem;
    program.labelButton()->click();
    QVERIFY2(program.messages.asked.isEmpty(), qPrintable(program.messages.asked.join(u'\n')));
    QCOMPARE(rec.count(u"Ad17 Soyad17"_qs), names);
    QCOMPARE(rec.count(u"Firma24"_qs), companies);
    QCOMPARE(rec.count(u"Adres17"_qs), 1);
    QCOMPARE(rec.count(u"Sayın"_qs), 20);
    QCOMPARE(rec.count(u"/"_qs), 20);
}

void LabelWindowTest::cancelledDialogChangesNothing()
{
    Program program;
    WatchingSurface& rec = program.printOn();
    program.dialog.confirm = false;
    program.labelButton()->click();
    QCOMPARE(program.dialog.seen.size(), 1);
    QVERIFY(rec.calls().isEmpty());
    QVERIFY(program.messages.asked.isEmpty());
    QCOMPARE(program.captions(), FirstCaptions);
    QVERIFY(program.bothEnabled());
    QVERIFY(program.windows.list->labelEngine()->fieldElements().isEmpty());
}

void LabelWindowTest::labelsUseTheStoredRow()
{
    Program program;
    WatchingSurface& rec = program.printOn();
    // Saved after start: the run reads it. Typed but unsaved in the print settings window: it does not.
    program.store({{u"İsim X Koordinatı"_qs, 30}});
    program.windows.printSettings->table()->fieldByName(u"Etiket Genişliği"_qs).setValue(300.0);
    program.labelButton()->click();
    QVERIFY2(program.messages.asked.isEmpty(), qPrintable(program.messages.asked.join(u'\n')));
    QCOMPARE(rec.count(u"Ad26 Soyad26"_qs), 1);
    QCOMPARE(mm(rec.textCalls(u"Ad26 Soyad26"_qs).value(0).from), QPoint(101, 49));
}

void LabelWindowTest::failuresGiveTheButtonsBack_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("mended");
    QTest::addColumn<int>("textsBeforeFailure");
    QTest::addColumn<bool>("afterARun");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("jobStarted");
    QTest::addColumn<int>("cancelAt"); // the sheet begun when the user presses Cancel in the progress dialog
    const QString across = u"No label fits across the page. Check the page width, the left margin, the label width "
                           u"and the horizontal gap in the label settings."_qs;
    QTest::newRow("label wider than the page")
        << u"Etiket Genişliği"_qs << QVariant(300) << QVariant(64) << -1 << false << across << false << 0;
    QTest::newRow("zero pitch, after a run")
        << u"Yatay Etiket Aralığı"_qs << QVariant(-64) << QVariant(2) << -1 << true << across << false << 0;
    QTest::newRow("no room down") << u"Üst Boşluk"_qs << QVariant(290) << QVariant(10) << -1 << false
                                  << u"No label fits down the page. Check the page height, the top margin, the label "
                                     u"height and the vertical gap in the label settings."_qs
                                  << false << 0;
    QTest::newRow("unreadable colour") << u"İlçe Yazıtipi Rengi"_qs << QVariant(u"clPlaid"_qs)
                                       << QVariant(u"clBlack"_qs) << -1 << true
                                       << u"'clPlaid' is not a valid integer value"_qs << false << 0;
    QTest::newRow("printer fails part-way")
        << QString() << QVariant() << QVariant() << 50 << true << u"The printer is out of paper"_qs << true << 0;
    // One row of three labels a sheet: seven sheets, a run long enough for the progress dialog. A cancel the user
    // chose gets no message.
    QTest::newRow("cancelled on the third sheet")
        << u"Etiket Yüksekliği"_qs << QVariant(280) << QVariant(34) << -1 << false << QString() << true << 3;
}

void LabelWindowTest::failuresGiveTheButtonsBack()
{
    QFETCH(QString, column);
    QFETCH(QVariant, value);
    QFETCH(QVariant, mended);
    QFETCH(int, textsBeforeFailure);
    QFETCH(bool, afterARun);
    QFETCH(QString, message);
    QFETCH(bool, jobStarted);
    QFETCH(int, cancelAt);
    const QStringList messages = message.isEmpty() ? QStringList() : QStringList{message};
    Program program;
    if (afterARun) {
        program.printOn();
        program.labelButton()->click();
        QCOMPARE(program.captions(), LaterCaptions);
    }
    if (!column.isEmpty())
        program.store({{column, value}});
    WatchingSurface& rec = program.printOn(textsBeforeFailure);
    rec.cancelAt = cancelAt;
    program.labelButton()->click();
    QCOMPARE(program.messages.asked, messages);
    QCOMPARE(program.captions(), afterARun ? LaterCaptions : FirstCaptions);
    QVERIFY(program.bothEnabled());
    QCOMPARE(rec.calls(Kind::BeginDocument).size(), jobStarted ? 1 : 0);
    QCOMPARE(rec.calls(Kind::AbortDocument).size(), jobStarted ? 1 : 0);
    QVERIFY(!program.windows.printer->isPrinting());
    QVERIFY(!program.windows.list->labelEngine()->isActive());

    // Mended, the next run prints.
    if (!column.isEmpty())
        program.store({{column, mended}});
    WatchingSurface& again = program.printOn();
    program.labelButton()->click();
    QCOMPARE(program.messages.asked, messages);
    QCOMPARE(again.count(u"Sayın"_qs), 20);
    QCOMPARE(program.captions(), LaterCaptions);
}

void LabelWindowTest::savedFileIsShown()
{
    Program program;
    program.printOn().setOutputFile(u"/tmp/Prints/Labels.pdf"_qs);
    program.labelButton()->click();
    QCOMPARE(program.messages.asked.size(), 1);
    QVERIFY2(program.messages.asked.first().contains(u"/tmp/Prints/Labels.pdf"_qs),
             qPrintable(program.messages.asked.first()));
}

void LabelWindowTest::startAtTheDialogsLabel()
{
    Program program;
    WatchingSurface& rec = program.printOn();
    program.dialog.firstLabel = 5;
    program.labelButton()->click();
    QVERIFY2(program.messages.asked.isEmpty(), qPrintable(program.messages.asked.join(u'\n')));
    // The first listed contact (number 30) on label 5 at (71, 44); the twentieth on label 24, the sheet's last.
    QCOMPARE(mm(rec.textCalls(u"Ad30 Soyad30"_qs).value(0).from), QPoint(91, 49));
    QCOMPARE(mm(rec.textCalls(u"Ad11 Soyad11"_qs).value(0).from), QPoint(157, 253));
    QCOMPARE(rec.calls(Kind::NewPage).size(), 0);

    // Past the sheet's 24 labels: said before any job, and the buttons come back.
    WatchingSurface& again = program.printOn();
    program.dialog.firstLabel = 25;
    program.labelButton()->click();
    QCOMPARE(program.messages.asked, QStringList{u"Label 25 is not on the sheet: it holds 24 labels, 3 across and 8 "
                                                 u"down, numbered from 1 at the top left."_qs});
    QVERIFY(again.calls().isEmpty());
    QVERIFY(program.bothEnabled());
}

QTEST_MAIN(LabelWindowTest)
#include "tst_labelwindow.moc"
