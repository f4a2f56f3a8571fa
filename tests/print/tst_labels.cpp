#include "ContactFileFixture.h"
#include "ErrorOf.h"
#include "PdfMeasure.h"
#include "RecordingSurface.h"

#include "core/Error.h"
#include "print/LabelLayout.h"
#include "print/TRaporV2.h"
#include "print/Tgenel.h"
#include "store/ConnectionString.h"

#include <QTest>

#include <cmath>

using namespace corvella;
using print::LabelCompanyChoice;
using print::LabelElement;
using print::LabelNameChoice;
using print::LabelSheet;
using test::mm;
using test::RecordingSurface;
using Kind = RecordingSurface::Kind;

Q_DECLARE_METATYPE(print::LabelSheet)
Q_DECLARE_METATYPE(print::LabelNameChoice)
Q_DECLARE_METATYPE(print::LabelCompanyChoice)

namespace {

const LabelSheet A4{210, 297, 5, 10, 64, 34, 2, 0};

/// A settings row: the A4 sheet, Arial elements in black at distinct places, the name 20 mm across and 5 mm down.
QVariantMap a4Settings()
{
    QVariantMap row = {
        {u"Sayfa Genişliği"_qs, 210.0},    {u"Sayfa Yüksekliği"_qs, 297.0},   {u"Sol Boşluk"_qs, 5.0},
        {u"Üst Boşluk"_qs, 10.0},          {u"Etiket Genişliği"_qs, 64.0},    {u"Etiket Yüksekliği"_qs, 34.0},
        {u"Yatay Etiket Aralığı"_qs, 2.0}, {u"Dikey Etiket Aralığı"_qs, 0.0},
    };
    struct Element {
        QString prefix;
        int size, x, y;
    };
    const Element elements[] = {{u"İsim"_qs, 10, 20, 5}, {u"F# Adı"_qs, 11, 5, 10}, {u"Adres"_qs, 9, 5, 15},
                                {u"İlçe"_qs, 8, 5, 27},  {u"İl"_qs, 9, 30, 27},     {u"P#K#"_qs, 8, 5, 32},
                                {u"Ülke"_qs, 8, 40, 32}};
    for (const Element& e : elements) {
        row.insert(e.prefix + u" Yazıtipi Adı"_qs, u"Arial"_qs);
        row.insert(e.prefix + u" Yazıtipi Boyutu"_qs, double(e.size));
        row.insert(e.prefix + u" Yazıtipi Rengi"_qs, u"clBlack"_qs);
        row.insert(e.prefix + u" X Koordinatı"_qs, double(e.x));
        row.insert(e.prefix + u" Y Koordinatı"_qs, double(e.y));
    }
    return row;
}

print::SettingsReader reader(const QVariantMap& row)
{
    return [row](const QString& column) { return row.value(column); };
}

print::LabelElements a4Elements(const QVariantMap& row = a4Settings(),
                                LabelNameChoice name = LabelNameChoice::ContactPerson,
                                LabelCompanyChoice company = LabelCompanyChoice::Print)
{
    return print::labelElementsFromSettings(reader(row), name, company);
}

QStringList texts(const QList<LabelElement>& elements)
{
    QStringList result;
    for (const LabelElement& element : elements)
        result << element.text;
    return result;
}

/// Contacts held in memory.
class MemoryContacts : public print::LabelRows {
public:
    explicit MemoryContacts(QList<print::LabelContact> contacts)
        : m_contacts(std::move(contacts))
    {}
    qint64 count() override { return m_contacts.size(); }
    bool next(print::LabelContact& contact) override
    {
        if (m_at >= m_contacts.size())
            return false;
        contact = m_contacts.at(m_at++);
        return true;
    }

private:
    QList<print::LabelContact> m_contacts;
    int m_at = 0;
};

QList<print::LabelContact> contacts(int count)
{
    QList<print::LabelContact> list;
    for (int i = 1; i <= count; ++i)
        list << print::LabelContact{u"Kişi%1"_qs.arg(i), u"Firma%1"_qs.arg(i), u"Cadde%1"_qs.arg(i),
                                    u"Kat%1"_qs.arg(i),  u"Şehir%1"_qs.arg(i), u"%1"_qs.arg(34000 + i)};
    return list;
}

struct Printed : test::RecordedPrinter {
    /// Prints the contacts on `sheet` with the A4 row's elements.
    void print(QList<print::LabelContact> list, const LabelSheet& sheet = A4)
    {
        MemoryContacts rows(std::move(list));
        const auto elements = a4Elements();
        print::printLabels(printer, sheet, elements.fields, elements.texts, rows);
    }

    /// The recorded text call that drew `text`; warns when there is not exactly one.
    RecordingSurface::Call only(const QString& text) const
    {
        const auto found = surface->textCalls(text);
        if (found.size() != 1)
            qWarning("'%s' drawn %d times", qPrintable(text), int(found.size()));
        return found.value(0);
    }
};

/// The label engine on the contact file, printing the A4 sheet on a recording surface.
struct Engine : test::RecordedPrinter {
    print::TRaporV2 engine;

