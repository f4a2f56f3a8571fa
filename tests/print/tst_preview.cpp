#include "ContactFileFixture.h"
#include "DialogAnswers.h"
#include "FakeQueue.h"
#include "PdfMeasure.h"

#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "print/PdfSurface.h"
#include "print/Tgenel.h"
#include "print/ui/PrintPreview.h"
#include "print/ui/Tfrmetiketdm.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"

#include <QCheckBox>
#include <QDialog>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace corvella;
using Click = void (search::Tfrm_liste::*)();

namespace {

constexpr int Dpi = 150;

/// The whole program on a file of `contacts` contacts, all listed; the label dialog is answered with its first
/// items.
struct Program {
    test::ContactFileFixture fixture;
    test::DialogAnswers answers;
    test::FakeQueue printer{test::officeQueue(12, QPrinter::DuplexNone, QPageSize::Letter), {}, {}};
    app::Windows windows;
    QTemporaryDir dir;

    explicit Program(int contacts, int firstLabel = 1)
    {
        fixture.addContacts(fixture.numbers(11, 10 + contacts), [](int no) {
            return QVariantMap{{u"Ad"_qs, u"Ad%1"_qs.arg(no)},           {u"Soyad"_qs, u"Soyad%1"_qs.arg(no)},
                               {u"Firma Adi"_qs, u"Firma%1"_qs.arg(no)}, {u"Adres 1"_qs, u"Adres %1"_qs.arg(no)},
                               {u"Sehir"_qs, u"Şehir%1"_qs.arg(no)},     {u"Posta Kodu"_qs, u"P%1"_qs.arg(no)}};
        });
        answers.modal = [firstLabel](QDialog& dialog) {
            if (auto* labels = qobject_cast<print::Tfrmetiketdm*>(&dialog))
                labels->firstLabelBox()->setValue(firstLabel);
            dialog.accept();
            return dialog.result();
        };
        windows = app::createWindows();
        windows.main->BitBtn1Click();
        windows.search->FormActivate();
        windows.search->checkBox(1)->click();
        windows.search->SpeedButton2Click();
    }
    /// What the list window's print button writes into a PDF file, or hands to a printer of Letter paper with
    /// 12 mm margins (the printer stays the one the preview prints on).
    QString printed(Click button, bool onPrinter = false)
    {
        const QString path = dir.filePath(u"button.pdf"_qs);
        if (onPrinter)
            windows.printer->setSurface(
                std::unique_ptr<print::PrintSurface>(printer.attach(new print::PrinterSurface(), dir.path())));
        else
            windows.printer->setSurface(std::make_unique<print::PdfSurface>(path));
        (windows.list.get()->*button)();
        return onPrinter ? printer.saveLastJob(path) : path;
    }
    print::PrintPreview* preview(Click button)
    {
        (windows.list.get()->*button)();
        return windows.list->findChild<print::PrintPreview*>();
    }
};

int pdfPages(const QString& path)
{
    QProcess info;
    info.start(u"pdfinfo"_qs, {path});
    info.waitForFinished();
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    return out.section(u"Pages:"_qs, 1).section(u'\n', 0, 0).trimmed().toInt();
}

/// The share of each image's ink that the other has within `reach` pixels, the worse of the two ways. Two
/// rasterisers smooth edges differently; a text or rule moved by a millimetre leaves most of its ink unmatched.
double inkAgreement(const QImage& a, const QImage& b, int reach = 2)
{
    const int width = std::min(a.width(), b.width());
    const int height = std::min(a.height(), b.height());
    const auto ink = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 192; };
    const auto matched = [&](const QImage& from, const QImage& to) {
        qint64 inked = 0, found = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                if (!ink(from, x, y))
                    continue;
                ++inked;
                bool near = false;
                for (int dy = -reach; dy <= reach && !near; ++dy)
                    for (int dx = -reach; dx <= reach && !near; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        near = nx >= 0 && ny >= 0 && nx < width && ny < height && ink(to, nx, ny);
                    }
                found += near;
            }
        return inked == 0 ? 1.0 : double(found) / double(inked);
    };
    return std::min(matched(a, b), matched(b, a));
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void pagesAreThePrintedPages_data();
    void pagesAreThePrintedPages();
    void navigatesAndZooms();
    void savesTheSamePdf_data();
    void savesTheSamePdf();
};

void PreviewTest::pagesAreThePrintedPages_data()
{
    QTest::addColumn<bool>("labels");
    QTest::addColumn<int>("contacts");
    QTest::addColumn<int>("firstLabel");
    QTest::addColumn<bool>("onPrinter");
    // 24 labels a sheet: the second sheet holds six, or from the 20th label on the first one 25; the report's rows
    // run onto a third page.
    QTest::newRow("labels") << true << 30 << 1 << false;
    QTest::newRow("labels from the 20th") << true << 30 << 20 << false;
    QTest::newRow("report") << false << 120 << 1 << false;
    // Fewer rows fit inside a printer's margins: the preview shows its paper and its pages, not the PDF's.
    QTest::newRow("report on a printer") << false << 120 << 1 << true;
}

