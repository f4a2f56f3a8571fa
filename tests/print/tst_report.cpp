#include "LocaleScope.h"
#include "PdfMeasure.h"
#include "RecordingSurface.h"

#include "ErrorOf.h"

#include "core/Error.h"
#include "print/ReportLayout.h"
#include "print/Tgenel.h"

#include <QTest>

using namespace corvella;
using print::ReportColumn;
using store::FieldKind;
using test::mm;
using test::RecordingSurface;
using Kind = RecordingSurface::Kind;
using Columns = QList<ReportColumn>;
using Points = QList<QPoint>;

Q_DECLARE_METATYPE(print::ReportColumn)

namespace {

/// Rows held in memory; can fail at a chosen row to stand for a data layer that breaks part-way.
class MemoryRows : public print::ReportRows {
public:
    explicit MemoryRows(QList<QVariantList> rows, qint64 failAt = -1)
        : m_rows(std::move(rows))
        , m_failAt(failAt)
    {}
    qint64 count() const override { return m_rows.size(); }
    void first() override { m_at = 0; }
    void next() override
    {
        if (++m_at == m_failAt)
            throw DatabaseError(u"disk I/O error"_qs);
    }
    QVariant value(int column) const override { return m_rows.at(m_at).value(column); }

private:
    QList<QVariantList> m_rows;
    qint64 m_at = 0;
    qint64 m_failAt;
};

print::ReportInput input(int pitch, Columns columns)
{
    return print::ReportInput{pitch, {u"Arial"_qs, 14}, {u"Arial"_qs, 8}, u"List/Report"_qs, std::move(columns)};
}

const Columns fourColumns = {
    {u"Ad"_qs, FieldKind::Text, 10},
    {u"Adres"_qs, FieldKind::Text, 30},
    {u"Kod"_qs, FieldKind::Text, 5},
    {u"Tutar"_qs, FieldKind::Integer, 0},
};

QList<QVariantList> rowsOf(int count)
{
    QList<QVariantList> rows;
    for (int i = 0; i < count; ++i)
        rows << QVariantList{u"ad%1"_qs.arg(i), u"adres"_qs, u"k"_qs, i};
    return rows;
}

print::ReportRule rule(int x1, int y1, int x2, int y2)
{
    return {{x1, y1}, {x2, y2}};
}

/// Five columns of 25 characters and a last text column of `length`, which sets T.
Columns sixColumns(int lastLength)
{
    Columns columns(5, ReportColumn{u"Uzun"_qs, FieldKind::Text, 70});
    columns << ReportColumn{u"Son"_qs, FieldKind::Text, lastLength};
    return columns;
}

const Columns contactColumns = {
    {u"Firma Adi"_qs, FieldKind::Text, 30},  {u"Sektör"_qs, FieldKind::Text, 50},
    {u"Alt Sektör"_qs, FieldKind::Text, 50}, {u"Ad"_qs, FieldKind::Text, 25},
    {u"Soyad"_qs, FieldKind::Text, 30},      {u"Sehir"_qs, FieldKind::Text, 30},
    {u"e-mail"_qs, FieldKind::Text, 25},
};

} // namespace

class ReportTest : public QObject {
    Q_OBJECT
private slots:
    void tableAcross_data();
    void tableAcross();
    void pageLines_data();
    void pageLines();
    void fourColumnPage();
    void drawingWalksTheLayout_data();
    void drawingWalksTheLayout();
    void numbersOnFirstAndLaterRows();
    void widthsAndHeadings_data();
    void widthsAndHeadings();
    void contactReportHeadings();
    void failurePartWayDropsTheJob();
    void progressCountsPagesAndCanStopTheRun_data();
    void progressCountsPagesAndCanStopTheRun();
    void pdfPutsTitleAndHeadingWhereLaidOut();
    void settingsOutOfRange();
};