    Engine()
    {
        engine.setPrinter(&printer);
        engine.setConnectionString(store::ContactConnectionString());
        engine.setSheet(A4);
    }
};

} // namespace

class LabelTest : public QObject {
    Q_OBJECT
private slots:
    void grid_data();
    void grid();
    void labelSlots_data();
    void labelSlots();
    void sheetThatHoldsNoLabel_data();
    void sheetThatHoldsNoLabel();
    void elementsOfTheA4Row();
    void dialogChoicesLeaveOutElements_data();
    void dialogChoicesLeaveOutElements();
    void colourRule_data();
    void colourRule();
    void wholeNumberReads_data();
    void wholeNumberReads();
    void a4SheetPlacesEveryLabel();
    void fullPageStartsNoSecond_data();
    void fullPageStartsNoSecond();
    void emptyTextsPrintNothing();
    void pdfSheetPutsTheNameInPlace();
    void engineReadsListedContactsInListOrder();
    void engineNeedsTheRecordNumber();
    void engineHoldsFiftyElementsOfAKind();
    void startAtLabel_data();
    void startAtLabel();
    void firstLabelOffTheSheet();
    void progressCountsSheetsAndCanStopTheRun_data();
    void progressCountsSheetsAndCanStopTheRun();
    void fitRule_data();
    void fitRule();
    void longAddressStaysInsideItsLabelInPdf();
    void settingsOutOfRange_data();
    void settingsOutOfRange();
};

void LabelTest::grid_data()
{
    QTest::addColumn<LabelSheet>("sheet");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::newRow("A4 64 x 34") << A4 << 3 << 8;
    QTest::newRow("new file's 70 x 37") << LabelSheet{210, 297, 0, 0, 70, 37, 0, 0} << 3 << 8;
    QTest::newRow("exact fit") << LabelSheet{99, 100, 0, 0, 33, 50, 0, 0} << 3 << 2;
    QTest::newRow("truncated") << LabelSheet{100, 99, 0, 0, 33, 50, 0, 0} << 3 << 1;
    QTest::newRow("gaps count") << LabelSheet{100, 100, 0, 0, 30, 30, 4, 4} << 2 << 2;
    QTest::newRow("one label") << LabelSheet{100, 50, 10, 10, 90, 40, 0, 0} << 1 << 1;
}

void LabelTest::grid()
{
    QFETCH(LabelSheet, sheet);
    QFETCH(int, columns);
    QFETCH(int, rows);
    const print::LabelGrid grid = print::labelGrid(sheet);
    QCOMPARE(grid.columns, columns);
    QCOMPARE(grid.rows, rows);
    QCOMPARE(grid.perPage(), qint64(columns) * rows);
}

void LabelTest::labelSlots_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("page");
    QTest::addColumn<QPoint>("corner");
    QTest::newRow("row 1") << 0 << 0 << QPoint(5, 10);
    QTest::newRow("row 3, last across") << 2 << 0 << QPoint(137, 10);
    QTest::newRow("row 5") << 4 << 0 << QPoint(71, 44);
    QTest::newRow("row 24, last of page") << 23 << 0 << QPoint(137, 248);
    QTest::newRow("row 25 starts page 2") << 24 << 1 << QPoint(5, 10);
    QTest::newRow("row 29") << 28 << 1 << QPoint(71, 44);
}

void LabelTest::labelSlots()
{
    QFETCH(int, index);
    QFETCH(int, page);
    QFETCH(QPoint, corner);
    const print::LabelSlot slot = print::labelSlot(A4, print::labelGrid(A4), index);
    QCOMPARE(slot.page, page);
    QCOMPARE(slot.cornerMm, corner);
    QCOMPARE(slot.slot, index % 24);
}

void LabelTest::sheetThatHoldsNoLabel_data()
{
    QTest::addColumn<LabelSheet>("sheet");
    QTest::addColumn<QString>("axis");
    QTest::newRow("label wider than the page") << LabelSheet{210, 297, 5, 10, 300, 34, 2, 0} << u"across"_qs;
    QTest::newRow("margin past the page") << LabelSheet{210, 297, 250, 10, 64, 34, 2, 0} << u"across"_qs;
    QTest::newRow("zero pitch across") << LabelSheet{210, 297, 5, 10, 0, 34, 0, 0} << u"across"_qs;
    QTest::newRow("negative pitch across") << LabelSheet{210, 297, 5, 10, 10, 34, -20, 0} << u"across"_qs;
    QTest::newRow("label taller than the page") << LabelSheet{210, 297, 5, 10, 64, 300, 2, 0} << u"down"_qs;
    QTest::newRow("zero pitch down") << LabelSheet{210, 297, 5, 10, 64, 0, 2, 0} << u"down"_qs;
    QTest::newRow("empty settings row") << LabelSheet{} << u"across"_qs;
}

