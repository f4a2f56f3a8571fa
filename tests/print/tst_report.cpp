#include "LocaleScope.h"
#include "PdfMeasure.h"

#include "core/Error.h"
#include "print/PdfSurface.h"
#include "print/PrintGeometry.h"
#include "print/RecordingSurface.h"
#include "print/ReportLayout.h"
#include "print/Tgenel.h"

#include <QTemporaryDir>
#include <QTest>

using namespace corvella;
using print::RecordingSurface;
using store::FieldKind;
using Kind = RecordingSurface::Kind;

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

print::ReportInput input(int pitch, QList<print::ReportColumn> columns)
{
    return print::ReportInput{pitch, {u"Arial"_qs, 14}, {u"Arial"_qs, 8}, u"List/Report"_qs, std::move(columns)};
}

const QList<print::ReportColumn> fourColumns = {
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

/// Millimetre positions of the recorded calls of one kind on one page.
QList<QPoint> mmPoints(const RecordingSurface& surface, Kind kind, int page, bool end = false)
{
    QList<QPoint> points;
    for (const auto& call : surface.calls(kind))
        if (call.page == page) {
            const QPoint dots = end ? call.to : call.from;
            points << QPoint(print::mmFromDots(dots.x()), print::mmFromDots(dots.y()));
        }
    return points;
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT
private slots:
    void fourColumnTable();
    void orientationFollowsTableWidth_data();
    void orientationFollowsTableWidth();
    void pagesHoldFiftyTwoRows();
    void oneRowReport();
    void numbersOnFirstAndLaterRows();
    void widthsAndHeadings_data();
    void widthsAndHeadings();
    void contactReportHeadings();
    void zeroPitchNeverBreaks();
    void failurePartWayDropsTheJob();
    void pdfPutsTitleAndHeadingWhereLaidOut();
};

void ReportTest::fourColumnTable()
{
    QCOMPARE(print::reportTableWidthMm(fourColumns), 81);
    auto surface = std::make_unique<RecordingSurface>();
    RecordingSurface& rec = *surface;
    print::Tgenel genel(std::move(surface));
    MemoryRows rows(rowsOf(3));
    print::printReport(genel, input(5, fourColumns), rows);

    QCOMPARE(rec.calls(Kind::Text).first().text, u"List/Report"_qs);
    QCOMPARE(mmPoints(rec, Kind::Text, 1).first(), QPoint(15, 2));
    // Headings at x = 6, 22, 56, 65 on line 1; values on the first row one millimetre above line 3.
    const QList<QPoint> texts = mmPoints(rec, Kind::Text, 1);
    QCOMPARE(texts.mid(1, 4), QList<QPoint>({{6, 5}, {22, 5}, {56, 5}, {65, 5}}));
    QCOMPARE(texts.mid(5, 4), QList<QPoint>({{6, 14}, {22, 14}, {56, 14}, {65, 14}}));
    // Later rows: text one millimetre above the line, the number on it.
    QCOMPARE(texts.mid(9, 4), QList<QPoint>({{6, 19}, {22, 19}, {56, 19}, {65, 20}}));
    QCOMPARE(rec.calls(Kind::Text).at(1).state.fontColour, 0x0000FF); // headings red
    QCOMPARE(rec.calls(Kind::Text).at(5).state.fontColour, 0xFF0000); // values blue
    QCOMPARE(rec.calls(Kind::Text).at(5).state.fontSize, 8);

    // The frame: top, heading underline, bottom, both sides, then one separator per column.
    const QList<QPoint> starts = mmPoints(rec, Kind::Line, 1);
    const QList<QPoint> ends = mmPoints(rec, Kind::Line, 1, true);
    const qsizetype frame = starts.size() - 9;
    QCOMPARE(starts.mid(frame, 5), QList<QPoint>({{4, 5}, {4, 11}, {4, 31}, {4, 5}, {91, 5}}));
    QCOMPARE(ends.mid(frame, 5), QList<QPoint>({{91, 5}, {91, 11}, {91, 31}, {4, 31}, {91, 31}}));
    QCOMPARE(starts.mid(frame + 5), QList<QPoint>({{4, 5}, {21, 5}, {55, 5}, {64, 5}}));
    // A rule above every row, once per column.
    QCOMPARE(starts.at(0), QPoint(4, 13));
    QCOMPARE(ends.at(0), QPoint(91, 13));
    QCOMPARE(frame, 12);
    QCOMPARE(rec.calls(Kind::BeginDocument).size(), 1);
    QCOMPARE(rec.calls(Kind::EndDocument).size(), 1);
    QCOMPARE(rec.orientation(), print::Orientation::Portrait);
}

void ReportTest::orientationFollowsTableWidth_data()
{
    QTest::addColumn<int>("textLength");
    QTest::addColumn<int>("tableWidth");
    QTest::addColumn<bool>("landscape");
    // Five 25-wide columns are 130 units; a text column of n adds n + 2 units.
    QTest::newRow("194 portrait") << 17 << 194 << false;
    QTest::newRow("195 landscape") << 18 << 195 << true;
}

void ReportTest::orientationFollowsTableWidth()
{
    QFETCH(int, textLength);
    QFETCH(int, tableWidth);
    QFETCH(bool, landscape);
    QList<print::ReportColumn> columns(5, print::ReportColumn{u"Uzun"_qs, FieldKind::Text, 70});
    columns << print::ReportColumn{u"Son"_qs, FieldKind::Text, textLength};
    // Round(1.3 x units): the last column sets T exactly.
    QCOMPARE(print::reportTableWidthMm(columns), tableWidth);
    auto surface = std::make_unique<RecordingSurface>();
    RecordingSurface& rec = *surface;
    print::Tgenel genel(std::move(surface));
    MemoryRows rows({QVariantList(6, u"x"_qs)});
    print::printReport(genel, input(5, columns), rows);
    QCOMPARE(rec.calls(Kind::Text).first().orientation,
             landscape ? print::Orientation::Landscape : print::Orientation::Portrait);
    QCOMPARE(rec.orientation(), print::Orientation::Portrait); // turned back after the job
}

void ReportTest::pagesHoldFiftyTwoRows()
{
    auto surface = std::make_unique<RecordingSurface>(QSize(2471, 3300)); // PageHeightMm 281
    RecordingSurface& rec = *surface;
    print::Tgenel genel(std::move(surface));
    QCOMPARE(genel.PageHeightMm(), 281);
    MemoryRows rows(rowsOf(110));
    print::printReport(genel, input(5, fourColumns), rows);

    QCOMPARE(rec.calls(Kind::NewPage).size(), 2);
    auto valuesOnPage = [&](int page) {
        int count = 0;
        for (const auto& call : rec.calls(Kind::Text))
            count += call.page == page && call.text.startsWith(u"ad"_qs) && call.text.at(2).isDigit() ? 1 : 0;
        return count;
    };
    QCOMPARE(valuesOnPage(1), 52);
    QCOMPARE(valuesOnPage(2), 52);
    QCOMPARE(valuesOnPage(3), 6);
    // Page 1: the bottom frame line at 273; headings again on page 2 at y = 5, but no title.
    const QList<QPoint> starts = mmPoints(rec, Kind::Line, 1);
    QCOMPARE(starts.at(starts.size() - 7), QPoint(4, 273));
    const QList<QPoint> page2 = mmPoints(rec, Kind::Text, 2);
    QCOMPARE(page2.first(), QPoint(6, 5));
    for (const auto& call : rec.calls(Kind::Text))
        if (call.page > 1)
            QVERIFY(call.text != u"List/Report"_qs);
}

void ReportTest::oneRowReport()
{
    auto surface = std::make_unique<RecordingSurface>();
    RecordingSurface& rec = *surface;
    print::Tgenel genel(std::move(surface));
    MemoryRows rows(rowsOf(1));
    print::printReport(genel, input(6, fourColumns), rows);
    QCOMPARE(rec.calls(Kind::Text).size(), 1 + 4 + 4);
    const QList<QPoint> starts = mmPoints(rec, Kind::Line, 1);
    QCOMPARE(starts.at(starts.size() - 7), QPoint(4, 4 * 6 + 1));
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
    const QList<print::ReportColumn> columns = {
        {u"Firma Adi"_qs, FieldKind::Text, 30},  {u"Sektör"_qs, FieldKind::Text, 50},
        {u"Alt Sektör"_qs, FieldKind::Text, 50}, {u"Ad"_qs, FieldKind::Text, 25},
        {u"Soyad"_qs, FieldKind::Text, 30},      {u"Sehir"_qs, FieldKind::Text, 30},
        {u"e-mail"_qs, FieldKind::Text, 25},
    };
    auto surface = std::make_unique<RecordingSurface>();
    RecordingSurface& rec = *surface;
    print::Tgenel genel(std::move(surface));
    MemoryRows rows({QVariantList(7, u"v"_qs)});
    print::printReport(genel, input(5, columns), rows);
    QStringList headings;
    for (int i = 1; i <= 7; ++i)
        headings << rec.calls(Kind::Text).at(i).text;
    QCOMPARE(headings, QStringList({u"Firma Adi"_qs, u"Sektör"_qs, u"Alt Sektör"_qs, u"Ad"_qs, u"Soyad"_qs, u"Sehir"_qs,
                                    u"e-mail"_qs}));
    QCOMPARE(print::reportTableWidthMm(columns), 237); // 7 x 26 units: landscape
    QCOMPARE(rec.calls(Kind::Text).at(1).orientation, print::Orientation::Landscape);
}

void ReportTest::zeroPitchNeverBreaks()
{
    auto surface = std::make_unique<RecordingSurface>();
    RecordingSurface& rec = *surface;
    print::Tgenel genel(std::move(surface));
    MemoryRows rows(rowsOf(200));
    print::printReport(genel, input(0, fourColumns), rows);
    QCOMPARE(rec.calls(Kind::NewPage).size(), 0);
    for (const QPoint& p : mmPoints(rec, Kind::Text, 1).mid(1))
        QVERIFY2(p.y() <= 0, "every line sits at the top of the page");
}

void ReportTest::failurePartWayDropsTheJob()
{
    auto surface = std::make_unique<RecordingSurface>();
    RecordingSurface& rec = *surface;
    print::Tgenel genel(std::move(surface));
    QList<print::ReportColumn> wide(8, print::ReportColumn{u"Uzun"_qs, FieldKind::Text, 70});
    MemoryRows rows(QList<QVariantList>(10, QVariantList(8, u"x"_qs)), 4);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, print::printReport(genel, input(5, wide), rows));
    QCOMPARE(rec.calls(Kind::AbortDocument).size(), 1);
    QCOMPARE(rec.calls(Kind::EndDocument).size(), 0);
    QVERIFY(!genel.isPrinting());
    QCOMPARE(rec.orientation(), print::Orientation::Portrait);
    // The helpers are ready for the next job.
    MemoryRows again(rowsOf(2));
    print::printReport(genel, input(5, fourColumns), again);
    QCOMPARE(rec.calls(Kind::EndDocument).size(), 1);
}