void ReportTest::tableAcross_data()
{
    QTest::addColumn<Columns>("columns");
    QTest::addColumn<int>("widthMm");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("rightMm");
    QTest::addColumn<QList<int>>("textX");
    QTest::addColumn<QList<int>>("separatorX");
    // Widths 11, 25, 6 and 16: 62 units, T = Round(80.6).
    QTest::newRow("four columns") << fourColumns << 81 << false << 91 << QList<int>{6, 22, 56, 65}
                                  << QList<int>{4, 21, 55, 64};
    const QList<int> sixX = {6, 40, 74, 108, 141, 175};
    const QList<int> sixSeparators = {4, 39, 73, 107, 140, 174};
    // 5 x 26 units and the last column's n + 2: Round(1.3 x 149) = 194, Round(1.3 x 150) = 195.
    QTest::newRow("194 mm portrait") << sixColumns(17) << 194 << false << 204 << sixX << sixSeparators;
    QTest::newRow("195 mm landscape") << sixColumns(18) << 195 << true << 205 << sixX << sixSeparators;
    QTest::newRow("contact report: 7 x 26 units")
        << contactColumns << 237 << true << 247 << sixX + QList<int>{209} << sixSeparators + QList<int>{208};
    QTest::newRow("no columns") << Columns() << 0 << false << 10 << QList<int>() << QList<int>();
}

void ReportTest::tableAcross()
{
    QFETCH(Columns, columns);
    QFETCH(int, widthMm);
    QFETCH(bool, landscape);
    QFETCH(int, rightMm);
    QFETCH(QList<int>, textX);
    QFETCH(QList<int>, separatorX);
    const print::ReportTable table = print::reportTable(columns);
    QCOMPARE(print::reportTableWidthMm(columns), widthMm);
    QCOMPARE(table.widthMm, widthMm);
    QCOMPARE(table.landscape, landscape);
    QCOMPARE(table.leftMm, 4);
    QCOMPARE(table.rightMm, rightMm);
    QCOMPARE(table.textXMm, textX);
    QCOMPARE(table.separatorXMm, separatorX);
}

void ReportTest::pageLines_data()
{
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("lines");
    // The page's first printed row (four columns, the last a number): its rule, a text's y and the number's y.
    QTest::addColumn<int>("ruleY");
    QTest::addColumn<int>("textY");
    QTest::addColumn<int>("numberY");
    QTest::addColumn<int>("bottomY");
    QTest::addColumn<bool>("full");
    QTest::newRow("three rows") << 5 << 297 << 0 << 3 << 3 << 13 << 14 << 14 << 31 << false;
    QTest::newRow("rows after the first") << 5 << 297 << 1 << 3 << 2 << 13 << 14 << 15 << 26 << false;
    QTest::newRow("110 rows: page 1") << 5 << 281 << 0 << 110 << 52 << 13 << 14 << 14 << 273 << true;
    QTest::newRow("110 rows: page 2") << 5 << 281 << 52 << 110 << 52 << 13 << 14 << 15 << 273 << true;
    QTest::newRow("110 rows: page 3") << 5 << 281 << 104 << 110 << 6 << 13 << 14 << 15 << 46 << false;
    QTest::newRow("one row: bottom at 4L + 1") << 6 << 297 << 0 << 1 << 1 << 16 << 17 << 17 << 25 << false;
    QTest::newRow("empty list: one empty row") << 5 << 297 << 0 << 0 << 1 << 13 << 14 << 14 << 21 << false;
    QTest::newRow("52 rows fill page 1") << 5 << 281 << 0 << 52 << 52 << 13 << 14 << 14 << 273 << true;
    QTest::newRow("then headings and frame") << 5 << 281 << 52 << 52 << 0 << 0 << 0 << 0 << 16 << false;
    QTest::newRow("zero pitch never breaks") << 0 << 281 << 0 << 200 << 200 << -2 << -1 << -1 << 1 << false;
}