void LabelTest::sheetThatHoldsNoLabel()
{
    QFETCH(LabelSheet, sheet);
    QFETCH(QString, axis);
    Printed printed;
    const QString error = test::errorOf([&] { printed.print(contacts(3), sheet); });
    QVERIFY2(error.startsWith(u"No label fits "_qs + axis + u" the page."_qs), qPrintable(error));
    QVERIFY(printed.surface->calls().isEmpty()); // no job was started
    QVERIFY(!printed.printer.isPrinting());
}

void LabelTest::elementsOfTheA4Row()
{
    const auto elements = a4Elements();
    QCOMPARE(print::labelSheetFromSettings(reader(a4Settings())), A4);
    const QList<LabelElement> fields = {
        {20, 5, u"Firma_Yetkilisi"_qs, u"Arial"_qs, 10, 0},
        {5, 10, u"Firma Adı"_qs, u"Arial"_qs, 11, 0},
        {5, 15, u"Firma_Adresi1"_qs, u"Arial"_qs, 9, 0},
        {5, 21, u"Firma_Adresi2"_qs, u"Arial"_qs, 9, 0},
        {5, 27, u"İlçe"_qs, u"Arial"_qs, 8, 0},
        {30, 27, u"İl"_qs, u"Arial"_qs, 9, 0},
        {40, 32, u"Ülke"_qs, u"Arial"_qs, 8, 0},
        {5, 32, u"Posta Kodu"_qs, u"Arial"_qs, 8, 0},
    };
    QCOMPARE(elements.fields, fields);
    // "Sayın" 15 mm left of the name in the name's font, "/" 5 mm left of the city in the city's.
    const QList<LabelElement> textElements = {{5, 5, u"Sayın"_qs, u"Arial"_qs, 10, 0},
                                              {25, 27, u"/"_qs, u"Arial"_qs, 9, 0}};
    QCOMPARE(elements.texts, textElements);
}

void LabelTest::dialogChoicesLeaveOutElements_data()
{
    QTest::addColumn<LabelNameChoice>("name");
    QTest::addColumn<LabelCompanyChoice>("company");
    QTest::addColumn<QStringList>("fields");
    const QStringList rest = {u"Firma_Adresi1"_qs, u"Firma_Adresi2"_qs, u"İlçe"_qs, u"İl"_qs,
                              u"Ülke"_qs,          u"Posta Kodu"_qs};
    QTest::newRow("&Yetkili Adı, &Var") << LabelNameChoice::ContactPerson << LabelCompanyChoice::Print
                                        << QStringList{u"Firma_Yetkilisi"_qs, u"Firma Adı"_qs} + rest;
    QTest::newRow("&Firma Sahibi, &Var") << LabelNameChoice::Owner << LabelCompanyChoice::Print
                                         << QStringList{u"Sahibi"_qs, u"Firma Adı"_qs} + rest;
    QTest::newRow("&Hiçbiri, &Var") << LabelNameChoice::None << LabelCompanyChoice::Print
                                    << QStringList{u"Firma Adı"_qs} + rest;
    QTest::newRow("&Yetkili Adı, &Yok") << LabelNameChoice::ContactPerson << LabelCompanyChoice::Omit
                                        << QStringList{u"Firma_Yetkilisi"_qs} + rest;
    QTest::newRow("&Hiçbiri, &Yok") << LabelNameChoice::None << LabelCompanyChoice::Omit << rest;
}

void LabelTest::dialogChoicesLeaveOutElements()
{
    QFETCH(LabelNameChoice, name);
    QFETCH(LabelCompanyChoice, company);
    QFETCH(QStringList, fields);
    const auto elements = a4Elements(a4Settings(), name, company);
    QCOMPARE(texts(elements.fields), fields);
    // The salutation and the separator whatever was chosen.
    QCOMPARE(texts(elements.texts), QStringList({u"Sayın"_qs, u"/"_qs}));
}

