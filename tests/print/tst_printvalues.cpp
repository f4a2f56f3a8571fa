#include "ErrorOf.h"
#include "core/Error.h"
#include "print/Calibration.h"
#include "print/ColourText.h"
#include "print/TestPrintProgram.h"
#include "store/FieldDef.h"
#include "store/NumberFormat.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace corvella;
using corvella::test::errorOf;

class PrintValuesTest : public QObject {
    Q_OBJECT
private slots:
    void everyColourIdentifier_data();
    void everyColourIdentifier();
    void colourValuesWithoutIdentifier_data();
    void colourValuesWithoutIdentifier();
    void colourTextReads_data();
    void colourTextReads();
    void colourValuesToDrawWith();

    void measurements_data();
    void measurements();
    void wholeNumbersOfAnySize();
    void printerRatios_data();
    void printerRatios();
    void labelPrinterValues_data();
    void labelPrinterValues();
    void dotDistanceZeroDividesByZero();

    void numberPictures_data();
    void numberPictures();

    void companionArguments();
};

void PrintValuesTest::everyColourIdentifier_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("value");
    const QList<std::pair<const char*, quint32>> plain = {
        {"clBlack", 0x000000},  {"clMaroon", 0x000080},  {"clGreen", 0x008000}, {"clOlive", 0x008080},
        {"clNavy", 0x800000},   {"clPurple", 0x800080},  {"clTeal", 0x808000},  {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},     {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF}};
    // The system colours, and the one for no colour at all.
    const QList<std::pair<const char*, quint32>> system = {
        {"clScrollBar", 0x80000000},     {"clBackground", 0x80000001},
        {"clActiveCaption", 0x80000002}, {"clInactiveCaption", 0x80000003},
        {"clMenu", 0x80000004},          {"clWindow", 0x80000005},
        {"clWindowFrame", 0x80000006},   {"clMenuText", 0x80000007},
        {"clWindowText", 0x80000008},    {"clCaptionText", 0x80000009},
        {"clActiveBorder", 0x8000000A},  {"clInactiveBorder", 0x8000000B},
        {"clAppWorkSpace", 0x8000000C},  {"clHighlight", 0x8000000D},
        {"clHighlightText", 0x8000000E}, {"clBtnFace", 0x8000000F},
        {"clBtnShadow", 0x80000010},     {"clGrayText", 0x80000011},
        {"clBtnText", 0x80000012},       {"clInactiveCaptionText", 0x80000013},
        {"clBtnHighlight", 0x80000014},  {"cl3DDkShadow", 0x80000015},
        {"cl3DLight", 0x80000016},       {"clInfoText", 0x80000017},
        {"clInfoBk", 0x80000018},        {"clNone", 0x1FFFFFFF}};
    QCOMPARE(plain.size() + system.size(), 42);
    for (const auto& [name, value] : plain + system)
        QTest::newRow(name) << QString::fromLatin1(name) << value;
}

void PrintValuesTest::everyColourIdentifier()
{
    QFETCH(QString, name);
    QFETCH(quint32, value);
    QCOMPARE(print::colourToText(int(value)), name);
    QCOMPARE(quint32(print::colourFromText(name)), value);
    QCOMPARE(quint32(print::colourFromText(name.toUpper())), value);
    QCOMPARE(quint32(print::colourFromText(name.toLower())), value);
}

void PrintValuesTest::colourValuesWithoutIdentifier_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("123456") << quint32(0x123456) << u"$00123456"_qs;
    QTest::newRow("almost red") << quint32(0x0000FE) << u"$000000FE"_qs;
    QTest::newRow("hex letters upper case") << quint32(0xABCDEF) << u"$00ABCDEF"_qs;
    QTest::newRow("past the system colours") << quint32(0x80000019) << u"$80000019"_qs;
    QTest::newRow("all bits") << quint32(0xFFFFFFFF) << u"$FFFFFFFF"_qs;
}

void PrintValuesTest::colourValuesWithoutIdentifier()
{
    QFETCH(quint32, value);
    QFETCH(QString, text);
    const QString written = print::colourToText(int(value));
    QCOMPARE(written, text);
    QVERIFY(written.size() <= 10); // the column holds 10 characters
    QCOMPARE(quint32(print::colourFromText(written)), value);
}

void PrintValuesTest::colourTextReads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("mixed case name") << u"ClReD"_qs << 255 << true;
    QTest::newRow("decimal") << u"255"_qs << 255 << true;
    QTest::newRow("decimal blue") << u"16711680"_qs << 0xFF0000 << true;
    QTest::newRow("negative decimal") << u"-2147483643"_qs << int(0x80000005) << true;
    QTest::newRow("short hex") << u"$ff"_qs << 255 << true;
    QTest::newRow("lower case hex") << u"$00abcdef"_qs << 0xABCDEF << true;
    QTest::newRow("system colour in hex") << u"$80000008"_qs << int(0x80000008) << true;
    QTest::newRow("blanks around") << u" 128 "_qs << 128 << true;
    // Refused as no number:
    QTest::newRow("unknown name") << u"clPink"_qs << 0 << false;
    QTest::newRow("empty") << QString() << 0 << false;
    QTest::newRow("dollar alone") << u"$"_qs << 0 << false;
    QTest::newRow("nine hex digits") << u"$100000000"_qs << 0 << false;
    QTest::newRow("not hex") << u"$12G4"_qs << 0 << false;
    QTest::newRow("fraction") << u"12.5"_qs << 0 << false;
    QTest::newRow("beyond 32 bits") << u"4294967296"_qs << 0 << false;
    QTest::newRow("name with blank inside") << u"cl Red"_qs << 0 << false;
}

