#include "ErrorOf.h"
#include "core/Error.h"
#include "print/CachedShaper.h"
#include "print/PdfSurface.h"
#include "print/PrintGeometry.h"
#include "print/PrinterSurface.h"
#include "print/TestPages.h"
#include "print/Tgenel.h"

#include "FakeQueue.h"
#include "PdfMeasure.h"
#include "RecordingSurface.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace corvella;
using print::Orientation;
using Kind = test::RecordingSurface::Kind;
using Step = std::function<void(print::Tgenel&)>;

Q_DECLARE_METATYPE(print::Orientation)
Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(print::PrintQueue)
Q_DECLARE_METATYPE(print::PrintJobOptions)

using corvella::test::errorOf;

using Recorder = corvella::test::RecordedPrinter;
using corvella::test::MmPerPoint;

class PrintHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void millimetresToDots_data();
    void millimetresToDots();
    void pageHeightFromPrintableDots_data();
    void pageHeightFromPrintableDots();
    void textAndLinesLandOnTheirDots();
    void stateAndOrientationPersistBetweenJobs();
    void orientationWords_data();
    void orientationWords();
    void jobOrderErrors_data();
    void jobOrderErrors();
    void failedJobCanBeDroppedAndRestarted();

    void pdfMeasuresTrueAtAnyResolution_data();
    void pdfMeasuresTrueAtAnyResolution();
    void pdfLandscapePageHeight();
    void sameEndPointsLeaveNoMark();

    void withoutPrinterJobGoesToPrintsFolder();
    void withoutPrinterOrFolderTheJobFails();
    void fallbackFileNames();
    void droppedJobLeavesTheFolderAsItWas_data();
    void droppedJobLeavesTheFolderAsItWas();
    void printerJobIsLaidOutForItsQueue_data();
    void printerJobIsLaidOutForItsQueue();

    void ratioTestPageInDots();
    void ratioSquareMeasuresItsNominalSide();
    void labelTestPageOnPaper();

    void cachedLayoutMatchesQtLayout();
};

void PrintHelpersTest::millimetresToDots_data()
{
    QTest::addColumn<int>("mm");
    QTest::addColumn<int>("dots");
    const QList<std::pair<int, int>> table = {{0, 0},    {1, 12},   {2, 24},     {4, 47},     {5, 59},     {10, 118},
                                              {15, 176}, {70, 824}, {100, 1176}, {210, 2471}, {297, 3494}, {-5, -59}};
    for (const auto& [mm, dots] : table)
        QTest::addRow("%d mm", mm) << mm << dots;
}

void PrintHelpersTest::millimetresToDots()
{
    QFETCH(int, mm);
    QFETCH(int, dots);
    QCOMPARE(print::dotsFromMm(mm), dots);

    // Each coordinate is converted by itself, on both axes.
    Recorder r;
    r.printer.BeginDocument();
    r.printer.PrintText(mm, mm, u"a"_qs);
    QCOMPARE(r.surface->calls(Kind::Text).constFirst().from, QPoint(dots, dots));
}

void PrintHelpersTest::pageHeightFromPrintableDots_data()
{
    QTest::addColumn<int>("printableDots");
    QTest::addColumn<int>("heightMm");
    QTest::newRow("3300") << 3300 << 281;
    QTest::newRow("3507") << 3507 << 298;
    QTest::newRow("7014") << 7014 << 596;
    QTest::newRow("A4 full page") << 3494 << 297;
}

void PrintHelpersTest::pageHeightFromPrintableDots()
{
    QFETCH(int, printableDots);
    QFETCH(int, heightMm);
    Recorder r(QSize(2400, printableDots));
    QCOMPARE(r.printer.PageHeightMm(), heightMm);
    r.printer.SetOrientationByWord(u"Yan"_qs);
    QCOMPARE(r.printer.PageHeightMm(), 204); // landscape reads the other side: 2400 dots
}