void LabelTest::colourRule_data()
{
    QTest::addColumn<QVariantMap>("colours");
    QTest::addColumn<LabelNameChoice>("name");
    // Field colours in element order (name when chosen, company, address 1 and 2, district, city, country, postal
    // code), then "Sayın" and "/".
    QTest::addColumn<QList<int>>("expected");
    const QString none;
    auto all = [&](const QString& colour) {
        QVariantMap map;
        for (const QString& prefix :
             {u"İsim"_qs, u"F# Adı"_qs, u"Adres"_qs, u"İl"_qs, u"İlçe"_qs, u"P#K#"_qs, u"Ülke"_qs})
            map.insert(prefix, colour);
        return map;
    };
    QTest::newRow("all empty: black") << all(none) << LabelNameChoice::ContactPerson
                                      << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QVariantMap distinct = {{u"İsim"_qs, u"clRed"_qs},  {u"F# Adı"_qs, u"clMaroon"_qs}, {u"Adres"_qs, u"clBlue"_qs},
                            {u"İlçe"_qs, none},         {u"İl"_qs, u"clGreen"_qs},      {u"Ülke"_qs, u"$00123456"_qs},
                            {u"P#K#"_qs, u"8421504"_qs}};
    QTest::newRow("district empty: address colour")
        << distinct << LabelNameChoice::ContactPerson
        << QList<int>{0xFF, 0x80, 0xFF0000, 0xFF0000, 0xFF0000, 0x8000, 0x123456, 0x808080, 0xFF, 0x8000};
    QVariantMap nameOnly = all(none);
    nameOnly.insert(u"İsim"_qs, u"clRed"_qs);
    QTest::newRow("only the name's: carried down")
        << nameOnly << LabelNameChoice::ContactPerson
        << QList<int>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    // A left-out element passes nothing on; "Sayın" still reads the name's colour.
    QTest::newRow("name left out") << nameOnly << LabelNameChoice::None << QList<int>{0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};
    QVariantMap companyOnly = all(none);
    companyOnly.insert(u"F# Adı"_qs, u"clTeal"_qs);
    QTest::newRow("nothing before the company")
        << companyOnly << LabelNameChoice::ContactPerson
        << QList<int>{0, 0x808000, 0x808000, 0x808000, 0x808000, 0x808000, 0x808000, 0x808000, 0x808000, 0x808000};
    QVariantMap caseless = all(none);
    caseless.insert(u"Adres"_qs, u"CLNAVY"_qs);
    QTest::newRow("names without regard to case")
        << caseless << LabelNameChoice::ContactPerson
        << QList<int>{0, 0, 0x800000, 0x800000, 0x800000, 0x800000, 0x800000, 0x800000, 0x800000, 0x800000};
}

void LabelTest::colourRule()
{
    QFETCH(QVariantMap, colours);
    QFETCH(LabelNameChoice, name);
    QFETCH(QList<int>, expected);
    QVariantMap row = a4Settings();
    for (auto it = colours.begin(); it != colours.end(); ++it)
        row.insert(it.key() + u" Yazıtipi Rengi"_qs, it.value().toString().isEmpty() ? QVariant() : it.value());
    const auto elements = a4Elements(row, name);
    QList<int> actual;
    for (const LabelElement& element : elements.fields + elements.texts)
        actual << element.colour;
    QCOMPARE(actual, expected);
}

void LabelTest::wholeNumberReads_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("read");
    QTest::newRow("10.5 to even") << QVariant(10.5) << 10;
    QTest::newRow("11.5 to even") << QVariant(11.5) << 12;
    QTest::newRow("-0.5") << QVariant(-0.5) << 0;
    QTest::newRow("empty") << QVariant() << 0;
}

void LabelTest::wholeNumberReads()
{
    QFETCH(QVariant, stored);
    QFETCH(int, read);
    QVariantMap row = a4Settings();
    row.insert(u"Adres Yazıtipi Boyutu"_qs, stored);
    row.insert(u"Adres X Koordinatı"_qs, stored);
    row.insert(u"Etiket Genişliği"_qs, stored);
    const LabelElement address = a4Elements(row).fields.at(2);
    QCOMPARE(address.text, u"Firma_Adresi1"_qs);
    QCOMPARE(address.fontSize, read);
    QCOMPARE(address.xMm, read);
    QCOMPARE(print::labelSheetFromSettings(reader(row)).labelWidthMm, read);
}

void LabelTest::a4SheetPlacesEveryLabel()
{
    Printed printed;
    printed.print(contacts(30));
    const RecordingSurface& rec = *printed.surface;
    QCOMPARE(rec.calls(Kind::BeginDocument).size(), 1);
    QCOMPARE(rec.calls(Kind::NewPage).size(), 1);
    QCOMPARE(rec.calls(Kind::EndDocument).size(), 1);

    // Row 5 on the label at (71, 44): the name at (91, 49), "Sayın" 15 mm to its left.
    QCOMPARE(mm(printed.only(u"Kişi5"_qs).from), QPoint(91, 49));
    const auto salutations = rec.textCalls(u"Sayın"_qs);
    QCOMPARE(salutations.size(), 30);
    QCOMPARE(mm(salutations.at(4).from), QPoint(76, 49));
    // Row 25 begins the second page at (5, 10).
    const auto name25 = printed.only(u"Kişi25"_qs);
    QCOMPARE(name25.page, 2);
    QCOMPARE(mm(name25.from), QPoint(25, 15));
    QCOMPARE(printed.only(u"Kişi24"_qs).page, 1);

    // The second address line 6 mm below the first, in the same font, size, colour and x.
    const auto line1 = printed.only(u"Cadde5"_qs);
    const auto line2 = printed.only(u"Kat5"_qs);
    QCOMPARE(mm(line1.from), QPoint(76, 59));
    QCOMPARE(mm(line2.from), QPoint(76, 65));
    QCOMPARE(line2.state.fontName, line1.state.fontName);
    QCOMPARE(line2.state.fontSize, 9);
    QCOMPARE(line2.state.fontColour, line1.state.fontColour);
    // The separator 5 mm left of the city, in the city's font.
    const auto city = printed.only(u"Şehir5"_qs);
    QCOMPARE(mm(city.from), QPoint(101, 71));
    QCOMPARE(city.state.fontSize, 9);
    QCOMPARE(printed.only(u"34005"_qs).state.fontSize, 8);
    QVERIFY(!printed.printer.isPrinting());
}

