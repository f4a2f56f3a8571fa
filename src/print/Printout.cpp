#include "Printout.h"

#include "Tgenel.h"
#include "core/ScopeGuard.h"

namespace corvella::print {

Printout::~Printout() = default;

QString printWhole(Tgenel& printer, Printout& printout)
{
    const std::optional<Orientation> orientation = printout.orientation();
    const auto turn = [&printer](Orientation to) {
        printer.SetOrientationByWord(to == Orientation::Landscape ? u"Yan"_qs : u"Düz"_qs);
    };
    const OnFailure dropJob([&] {
        printer.AbortDocument();
        if (orientation)
            turn(Orientation::Portrait);
    });
    if (orientation)
        turn(*orientation);
    printer.BeginDocument(printout.jobName());
    const qint64 pages = printout.pageCount(printer);
    for (qint64 page = 0; page < pages; ++page) {
        if (page > 0)
            printer.NewPage();
        printout.drawPage(printer, page);
    }
    const QString savedTo = printer.EndDocument();
    if (orientation)
        turn(Orientation::Portrait);
    return savedTo;
}

} // namespace corvella::print