void PrintHelpersTest::textAndLinesLandOnTheirDots()
{
    Recorder r;
    r.printer.SetFont(u"Times New Roman"_qs, 12);
    r.printer.SetFontColor(0xFF0000);
    r.printer.SetPenColor(0x00FF00);
    r.printer.BeginDocument(u"Report"_qs);
    r.printer.PrintText(15, 2, u"Başlık"_qs);
    r.printer.DrawLine(4, 13, 91, 30); // x1, y1, x2, y2
    r.printer.NewPage();
    r.printer.SetFontColor(255);
    r.printer.PrintText(6, 15, u"İkinci"_qs);
    QCOMPARE(r.printer.EndDocument(), QString());

    const auto& calls = r.surface->calls();
    QCOMPARE(calls.size(), 6);
    QCOMPARE(calls.at(0).kind, Kind::BeginDocument);
    QCOMPARE(calls.at(0).text, u"Report"_qs);

    const auto title = calls.at(1);
    QCOMPARE(title.kind, Kind::Text);
    QCOMPARE(title.from, QPoint(176, 24));
    QCOMPARE(title.text, u"Başlık"_qs);
    QCOMPARE(title.page, 1);
    QCOMPARE(title.state.fontName, u"Times New Roman"_qs);
    QCOMPARE(title.state.fontSize, 12);
    QCOMPARE(title.state.fontColour, 0xFF0000);

    const auto line = calls.at(2);
    QCOMPARE(line.kind, Kind::Line);
    QCOMPARE(line.from, QPoint(47, 153));
    QCOMPARE(line.to, QPoint(1071, 353));
    QCOMPARE(line.state.penColour, 0x00FF00);

    QCOMPARE(calls.at(3).kind, Kind::NewPage);
    QCOMPARE(calls.at(4).page, 2);
    QCOMPARE(calls.at(4).state.fontColour, 255);
    QCOMPARE(calls.at(4).state.fontName, u"Times New Roman"_qs); // only the colour changed
    QCOMPARE(calls.at(5).kind, Kind::EndDocument);
}

void PrintHelpersTest::stateAndOrientationPersistBetweenJobs()
{
    Recorder r;
    r.printer.SetOrientationByWord(u"Yan"_qs);
    r.printer.SetFont(u"Courier New"_qs, 9);
    r.printer.SetFontColor(0x123456);
    r.printer.BeginDocument();
    r.printer.EndDocument();
    r.printer.BeginDocument();
    r.printer.PrintText(1, 1, u"x"_qs);
    r.printer.EndDocument();
    const auto text = r.surface->calls(Kind::Text).constFirst();
    QCOMPARE(text.orientation, Orientation::Landscape);
    QCOMPARE(text.state.fontName, u"Courier New"_qs);
    QCOMPARE(text.state.fontSize, 9);
    QCOMPARE(text.state.fontColour, 0x123456);
}

void PrintHelpersTest::orientationWords_data()
{
    QTest::addColumn<Orientation>("before");
    QTest::addColumn<QString>("word");
    QTest::addColumn<Orientation>("after");
    QTest::newRow("Yan") << Orientation::Portrait << u"Yan"_qs << Orientation::Landscape;
    QTest::newRow("Düz") << Orientation::Landscape << u"Düz"_qs << Orientation::Portrait;
    QTest::newRow("yan keeps portrait") << Orientation::Portrait << u"yan"_qs << Orientation::Portrait;
    QTest::newRow("düz keeps landscape") << Orientation::Landscape << u"düz"_qs << Orientation::Landscape;
    QTest::newRow("YAN") << Orientation::Portrait << u"YAN"_qs << Orientation::Portrait;
    QTest::newRow("empty keeps landscape") << Orientation::Landscape << QString() << Orientation::Landscape;
    QTest::newRow("Yan with blank") << Orientation::Portrait << u"Yan "_qs << Orientation::Portrait;
    QTest::newRow("Duz without umlaut") << Orientation::Landscape << u"Duz"_qs << Orientation::Landscape;
}

void PrintHelpersTest::orientationWords()
{
    QFETCH(Orientation, before);
    QFETCH(QString, word);
    QFETCH(Orientation, after);
    Recorder r;
    r.surface->setOrientation(before);
    r.printer.SetOrientationByWord(word);
    QCOMPARE(r.surface->orientation(), after);
}