void ReportTest::pdfPutsTitleAndHeadingWhereLaidOut()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"report.pdf"_qs);
    print::Tgenel genel(std::make_unique<print::PdfSurface>(pdf, 600));
    MemoryRows rows(rowsOf(3));
    const QList<print::ReportColumn> columns = {{u"Firma"_qs, FieldKind::Text, 10}, {u"Sehir"_qs, FieldKind::Text, 20}};
    print::printReport(genel, input(6, columns), rows);
    const auto words = test::pdfWords(pdf);
    constexpr double PointsPerMm = 72.0 / 25.4;
    const auto title = test::wordsWithText(words, u"List/Report"_qs);
    QCOMPARE(title.size(), 1);
    QVERIFY2(std::abs(title.first().xMin / PointsPerMm - 15) < 0.8, qPrintable(QString::number(title.first().xMin)));
    const auto heading = test::wordsWithText(words, u"Sehir"_qs);
    QCOMPARE(heading.size(), 1);
    // Second column: p = 4 + 11 + 1 = 16, x = Round(20.8) + 1 = 22 mm; line 1 at y = 6 mm.
    QVERIFY2(std::abs(heading.first().xMin / PointsPerMm - 22) < 0.8,
             qPrintable(QString::number(heading.first().xMin)));
    QVERIFY2(heading.first().yMin / PointsPerMm > 5.5 && heading.first().yMin / PointsPerMm < 7.5,
             qPrintable(QString::number(heading.first().yMin)));
}

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
