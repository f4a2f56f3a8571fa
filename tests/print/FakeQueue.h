#pragma once

#include "print/PrinterSurface.h"

#include <QList>
#include <QString>

namespace corvella::test {

/// Stands in for CUPS: a queue of the given paper, and the jobs handed to it, each with a copy of its file.
struct FakeQueue {
    struct Job {
        QString queue;
        QString title;
        print::PrintJobOptions options;
        QByteArray pdf;
    };
    print::PrintQueue queue;
    QList<Job> jobs;
    QString refusal; // a queue that refuses jobs says this

    /// Makes `surface` print on this queue, spooling in `spoolFolder`; returns it.
    print::PrinterSurface* attach(print::PrinterSurface* surface, const QString& spoolFolder);
    /// Writes the file of the job handed over last to `path`; returns `path`, or an empty text when there is none.
    QString saveLastJob(const QString& path) const;
};

/// A queue named "Office" of `paper` with the same margin on every side.
print::PrintQueue officeQueue(double marginMm, QPrinter::DuplexMode duplex = QPrinter::DuplexNone,
                              QPageSize::PageSizeId paper = QPageSize::A4);

} // namespace corvella::test