void PrintHelpersTest::jobOrderErrors_data()
{
    QTest::addColumn<bool>("inJob");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("error");
    const QString inProgress = u"Printing in progress"_qs;
    const QString notPrinting = u"Printer is not currently printing"_qs;
    QTest::newRow("begin while printing") << true << Step([](auto& p) { p.BeginDocument(); }) << inProgress;
    QTest::newRow("landscape while printing")
        << true << Step([](auto& p) { p.SetOrientationByWord(u"Yan"_qs); }) << inProgress;
    QTest::newRow("portrait while printing")
        << true << Step([](auto& p) { p.SetOrientationByWord(u"Düz"_qs); }) << inProgress;
    QTest::newRow("other word while printing")
        << true << Step([](auto& p) { p.SetOrientationByWord(u"yan"_qs); }) << QString();
    QTest::newRow("new page outside a job") << false << Step([](auto& p) { p.NewPage(); }) << notPrinting;
    QTest::newRow("end outside a job") << false << Step([](auto& p) { p.EndDocument(); }) << notPrinting;
    QTest::newRow("text outside a job") << false << Step([](auto& p) { p.PrintText(1, 1, u"x"_qs); }) << notPrinting;
    QTest::newRow("line outside a job") << false << Step([](auto& p) { p.DrawLine(1, 1, 2, 2); }) << notPrinting;
    QTest::newRow("font outside a job") << false << Step([](auto& p) { p.SetFont(u"Arial"_qs, 8); }) << QString();
    QTest::newRow("page height outside a job") << false << Step([](auto& p) { p.PageHeightMm(); }) << QString();
}

void PrintHelpersTest::jobOrderErrors()
{
    QFETCH(bool, inJob);
    QFETCH(Step, step);
    QFETCH(QString, error);
    Recorder r;
    if (inJob)
        r.printer.BeginDocument();
    const auto callsBefore = r.surface->calls().size();
    QCOMPARE(errorOf([&] { step(r.printer); }), error);
    if (!error.isEmpty())
        QCOMPARE(r.surface->calls().size(), callsBefore); // nothing reached the surface
    QCOMPARE(r.printer.isPrinting(), inJob);
    QCOMPARE(r.surface->orientation(), Orientation::Portrait);
}

void PrintHelpersTest::failedJobCanBeDroppedAndRestarted()
{
    Recorder r;
    r.printer.BeginDocument();
    QCOMPARE(errorOf([&] { r.printer.BeginDocument(); }), u"Printing in progress"_qs);
    r.printer.AbortDocument();
    QVERIFY(!r.printer.isPrinting());
    r.printer.BeginDocument();
    QCOMPARE(r.surface->calls().last().kind, Kind::BeginDocument);
    QCOMPARE(r.surface->calls(Kind::AbortDocument).size(), 1);
}

void PrintHelpersTest::pdfMeasuresTrueAtAnyResolution_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("300 dpi") << 300;
    QTest::newRow("600 dpi") << 600;
    QTest::newRow("1200 dpi") << 1200;
}

