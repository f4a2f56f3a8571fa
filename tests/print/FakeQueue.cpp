#include "FakeQueue.h"

#include "core/Error.h"

#include <QFile>

namespace corvella::test {

print::PrinterSurface* FakeQueue::attach(print::PrinterSurface* surface, const QString& spoolFolder)
{
    surface->setQueueLookup([this] { return std::optional(queue); });
    surface->setSpoolFolder(spoolFolder);
    surface->setSubmitter(
        [this](const QString& name, const QString& file, const QString& title, const print::PrintJobOptions& options) {
            if (!refusal.isEmpty())
                throw Error(refusal);
            QFile pdf(file);
            if (!pdf.open(QIODevice::ReadOnly))
                throw Error(u"the spooled file cannot be read: "_qs + pdf.errorString());
            jobs.append({name, title, options, pdf.readAll()});
        });
    return surface;
}

QString FakeQueue::saveLastJob(const QString& path) const
{
    QFile copy(path);
    if (jobs.isEmpty() || !copy.open(QIODevice::WriteOnly) || copy.write(jobs.last().pdf) != jobs.last().pdf.size())
        return {};
    return path;
}

print::PrintQueue officeQueue(double marginMm, QPrinter::DuplexMode duplex, QPageSize::PageSizeId paper)
{
    return {u"Office"_qs,
            QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(marginMm, marginMm, marginMm, marginMm),
                        QPageLayout::Millimeter),
            duplex, false};
}

} // namespace corvella::test