void LabelTest::fullPageStartsNoSecond_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("newPages");
    QTest::newRow("no rows") << 0 << 0;
    QTest::newRow("23 rows") << 23 << 0;
    QTest::newRow("24 rows: one full page") << 24 << 0;
    QTest::newRow("25 rows") << 25 << 1;
    QTest::newRow("48 rows") << 48 << 1;
    QTest::newRow("49 rows") << 49 << 2;
}

void LabelTest::fullPageStartsNoSecond()
{
    QFETCH(int, rows);
    QFETCH(int, newPages);
    Printed printed;
    printed.print(contacts(rows));
    const RecordingSurface& rec = *printed.surface;
    QCOMPARE(rec.calls(Kind::BeginDocument).size(), 1);
    QCOMPARE(rec.calls(Kind::NewPage).size(), newPages);
    QCOMPARE(rec.calls(Kind::EndDocument).size(), 1);
    // Eight texts a label: the name, the company, two address lines, the city, the postal code, "Sayın" and "/".
    QCOMPARE(rec.calls(Kind::Text).size(), rows * 8);
}

void LabelTest::emptyTextsPrintNothing()
{
    Printed printed;
    const print::LabelContact sparse{u"Ali"_qs, QString(), u"Çarşı Cd."_qs, QString(), QString(), QString()};
    printed.print({sparse});
    QCOMPARE(printed.surface->texts(), QStringList({u"Ali"_qs, u"Çarşı Cd."_qs, u"Sayın"_qs, u"/"_qs}));

    Printed blank;
    MemoryContacts again({sparse});
    QList<LabelElement> emptyText = {{0, 0, QString(), u"Arial"_qs, 10, 0}};
    print::printLabels(blank.printer, A4, {}, emptyText, again);
    QVERIFY(blank.surface->calls(Kind::Text).isEmpty());
    QCOMPARE(blank.surface->calls(Kind::EndDocument).size(), 1);
}

void LabelTest::pdfSheetPutsTheNameInPlace()
{
    test::PdfPrinter file(600);
    const auto elements = a4Elements();
    MemoryContacts rows(contacts(6));
    print::printLabels(file.printer, A4, elements.fields, elements.texts, rows);

    const auto words = test::pdfWords(file.path);
    using test::MmPerPoint;
    // Row 5: the label at (71, 44), the name 20 mm across and 5 mm down.
    const auto name = test::wordsWithText(words, u"Kişi5"_qs);
    QCOMPARE(name.size(), 1);
    VERIFY_NEAR(name.first().xMin * MmPerPoint, 91, 0.8);
    VERIFY_NEAR(name.first().yMin * MmPerPoint, 49.5, 1); // between 48.5 and 50.5
    const auto salutations = test::wordsWithText(words, u"Sayın"_qs);
    QCOMPARE(salutations.size(), 6);
    VERIFY_NEAR(salutations.at(3).xMin * MmPerPoint, 10, 0.8); // the second row of labels begins with row 4
    const auto postal = test::wordsWithText(words, u"34006"_qs);
    QCOMPARE(postal.size(), 1);
    VERIFY_NEAR(postal.first().xMin * MmPerPoint, 142, 0.8);
}

void LabelTest::engineReadsListedContactsInListOrder()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"Ad"_qs, u"Zeynep"_qs},
                            {u"Soyad"_qs, u"Ak"_qs},
                            {u"Firma Adi"_qs, u"Çınar"_qs},
                            {u"Adres 1"_qs, u"Lale Sk."_qs},
                            {u"Sehir"_qs, u"Bursa"_qs},
                            {u"Posta Kodu"_qs, u"16000"_qs}});
    fixture.addContact(12, {{u"Ad"_qs, u"Ali"_qs}, {u"Firma Adi"_qs, u"Ceviz"_qs}});
    fixture.addContact(13, {{u"Soyad"_qs, u"Oral"_qs}, {u"Firma Adi"_qs, u"Dut"_qs}, {u"Adres 2"_qs, u"Blok B"_qs}});
    fixture.addContact(14, {{u"Ad"_qs, u"Veli"_qs}, {u"Firma Adi"_qs, u"Ayva"_qs}});

    Engine run;
    print::TRaporV2& engine = run.engine;
    engine.AddFieldElement(20, 5, u"Firma_Yetkilisi"_qs, u"Arial"_qs, 10, 0);
    engine.AddFieldElement(5, 10, u"Firma Adı"_qs, u"Arial"_qs, 10, 0);
    engine.AddFieldElement(5, 15, u"Firma_Adresi1"_qs, u"Arial"_qs, 10, 0);
    engine.AddFieldElement(5, 21, u"Firma_Adresi2"_qs, u"Arial"_qs, 10, 0);
    engine.AddFieldElement(30, 27, u"İl"_qs, u"Arial"_qs, 10, 0);
    engine.AddFieldElement(5, 32, u"Posta Kodu"_qs, u"Arial"_qs, 10, 0);
    // The list's statement as the search writes it: not one of the label's columns but the number and company.
    engine.setSql({u" select "_qs, u"[No], "_qs, u" [Firma Adi] "_qs, u" from "_qs, u"kayit"_qs, u" where "_qs,
                   u" ([Firma Adi]>='B') and ([Firma Adi]<='Ş')  "_qs, u" ORDER BY [Firma Adi] "_qs});
    QCOMPARE(engine.PrintLabels(), QString());
    QVERIFY(!engine.isActive());

    // "Ayva" is not listed; Turkish order puts Ceviz before Çınar before Dut.
    QCOMPARE(run.surface->texts(), QStringList({u"Ali"_qs, u"Ceviz"_qs, u"Zeynep Ak"_qs, u"Çınar"_qs, u"Lale Sk."_qs,
                                                u"Bursa"_qs, u"16000"_qs, u"Oral"_qs, u"Dut"_qs, u"Blok B"_qs}));
    QCOMPARE(mm(run.surface->calls(Kind::Text).at(2).from), QPoint(91, 15)); // the second label, across from the first
}

