#include "ErrorOf.h"

#include "print/SheetCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace corvella;
using print::CatalogueSheet;
using print::LabelSheet;
using print::SheetCatalogue;

Q_DECLARE_METATYPE(print::LabelSheet)

namespace {

const QString SystemFolder = u"/usr/share/libglabels-3.0/templates"_qs;

void write(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

const QByteArray GoodTemplates = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Test" part="A" size="A4" _description="Address labels">
    <Label-rectangle id="0" width="70mm" height="37mm"><Layout nx="3" ny="8" x0="0" y0="0.5mm" dx="70mm" dy="37mm"/></Label-rectangle>
  </Template>
  <Template brand="Test" part="B" equiv="A"/>
  <Template brand="Test" part="C" equiv="Z"/>
</Glabels-templates>
)";

} // namespace

class SheetCatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void systemTemplates_data();
    void systemTemplates();
    void brokenFileHidesOnlyItself();
    void builtInSheetsAllPrint();
    void impossibleDimensions_data();
    void impossibleDimensions();
    void unknownSheetNamesTheCode();
};

void SheetCatalogueTest::systemTemplates_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<LabelSheet>("settings"); // page, left and top, label, gaps
    QTest::addColumn<QString>("reason");      // empty: printable
    // The page is 216 mm wide; the settings need 217 to count a gap after the third label.
    QTest::newRow("US Letter 3 x 10") << u"Avery 5160"_qs << LabelSheet{217, 279, 4, 13, 67, 25, 4, 0} << QString();
    QTest::newRow("A4, the same sheet as another")
        << u"Avery L7160"_qs << LabelSheet{210, 297, 7, 15, 64, 38, 2, 0} << QString();
    QTest::newRow("round labels") << u"Avery 3274.2"_qs << LabelSheet{} << u"round labels"_qs;
    QTest::newRow("CD labels") << u"Avery L7676"_qs << LabelSheet{} << u"CD or DVD labels"_qs;
}

void SheetCatalogueTest::systemTemplates()
{
    if (!QFile::exists(SystemFolder + u"/avery-iso-templates.xml"_qs))
        QSKIP("The label templates of the glabels-data package are not installed (tools/install-deps.sh).");
    QFETCH(QString, code);
    QFETCH(LabelSheet, settings);
    QFETCH(QString, reason);
    const SheetCatalogue catalogue = SheetCatalogue::load(SystemFolder);
    QVERIFY(catalogue.fromTemplates());
    QVERIFY2(catalogue.problems().isEmpty(), qPrintable(catalogue.problems().join(u'\n')));
    QVERIFY(catalogue.sheets().size() > 1500);
    const CatalogueSheet* sheet = catalogue.find(code.toLower());
    QVERIFY(sheet);
    if (!reason.isEmpty()) {
        QCOMPARE(sheet->unusable, reason);
        QVERIFY(test::errorOf([&] { catalogue.require(code); }).contains(reason));
        return;
    }
    QCOMPARE(sheet->unusable, QString());
    QCOMPARE(print::labelSheetOf(*sheet), settings);
    // Each typed word narrows the list; the sheet is among what is left.
    const QList<qsizetype> found = catalogue.search(code.toLower());
    QVERIFY(found.size() < 10);
    QVERIFY(found.contains(sheet - catalogue.sheets().constData()));
}

void SheetCatalogueTest::brokenFileHidesOnlyItself()
{
    QTemporaryDir dir;
    write(dir.filePath(u"good-templates.xml"_qs), GoodTemplates);
    write(dir.filePath(u"broken-templates.xml"_qs), "<Glabels-templates>\n<Template brand=\"X\" part=\"1\">\n");
    const SheetCatalogue catalogue = SheetCatalogue::load(dir.path());
    QCOMPARE(catalogue.problems().size(), 1);
    QVERIFY2(catalogue.problems().first().contains(u"broken-templates.xml, line "_qs),
             qPrintable(catalogue.problems().first()));
    QCOMPARE(catalogue.sheets().size(), 3);
    QCOMPARE(print::labelSheetOf(catalogue.require(u"test b"_qs)), (LabelSheet{210, 297, 0, 0, 70, 37, 0, 0}));
    QVERIFY(catalogue.find(u"Test C"_qs)->unusable.contains(u"Test Z"_qs));
    // A sheet asked for by name is not there: the message says which files were left out.
    QVERIFY(test::errorOf([&] { catalogue.require(u"X 1"_qs); }).contains(u"broken-templates.xml"_qs));
}