void ReportTest::pageLines()
{
    QFETCH(int, pitch);
    QFETCH(int, pageHeight);
    QFETCH(int, firstRow);
    QFETCH(int, rowCount);
    QFETCH(int, lines);
    QFETCH(int, ruleY);
    QFETCH(int, textY);
    QFETCH(int, numberY);
    QFETCH(int, bottomY);
    QFETCH(bool, full);
    const print::ReportPage page =
        print::reportPage(print::reportTable(fourColumns), pitch, pageHeight, firstRow, rowCount);
    QCOMPARE(page.lines.size(), lines);
    QCOMPARE(page.full, full);
    QCOMPARE(page.headingsMm.first().y(), pitch);
    QCOMPARE(page.frame.at(2), rule(4, bottomY, 91, bottomY));
    if (lines == 0)
        return;
    const print::ReportLine& first = page.lines.first();
    QCOMPARE(first.row, firstRow);
    QCOMPARE(first.rule, rule(4, ruleY, 91, ruleY));
    QCOMPARE(first.valuesMm.first().y(), textY);
    QCOMPARE(first.valuesMm.last().y(), numberY);
    // Each further row one pitch lower.
    QCOMPARE(page.lines.last().rule.fromMm.y(), ruleY + (lines - 1) * pitch);
}

void ReportTest::fourColumnPage()
{
    const print::ReportPage page = print::reportPage(print::reportTable(fourColumns), 5, 297, 0, 3);
    QCOMPARE(page.headingsMm, Points({{6, 5}, {22, 5}, {56, 5}, {65, 5}}));
    QCOMPARE(page.lines.at(0).valuesMm, Points({{6, 14}, {22, 14}, {56, 14}, {65, 14}}));
    // Later rows: text one millimetre above the line, the number on it.
    QCOMPARE(page.lines.at(1).valuesMm, Points({{6, 19}, {22, 19}, {56, 19}, {65, 20}}));
    QCOMPARE(page.lines.at(1).rule, rule(4, 18, 91, 18));
    // The frame: top, heading underline, bottom, both sides, then one separator per column.
    const QList<print::ReportRule> frame = {rule(4, 5, 91, 5),   rule(4, 11, 91, 11), rule(4, 31, 91, 31),
                                            rule(4, 5, 4, 31),   rule(91, 5, 91, 31), rule(4, 5, 4, 31),
                                            rule(21, 5, 21, 31), rule(55, 5, 55, 31), rule(64, 5, 64, 31)};
    QCOMPARE(page.frame, frame);
}

void ReportTest::drawingWalksTheLayout_data()
{
    QTest::addColumn<Columns>("columns");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("printableDots"); // portrait height
    QTest::addColumn<int>("pageHeight");    // in the orientation printed
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("landscape");
    QTest::newRow("three rows") << fourColumns << 5 << 3494 << 297 << 3 << 1 << false;
    QTest::newRow("110 rows on 281 mm pages") << fourColumns << 5 << 3300 << 281 << 110 << 3 << false;
    QTest::newRow("last row fills a page") << fourColumns << 5 << 3300 << 281 << 52 << 2 << false;
    QTest::newRow("195 mm wide") << sixColumns(18) << 5 << 3494 << 210 << 60 << 2 << true;
    QTest::newRow("empty list") << fourColumns << 5 << 3494 << 297 << 0 << 1 << false;
    QTest::newRow("zero pitch") << fourColumns << 0 << 3494 << 297 << 200 << 1 << false;
}

