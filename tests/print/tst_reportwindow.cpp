#include "ContactFileFixture.h"
#include "DialogAnswers.h"
#include "PdfMeasure.h"
#include "RecordingSurface.h"

#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "core/Error.h"
#include "print/PdfSurface.h"
#include "print/PrintGeometry.h"
#include "print/Tgenel.h"
#include "print/ui/Tfrmyazdirmaayarlari.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/DataSet.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace corvella;
using test::RecordingSurface;

namespace {

/// A printer that fails after a number of text calls, as one that runs out of paper or loses its queue.
class FailingSurface : public RecordingSurface {
public:
    explicit FailingSurface(int textsBeforeFailure)
        : m_left(textsBeforeFailure)
    {}
    void drawText(QPoint topLeft, const QString& text, const print::DrawState& state) override
    {
        if (m_left-- == 0)
            throw Error(u"The printer is out of paper"_qs);
        RecordingSurface::drawText(topLeft, text, state);
    }

private:
    int m_left;
};

/// The user at the progress dialog of a run on `Surface`: presses Cancel as page `cancelAt` (from 1) begins, and
/// notes how the dialog stood when the job ended.
template <class Surface> class UserAtProgress : public Surface {
public:
    template <class... Args>
    explicit UserAtProgress(int cancelAt, Args&&... args)
        : Surface(std::forward<Args>(args)...)
        , m_cancelAt(cancelAt)
    {}
    void newPage() override
    {
        Surface::newPage();
        if (++m_page == m_cancelAt)
            if (QProgressDialog* dialog = shownDialog())
                dialog->findChild<QPushButton*>()->click();
    }
    QString endDocument() override
    {
        if (QProgressDialog* dialog = shownDialog())
            atEnd = u"%1 of %2: %3"_qs.arg(dialog->value()).arg(dialog->maximum()).arg(dialog->labelText());
        return Surface::endDocument();
    }

    QString atEnd;

private:
    static QProgressDialog* shownDialog()
    {
        auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

    int m_cancelAt;
    int m_page = 1;
};

struct Program {
    test::ContactFileFixture fixture;
    test::DialogAnswers messages;
    QStringList& asked = messages.asked;
    app::Windows windows;

    explicit Program(int contacts = 20)
    {
        fixture.addContacts(fixture.numbers(11, 10 + contacts), [](int no) {
            return QVariantMap{{u"Ad"_qs, u"Ad %1"_qs.arg(no)}, {u"Firma Adi"_qs, u"Firma %1"_qs.arg(no)}};
        });
        windows = app::createWindows();
        windows.main->BitBtn1Click();
        windows.search->FormActivate();
        windows.search->checkBox(1)->click();
        windows.search->SpeedButton2Click();
    }

    QPushButton* reportButton() { return windows.list->reportButton(); }
    /// Lines so far apart that every page after the first holds one row.
    void onePerPage() { windows.printSettings->table()->fieldByName(u"Liste Satır Aralığı"_qs).setAsString(u"60"_qs); }
    /// Hands the program's printer `surface` and keeps a reference to it.
    RecordingSurface& printOn(std::unique_ptr<RecordingSurface> surface = std::make_unique<RecordingSurface>())
    {
        RecordingSurface& kept = *surface;
        windows.printer->setSurface(std::move(surface));
        return kept;
    }
};

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void printsTheListedColumnsAndRows();
    void failingPrinterRestoresTheButtons();
    void savedFileIsShown();
    void longRunShowsProgressAndCancelDropsThePdf_data();
    void longRunShowsProgressAndCancelDropsThePdf();
    void questionAboveFiveHundredPages_data();
    void questionAboveFiveHundredPages();
};

void ReportWindowTest::printsTheListedColumnsAndRows()
{
    Program program;
    RecordingSurface& rec = program.printOn();
    // Unsaved changes in the settings window already count.
    program.windows.printSettings->table()->fieldByName(u"Liste Satır Aralığı"_qs).setAsString(u"6"_qs);

    QCOMPARE(program.reportButton()->text(), u"&Print Report"_qs);
    program.reportButton()->click();
    QVERIFY2(program.asked.isEmpty(), qPrintable(program.asked.join(u'\n')));
    QCOMPARE(program.reportButton()->text(), u"&Listeyi Yazıcıya Gönder"_qs);
    QVERIFY(program.reportButton()->isEnabled());

    const auto texts = rec.calls(RecordingSurface::Kind::Text);
    QCOMPARE(texts.first().text, u"List/Report"_qs);
    QCOMPARE(rec.texts().mid(1, 7), QStringList({u"Firma Adi"_qs, u"Sektör"_qs, u"Alt Sektör"_qs, u"Ad"_qs, u"Soyad"_qs,
                                                 u"Sehir"_qs, u"e-mail"_qs}));
    QCOMPARE(texts.size(), 1 + 7 + 20 * 7);
    QCOMPARE(texts.at(8).text, u"Firma 11"_qs);
    // Line 1 at 6 mm: the pitch typed into the settings window, not the stored 5.
    QCOMPARE(print::mmFromDots(texts.at(1).from.y()), 6);
    // The query is left on its last row.
    QCOMPARE(program.windows.list->query()->fieldByName(u"NO"_qs).asInteger(), 30);
}

void ReportWindowTest::failingPrinterRestoresTheButtons()
{
    Program program;
    RecordingSurface& rec = program.printOn(std::make_unique<FailingSurface>(30));
    program.reportButton()->click();
    QCOMPARE(program.asked, QStringList{u"The printer is out of paper"_qs});
    QVERIFY(program.reportButton()->isEnabled());
    QCOMPARE(program.reportButton()->text(), u"&Print Report"_qs);
    QCOMPARE(program.windows.list->labelButton()->text(), u"Print &Labels"_qs);
    QVERIFY(program.windows.list->labelButton()->isEnabled());
    QCOMPARE(rec.calls(RecordingSurface::Kind::AbortDocument).size(), 1);
    QVERIFY(!program.windows.printer->isPrinting());
    QCOMPARE(rec.orientation(), print::Orientation::Portrait);
}

void ReportWindowTest::savedFileIsShown()
{
    Program program;
    program.printOn().setOutputFile(u"/tmp/Prints/List-Report.pdf"_qs);
    program.reportButton()->click();
    QCOMPARE(program.asked.size(), 1);
    QVERIFY(program.asked.first().contains(u"/tmp/Prints/List-Report.pdf"_qs));
}

void ReportWindowTest::longRunShowsProgressAndCancelDropsThePdf_data()
{
    QTest::addColumn<int>("cancelAt"); // the page begun when the user presses Cancel; 0 never
    QTest::newRow("finished") << 0;
    QTest::newRow("cancelled on page 3") << 3;
}

void ReportWindowTest::longRunShowsProgressAndCancelDropsThePdf()
{
    QFETCH(int, cancelAt);
    Program program;
    program.onePerPage();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"List-Report.pdf"_qs);
    auto surface = std::make_unique<UserAtProgress<print::PdfSurface>>(cancelAt, path);
    const auto& user = *surface;
    program.windows.printer->setSurface(std::move(surface));
    program.reportButton()->click();

    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!program.windows.printer->isPrinting());
    QVERIFY(program.reportButton()->isEnabled());
    QVERIFY(program.windows.list->labelButton()->isEnabled());
    if (cancelAt == 0) {
        // 20 rows: two on the first page, one on each of the next 18, and the empty page after the last full one.
        QCOMPARE(user.atEnd, u"20 of 20: 20 of 20 pages printed"_qs);
        QVERIFY(!test::pdfWords(path).isEmpty());
        QCOMPARE(program.asked.size(), 1); // where the file went
        QCOMPARE(program.reportButton()->text(), u"&Listeyi Yazıcıya Gönder"_qs);
    } else {
        // A cancel the user chose: no message, the first caption back as after a failure, and no file.
        QVERIFY2(program.asked.isEmpty(), qPrintable(program.asked.join(u'\n')));
        QCOMPARE(program.reportButton()->text(), u"&Print Report"_qs);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
}

void ReportWindowTest::questionAboveFiveHundredPages_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("declined") << QMessageBox::Cancel;
    QTest::newRow("accepted") << QMessageBox::Ok;
}

void ReportWindowTest::questionAboveFiveHundredPages()
{
    QFETCH(QMessageBox::StandardButton, answer);
    Program program(520);
    program.onePerPage();
    RecordingSurface& rec = program.printOn();
    program.messages.buttons = {answer};
    program.reportButton()->click();
    QCOMPARE(program.asked.value(0), u"The printout has 520 pages. Print all of them?"_qs);
    QCOMPARE(program.asked.size(), 1);
    QVERIFY(program.reportButton()->isEnabled());
    if (answer == QMessageBox::Cancel) {
        QVERIFY(rec.calls().isEmpty());
        QCOMPARE(program.reportButton()->text(), u"&Print Report"_qs);
    } else {
        QCOMPARE(rec.calls(RecordingSurface::Kind::NewPage).size(), 519);
        QCOMPARE(rec.calls(RecordingSurface::Kind::EndDocument).size(), 1);
    }
}

QTEST_MAIN(ReportWindowTest)
#include "tst_reportwindow.moc"