void SheetCatalogueTest::builtInSheetsAllPrint()
{
    QTemporaryDir empty;
    const SheetCatalogue catalogue = SheetCatalogue::load(empty.path());
    QVERIFY(!catalogue.fromTemplates());
    QVERIFY(catalogue.sheets().size() >= 20);
    int a4 = 0;
    int letter = 0;
    for (const CatalogueSheet& sheet : catalogue.sheets()) {
        QVERIFY2(sheet.usable(), qPrintable(sheet.code() + u": "_qs + sheet.unusable));
        const print::LabelGrid grid = print::labelGrid(print::labelSheetOf(sheet));
        QCOMPARE(grid, (print::LabelGrid{sheet.across, sheet.down}));
        a4 += sheet.paper == u"A4"_qs;
        letter += sheet.paper == u"US Letter"_qs;
    }
    QVERIFY(a4 >= 8 && letter >= 8);
    QCOMPARE(print::labelSheetOf(catalogue.require(u"Avery L7160"_qs)), (LabelSheet{210, 297, 7, 15, 64, 38, 2, 0}));
}

void SheetCatalogueTest::impossibleDimensions_data()
{
    QTest::addColumn<QString>("label"); // the template's label and layout elements
    QTest::addColumn<QString>("reason");
    const QString layout = u"<Layout nx=\"2\" ny=\"2\" x0=\"5mm\" y0=\"5mm\" dx=\"100mm\" dy=\"100mm\"/>"_qs;
    QTest::newRow("labels overlap") << u"<Label-rectangle width=\"120mm\" height=\"50mm\">"_qs + layout
                                    << u"the labels overlap"_qs;
    QTest::newRow("past the paper") << u"<Label-rectangle width=\"50mm\" height=\"50mm\">"
                                       "<Layout nx=\"5\" ny=\"2\" x0=\"5mm\" y0=\"5mm\" dx=\"60mm\" dy=\"60mm\"/>"_qs
                                    << u"past the 210.0 × 297.0 mm paper"_qs;
    QTest::newRow("zero width") << u"<Label-rectangle width=\"0\" height=\"50mm\">"_qs + layout << u"zero or less"_qs;
    QTest::newRow("under a millimetre") << u"<Label-rectangle width=\"50mm\" height=\".37mm\">"_qs + layout
                                        << u"smaller than a millimetre"_qs;
    QTest::newRow("not a length") << u"<Label-rectangle width=\"wide\" height=\"50mm\">"_qs + layout
                                  << u"not a length"_qs;
    QTest::newRow("several layouts") << u"<Label-rectangle width=\"50mm\" height=\"50mm\">"_qs + layout + layout
                                     << u"several layouts on one sheet"_qs;
}

void SheetCatalogueTest::impossibleDimensions()
{
    QFETCH(QString, label);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    write(dir.filePath(u"odd-templates.xml"_qs),
          (u"<Glabels-templates><Template brand=\"Odd\" part=\"1\" size=\"A4\">"_qs + label +
           u"</Label-rectangle></Template></Glabels-templates>"_qs)
              .toUtf8());
    const SheetCatalogue catalogue = SheetCatalogue::load(dir.path());
    QVERIFY(catalogue.problems().isEmpty());
    const QString error = test::errorOf([&] { catalogue.require(u"Odd 1"_qs); });
    QVERIFY2(error.startsWith(u"The label sheet Odd 1 cannot be printed"_qs) && error.contains(reason),
             qPrintable(error));
}

void SheetCatalogueTest::unknownSheetNamesTheCode()
{
    const QString error = test::errorOf([] { SheetCatalogue::builtIn().require(u"Avery  99999"_qs); });
    QCOMPARE(error, u"No label sheet is called 'Avery 99999'. Give the brand and the product code, e.g. \"Avery "
                    u"L7160\"."_qs);
}

QTEST_GUILESS_MAIN(SheetCatalogueTest)
#include "tst_sheets.moc"