void PrintHelpersTest::pdfMeasuresTrueAtAnyResolution()
{
    QFETCH(int, dpi);
    test::PdfPrinter file(dpi);
    print::Tgenel& printer = file.printer;
    QCOMPARE(printer.PageHeightMm(), 297);
    printer.BeginDocument(u"Measure"_qs);
    QCOMPARE(printer.PageHeightMm(), 297);
    printer.DrawLine(10, 50, 110, 50);   // 100 mm across
    printer.DrawLine(150, 60, 150, 160); // 100 mm down
    printer.SetFont(u"Courier New"_qs, 10);
    printer.PrintText(20, 200, print::labelTestLine());
    printer.SetFont(u"Courier New"_qs, 20);
    printer.PrintText(20, 230, u"W"_qs);
    QCOMPARE(printer.EndDocument(), file.path);

    const auto lines = test::darkRunsMm(file.path);
    QVERIFY2(lines.has_value(), "pdftoppm could not render the file");
    const auto [left, right] = test::horizontalRunMm(*lines, 50);
    VERIFY_NEAR(left, 10, 0.3);
    VERIFY_NEAR(right, 110, 0.3);
    const auto [top, bottom] = test::verticalRunMm(*lines, 150);
    VERIFY_NEAR(top, 60, 0.3);
    VERIFY_NEAR(bottom, 160, 0.3);

    const auto words = test::pdfWords(file.path);
    const auto xs = test::wordsWithText(words, u"X"_qs);
    const auto ws = test::wordsWithText(words, u"W"_qs);
    QCOMPARE(words.size(), 3);
    QCOMPARE(xs.size(), 2);
    QCOMPARE(ws.size(), 1);
    // A 10 point fixed-pitch cell is 6 points wide: 79 cells lie between the two letters at any resolution.
    VERIFY_NEAR((xs.at(1).xMin - xs.at(0).xMin) * MmPerPoint, 79 * 6 * MmPerPoint, 0.1);
    VERIFY_NEAR(xs.at(0).xMin * MmPerPoint, 20, 0.3);
    // The cell's top is where the text was placed, and a 20 point letter is twice as tall as a 10 point one.
    VERIFY_NEAR(xs.at(0).yMin * MmPerPoint, 200, 0.3);
    const double small = xs.at(0).yMax - xs.at(0).yMin;
    VERIFY_NEAR((ws.at(0).yMax - ws.at(0).yMin) / small, 2, 0.01);
    VERIFY_NEAR(small, 10 * 1.13, 0.2); // a cell is 1.13 em high
}

void PrintHelpersTest::pdfLandscapePageHeight()
{
    test::PdfPrinter file(600);
    print::Tgenel& printer = file.printer;
    printer.SetOrientationByWord(u"Yan"_qs);
    QCOMPARE(printer.PageHeightMm(), 210);
    printer.BeginDocument();
    printer.DrawLine(10, 20, 280, 20);
    printer.EndDocument();
    const auto size = test::pdfPageSizeMm(file.path);
    VERIFY_NEAR(size.width(), 297, 1);
    VERIFY_NEAR(size.height(), 210, 1);
    const auto across = test::horizontalRunMm(*test::darkRunsMm(file.path), 20);
    VERIFY_NEAR(across.second - across.first, 270, 0.3);
}

void PrintHelpersTest::sameEndPointsLeaveNoMark()
{
    test::PdfPrinter file(300);
    file.printer.BeginDocument();
    file.printer.DrawLine(50, 50, 50, 50);
    file.printer.DrawLine(10, 100, 20, 100); // a visible line proves the render saw the page
    file.printer.EndDocument();
    const auto dark = test::darkRunsMm(file.path);
    QVERIFY(dark.has_value());
    QCOMPARE(test::horizontalRunMm(*dark, 50), std::make_pair(-1.0, -1.0));
    QVERIFY(test::horizontalRunMm(*dark, 100).first >= 0);
}

void PrintHelpersTest::withoutPrinterJobGoesToPrintsFolder()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed on this machine");
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"Prints"_qs);
    auto* surface = new print::PrinterSurface(folder);
    surface->setClock([] { return QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7)); });
    print::Tgenel printer{std::unique_ptr<print::PrintSurface>(surface)};
    QCOMPARE(printer.PageHeightMm(), 297);
    printer.BeginDocument(u"Liste/Rapor"_qs);
    printer.PrintText(10, 10, u"Merhaba"_qs);
    const QString saved = printer.EndDocument();
    QCOMPARE(saved, QDir(folder).filePath(u"Liste_Rapor 2024-03-09 14.05.07.pdf"_qs));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    const auto words = test::pdfWords(saved);
    QCOMPARE(words.size(), 1);
    QCOMPARE(words.at(0).text, u"Merhaba"_qs);
    VERIFY_NEAR(words.at(0).xMin * MmPerPoint, 10, 0.3);
    QVERIFY(print::savedPrintoutMessage(saved).contains(saved));

    // The same job in the same second does not overwrite the first file.
    printer.BeginDocument(u"Liste/Rapor"_qs);
    const QString second = printer.EndDocument();
    QCOMPARE(second, QDir(folder).filePath(u"Liste_Rapor 2024-03-09 14.05.07 (2).pdf"_qs));
}

