#pragma once

#include "PrintSurface.h"

#include <QString>

#include <functional>
#include <optional>

namespace corvella::print {

class Tgenel;

/// Follows a print run: called with no page done before the job starts, then after every page drawn. Returning false
/// stops the run: before the job starts nothing is drawn, later the job is dropped; either way the run raises
/// CancelledError, which ends a window's handler without a message.
using PageProgress = std::function<bool(qint64 done, qint64 total)>;

/// Tells `progress`, if any, of the pages done; raises CancelledError when it asks the run to stop.
void reportProgress(const PageProgress& progress, qint64 done, qint64 total);

/// A printout that can draw any one of its pages on its own, so that a preview shows page 500 without drawing the
/// 499 before it. Printing it whole draws the same pages in order.
class Printout {
public:
    virtual ~Printout();

    /// Names the job in the printer queue, or the file it is saved as.
    virtual QString jobName() const = 0;
    /// The orientation the printout turns the printer to, or none when it prints as the printer stands.
    virtual std::optional<Orientation> orientation() const = 0;
    /// How many pages the printout fills on `printer`'s paper, in the printout's orientation.
    virtual qint64 pageCount(const Tgenel& printer) = 0;
    /// Draws page `page` (from 0) inside a running job.
    virtual void drawPage(Tgenel& printer, qint64 page) = 0;
};

/// Prints every page of `printout` in one job, in its orientation (turned back to portrait afterwards). An error
/// part-way drops the job before it goes on. Returns the file the job was saved to, if any.
QString printWhole(Tgenel& printer, Printout& printout, const PageProgress& progress = {});

} // namespace corvella::print