void LabelTest::engineNeedsTheRecordNumber()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"Ad"_qs, u"Ali"_qs}});
    Engine run;
    print::TRaporV2& engine = run.engine;
    engine.AddFieldElement(0, 0, u"Firma_Yetkilisi"_qs, u"Arial"_qs, 10, 0);
    engine.setSql({u"select [Ad] from kayit"_qs});
    try {
        engine.PrintLabels();
        QFAIL("the run went on");
    } catch (const DatabaseError& error) {
        QCOMPARE(error.message(), u"Field 'No' not found"_qs);
    }
    QVERIFY(run.surface->calls().isEmpty());
    QVERIFY(!engine.isActive());

    // A sheet that holds nothing is refused before the statement runs, even one that would fail.
    engine.setSheet(LabelSheet{});
    engine.setSql({u"select nonsense"_qs});
    try {
        engine.PrintLabels();
    } catch (const DatabaseError&) {
        QFAIL("the statement ran");
    } catch (const Error& error) {
        QVERIFY(error.message().startsWith(u"No label fits across"_qs));
        return;
    }
    QFAIL("the run went on");
}

void LabelTest::engineHoldsFiftyElementsOfAKind()
{
    print::TRaporV2 engine;
    for (int i = 0; i < print::TRaporV2::MaxElements; ++i) {
        engine.AddFieldElement(i, i, u"İl"_qs, u"Arial"_qs, 10, 0);
        engine.AddTextElement(i, i, u"/"_qs, u"Arial"_qs, 10, 0);
    }
    QVERIFY_THROWS_EXCEPTION(Error, engine.AddFieldElement(0, 0, u"İl"_qs, u"Arial"_qs, 10, 0));
    QVERIFY_THROWS_EXCEPTION(Error, engine.AddTextElement(0, 0, u"/"_qs, u"Arial"_qs, 10, 0));
    QCOMPARE(engine.fieldElements().size(), 50);
    QCOMPARE(engine.textElements().size(), 50);
    QCOMPARE(engine.fieldElements().last().xMm, 49);
    engine.clearFieldElements();
    engine.AddFieldElement(1, 2, u"İl"_qs, u"Arial"_qs, 10, 0);
    QCOMPARE(engine.fieldElements().size(), 1);
    QCOMPARE(engine.textElements().size(), 50);
}

void LabelTest::startAtLabel_data()
{
    QTest::addColumn<int>("firstLabel");
    QTest::addColumn<int>("index"); // the row of the list, from 0
    QTest::addColumn<int>("page");
    QTest::addColumn<QPoint>("corner");
    QTest::newRow("1: row 1 at the top left") << 1 << 0 << 0 << QPoint(5, 10);
    QTest::newRow("2: row 1 second across") << 2 << 0 << 0 << QPoint(71, 10);
    QTest::newRow("4: row 1 begins the second row") << 4 << 0 << 0 << QPoint(5, 44);
    QTest::newRow("5: row 3 ends that row") << 5 << 2 << 0 << QPoint(5, 78);
    QTest::newRow("24: row 1 on the last label") << 24 << 0 << 0 << QPoint(137, 248);
    QTest::newRow("24: row 2 starts sheet 2 at 1") << 24 << 1 << 1 << QPoint(5, 10);
    QTest::newRow("10: row 16 starts sheet 2 at 1") << 10 << 15 << 1 << QPoint(5, 10);
    QTest::newRow("10: row 15 is the last of sheet 1") << 10 << 14 << 0 << QPoint(137, 248);
}