void PrintHelpersTest::withoutPrinterOrFolderTheJobFails()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed on this machine");
    print::Tgenel printer(std::make_unique<print::PrinterSurface>());
    QCOMPARE(errorOf([&] { printer.BeginDocument(); }), u"There is no default printer currently selected"_qs);
    QVERIFY(!printer.isPrinting());
}

namespace {

enum class Target { PdfFile, PrintsFolder, Printer };

} // namespace

void PrintHelpersTest::droppedJobLeavesTheFolderAsItWas_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<QByteArray>("before"); // what the chosen PDF file held, empty when there was none
    QTest::newRow("new PDF file") << Target::PdfFile << QByteArray();
    QTest::newRow("PDF file over an older one") << Target::PdfFile << QByteArray("%PDF-1.4 the older printout");
    QTest::newRow("no printer: the Prints folder") << Target::PrintsFolder << QByteArray();
    QTest::newRow("a printer: nothing reaches its queue") << Target::Printer << QByteArray();
}

void PrintHelpersTest::droppedJobLeavesTheFolderAsItWas()
{
    QFETCH(Target, target);
    QFETCH(QByteArray, before);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Labels.pdf"_qs);
    if (!before.isEmpty()) {
        QFile older(path);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write(before);
    }
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
    test::FakeQueue queue{test::officeQueue(5), {}, {}};
    std::unique_ptr<print::PrintSurface> surface;
    if (target == Target::PdfFile)
        surface = std::make_unique<print::PdfSurface>(path);
    else if (target == Target::PrintsFolder)
        surface.reset(queue.attach(new print::PrinterSurface(dir.path()), dir.path()));
    else
        surface.reset(queue.attach(new print::PrinterSurface(), dir.path()));
    if (target == Target::PrintsFolder)
        static_cast<print::PrinterSurface*>(surface.get())->setQueueLookup([] { return std::nullopt; });
    print::Tgenel printer(std::move(surface));
    printer.BeginDocument(u"Labels"_qs);
    printer.PrintText(10, 10, u"Sayın"_qs);
    printer.NewPage();
    printer.PrintText(10, 10, u"Sayın"_qs);
    printer.AbortDocument();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    QVERIFY(queue.jobs.isEmpty());
    if (!before.isEmpty()) {
        QFile older(path);
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), before);
    }

    // A job that completes writes its file, or hands it whole to the queue and keeps no copy.
    printer.BeginDocument(u"Labels"_qs);
    printer.PrintText(10, 10, u"Sayın"_qs);
    QString saved = printer.EndDocument();
    QCOMPARE(saved.isEmpty(), target == Target::Printer);
    if (target == Target::Printer) {
        QCOMPARE(queue.jobs.size(), 1);
        QCOMPARE(queue.jobs.at(0).title, u"Labels"_qs);
        saved = queue.saveLastJob(dir.filePath(u"handed over.pdf"_qs));
    }
    QCOMPARE(test::pdfWords(saved).value(0).text, u"Sayın"_qs);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), filesBefore.size() + (before.isEmpty() ? 1 : 0));
}

void PrintHelpersTest::printerJobIsLaidOutForItsQueue_data()
{
    QTest::addColumn<print::PrintQueue>("queue");
    QTest::addColumn<Orientation>("orientation");
    QTest::addColumn<QSizeF>("pageMm");
    QTest::addColumn<print::PrintJobOptions>("options");
    QTest::newRow("A4, one side") << test::officeQueue(5) << Orientation::Portrait << QSizeF(210, 297)
                                  << print::PrintJobOptions{{"media", "A4"}, {"sides", "one-sided"}};
    QTest::newRow("Letter across, both sides")
        << test::officeQueue(8, QPrinter::DuplexAuto, QPageSize::Letter) << Orientation::Landscape
        << QSizeF(279.4, 215.9)
        << print::PrintJobOptions{{"media", "Letter"}, {"sides", "two-sided-short-edge"}, {"landscape", ""}};
}