void ReportTest::drawingWalksTheLayout()
{
    QFETCH(Columns, columns);
    QFETCH(int, pitch);
    QFETCH(int, printableDots);
    QFETCH(int, pageHeight);
    QFETCH(int, rowCount);
    QFETCH(int, pages);
    QFETCH(bool, landscape);
    test::RecordedPrinter r(QSize(2471, printableDots));
    MemoryRows rows(QList<QVariantList>(rowCount, QVariantList(columns.size(), u"x"_qs)));
    print::printReport(r.printer, input(pitch, columns), rows);

    // What the layout gives, page by page, as the surface should have received it.
    constexpr int Red = 0x0000FF;
    constexpr int Blue = 0xFF0000;
    const print::ReportTable table = print::reportTable(columns);
    QList<QPoint> texts{print::ReportTitleMm};
    QList<int> textPages{1};
    QList<int> textColours{Red};
    QList<print::ReportRule> lines;
    qint64 firstRow = 0;
    for (int number = 1;; ++number) {
        const print::ReportPage page = print::reportPage(table, pitch, pageHeight, firstRow, rowCount);
        texts << page.headingsMm;
        textPages << QList<int>(page.headingsMm.size(), number);
        textColours << QList<int>(page.headingsMm.size(), Red);
        for (const print::ReportLine& line : page.lines) {
            texts << line.valuesMm;
            textPages << QList<int>(line.valuesMm.size(), number);
            textColours << QList<int>(line.valuesMm.size(), Blue);
            lines << QList<print::ReportRule>(columns.size(), line.rule); // each value draws the row's rule
        }
        lines << page.frame;
        if (!page.full) {
            QCOMPARE(number, pages);
            break;
        }
        firstRow = page.lines.constLast().row + 1;
    }

    QList<QPoint> drawnTexts;
    QList<int> drawnPages;
    QList<int> drawnColours;
    for (const auto& call : r.surface->calls(Kind::Text)) {
        drawnTexts << mm(call.from);
        drawnPages << call.page;
        drawnColours << call.state.fontColour;
        QCOMPARE(call.orientation, landscape ? print::Orientation::Landscape : print::Orientation::Portrait);
    }
    QList<print::ReportRule> drawnLines;
    for (const auto& call : r.surface->calls(Kind::Line)) {
        drawnLines << print::ReportRule{mm(call.from), mm(call.to)};
        QCOMPARE(call.state.penColour, 0);
    }
    QCOMPARE(drawnTexts, texts);
    QCOMPARE(drawnPages, textPages); // the title on the first page only
    QCOMPARE(drawnColours, textColours);
    QCOMPARE(drawnLines, lines);
    QCOMPARE(r.surface->calls(Kind::NewPage).size(), pages - 1);
    QCOMPARE(r.surface->calls(Kind::BeginDocument).size(), 1);
    QCOMPARE(r.surface->calls(Kind::EndDocument).size(), 1);
    QCOMPARE(r.surface->orientation(), print::Orientation::Portrait); // turned back after the job

    // The title at (15, 2) in its font; everything after it in the list font.
    const auto drawn = r.surface->calls(Kind::Text);
    QCOMPARE(drawn.first().text, u"List/Report"_qs);
    QCOMPARE(mm(drawn.first().from), QPoint(15, 2));
    QCOMPARE(drawn.first().state.fontSize, 14);
    for (qsizetype i = 1; i < drawn.size(); ++i)
        QCOMPARE(drawn.at(i).state.fontSize, 8);
    if (rowCount == 0) {
        for (qsizetype i = 1 + columns.size(); i < drawn.size(); ++i)
            QCOMPARE(drawn.at(i).text, QString()); // the empty row
    }
}

void ReportTest::numbersOnFirstAndLaterRows()
{
    test::LocaleScope turkish(QLocale(QLocale::Turkish, QLocale::Turkey));
    const print::ReportColumn amount{u"Tutar"_qs, FieldKind::Float, 0};
    QCOMPARE(print::reportValueText(amount, 1234.5, true), u"1.234,5"_qs);
    QCOMPARE(print::reportValueText(amount, 1234.5, false), u"1.234,50"_qs);
    QCOMPARE(print::reportValueText(amount, 0.0, true), QString());
    QCOMPARE(print::reportValueText(amount, 0.0, false), u"0,00"_qs);
    QCOMPARE(print::reportValueText(amount, 1234567.891, false), u"1.234.567,89"_qs);
    const print::ReportColumn text{u"Ad"_qs, FieldKind::Text, 10};
    QCOMPARE(print::reportValueText(text, QVariant(), false), QString());
    QCOMPARE(print::reportValueText(text, u"1234.5"_qs, true), u"1234.5"_qs);
}