void LabelTest::startAtLabel()
{
    QFETCH(int, firstLabel);
    QFETCH(int, index);
    QFETCH(int, page);
    QFETCH(QPoint, corner);
    const print::LabelSlot slot = print::labelSlot(A4, print::labelGrid(A4), index, firstLabel);
    QCOMPARE(slot.page, page);
    QCOMPARE(slot.cornerMm, corner);

    // The run draws it there and starts a page only when the sheet is full.
    Printed printed;
    MemoryContacts rows(contacts(index + 1));
    const auto elements = a4Elements();
    print::LabelRunOptions options;
    options.firstLabel = firstLabel;
    print::printLabels(printed.printer, A4, elements.fields, elements.texts, rows, options);
    const auto name = printed.only(u"Kişi%1"_qs.arg(index + 1));
    QCOMPARE(name.page, page + 1);
    QCOMPARE(mm(name.from), corner + QPoint(20, 5));
    QCOMPARE(printed.surface->calls(Kind::NewPage).size(), page);
}

void LabelTest::progressCountsSheetsAndCanStopTheRun_data()
{
    QTest::addColumn<int>("stopAt"); // the sheets done when the progress asks to stop; -1 never
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("sheetsBegun");
    // 30 contacts from label 20 of 24: 5 on the first sheet, 24 on the second, 1 on the third.
    QTest::newRow("whole run") << -1 << QStringList{u"0/3"_qs, u"1/3"_qs, u"2/3"_qs, u"3/3"_qs} << 3;
    QTest::newRow("declined before the job") << 0 << QStringList{u"0/3"_qs} << 0;
    QTest::newRow("stopped after the first sheet") << 1 << QStringList{u"0/3"_qs, u"1/3"_qs} << 1;
}

void LabelTest::progressCountsSheetsAndCanStopTheRun()
{
    QFETCH(int, stopAt);
    QFETCH(QStringList, steps);
    QFETCH(int, sheetsBegun);
    Printed printed;
    MemoryContacts rows(contacts(30));
    const auto elements = a4Elements();
    print::LabelRunOptions options;
    options.firstLabel = 20;
    QStringList seen;
    options.progress = [&](qint64 done, qint64 total) {
        seen << u"%1/%2"_qs.arg(done).arg(total);
        return done != stopAt;
    };
    const auto run = [&] { print::printLabels(printed.printer, A4, elements.fields, elements.texts, rows, options); };
    if (stopAt < 0)
        run();
    else
        QVERIFY_THROWS_EXCEPTION(CancelledError, run());
    QCOMPARE(seen, steps);
    const RecordingSurface& surface = *printed.surface;
    QCOMPARE(surface.calls(Kind::BeginDocument).size(), sheetsBegun > 0 ? 1 : 0);
    QCOMPARE(surface.calls(Kind::NewPage).size(), std::max(0, sheetsBegun - 1));
    QCOMPARE(surface.calls(Kind::EndDocument).size(), stopAt < 0 ? 1 : 0);
    QCOMPARE(surface.calls(Kind::AbortDocument).size(), stopAt > 0 ? 1 : 0);
    QVERIFY(!printed.printer.isPrinting());
}

void LabelTest::firstLabelOffTheSheet()
{
    for (int firstLabel : {0, 25}) {
        Printed printed;
        print::LabelRunOptions options;
        options.firstLabel = firstLabel;
        MemoryContacts rows(contacts(3));
        const QString error = test::errorOf([&] { print::printLabels(printed.printer, A4, {}, {}, rows, options); });
        QCOMPARE(error, u"Label %1 is not on the sheet: it holds 24 labels, 3 across and 8 down, numbered from 1 at "
                        u"the top left."_qs.arg(firstLabel));
        QVERIFY(printed.surface->calls().isEmpty());
    }
    Engine engine;
    engine.engine.setFirstLabel(30);
    QVERIFY(test::errorOf([&] { engine.engine.PrintLabels(); }).startsWith(u"Label 30 is not on the sheet"_qs));
    QVERIFY(engine.surface->calls().isEmpty());
}

void LabelTest::fitRule_data()
{
    // Measured as 1 mm a character at 10 points, in proportion to the size.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<double>("room");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<int>("drawnSize");
    QTest::newRow("fits") << u"abcdefghij"_qs << 10 << 10.0 << u"abcdefghij"_qs << 10;
    QTest::newRow("one point smaller") << u"abcdefghijk"_qs << 10 << 10.0 << u"abcdefghijk"_qs << 9;
    QTest::newRow("down to 70 %") << u"abcdefghijklmn"_qs << 10 << 10.0 << u"abcdefghijklmn"_qs << 7;
    QTest::newRow("then cut") << u"abcdefghijklmnopqrstuvwxyz"_qs << 10 << 10.0 << u"abcdefghijklmn"_qs << 7;
    QTest::newRow("70 % of 9 is 6.3: 7 points") << u"abcdefghijklmnop"_qs << 9 << 10.0 << u"abcdefghijklmn"_qs << 7;
    QTest::newRow("size 0 is 10 points") << u"abcdefghijk"_qs << 0 << 10.0 << u"abcdefghijk"_qs << 9;
    QTest::newRow("no room") << u"abc"_qs << 10 << -2.0 << QString() << 10;
    QTest::newRow("accent kept whole") << u"abcdefghijklméx"_qs << 10 << 10.0 << u"abcdefghijklm"_qs << 7;
}