void PreviewTest::pagesAreThePrintedPages()
{
    QFETCH(bool, labels);
    QFETCH(int, contacts);
    QFETCH(int, firstLabel);
    QFETCH(bool, onPrinter);
    Program program(contacts, firstLabel);
    using List = search::Tfrm_liste;
    const QString pdf = program.printed(labels ? &List::BitBtn3Click : &List::BitBtn1Click, onPrinter);
    QVERIFY(!pdf.isEmpty());
    print::PrintPreview* preview = program.preview(labels ? &List::previewLabelsClick : &List::previewReportClick);
    QVERIFY(preview);
    QVERIFY(preview->pageCount() >= 2);
    QCOMPARE(preview->pageCount(), pdfPages(pdf));

    const std::optional<QImage> printedFirst = test::pdfPageImage(pdf, 1, Dpi);
    const std::optional<QImage> printedLast = test::pdfPageImage(pdf, int(preview->pageCount()), Dpi);
    QVERIFY(printedFirst && printedLast);
    const QImage shownFirst = preview->renderPage(0, Dpi);
    const QImage shownLast = preview->renderPage(preview->pageCount() - 1, Dpi);
    // pdftoppm rounds the page's size up to whole pixels.
    QVERIFY(std::abs(shownFirst.width() - printedFirst->width()) <= 1);
    QVERIFY(std::abs(shownFirst.height() - printedFirst->height()) <= 1);
    const double first = inkAgreement(shownFirst, *printedFirst);
    const double last = inkAgreement(shownLast, *printedLast);
    const double unlike = inkAgreement(shownLast, *printedFirst);
    QVERIFY2(first > 0.97 && last > 0.97 && unlike < 0.9,
             qPrintable(u"first %1, last %2, last against first %3"_qs.arg(first).arg(last).arg(unlike)));
}

void PreviewTest::navigatesAndZooms()
{
    Program program(100); // five sheets of labels
    print::PrintPreview* preview = program.preview(&search::Tfrm_liste::previewLabelsClick);
    QVERIFY(preview);
    QCOMPARE(preview->pageCount(), 5);
    const auto at = [preview] {
        return u"%1 %2 %3%4%5%6"_qs.arg(preview->currentPage())
            .arg(preview->pageBox()->value())
            .arg(preview->firstButton()->isEnabled())
            .arg(preview->previousButton()->isEnabled())
            .arg(preview->nextButton()->isEnabled())
            .arg(preview->lastButton()->isEnabled());
    };
    QCOMPARE(at(), u"0 1 0011"_qs);
    preview->nextButton()->click();
    QCOMPARE(at(), u"1 2 1111"_qs);
    preview->lastButton()->click();
    QCOMPARE(at(), u"4 5 1100"_qs);
    preview->previousButton()->click();
    QCOMPARE(at(), u"3 4 1111"_qs);
    preview->pageBox()->setValue(3);
    QCOMPARE(at(), u"2 3 1111"_qs);
    preview->firstButton()->click();
    QCOMPARE(at(), u"0 1 0011"_qs);

    preview->setZoom(1);
    const QSize actual = preview->shownImage().size();
    preview->setZoom(2);
    QVERIFY(std::abs(preview->shownImage().width() - 2 * actual.width()) <= 2);
    // Closing the list closes its previews.
    program.windows.list->hide();
    QTRY_VERIFY(!program.windows.list->findChild<print::PrintPreview*>());
}

void PreviewTest::savesTheSamePdf_data()
{
    QTest::addColumn<bool>("onPrinter");
    QTest::newRow("no printer") << false;
    QTest::newRow("a printer's paper") << true;
}

void PreviewTest::savesTheSamePdf()
{
    QFETCH(bool, onPrinter);
    Program program(30);
    const QString printed = program.printed(&search::Tfrm_liste::BitBtn3Click, onPrinter);
    print::PrintPreview* preview = program.preview(&search::Tfrm_liste::previewLabelsClick);
    QVERIFY(preview);
    const QString saved = program.dir.filePath(u"saved.pdf"_qs);
    program.answers.files << saved;
    preview->saveAsPdfClick();
    QCOMPARE(pdfPages(saved), 2);
    const auto boxes = [](const QString& pdf) {
        QStringList lines;
        for (const test::PdfWord& w : test::pdfWords(pdf))
            lines << u"%1 %2 %3 %4 %5"_qs.arg(w.text).arg(w.xMin).arg(w.yMin).arg(w.xMax).arg(w.yMax);
        return lines;
    };
    QVERIFY(boxes(printed).size() > 100);
    QCOMPARE(boxes(saved), boxes(printed));
}

QTEST_MAIN(PreviewTest)
#include "tst_preview.moc"