void ReportTest::widthsAndHeadings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("heading");
    QTest::newRow("autonumber") << u"Kayıt_Numarası"_qs << int(FieldKind::AutoNumber) << 0 << 4 << u"Kayıt N"_qs;
    QTest::newRow("long text capped") << u"Adres 1"_qs << int(FieldKind::Text) << 70 << 25 << u"Adres 1"_qs;
    QTest::newRow("Strateji") << u"Strateji"_qs << int(FieldKind::Text) << 5 << 30 << u"Strateji"_qs;
    QTest::newRow("Strateji number") << u"Strateji"_qs << int(FieldKind::Float) << 0 << 30 << u"Strateji"_qs;
    QTest::newRow("currency capped") << u"Ücret"_qs << int(FieldKind::Currency) << 0 << 25 << u"Ücret"_qs;
    QTest::newRow("yes/no") << u"Aktif_Mi_Acaba"_qs << int(FieldKind::Boolean) << 0 << 6 << u"Aktif Mi "_qs;
    QTest::newRow("date") << u"Tarih"_qs << int(FieldKind::Date) << 0 << 11 << u"Tarih"_qs;
    QTest::newRow("time") << u"Saat"_qs << int(FieldKind::Time) << 0 << 8 << u"Saat"_qs;
    QTest::newRow("stamp") << u"Zaman"_qs << int(FieldKind::DateTime) << 0 << 9 << u"Zaman"_qs;
    QTest::newRow("memo") << u"Notlar"_qs << int(FieldKind::Memo) << 0 << 0 << u"Not"_qs;
    QTest::newRow("small int") << u"Yaş"_qs << int(FieldKind::SmallInt) << 0 << 16 << u"Yaş"_qs;
}

void ReportTest::widthsAndHeadings()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(int, size);
    QFETCH(int, width);
    QFETCH(QString, heading);
    const print::ReportColumn column{name, FieldKind(kind), size};
    QCOMPARE(print::reportColumnWidth(column), width);
    QCOMPARE(print::reportHeading(column), heading);
}

void ReportTest::contactReportHeadings()
{
    test::RecordedPrinter r;
    MemoryRows rows({QVariantList(7, u"v"_qs)});
    print::printReport(r.printer, input(5, contactColumns), rows);
    QCOMPARE(r.surface->texts().mid(1, 7), QStringList({u"Firma Adi"_qs, u"Sektör"_qs, u"Alt Sektör"_qs, u"Ad"_qs,
                                                        u"Soyad"_qs, u"Sehir"_qs, u"e-mail"_qs}));
    QCOMPARE(print::reportTableWidthMm(contactColumns), 237); // 7 x 26 units: landscape
    QCOMPARE(r.surface->calls(Kind::Text).at(1).orientation, print::Orientation::Landscape);
}

void ReportTest::failurePartWayDropsTheJob()
{
    test::RecordedPrinter r;
    Columns wide(8, ReportColumn{u"Uzun"_qs, FieldKind::Text, 70});
    MemoryRows rows(QList<QVariantList>(10, QVariantList(8, u"x"_qs)), 4);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, print::printReport(r.printer, input(5, wide), rows));
    QCOMPARE(r.surface->calls(Kind::AbortDocument).size(), 1);
    QCOMPARE(r.surface->calls(Kind::EndDocument).size(), 0);
    QVERIFY(!r.printer.isPrinting());
    QCOMPARE(r.surface->orientation(), print::Orientation::Portrait);
    // The helpers are ready for the next job.
    MemoryRows again(rowsOf(2));
    print::printReport(r.printer, input(5, fourColumns), again);
    QCOMPARE(r.surface->calls(Kind::EndDocument).size(), 1);
}

void ReportTest::progressCountsPagesAndCanStopTheRun_data()
{
    QTest::addColumn<int>("stopAt"); // the pages done when the progress asks to stop; -1 never
    QTest::newRow("whole run") << -1;
    QTest::newRow("declined before the job") << 0;
    QTest::newRow("stopped after page 2") << 2;
}

