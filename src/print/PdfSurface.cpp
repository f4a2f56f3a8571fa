#include "PdfSurface.h"

#include <QCoreApplication>
#include <QDir>
#include <QPdfWriter>

namespace corvella::print {

PdfSurface::PdfSurface(QString filePath, int dotsPerInch, QPageSize pageSize)
    : m_filePath(std::move(filePath))
    , m_dotsPerInch(dotsPerInch)
    , m_pageSize(std::move(pageSize))
{}

PdfSurface::~PdfSurface()
{
    abortDocument();
}

QPaintDevice* PdfSurface::openDevice(const QString& jobName, Orientation orientation)
{
    m_writer = std::make_unique<QPdfWriter>(m_filePath);
    m_writer->setTitle(jobName);
    m_writer->setCreator(u"Corvella"_qs);
    m_writer->setResolution(m_dotsPerInch);
    m_writer->setPageLayout(
        QPageLayout(m_pageSize, orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    return m_writer.get();
}

bool PdfSurface::startNewPage()
{
    return m_writer && m_writer->newPage();
}

QString PdfSurface::closeDevice(bool completed)
{
    m_writer.reset();
    return completed ? m_filePath : QString();
}

QSizeF PdfSurface::printableSizeMm(Orientation orientation) const
{
    const QSizeF size = m_pageSize.size(QPageSize::Millimeter);
    return orientation == Orientation::Landscape ? size.transposed() : size;
}

QString PdfSurface::targetName() const
{
    return QCoreApplication::translate("print", "the file '%1'").arg(QDir::toNativeSeparators(m_filePath));
}

} // namespace corvella::print