void PrintHelpersTest::printerJobIsLaidOutForItsQueue()
{
    QFETCH(print::PrintQueue, queue);
    QFETCH(Orientation, orientation);
    QFETCH(QSizeF, pageMm);
    QFETCH(print::PrintJobOptions, options);
    const double margin = queue.layout.margins(QPageLayout::Millimeter).left();
    QTemporaryDir dir;
    test::FakeQueue fake{queue, {}, {}};
    print::Tgenel printer(std::unique_ptr<print::PrintSurface>(fake.attach(new print::PrinterSurface(), dir.path())));
    printer.SetOrientationByWord(orientation == Orientation::Landscape ? u"Yan"_qs : u"Düz"_qs);
    QCOMPARE(printer.PageHeightMm(), qRound(pageMm.height() - 2 * margin));
    printer.BeginDocument(u"Rapor"_qs);
    printer.PrintText(10, 20, u"Merhaba"_qs);
    QCOMPARE(printer.EndDocument(), QString());
    QCOMPARE(fake.jobs.size(), 1);
    QCOMPARE(fake.jobs.at(0).queue, u"Office"_qs);
    QCOMPARE(fake.jobs.at(0).options, options);
    const QString handed = fake.saveLastJob(dir.filePath(u"job.pdf"_qs));
    // Drawn inside the printable margins on the queue's own paper, as the printer lays a page out itself.
    const QSizeF size = test::pdfPageSizeMm(handed);
    VERIFY_NEAR(size.width(), pageMm.width(), 0.5);
    VERIFY_NEAR(size.height(), pageMm.height(), 0.5);
    VERIFY_NEAR(test::pdfWords(handed).value(0).xMin * MmPerPoint, 10 + margin, 0.3);

    // A queue that refuses the job says so, and no spooled file stays behind.
    fake.refusal = u"The printer 'Office' did not take the print job: stopped"_qs;
    printer.BeginDocument(u"Rapor"_qs);
    QCOMPARE(errorOf([&] { printer.EndDocument(); }), fake.refusal);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"job.pdf"_qs});
}

void PrintHelpersTest::fallbackFileNames()
{
    QTemporaryDir dir;
    const QDateTime time(QDate(2025, 12, 31), QTime(23, 59, 58));
    QCOMPARE(QFileInfo(print::fallbackFilePath(dir.path(), u"Etiket Dökümü"_qs, time)).fileName(),
             u"Etiket Dökümü 2025-12-31 23.59.58.pdf"_qs);
    QCOMPARE(QFileInfo(print::fallbackFilePath(dir.path(), u"../a:b*c"_qs, time)).fileName(),
             u"Print.._a_b_c 2025-12-31 23.59.58.pdf"_qs);
    QCOMPARE(QFileInfo(print::fallbackFilePath(dir.path(), QString(), time)).fileName(),
             u"Print 2025-12-31 23.59.58.pdf"_qs);
    QCOMPARE(QFileInfo(print::fallbackFilePath(dir.path(), u"x"_qs, time)).absolutePath(), dir.path());
}

void PrintHelpersTest::ratioTestPageInDots()
{
    Recorder r;
    r.printer.SetPenColor(0x00FF00); // left by an earlier job
    r.surface->setOutputFile(u"/tmp/ratio.pdf"_qs);
    QCOMPARE(print::printRatioTestPage(r.printer), u"/tmp/ratio.pdf"_qs);
    const auto texts = r.surface->calls(Kind::Text);
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts.at(0).from, QPoint(100, 100));
    QCOMPARE(texts.at(0).text, u"Lütfen ekrana gelecek olan soruları cevaplandırmak için "_qs);
    QCOMPARE(texts.at(1).from, QPoint(100, 200));
    QCOMPARE(texts.at(1).text, u"aşağıdaki dörtgenin boyutlarını ölçünüz."_qs);
    for (const auto& text : texts) {
        QCOMPARE(text.state.fontName, u"Arial"_qs);
        QCOMPARE(text.state.fontSize, 10);
        QCOMPARE(text.state.fontColour, 0x0000FF);
    }
    const auto squares = r.surface->calls(Kind::Rectangle);
    QCOMPARE(squares.size(), 1);
    QCOMPARE(squares.at(0).from, QPoint(294, 294));
    QCOMPARE(squares.at(0).to, QPoint(1471, 1471));
    QCOMPARE(squares.at(0).state.penColour, 0);
    QCOMPARE(r.printer.state().penColour, 0x00FF00); // the caller's pen is given back
    QCOMPARE(r.surface->calls().constLast().kind, Kind::EndDocument);
}