void PrintValuesTest::colourTextReads()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, valid);
    if (valid)
        QCOMPARE(print::colourFromText(text), value);
    else
        QCOMPARE(errorOf([&] { print::colourFromText(text); }), u"'%1' is not a valid integer value"_qs.arg(text));
}

void PrintValuesTest::colourValuesToDrawWith()
{
    QCOMPARE(print::toQColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(print::toQColor(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(print::toQColor(0x123456), QColor(0x56, 0x34, 0x12));
    QCOMPARE(print::toQColor(int(0x80000008)), QColor(Qt::black)); // window text
    QCOMPARE(print::toQColor(int(0x80000005)), QColor(Qt::white)); // window
    QCOMPARE(print::colourValue(QColor(0x56, 0x34, 0x12)), 0x123456);
    QCOMPARE(print::colourValue(Qt::blue), 0xFF0000);
}

void PrintValuesTest::measurements_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("comma default") << u"201,5"_qs << 201.5 << true;
    QTest::newRow("point") << u"201.5"_qs << 201.5 << true;
    QTest::newRow("whole") << u"100"_qs << 100.0 << true;
    QTest::newRow("zero") << u"0"_qs << 0.0 << true;
    QTest::newRow("leading separator") << u",5"_qs << 0.5 << true;
    QTest::newRow("trailing separator") << u"98,"_qs << 98.0 << true;
    QTest::newRow("blanks") << u" 99,25 "_qs << 99.25 << true;
    QTest::newRow("negative") << u"-3.5"_qs << -3.5 << true;
    QTest::newRow("two separators") << u"1.234,5"_qs << 0.0 << false;
    QTest::newRow("unit typed") << u"100 mm"_qs << 0.0 << false;
    QTest::newRow("empty") << QString() << 0.0 << false;
    QTest::newRow("letters") << u"abc"_qs << 0.0 << false;
    QTest::newRow("infinite") << u"1e999"_qs << 0.0 << false;
}

void PrintValuesTest::measurements()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, valid);
    if (valid)
        QCOMPARE(print::parseMeasurement(text), value);
    else
        QCOMPARE(errorOf([&] { print::parseMeasurement(text); }),
                 u"'%1' is not a valid floating point value"_qs.arg(text));
}

void PrintValuesTest::printerRatios_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("measured");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("nominal") << 100.0 << 100.0 << true << 100.0 << 100.0;
    QTest::newRow("narrow and tall") << 98.0 << 102.0 << true << 102.04081632653062 << 98.03921568627452;
    QTest::newRow("half size") << 50.0 << 200.0 << true << 200.0 << 50.0;
    QTest::newRow("width 0") << 0.0 << 100.0 << false << 0.0 << 0.0;
    QTest::newRow("height 0") << 100.0 << 0.0 << false << 0.0 << 0.0;
}

void PrintValuesTest::printerRatios()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, measured);
    QFETCH(double, x);
    QFETCH(double, y);
    const auto ratios = print::printerRatios(width, height);
    QCOMPARE(ratios.has_value(), measured);
    if (!measured)
        return;
    QCOMPARE(ratios->xPercent, x);
    QCOMPARE(ratios->yPercent, y);
}

void PrintValuesTest::labelPrinterValues_data()
{
    QTest::addColumn<double>("xDistance");
    QTest::addColumn<double>("dotDistance");
    QTest::addColumn<QString>("width");
    QTest::addColumn<double>("ratio");
    QTest::newRow("defaults") << 201.5 << 100.0 << u"2.550632911392405"_qs << 100.0;
    QTest::newRow("X distance 0") << 0.0 << 100.0 << u"2.550632911"_qs << 100.0;
    QTest::newRow("measured") << 158.0 << 98.0 << u"2"_qs << 102.04081632653062;
}

void PrintValuesTest::labelPrinterValues()
{
    QFETCH(double, xDistance);
    QFETCH(double, dotDistance);
    QFETCH(QString, width);
    QFETCH(double, ratio);
    const auto values = print::labelPrinterValues(xDistance, dotDistance);
    QCOMPARE(QString::number(values.characterWidthMm, 'g', 16), width);
    QCOMPARE(values.yRatioPercent, ratio);
}

void PrintValuesTest::dotDistanceZeroDividesByZero()
{
    QCOMPARE(errorOf([] { print::labelPrinterValues(201.5, 0); }), u"Floating point division by zero"_qs);
}

