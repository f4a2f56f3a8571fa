#include "TestPages.h"

#include "Calibration.h"
#include "ColourText.h"
#include "PrintGeometry.h"
#include "Tgenel.h"
#include "core/ScopeGuard.h"

namespace corvella::print {

namespace {

/// Runs the drawing of one job; a failure part-way drops the job so that the next one can start.
template <class Draw> QString printJob(Tgenel& printer, const QString& jobName, Draw&& draw)
{
    printer.BeginDocument(jobName);
    const OnFailure dropJob([&printer] { printer.AbortDocument(); });
    draw();
    return printer.EndDocument();
}

} // namespace

QString labelTestLine()
{
    return u'X' + QString(TestCellsBetweenX - 1, u' ') + u'X';
}

QString printRatioTestPage(Tgenel& printer)
{
    return printJob(printer, u"Printer ratio test"_qs, [&] {
        printer.SetFont(u"Arial"_qs, 10);
        printer.SetFontColor(colours::Red);
        printer.printTextAtDots({100, 100}, u"Lütfen ekrana gelecek olan soruları cevaplandırmak için "_qs);
        printer.printTextAtDots({100, 200}, u"aşağıdaki dörtgenin boyutlarını ölçünüz."_qs);
        // The square is drawn with the plain black pen whatever an earlier job left set.
        const int pen = printer.state().penColour;
        printer.SetPenColor(colours::Black);
        const int near = dotsFromMm(25);
        const int far = dotsFromMm(25 + RatioSquareMm);
        printer.drawRectangleAtDots({near, near}, {far, far});
        printer.SetPenColor(pen);
    });
}

QString printLabelTestPage(Tgenel& printer)
{
    using Layout = LabelTestPageLayout;
    return printJob(printer, u"Label printer test"_qs, [&] {
        printer.SetFontColor(colours::Black);
        printer.SetFont(u"Arial"_qs, 12);
        printer.PrintText(Layout::Left, 10, u"Etiket yazıcısı deneme sayfası"_qs);
        printer.SetFont(u"Arial"_qs, 9);
        printer.PrintText(Layout::Left, Layout::XLineTop - 6, u"\"X\" harfleri arasındaki uzaklığı ölçünüz."_qs);
        printer.PrintText(Layout::Left + 10, Layout::FirstDotTop + int(TestDotDistanceMm) / 2,
                          u"\".\" işaretleri arasındaki uzaklığı ölçünüz."_qs);
        printer.SetFont(u"Courier New"_qs, Layout::FontSize);
        printer.PrintText(Layout::Left, Layout::XLineTop, labelTestLine());
        printer.PrintText(Layout::Left, Layout::FirstDotTop, u"."_qs);
        printer.PrintText(Layout::Left, Layout::FirstDotTop + int(TestDotDistanceMm), u"."_qs);
    });
}

} // namespace corvella::print