void ReportTest::progressCountsPagesAndCanStopTheRun()
{
    QFETCH(int, stopAt);
    test::RecordedPrinter r;
    // Lines 60 mm apart: two rows on the first page, one on each of the next four, and an empty page after the last
    // full one.
    MemoryRows rows(rowsOf(6));
    const qint64 pages = 6;
    QStringList seen;
    const auto progress = [&](qint64 done, qint64 total) {
        seen << u"%1/%2"_qs.arg(done).arg(total);
        return done != stopAt;
    };
    const auto run = [&] { print::printReport(r.printer, input(60, fourColumns), rows, progress); };
    if (stopAt < 0)
        run();
    else
        QVERIFY_THROWS_EXCEPTION(CancelledError, run());
    // Once before the job, then once a page.
    const qint64 last = stopAt < 0 ? pages : stopAt;
    QStringList steps;
    for (qint64 done = 0; done <= last; ++done)
        steps << u"%1/%2"_qs.arg(done).arg(pages);
    QCOMPARE(seen, steps);
    QCOMPARE(r.surface->calls(Kind::BeginDocument).size(), last > 0 ? 1 : 0);
    QCOMPARE(r.surface->calls(Kind::NewPage).size(), std::max<qint64>(0, last - 1));
    QCOMPARE(r.surface->calls(Kind::EndDocument).size(), stopAt < 0 ? 1 : 0);
    QCOMPARE(r.surface->calls(Kind::AbortDocument).size(), stopAt > 0 ? 1 : 0);
    QVERIFY(!r.printer.isPrinting());
}

void ReportTest::pdfPutsTitleAndHeadingWhereLaidOut()
{
    test::PdfPrinter file(600);
    MemoryRows rows(rowsOf(3));
    const Columns columns = {{u"Firma"_qs, FieldKind::Text, 10}, {u"Sehir"_qs, FieldKind::Text, 20}};
    print::printReport(file.printer, input(6, columns), rows);
    const auto words = test::pdfWords(file.path);
    using test::MmPerPoint;
    const auto title = test::wordsWithText(words, u"List/Report"_qs);
    QCOMPARE(title.size(), 1);
    VERIFY_NEAR(title.first().xMin * MmPerPoint, 15, 0.8);
    const auto heading = test::wordsWithText(words, u"Sehir"_qs);
    QCOMPARE(heading.size(), 1);
    // Second column: p = 4 + 11 + 1 = 16, x = Round(20.8) + 1 = 22 mm; line 1 at y = 6 mm.
    VERIFY_NEAR(heading.first().xMin * MmPerPoint, 22, 0.8);
    VERIFY_NEAR(heading.first().yMin * MmPerPoint, 6.5, 1); // between 5.5 and 7.5
}

void ReportTest::settingsOutOfRange()
{
    const auto read = [](QVariantMap row) {
        return print::reportSettingsFromSettings([row](const QString& column) { return row.value(column); });
    };
    const print::ReportInput input = read({{u"Liste Satır Aralığı"_qs, 5.5},
                                           {u"Liste Fontu Adı"_qs, u"Arial"_qs},
                                           {u"Liste Fontu Boyutu"_qs, 10.5},
                                           {u"Başlık Fontu Boyutu"_qs, 11.5}});
    QCOMPARE(input.linePitchMm, 6);
    QCOMPARE(input.listFont.name, u"Arial"_qs);
    QCOMPARE(input.listFont.size, 10);
    QCOMPARE(input.titleFont.size, 12);
    QCOMPARE(test::errorOf([&] {
                 read({{u"Liste Satır Aralığı"_qs, 500000000.0}});
             }),
             u"List Line Height (Liste Satır Aralığı) in the print settings is 500000000; it must lie between 0 and "
             u"2000 mm. Correct it before printing."_qs);
    QVERIFY(test::errorOf([&] {
                read({{u"Başlık Fontu Boyutu"_qs, 1e300}});
            }).startsWith(u"Caption Font Size (Başlık Fontu Boyutu) in the print settings is 1e+300;"_qs));

    // Laid out anyway, a pitch that large stays in 32 bits: one row to a page, each closed by its frame.
    const print::ReportTable table = print::reportTable(fourColumns);
    const print::ReportPage page = print::reportPage(table, 500000000, 281, 1, 5);
    QCOMPARE(page.lines.size(), 1);
    QVERIFY(page.full);
    QVERIFY(page.frame.at(2).fromMm.y() > 0);
}

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