void PrintHelpersTest::ratioSquareMeasuresItsNominalSide()
{
    test::PdfPrinter file(300);
    print::printRatioTestPage(file.printer);
    const auto raster = test::darkRunsMm(file.path);
    QVERIFY(raster.has_value());
    // The square from 25 mm to 125 mm on both axes (1177 nominal dots, 100.05 mm).
    const auto top = test::horizontalRunMm(*raster, 25);
    const auto right = test::verticalRunMm(*raster, 125); // the left side shares its column with the text
    for (const auto& [from, to] : {top, right}) {
        VERIFY_NEAR(from, 25, 0.2);
        VERIFY_NEAR(to, 125, 0.2);
    }
}

void PrintHelpersTest::labelTestPageOnPaper()
{
    test::PdfPrinter file(600);
    QCOMPARE(print::printLabelTestPage(file.printer), file.path);
    QVERIFY(!file.printer.isPrinting());

    const auto words = test::pdfWords(file.path);
    const auto xs = test::wordsWithText(words, u"X"_qs);
    const auto dots = test::wordsWithText(words, u"."_qs);
    QCOMPARE(xs.size(), 2);
    QCOMPARE(dots.size(), 2);
    QCOMPARE(xs.at(0).yMin, xs.at(1).yMin);                                               // one line
    VERIFY_NEAR((xs.at(1).xMin - xs.at(0).xMin) * MmPerPoint / 79, 6 * MmPerPoint, 0.01); // one cell
    QCOMPARE(dots.at(0).xMin, dots.at(1).xMin);
    VERIFY_NEAR((dots.at(1).yMin - dots.at(0).yMin) * MmPerPoint, 100, 0.1);
}

// The layout from learnt glyph pairs must put the same glyphs where Qt's own layout does, in a print frame's huge
// font and in a small one; what the pairs cannot tell goes to the full layout.
void PrintHelpersTest::cachedLayoutMatchesQtLayout()
{
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    device.setResolution(1200);
    const QStringList plain = {u"AVATAR Tavşan"_qs,
                               u"Yıldız Şirketi Ltd. Şti."_qs,
                               u"İĞÜŞÖÇ ığüşöç Iı İi"_qs,
                               u"To Wa Yo P.K. 34-12/7 \"Sayın\" (x) %50 & 1.250,00 TL"_qs,
                               u"  two  spaces"_qs,
                               u"fi fl ffi office"_qs,
                               u"Ľubomír Đorđević Łódź æøå"_qs};
    const QStringList toFullLayout = {u"Ali "_qs,         u"I\u0307stanbul"_qs,
                                      u"tab\there"_qs,    u"\u0645\u0631\u062d\u0628\u0627"_qs,
                                      u"\u6f22\u5b57"_qs, u"soft\u00adhyphen"_qs};
    for (const int pixels : {2667, 40}) {
        QFont font(u"Arial"_qs);
        font.setPixelSize(pixels);
        print::CachedShaper shaper(font, &device);
        for (const QString& text : plain + plain) { // the second time from what was learnt
            print::CachedShaper::Line cached;
            if (!shaper.shape(text, cached)) {
                // Only a ligature the font makes may send a plain text to the full layout.
                QVERIFY2(text.contains(u"f"_qs), qPrintable(text));
                continue;
            }
            const print::CachedShaper::Line qt = print::CachedShaper::layOut(text, font, &device);
            QCOMPARE(cached.run.glyphIndexes(), qt.run.glyphIndexes());
            QCOMPARE(cached.run.positions(), qt.run.positions());
            QCOMPARE(cached.width, qt.width);
            QCOMPARE(cached.run.rawFont(), qt.run.rawFont());
        }
        for (const QString& text : toFullLayout) {
            print::CachedShaper::Line cached;
            QVERIFY2(!shaper.shape(text, cached), qPrintable(text));
        }
    }
}

QTEST_MAIN(PrintHelpersTest)
#include "tst_printhelpers.moc"