void PrintValuesTest::numberPictures_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("turkish");
    QTest::newRow("whole") << u"###,###,###"_qs << 14.0 << u"14"_qs << u"14"_qs;
    QTest::newRow("whole grouped") << u"###,###,###"_qs << 1234567.0 << u"1,234,567"_qs << u"1.234.567"_qs;
    QTest::newRow("whole zero is empty") << u"###,###,###"_qs << 0.0 << QString() << QString();
    QTest::newRow("whole rounds half away") << u"#########"_qs << 10.5 << u"11"_qs << u"11"_qs;
    QTest::newRow("whole edit ungrouped") << u"#########"_qs << 1234.0 << u"1234"_qs << u"1234"_qs;
    QTest::newRow("ratio") << u"###,###,###.00"_qs << 102.04081632653062 << u"102.04"_qs << u"102,04"_qs;
    QTest::newRow("ratio whole") << u"###,###,###.00"_qs << 100.0 << u"100.00"_qs << u"100,00"_qs;
    QTest::newRow("ratio zero") << u"###,###,###.00"_qs << 0.0 << u".00"_qs << u",00"_qs;
    QTest::newRow("ratio edit") << u"#########.##"_qs << 100.0 << u"100"_qs << u"100"_qs;
    QTest::newRow("ratio edit one place") << u"#########.##"_qs << 98.5 << u"98.5"_qs << u"98,5"_qs;
    QTest::newRow("width") << u"#########.00"_qs << 2.550632911 << u"2.55"_qs << u"2,55"_qs;
    QTest::newRow("report first row") << u"###,###,###,###,###,###,###,###.##"_qs << 1234.5 << u"1,234.5"_qs
                                      << u"1.234,5"_qs;
    QTest::newRow("report first row zero") << u"###,###,###,###,###,###,###,###.##"_qs << 0.0 << QString() << QString();
    QTest::newRow("report later rows") << u"###,###,###,###,###,###,###,###,###,###,###,##0.00"_qs << 1234.5
                                       << u"1,234.50"_qs << u"1.234,50"_qs;
    QTest::newRow("report later rows zero")
        << u"###,###,###,###,###,###,###,###,###,###,###,##0.00"_qs << 0.0 << u"0.00"_qs << u"0,00"_qs;
    QTest::newRow("negative") << u"###,##0.00"_qs << -1234.567 << u"-1,234.57"_qs << u"-1.234,57"_qs;
    QTest::newRow("negative rounding to zero") << u"#.##"_qs << -0.001 << QString() << QString();
    QTest::newRow("typed half rounds up") << u"#########.##"_qs << 98.755 << u"98.76"_qs << u"98,76"_qs;
    QTest::newRow("carry into the integer") << u"###,###.00"_qs << 999.996 << u"1,000.00"_qs << u"1.000,00"_qs;
    QTest::newRow("tiny") << u"#########.##"_qs << 0.001 << QString() << QString();
    QTest::newRow("more digits than places") << u"##"_qs << 12345.0 << u"12345"_qs << u"12345"_qs;
}

void PrintValuesTest::numberPictures()
{
    QFETCH(QString, picture);
    QFETCH(double, value);
    QFETCH(QString, english);
    QFETCH(QString, turkish);
    QCOMPARE(store::formatFloat(picture, value, QLocale::c()), english);
    QCOMPARE(store::formatFloat(picture, value, QLocale(QLocale::Turkish, QLocale::Turkey)), turkish);
}

void PrintValuesTest::companionArguments()
{
    const QString signal = print::signalFilePath(u"/run/user/1000"_qs);
    QCOMPARE(signal, u"/run/user/1000/s.~"_qs);
    const QStringList arguments = print::testPrintArguments(signal);
    QCOMPARE(arguments, QStringList({u"YAZ"_qs, u"TEST"_qs, signal}));
    QCOMPARE(print::signalPathFromArguments(arguments).value_or(QString()), signal);
    QVERIFY(!print::signalPathFromArguments({u"YAZ"_qs, u"TEST"_qs}));
    QVERIFY(!print::signalPathFromArguments({u"yaz"_qs, u"TEST"_qs, signal}));
    QCOMPARE(print::testPrintProgramName(), u"~_~$"_qs);
    QVERIFY(!print::defaultSignalFolder().isEmpty());
}

void PrintValuesTest::wholeNumbersOfAnySize()
{
    // Halves to even; what lies beyond qint64 ends at its bound instead of an undefined conversion.
    using store::roundHalfEven;
    QCOMPARE(roundHalfEven(10.5), 10);
    QCOMPARE(roundHalfEven(-11.5), -12);
    QCOMPARE(roundHalfEven(1e300), std::numeric_limits<qint64>::max());
    QCOMPARE(roundHalfEven(-1e300), std::numeric_limits<qint64>::min());
    QCOMPARE(roundHalfEven(std::nan("")), 0);
}

QTEST_MAIN(PrintValuesTest)
#include "tst_printvalues.moc"