void LabelTest::fitRule()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(double, room);
    QFETCH(QString, drawn);
    QFETCH(int, drawnSize);
    const print::TextWidthMm width = [](const QString& t, const QString&, int points) {
        return t.size() * points / 10.0;
    };
    QCOMPARE(print::fitText(text, u"Arial"_qs, size, room, width), (print::FittedText{drawn, drawnSize}));
}

void LabelTest::longAddressStaysInsideItsLabelInPdf()
{
    // A 70-character address line at 9 points on 64 mm labels, beside short ones that keep their size.
    test::PdfPrinter file(600);
    const auto elements = a4Elements();
    QList<print::LabelContact> list = contacts(6);
    const QString longLine = u"Cumhuriyet Mahallesi Atatürk Bulvarı Numara 123 Kat 4 Daire 56 Çankaya"_qs;
    QCOMPARE(longLine.size(), 70);
    for (int i : {0, 1, 4})
        list[i].address1 = longLine;
    MemoryContacts rows(list);
    print::printLabels(file.printer, A4, elements.fields, elements.texts, rows);

    using test::MmPerPoint;
    const auto words = test::pdfWords(file.path);
    QVERIFY(!words.isEmpty());
    int cadde = 0;
    for (const test::PdfWord& word : words) {
        const double xMin = word.xMin * MmPerPoint;
        const double yMin = word.yMin * MmPerPoint;
        // The label the word's start lies on: columns at 5, 71 and 137 mm, rows from 10 mm, 34 mm apart.
        const int column = int((xMin - 5) / 66);
        const double rightEdge = 5 + column * 66 + 64;
        QVERIFY2(word.xMax * MmPerPoint <= rightEdge + 0.05,
                 qPrintable(u"'%1' ends at %2 mm, past its label's edge at %3 mm (%4 mm down)"_qs.arg(word.text)
                                .arg(word.xMax * MmPerPoint)
                                .arg(rightEdge)
                                .arg(yMin)));
        cadde += word.text.startsWith(u"Cadde"_qs);
    }
    QCOMPARE(cadde, 3); // the short lines are all there
    QCOMPARE(test::wordsWithText(words, u"Cumhuriyet"_qs).size(), 3);
    // Cut, not dropped: the line starts where it should, 5 mm into its label.
    VERIFY_NEAR(test::wordsWithText(words, u"Cumhuriyet"_qs).at(1).xMin * MmPerPoint, 76, 0.8);
}

void LabelTest::settingsOutOfRange_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("message"); // empty: read without complaint
    const QString tail = u"Correct it before printing."_qs;
    QTest::newRow("label width 500000000")
        << u"Etiket Genişliği"_qs << QVariant(500000000.0)
        << u"Label Width (Etiket Genişliği) in the print settings is 500000000; it must lie between 0 and 2000 mm. "_qs +
               tail;
    QTest::newRow("page height 1e300") << u"Sayfa Yüksekliği"_qs << QVariant(1e300)
                                       << u"Page Height (Sayfa Yüksekliği) in the print settings is 1e+300; it must "
                                          u"lie between 0 and 2000 mm. "_qs +
                                              tail;
    QTest::newRow("NaN left margin") << u"Sol Boşluk"_qs << QVariant(std::nan(""))
                                     << u"Left Space (Sol Boşluk) in the print settings is not a number: 'nan'. "_qs +
                                            tail;
    QTest::newRow("text in a gap") << u"Dikey Etiket Aralığı"_qs << QVariant(u"wide"_qs)
                                   << u"Vertical Gap (Dikey Etiket Aralığı) in the print settings is not a number: "
                                      u"'wide'. "_qs +
                                          tail;
    QTest::newRow("negative font size") << u"İl Yazıtipi Boyutu"_qs << QVariant(-3.0)
                                        << u"City Font Size (İl Yazıtipi Boyutu) in the print settings is -3; it must "
                                           u"lie between 0 and 1000 points. "_qs +
                                               tail;
    QTest::newRow("element far off")
        << u"P#K# X Koordinatı"_qs << QVariant(-2500.0)
        << u"Postal Code X (P#K# X Koordinatı) in the print settings is -2500; it must lie "
           u"between -2000 and 2000 mm. "_qs +
               tail;
    QTest::newRow("edge of the range") << u"Yatay Etiket Aralığı"_qs << QVariant(-2000.4) << QString();
    QTest::newRow("a number as text") << u"Etiket Yüksekliği"_qs << QVariant(u"34"_qs) << QString();
}

void LabelTest::settingsOutOfRange()
{
    QFETCH(QString, column);
    QFETCH(QVariant, stored);
    QFETCH(QString, message);
    QVariantMap row = a4Settings();
    row.insert(column, stored);
    const QString error = test::errorOf([&] {
        print::labelSheetFromSettings(reader(row));
        a4Elements(row);
    });
    QCOMPARE(error, message);
}

QTEST_MAIN(LabelTest)
#include "tst_labels.moc"
