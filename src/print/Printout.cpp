#include "Printout.h"

#include "Tgenel.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"

#include <QCoreApplication>

namespace corvella::print {

Printout::~Printout() = default;

void reportProgress(const PageProgress& progress, qint64 done, qint64 total)
{
    if (progress && !progress(done, total))
        throw CancelledError(QCoreApplication::translate("print", "Printing was cancelled."));
}

QString printWhole(Tgenel& printer, Printout& printout, const PageProgress& progress)
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
    // Counted before the job starts, so that a run declined at its size leaves nothing behind, not even an empty job;
    // and again on the job's own page, which is the one drawn on.
    reportProgress(progress, 0, printout.pageCount(printer));
    printer.BeginDocument(printout.jobName());
    const qint64 pages = printout.pageCount(printer);
    for (qint64 page = 0; page < pages; ++page) {
        if (page > 0)
            printer.NewPage();
        printout.drawPage(printer, page);
        reportProgress(progress, page + 1, pages);
    }
    const QString savedTo = printer.EndDocument();
    if (orientation)
        turn(Orientation::Portrait);
    return savedTo;
}

} // namespace corvella::print
